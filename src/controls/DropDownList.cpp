#include "controls/DropDownList.h"

#include <QAbstractItemView>

namespace corkwise {

DropDownList::DropDownList(const QRect& rect, int closedHeight, QWidget* parent)
    : QComboBox(parent), rect_(rect), closedHeight_(closedHeight) {
    setGeometry(rect.left(), rect.top(), rect.width(), closedHeight);
}

QRect DropDownList::droppedRect() const {
    const QRect below(rect_.left(), rect_.top() + closedHeight_, rect_.width(),
                      rect_.height() - closedHeight_);
    return below.height() > 0 ? below : QRect();
}

void DropDownList::showPopup() {
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    const QRect dropped = droppedRect();
    if (popup == window() || !popup->isVisible() || dropped.isEmpty() ||
        parentWidget() == nullptr) {
        return;
    }
    popup->setGeometry(QRect(parentWidget()->mapToGlobal(dropped.topLeft()), dropped.size()));
    view()->scrollTo(view()->currentIndex());
}

}  // namespace corkwise
