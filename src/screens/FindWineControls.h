#pragma once
// Child controls shared by the search pages: labels in the bold page font drawn over the page's
// background, drop-down lists and list boxes in the list font, bordered info boxes on the box
// colour, and push buttons.
//
// Rectangles are given as the program's resources give them: left, top, right, bottom in page
// pixels, where a drop-down list's rectangle includes its dropped list. Every control carries its
// resource identifier in the "controlId" property (labels without one carry -1).

#include <QRect>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
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

// A visible, bordered, single-selection list box in the list font with a vertical scroll bar as
// needed, named NAME with identifier ID, child of PAGE, filling RECT.
QListWidget* makeListBox(QWidget* page, int id, const QRect& rect, const char* name);

// A visible info box: TEXT centred and wrapped at word boundaries in a frame on RGB(147, 167,
// 148), named NAME, child of PAGE, filling RECT. Screen readers meet it as read-only text
// named "Info" whose value is what it shows. FONT is the page's list font when LISTFONT,
// otherwise the widget's default.
QLabel* makeInfoBox(QWidget* page, const QString& text, const QRect& rect, const char* name,
                    bool listFont);

// Makes LABEL the label of CONTROL, whose name for screen readers becomes LABEL's text without
// its closing colon ("Origin:" names its list "Origin").
void labelControl(QLabel* label, QWidget* control);

// One labelled drop-down list of a form: the label's text and name, its top (the list starts
// under it), the list's identifier, the bottom of its dropped list and its name.
struct LabelledList {
    const char* labelText;
    const char* labelName;
    int labelTop;
    int comboId;
    int comboBottom;
    const char* comboName;
};

// The label and drop-down list that LIST describes, 220 pixels wide at the left margin of PAGE,
// the label naming the list for screen readers; returns the list.
QComboBox* makeLabelledList(QWidget* page, const LabelledList& list);

// A visible push button with TEXT in the bold page font and the program's button look, named
// NAME with identifier ID, child of PAGE, filling RECT.
QPushButton* makeButton(QWidget* page, int id, const QString& text, const QRect& rect,
                        const char* name);

}  // namespace corkwise::findwine
