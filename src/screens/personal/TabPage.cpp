#include "screens/personal/TabPage.h"

#include "screens/SearchPage.h"
#include "screens/personal/RefusalWord.h"

#include <QPainter>

namespace corkwise {

TabPage::TabPage(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TabPage::~TabPage() = default;

bool TabPage::createPage(QWidget* parent, const QRect& rect, int id) {
    if (created_ || parent == nullptr) {
        return false;
    }
    setParent(parent);
    setGeometry(rect);
    id_ = id;
    if (!createControls()) {
        return false;
    }
    refusal_ = new RefusalWord(this);
    created_ = true;
    show();
    return true;
}

void TabPage::reset() {}

void TabPage::resizePage(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}

void TabPage::cut() {}

void TabPage::copy() {}

void TabPage::paste() {}

QString TabPage::refusal() const {
    return refusal_ != nullptr ? refusal_->shown() : QString();
}

void TabPage::showRefusal(const QString& word) {
    if (refusal_ != nullptr) {
        refusal_->say(word);
    }
}

void TabPage::hideRefusal() {
    if (refusal_ != nullptr) {
        refusal_->hide();
    }
}

bool TabPage::createControls() {
    return true;
}

void TabPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), SearchPage::kBackground);
}

}  // namespace corkwise
