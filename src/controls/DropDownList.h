#pragma once
// A drop-down list laid out as the program's rectangles give it: one rectangle holds the closed
// list at its top and the dropped list below it.
//
// Styles place a dropped list as they like (some over the closed list, as tall as every entry
// needs). This one always drops into the rest of its rectangle, scrolled to the current entry,
// so that it covers exactly what the page reserves for it.

#include <QComboBox>
#include <QRect>

namespace corkwise {

class DropDownList : public QComboBox {
    Q_OBJECT

public:
    // RECT is the whole rectangle in PARENT's coordinates; the closed list takes its top
    // CLOSEDHEIGHT pixels, and the list is placed there.
    DropDownList(const QRect& rect, int closedHeight, QWidget* parent = nullptr);

    // Where the list drops, in the parent's coordinates: below the closed list down to the
    // rectangle's bottom. Empty when the rectangle leaves no room.
    QRect droppedRect() const;

    void showPopup() override;

private:
    QRect rect_;
    int closedHeight_;
};

}  // namespace corkwise
