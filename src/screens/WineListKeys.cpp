#include "screens/WineListKeys.h"

#include <QKeyEvent>
#include <QListWidget>

namespace corkwise {

void WineListKeys::watch(QListWidget* list, std::function<void(int row)> open) {
    new WineListKeys(list, std::move(open));
}

WineListKeys::WineListKeys(QListWidget* list, std::function<void(int row)> open)
    : QObject(list), list_(list), open_(std::move(open)) {
    list_->installEventFilter(this);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { open_(list_->row(item)); });
}

bool WineListKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            list_->currentRow() >= 0) {
            open_(list_->currentRow());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corkwise
