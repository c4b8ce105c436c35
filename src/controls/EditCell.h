#pragma once
// An edit cell: a one-line edit in the grid's editable column, or a several-line edit used
// alone (the Notes page, the rename box).

#include "controls/ControlLook.h"
#include "controls/GridCell.h"

#include <QString>

class QLineEdit;
class QPlainTextEdit;

namespace corkwise {

class GridList;

// A frame around one editor: a QLineEdit, or a QPlainTextEdit when created with
// CellStyleFlag::MultiLine. A press in the editor gets its normal handling (the caret moves
// there) and is then reported to the owning grid as a plain tap (GridList::tapped with the
// cell's slot id and the press position in the cell); so is reaching the editor with Tab, at
// (0, 0). Used alone the cell reports to nobody.
class EditCell : public GridCell {
    Q_OBJECT

public:
    explicit EditCell(QWidget* parent = nullptr);
    ~EditCell() override;

    // Makes the cell a child of PARENT at RECT with STYLE (Visible, Border, MultiLine), records
    // SLOTID and, when PARENT is a GridList, the grid; sets the Verdana font. Returns false,
    // changing nothing, when the cell was already created or PARENT is null.
    bool create(CellStyle style, const QRect& rect, QWidget* parent, int slotId);
    bool isMultiLine() const { return multiLine_; }

    QString text() const;
    // Replaces the whole text (any selection in the old text goes with it).
    void setText(const QString& text);
    void setBorder(bool on);

    // The clipboard operations of the editor.
    void cut();
    void copy();
    void paste();

    // The editor inside the frame, for focus and typing; owned by the cell. Exactly one of
    // lineEdit() and textEdit() is non-null after create().
    QWidget* editor() const;
    QLineEdit* lineEdit() const { return lineEdit_; }
    QPlainTextEdit* textEdit() const { return textEdit_; }

Q_SIGNALS:
    // The text was changed by the user or by setText.
    void textChanged();

protected:
    // Up and Down that a one-line editor leaves unused go to the grid, which moves to the edit
    // cell above or below.
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class EditCellLine;
    friend class EditCellText;
    // Called by the editor after its own handling of a press at POS (cell coordinates).
    void reportPress(QPoint pos);
    // Called by the editor when it gets the focus for REASON; Tab and Backtab count as a tap.
    void reportKeyboardFocus(Qt::FocusReason reason);

    bool multiLine_ = false;
    QLineEdit* lineEdit_ = nullptr;
    QPlainTextEdit* textEdit_ = nullptr;
};

}  // namespace corkwise
