#pragma once
// The grid list: a fixed number of row slots over a longer list of rows.

#include "controls/GridColumn.h"
#include "controls/GridListener.h"
#include "controls/GridRows.h"

#include <QWidget>
#include <limits>
#include <memory>
#include <vector>

class QScrollBar;

namespace corkwise {

class EditCell;
class LabelCell;

// Shows rows of texts in row slots 15 pixels high, one cell window per column in each slot,
// under an optional header of column titles (slot 0). When there are more rows than slots a
// vertical scroll bar over the rightmost 15 pixels moves the rows through the slots.
//
// Rows are either selectable (a tapped row is highlighted and reported to the listener with its
// record cursor) or, in an editable grid, one column holds edit cells whose typed texts are
// taken over into the rows (rows()).
//
// "Slot" below is a data slot, counted from 0 under the header. A cell's slot id is its slot
// + 1 when the header is shown, else its slot. The grid owns its columns, its rows and their
// cursors; the listener is not owned.
//
// Keyboard, while the grid has focus: Up and Down move the selection one row, Page Up and Page
// Down a slotful of rows, Home and End to the first and last row; the grid scrolls as little as
// it must to show the row and reports it as a plain tap. The Menu key (or Shift+F10) reports a
// tap-and-hold on the selected row. The selected row then wears a dotted focus frame. In an
// editable grid Up and Down go from edit cell to edit cell in the same column.
//
// Screen readers see a list named by accessibleName() whose items are the rows shown, each
// named by its cells' texts (GridListAccessible).
class GridList : public QWidget {
    Q_OBJECT

public:
    explicit GridList(std::vector<GridColumn> columns = {}, QWidget* parent = nullptr);
    ~GridList() override;

    // Settings; the header and editing settings must be given before create().
    void setHeader(bool shown) { headerShown_ = shown; }
    void setSelectable(bool on) { selectable_ = on; }
    // ON with COLUMN the column of edit cells, or -1 for every column.
    void setEditable(bool on, int column = -1);
    // The longest text an edit cell takes, while typing and pasting; 0 (the default) for no
    // limit. Applies to the edit cells made from then on, so it is given before create().
    void setMaxEditLength(int length) { maxEditLength_ = length; }
    int maxEditLength() const { return maxEditLength_; }
    // LISTENER (not owned) hears of taps on rows; null for none.
    void setListener(GridListener* listener) { listener_ = listener; }

    bool headerShown() const { return headerShown_; }
    bool isSelectable() const { return selectable_; }
    bool isEditable() const { return editable_; }
    int editableColumn() const { return editableColumn_; }
    GridListener* listener() const { return listener_; }

    // Makes the grid a child of PARENT at RECT, shown when VISIBLE, and lays it out for RECT's
    // height; the last column is widened or narrowed to end at the grid's right edge. Returns
    // false when the grid was already created or PARENT is null.
    bool create(const QRect& rect, QWidget* parent, bool visible = true);
    bool isCreated() const { return created_; }

    // Appends ROW with CURSOR (may be null); the grid owns both. Clears the selection. While the
    // rows fit, the row is shown in the next free slot; once they do not, the scroll bar appears
    // and the slots stay as they are.
    void addRow(GridRow row, std::unique_ptr<RecordCursor> cursor = nullptr);
    // Destroys every row and cursor, empties every slot, removes the highlight and the
    // selection, scrolls to the top and hides the scroll bar.
    void clear();

    // When selectable, selects SLOT and highlights it (other highlights stay). Nothing when the
    // grid is not selectable or SLOT is not a slot.
    void select(int slot);
    // The slot last tapped or selected, moved with its row by scrolling; -1 when none, and
    // negative too while the selected row lies above the rows shown.
    int selectedSlot() const { return selected_ == kNoSelection ? -1 : selected_; }
    // The cursor of the selected row; null when nothing is selected or the row has none. Owned
    // by the grid.
    RecordCursor* selectedCursor() const;
    // The cursor of row I; null when I is not a row or the row has none. Owned by the grid.
    RecordCursor* cursorAt(int i) const;
    // The text shown now in the cell of SLOT and COLUMN; empty when there is no such cell.
    QString cellText(int slot, int column) const;

    // Takes over the typed texts (editable grids) and returns the row store, owned by the grid.
    GridRows& rows();
    int rowCount() const { return rows_.count(); }

