#include "controls/GridCell.h"

#include "controls/ControlLook.h"
#include "controls/GridList.h"

namespace corkwise {

GridCell::GridCell(QWidget* parent) : QFrame(parent) {
    hide();
    setFrameStyle(QFrame::NoFrame);
    setFont(verdanaFont());
}

GridCell::~GridCell() = default;

bool GridCell::place(const QRect& rect, QWidget* parent, int slotId) {
    if (created_ || parent == nullptr) {
        return false;
    }
    created_ = true;
    setParent(parent);
    setGeometry(rect);
    slotId_ = slotId;
    grid_ = qobject_cast<GridList*>(parent);
    setFont(verdanaFont());
    return true;
}

}  // namespace corkwise
