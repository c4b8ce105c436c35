#pragma once
// Child controls shared by the three Find Wine pages: labels in the bold page font drawn over the
// page's background, and drop-down lists in the list font.
//
// Rectangles are given as the program's resources give them: left, top, right, bottom in page
// pixels, where a drop-down list's rectangle includes its dropped list. Every control carries its
// resource identifier in the "controlId" property (labels without one carry -1).

#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace corkwise::findwine {

// Height of a closed drop-down list; the rest of its rectangle is the dropped list.
inline constexpr int kComboHeight = 22;

// The rectangle (LEFT, TOP, RIGHT, BOTTOM) as a QRect.
QRect edges(int left, int top, int right, int bottom);

// A visible, left-aligned label with TEXT in the bold page font, named NAME, child of PAGE.
QLabel* makeLabel(QWidget* page, const QString& text, const QRect& rect, const char* name);

// A visible drop-down list without an edit field in the list font, named NAME with identifier
// ID, child of PAGE. RECT includes the dropped list, which shows as many entries as fit in it
// and drops into exactly that part of RECT (DropDownList).
QComboBox* makeCombo(QWidget* page, int id, const QRect& rect, const char* name);

}  // namespace corkwise::findwine
