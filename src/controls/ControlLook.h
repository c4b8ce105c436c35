#pragma once
// The look shared by the cells, the grid and the screens that hold them: colours, the cell font
// and the style bits a cell is created with.

#include <QColor>
#include <QFlags>
#include <QFont>
#include <QRect>

namespace corkwise {

// Normal background of a label cell, of the grid and of the pages.
inline constexpr QColor kPanelColour(174, 196, 175);
// Background of a highlighted label cell (the selected grid row).
inline constexpr QColor kHighlightColour(237, 255, 237);
// Background of a column's header cell and of info boxes.
inline constexpr QColor kHeaderColour(147, 167, 148);
// Text of a label cell.
inline constexpr QColor kTextColour(0, 0, 0);
// Colour of a cell's border line.
inline constexpr QColor kBorderColour(0, 0, 0);

// Height of a grid row and of a header cell, in pixels.
inline constexpr int kRowHeight = 15;

// Font weights: cells take the normal weight, labels and buttons bold, lists light.
inline constexpr int kCellWeight = 400;
inline constexpr int kLabelWeight = 700;
inline constexpr int kListWeight = 300;

// "Verdana", 13 pixels high, of WEIGHT (100 to 900, as in kLabelWeight); where Verdana is not
// installed the font system substitutes a similar face.
QFont verdanaFont(int weight = kCellWeight);

// The rectangle from LEFT, TOP to RIGHT, BOTTOM, right and bottom excluded (the way the layout
// tables give rectangles): rectFromEdges(10, 80, 230, 185) is 220 x 105 at (10, 80).
inline QRect rectFromEdges(int left, int top, int right, int bottom) {
    return QRect(left, top, right - left, bottom - top);
}

// Window style of a cell, given at creation.
enum class CellStyleFlag : unsigned {
    Visible = 0x1,    // shown once created
    Border = 0x2,     // a one-pixel black frame; the text goes inside it
    Centred = 0x4,    // label cell: text centred horizontally (else left-aligned)
    Notify = 0x8,     // label cell: sends its click command to the grid after a hold
    MultiLine = 0x10  // edit cell: several lines with a vertical scroll bar (else one line)
};
Q_DECLARE_FLAGS(CellStyle, CellStyleFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(CellStyle)

}  // namespace corkwise
