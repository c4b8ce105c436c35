#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace corkwise {

namespace {
int g_active = 0;
}

WaitCursor::WaitCursor() {
    ++g_active;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

WaitCursor::~WaitCursor() {
    release();
}

void WaitCursor::release() {
    if (!active_) {
        return;
    }
    active_ = false;
    --g_active;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
        QGuiApplication::restoreOverrideCursor();
    }
}

int WaitCursor::activeCount() {
    return g_active;
}

}  // namespace corkwise
