#include "controls/EditCell.h"

#include "controls/GridList.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace corkwise {

// The editors report a press to their cell only after their own handling of it, so the caret
// is already placed when the grid hears of the tap.
class EditCellLine : public QLineEdit {
public:
    explicit EditCellLine(EditCell* cell) : QLineEdit(cell), cell_(cell) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QLineEdit::mousePressEvent(event);
        cell_->reportPress(mapTo(cell_, event->position().toPoint()));
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        cell_->reportKeyboardFocus(event->reason());
    }

private:
    EditCell* cell_;
};

class EditCellText : public QPlainTextEdit {
public:
    explicit EditCellText(EditCell* cell) : QPlainTextEdit(cell), cell_(cell) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QPlainTextEdit::mousePressEvent(event);
        cell_->reportPress(viewport()->mapTo(cell_, event->position().toPoint()));
    }
    void focusInEvent(QFocusEvent* event) override {
        QPlainTextEdit::focusInEvent(event);
        cell_->reportKeyboardFocus(event->reason());
    }

private:
    EditCell* cell_;
};

EditCell::EditCell(QWidget* parent) : GridCell(parent) {}

EditCell::~EditCell() = default;

bool EditCell::create(CellStyle style, const QRect& rect, QWidget* parent, int slotId) {
    if (!place(rect, parent, slotId)) {
        return false;
    }
    multiLine_ = style.testFlag(CellStyleFlag::MultiLine);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (multiLine_) {
        textEdit_ = new EditCellText(this);
        textEdit_->setFrameShape(QFrame::NoFrame);
        textEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        textEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        textEdit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        connect(textEdit_, &QPlainTextEdit::textChanged, this, &EditCell::textChanged);
        layout->addWidget(textEdit_);
    } else {
        lineEdit_ = new EditCellLine(this);
        lineEdit_->setFrame(false);
        lineEdit_->setTextMargins(1, 0, 1, 0);
        // Rows are shorter than a line edit's usual minimum height.
        lineEdit_->setMinimumHeight(0);
        connect(lineEdit_, &QLineEdit::textChanged, this, &EditCell::textChanged);
        layout->addWidget(lineEdit_);
    }
    setFocusProxy(editor());
    setBorder(style.testFlag(CellStyleFlag::Border));
    setVisible(style.testFlag(CellStyleFlag::Visible));
    return true;
}

QWidget* EditCell::editor() const {
    if (lineEdit_) {
        return lineEdit_;
    }
    return textEdit_;
}

QString EditCell::text() const {
    if (lineEdit_) {
        return lineEdit_->text();
    }
    if (textEdit_) {
        return textEdit_->toPlainText();
    }
    return {};
}

void EditCell::setText(const QString& text) {
    if (lineEdit_) {
        lineEdit_->setText(text);
    } else if (textEdit_) {
        textEdit_->setPlainText(text);
    }
}

void EditCell::setBorder(bool on) {
    if (on) {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        QPalette p = palette();
        p.setColor(QPalette::WindowText, kBorderColour);
        setPalette(p);
    } else {
        setFrameStyle(QFrame::NoFrame);
    }
}

void EditCell::cut() {
    if (lineEdit_) {
        lineEdit_->cut();
    } else if (textEdit_) {
        textEdit_->cut();
    }
}

void EditCell::copy() {
    if (lineEdit_) {
        lineEdit_->copy();
    } else if (textEdit_) {
        textEdit_->copy();
    }
}

void EditCell::paste() {
    if (lineEdit_) {
        lineEdit_->paste();
    } else if (textEdit_) {
        textEdit_->paste();
    }
}

void EditCell::keyPressEvent(QKeyEvent* event) {
    if (grid() && lineEdit_ && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        grid()->moveFromEditCell(this, event->key() == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void EditCell::reportKeyboardFocus(Qt::FocusReason reason) {
    // Reaching a cell with Tab is the keyboard's way of tapping it: the grid's clipboard
    // requests then go to the cell the user is typing in.
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
        reportPress(QPoint(0, 0));
    }
}

void EditCell::reportPress(QPoint pos) {
    if (grid()) {
        grid()->tapped(slotId(), pos.x(), pos.y(), false);
    }
}

}  // namespace corkwise