    // Lays the grid out again for HEIGHT: new cells and scroll bar (the header cells stay),
    // typed texts taken over first, back to the top with nothing selected. The old cells and
    // scroll bar are hidden at once and deleted when control returns to the event loop (the
    // request may come from one of them), so pointers from cellAt() do not outlive a relayout.
    void relayout(int height);

    // Clipboard requests for the edit cell of the selected slot in the editable column;
    // nothing when the grid is not editable or no slot is selected.
    void cut();
    void copy();
    void paste();

    // Reports from the cells: a tap (HOLD false, X and Y within the cell) or a tap-and-hold
    // (HOLD true, X and Y on the screen) on the cell with SLOTID.
    void tapped(int slotId, int x, int y, bool hold);
    // A cell of slot SLOTID was double-clicked: the row is selected as by a tap, then opened
    // (GridListener::onRowOpened). Nothing for an editable grid or a slot without a row.
    void opened(int slotId);
    // Up (STEP -1) or Down (STEP 1) pressed in edit cell CELL: the focus goes to the edit cell
    // of the same column in the slot above or below, scrolling a line at the edges.
    void moveFromEditCell(EditCell* cell, int step);
    // A command from the cell with CELLID; CODE 0 is a click. Returns whether the grid handled it.
    bool cellCommand(int cellId, int code);

    // Scroll bar actions, as the scroll bar's arrows, page areas and thumb give them.
    enum class Scroll { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3, ThumbTrack = 5 };
    // Scrolls by ACTION; THUMB is the thumb position for ThumbTrack. In a selectable grid every
    // scroll keeps the selected row selected: the selected slot moves with its row, and a row
    // scrolled out of view stays selected unseen (selectedSlot() is then negative or past the
    // last slot, selectedCursor() still its cursor) until it is scrolled back. Typed texts are
    // taken over first. The grid never scrolls past its last full page.
    void scroll(Scroll action, int thumb = 0);

    // The state of the layout, for the screens and for tests.
    int visibleSlots() const { return visible_; }
    // Index of the row shown in slot 0.
    int top() const { return top_; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    const GridColumn& column(int j) const { return columns_.at(static_cast<size_t>(j)); }
    QScrollBar* scrollBar() const { return scrollBar_; }
    // The cell window of SLOT and COLUMN (a LabelCell or an EditCell); null when there is none.
    QWidget* cellAt(int slot, int column) const;
    LabelCell* labelCellAt(int slot, int column) const;
    EditCell* editCellAt(int slot, int column) const;
    // Whether slot SLOT is highlighted.
    bool isHighlighted(int slot) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Enter on a selected row opens it; true when the key was taken.
    bool openSelectedOnEnter(const QKeyEvent* event);
    void wheelEvent(QWheelEvent* event) override;

private:
    int slotIdOf(int slot) const { return headerShown_ ? slot + 1 : slot; }
    int slotOfId(int slotId) const { return headerShown_ ? slotId - 1 : slotId; }
    int firstSlotId() const { return headerShown_ ? 1 : 0; }
    bool isEditColumn(int column) const;

    bool layOut();
    void makeScrollBar();
    void destroyScrollBar();
    void showRowInSlot(int row, int slot);
    void nameEditCells(int slot);
    void fillSlots(int from);
    void takeOverTypedTexts();
    void removeHighlights();
    void highlightSlot(int slot);
    void updateScrollRange();
    void onScrollAction(int action);
    // After a scroll from OLDTOP: moves the selected slot and its highlight with the selected
    // row. Returns whether anything moved.
    bool keepSelectionOnItsRow(int oldTop);
    EditCell* clipboardTarget() const;
    // Keyboard: moves the selection by STEP rows, or to row TO (clamped to the rows).
    void moveSelection(int step);
    void moveSelectionTo(int row);
    // Puts the focus frame on the selected slot while the grid has the focus, else hides it.
    void updateFocusMark();

    int nextSlot_;
    std::vector<GridColumn> columns_;
    std::vector<std::vector<QWidget*>> cellRows_;
    QScrollBar* scrollBar_ = nullptr;
    bool headerShown_ = true;
    GridRows rows_;
    int visible_ = 0;
    int top_ = 0;
    GridListener* listener_ = nullptr;
    // No row selected. Any other value, even a negative one, is the selected row less top_.
    static constexpr int kNoSelection = std::numeric_limits<int>::min();
    int selected_ = kNoSelection;
    bool editable_ = false;
    bool selectable_ = true;
    int editableColumn_ = -1;
    int maxEditLength_ = 0;
    bool laidOut_ = false;
    bool created_ = false;
    QWidget* focusMark_ = nullptr;
};

}  // namespace corkwise
