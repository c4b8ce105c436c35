#include "controls/GridList.h"

#include "catalog/RecordCursor.h"
#include "controls/ControlLook.h"
#include "controls/EditCell.h"
#include "controls/GridListAccessible.h"
#include "controls/LabelCell.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace corkwise {

namespace {

// Id of the header cells: never a data slot, so taps on the header select nothing.
constexpr int kHeaderCellId = 0xFFFF;
constexpr int kScrollBarWidth = 15;

// The keyboard's focus mark: a dotted frame just inside the selected row's border, over the
// cells and transparent to the pen.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("gridFocusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.setPen(QPen(kBorderColour, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
};

QWidget* makeFocusFrame(QWidget* grid) {
    return new FocusFrame(grid);
}

}  // namespace

GridList::GridList(std::vector<GridColumn> columns, QWidget* parent)
    : QWidget(parent), nextSlot_(columns.empty() ? 0 : 1), columns_(std::move(columns)) {
    setFocusPolicy(Qt::StrongFocus);
    installGridListAccessible();
}

GridList::~GridList() = default;

void GridList::setEditable(bool on, int column) {
    editable_ = on;
    editableColumn_ = column;
}

bool GridList::isEditColumn(int column) const {
    return editable_ && (editableColumn_ == -1 || editableColumn_ == column);
}

bool GridList::create(const QRect& rect, QWidget* parent, bool visible) {
    if (created_ || !parent) {
        return false;
    }
    created_ = true;
    setParent(parent);
    setGeometry(rect);
    // The first row goes into the first data slot, whatever the columns given: under the header
    // when it is shown, at the top otherwise.
    nextSlot_ = firstSlotId();
    const bool ok = layOut();
    if (rows_.count() > 0) {
        fillSlots(0);
        updateScrollRange();
    }
    setVisible(visible);
    return ok;
}

void GridList::makeScrollBar() {
    scrollBar_ = new QScrollBar(Qt::Vertical, this);
    scrollBar_->setObjectName(QStringLiteral("gridScrollBar"));
    const int barHeight = headerShown_ ? kRowHeight * visible_ + kRowHeight : kRowHeight * visible_;
    scrollBar_->setGeometry(width() - kScrollBarWidth, 0, kScrollBarWidth, barHeight);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(qMax(1, visible_));
    scrollBar_->setRange(0, 0);
    scrollBar_->hide();
    scrollBar_->setValue(top_);
    connect(scrollBar_, &QScrollBar::actionTriggered, this, &GridList::onScrollAction);
}

void GridList::destroyScrollBar() {
    if (!scrollBar_) {
        return;
    }
    scrollBar_->hide();
    scrollBar_->disconnect(this);
    // Later, not now: the request may come from inside the scroll bar's own event handling.
    scrollBar_->deleteLater();
    scrollBar_ = nullptr;
}

bool GridList::layOut() {
    const int h = height();
    visible_ = qMax(0, headerShown_ ? (h - kRowHeight) / kRowHeight : h / kRowHeight);
    makeScrollBar();

    const int columnCount = static_cast<int>(columns_.size());
    if (!laidOut_) {
        int x = 0;
        for (int j = 0; j < columnCount; ++j) {
            GridColumn& column = columns_[static_cast<size_t>(j)];
            if (j == columnCount - 1) {
                column.setWidth(qMax(0, width() - x));
            }
            CellStyle style = CellStyleFlag::Centred | CellStyleFlag::Border;
            if (headerShown_) {
                style |= CellStyleFlag::Visible;
            }
            LabelCell* header = column.headerCell();
            if (!header->create(column.title(), style, QRect(x, 0, column.width() + 1, kRowHeight),
                                this, kHeaderCellId)) {
                return false;
            }
            header->setObjectName(QStringLiteral("header_%1").arg(j));
            x += column.width();
        }
    }

    for (int s = 0; s < visible_; ++s) {
        const int y = headerShown_ ? kRowHeight * (s + 1) : kRowHeight * s;
        std::vector<QWidget*> cells;
        int x = 0;
        for (int j = 0; j < columnCount; ++j) {
            const int w = columns_[static_cast<size_t>(j)].width();
            // Neighbouring cells overlap by a pixel so that their borders make one line.
            const QRect rect(x, y, j == columnCount - 1 ? w : w + 1, kRowHeight);
            QWidget* cell = nullptr;
            if (isEditColumn(j)) {
                auto* edit = new EditCell(this);
                edit->create(CellStyleFlag::Visible | CellStyleFlag::Border, rect, this,
                             slotIdOf(s));
                if (maxEditLength_ > 0 && edit->lineEdit() != nullptr) {
                    edit->lineEdit()->setMaxLength(maxEditLength_);
                }
                cell = edit;
            } else {
                auto* label = new LabelCell(this);
                label->create(QString(), CellStyleFlag::Visible, rect, this, slotIdOf(s));
                cell = label;
            }
            cell->setObjectName(QStringLiteral("cell_%1_%2").arg(s).arg(j));
            cells.push_back(cell);
            x += w;
        }
        cellRows_.push_back(std::move(cells));
    }
    // The scroll bar lies over the rightmost pixels of the last column.
    scrollBar_->raise();
    return true;
}

QWidget* GridList::cellAt(int slot, int column) const {
    if (slot < 0 || slot >= static_cast<int>(cellRows_.size())) {
        return nullptr;
    }
    const std::vector<QWidget*>& cells = cellRows_[static_cast<size_t>(slot)];
    if (column < 0 || column >= static_cast<int>(cells.size())) {
        return nullptr;
    }
    return cells[static_cast<size_t>(column)];
}

LabelCell* GridList::labelCellAt(int slot, int column) const {
    return qobject_cast<LabelCell*>(cellAt(slot, column));
}

EditCell* GridList::editCellAt(int slot, int column) const {
    return qobject_cast<EditCell*>(cellAt(slot, column));
}

QString GridList::cellText(int slot, int column) const {
    QWidget* cell = cellAt(slot, column);
    if (auto* label = qobject_cast<LabelCell*>(cell)) {
        return label->text();
    }
    if (auto* edit = qobject_cast<EditCell*>(cell)) {
        return edit->text();
    }
    return {};
}

namespace {

// Puts TEXT into CELL and gives it a border; a label cell also starts sending its click.
void showText(QWidget* cell, const QString& text) {
    if (auto* label = qobject_cast<LabelCell*>(cell)) {
        label->setText(text);
        label->setBorder(true);
        label->setNotify(true);
    } else if (auto* edit = qobject_cast<EditCell*>(cell)) {
        edit->setText(text);
        edit->setBorder(true);
    }
}

void setCellText(QWidget* cell, const QString& text) {
    if (auto* label = qobject_cast<LabelCell*>(cell)) {
        label->setText(text);
    } else if (auto* edit = qobject_cast<EditCell*>(cell)) {
        edit->setText(text);
    }
}

}  // namespace

void GridList::showRowInSlot(int row, int slot) {
    if (slot < 0 || slot >= static_cast<int>(cellRows_.size())) {
        return;
    }
    const GridRow* texts = rows_.row(row);
    for (size_t i = 0; i < cellRows_[static_cast<size_t>(slot)].size(); ++i) {
        showText(cellRows_[static_cast<size_t>(slot)][i],
                 texts ? texts->text(static_cast<int>(i)) : QString());
    }
    nameEditCells(slot);
}

void GridList::nameEditCells(int slot) {
    // Screen readers name an edit cell after its row's first column of labels ("Origin").
    QString name;
    for (int j = 0; j < columnCount() && name.isEmpty(); ++j) {
        if (labelCellAt(slot, j) != nullptr) {
            name = cellText(slot, j);
        }
    }
    for (int j = 0; j < columnCount(); ++j) {
        if (EditCell* edit = editCellAt(slot, j); edit != nullptr && edit->editor() != nullptr) {
            edit->editor()->setAccessibleName(name);
        }
    }
}

void GridList::fillSlots(int from) {
    const int count = rows_.count();
    int start = from;
    if (start + visible_ > count) {
        start = count - visible_;
    }
    start = qMax(0, start);
    for (int i = 0; i < static_cast<int>(cellRows_.size()); ++i) {
        if (start + i < count) {
            showRowInSlot(start + i, i);
        } else {
            for (QWidget* cell : cellRows_[static_cast<size_t>(i)]) {
                setCellText(cell, QString());
            }
        }
    }
    updateFocusMark();
}

void GridList::updateScrollRange() {
    if (!scrollBar_) {
        return;
    }
    const int count = rows_.count();
    if (count > visible_) {
        scrollBar_->setRange(0, count - visible_);
        scrollBar_->setValue(top_);
        scrollBar_->show();
    }
}

void GridList::addRow(GridRow row, std::unique_ptr<RecordCursor> cursor) {
    rows_.add(std::move(row), std::move(cursor));
    selected_ = kNoSelection;
    const int count = rows_.count();
    if (count > visible_) {
        updateScrollRange();
        return;
    }
    // The rows still fit, so the grid shows them from the top and the new row takes the next
    // free slot.
    showRowInSlot(count - 1, count - 1 - top_);
    nextSlot_ = slotIdOf(count - top_);
}

void GridList::clear() {
    for (std::vector<QWidget*>& cells : cellRows_) {
        for (QWidget* cell : cells) {
            showText(cell, QString());
        }
    }
    rows_.clear();
    removeHighlights();
    selected_ = kNoSelection;
    nextSlot_ = firstSlotId();
    top_ = 0;
    if (scrollBar_) {
        scrollBar_->hide();
        scrollBar_->setRange(0, 0);
        scrollBar_->setValue(0);
    }
}

void GridList::removeHighlights() {
    for (std::vector<QWidget*>& cells : cellRows_) {
        for (QWidget* cell : cells) {
            if (auto* label = qobject_cast<LabelCell*>(cell)) {
                label->setHighlighted(false);
            }
        }
    }
    updateFocusMark();
}

void GridList::highlightSlot(int slot) {
    if (slot < 0 || slot >= static_cast<int>(cellRows_.size())) {
        return;
    }
    for (QWidget* cell : cellRows_[static_cast<size_t>(slot)]) {
        if (auto* label = qobject_cast<LabelCell*>(cell)) {
            label->setHighlighted(true);
        }
    }
    updateFocusMark();
}

bool GridList::isHighlighted(int slot) const {
    if (slot < 0 || slot >= static_cast<int>(cellRows_.size())) {
        return false;
    }
    for (QWidget* cell : cellRows_[static_cast<size_t>(slot)]) {
        if (auto* label = qobject_cast<LabelCell*>(cell); label && label->isHighlighted()) {
            return true;
        }
    }
    return false;
}

void GridList::select(int slot) {
    if (!selectable_ || slot < 0 || slot >= visible_) {
        return;
    }
    selected_ = slot;
    highlightSlot(slot);
}

RecordCursor* GridList::selectedCursor() const {
    if (selected_ == kNoSelection) {
        return nullptr;
    }
    return cursorAt(top_ + selected_);
}

RecordCursor* GridList::cursorAt(int i) const {
    return rows_.cursor(i);
}

void GridList::takeOverTypedTexts() {
    if (!editable_) {
        return;
    }
    const int count = rows_.count();
    for (int i = 0; i < static_cast<int>(cellRows_.size()) && top_ + i < count; ++i) {
        GridRow* row = rows_.row(top_ + i);
        const std::vector<QWidget*>& cells = cellRows_[static_cast<size_t>(i)];
        for (size_t j = 0; j < cells.size(); ++j) {
            if (auto* edit = qobject_cast<EditCell*>(cells[j])) {
                row->setText(static_cast<int>(j), edit->text());
            }
        }
    }
}

GridRows& GridList::rows() {
    takeOverTypedTexts();
    return rows_;
}

void GridList::relayout(int height) {
    laidOut_ = true;
    takeOverTypedTexts();
    resize(width(), height);

    for (std::vector<QWidget*>& cells : cellRows_) {
        for (QWidget* cell : cells) {
            cell->hide();
            // Later, not now: a cell's own tap may have led here.
            cell->deleteLater();
        }
    }
    cellRows_.clear();
    destroyScrollBar();

    top_ = 0;
    nextSlot_ = firstSlotId();
    selected_ = kNoSelection;

    layOut();
    fillSlots(0);
    // Rows already shown fill the first slots; the next added row goes after them.
    nextSlot_ = slotIdOf(qMin(rows_.count(), visible_));
    updateScrollRange();
}

EditCell* GridList::clipboardTarget() const {
    if (!editable_ || selected_ < 0) {
        return nullptr;
    }
    if (editableColumn_ >= 0) {
        return editCellAt(selected_, editableColumn_);
    }
    // Every column is editable: the cell of the slot that has the focus, else the first.
    EditCell* first = nullptr;
    for (int j = 0; j < columnCount(); ++j) {
        EditCell* edit = editCellAt(selected_, j);
        if (edit && edit->editor() && edit->editor()->hasFocus()) {
            return edit;
        }
        if (!first) {
            first = edit;
        }
    }
    return first;
}

void GridList::cut() {
    if (EditCell* edit = clipboardTarget()) {
        edit->cut();
    }
}

void GridList::copy() {
    if (EditCell* edit = clipboardTarget()) {
        edit->copy();
    }
}

void GridList::paste() {
    if (EditCell* edit = clipboardTarget()) {
        edit->paste();
    }
}

void GridList::tapped(int slotId, int x, int y, bool hold) {
    const int s = slotOfId(slotId);
    if (s < 0 || s >= visible_ || top_ + s >= rows_.count()) {
        return;
    }
    selected_ = s;
    if (editable_) {
        return;
    }
    if (selectable_) {
        removeHighlights();
        highlightSlot(s);
    }
    if (listener_) {
        listener_->onRowEvent(std::make_unique<GridEvent>(cursorAt(top_ + s), QPoint(x, y), hold));
    }
}

void GridList::opened(int slotId) {
    const int s = slotOfId(slotId);
    if (editable_ || s < 0 || s >= visible_ || top_ + s >= rows_.count()) {
        return;
    }
    selected_ = s;
    if (selectable_) {
        removeHighlights();
        highlightSlot(s);
    }
    if (listener_) {
        listener_->onRowOpened(cursorAt(top_ + s));
    }
}

bool GridList::openSelectedOnEnter(const QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || editable_ ||
        listener_ == nullptr || selectedCursor() == nullptr) {
        return false;
    }
    listener_->onRowOpened(selectedCursor());
    return true;
}

bool GridList::cellCommand(int cellId, int code) {
    if (code != 0 || editable_) {
        return false;
    }
    const int s = slotOfId(cellId);
    if (s >= 0 && s < visible_ && top_ + s < rows_.count()) {
        selected_ = s;
        if (selectable_) {
            removeHighlights();
            highlightSlot(s);
        }
    }
    return true;
}

void GridList::scroll(Scroll action, int thumb) {
    const int count = rows_.count();
    const int oldTop = top_;
    switch (action) {
        case Scroll::LineUp:
            if (top_ == 0) {
                return;
            }
            takeOverTypedTexts();
            --top_;
            break;
        case Scroll::LineDown:
            if (top_ + visible_ >= count) {
                return;
            }
            takeOverTypedTexts();
            ++top_;
            break;
        case Scroll::PageUp:
            if (top_ == 0) {
                return;
            }
            // Typed texts are taken over before the slots are refilled, or they would be lost.
            takeOverTypedTexts();
            top_ = qMax(0, top_ - visible_);
            break;
        case Scroll::PageDown:
            if (top_ + visible_ >= count) {
                return;
            }
            takeOverTypedTexts();
            top_ += 2 * visible_;
            break;
        case Scroll::ThumbTrack:
            takeOverTypedTexts();
            top_ = thumb;
            break;
    }
    // Never past the last full page: the row in slot s is always row top + s, so taps and the
    // selection name the row the user sees.
    top_ = qBound(0, top_, qMax(0, count - visible_));
    const bool selectionMoved = keepSelectionOnItsRow(oldTop);
    if (scrollBar_) {
        // setValue, not setSliderPosition: the latter would come back here as a thumb move.
        scrollBar_->setValue(top_);
    }
    if (top_ != oldTop || selectionMoved) {
        fillSlots(top_);
    }
}

bool GridList::keepSelectionOnItsRow(int oldTop) {
    // The highlight, the selected cursor and what a listener said about the row (a chart's
    // rating sentence) all stay with the row the user chose, however the rows move: otherwise
    // the highlight would land on a row the rest of the page does not describe.
    if (!selectable_ || selected_ == kNoSelection || top_ == oldTop) {
        return false;
    }
    selected_ += oldTop - top_;
    removeHighlights();
    highlightSlot(selected_);  // none while the row is out of view
    return true;
}

void GridList::onScrollAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            scroll(Scroll::LineUp);
            break;
        case QAbstractSlider::SliderSingleStepAdd:
            scroll(Scroll::LineDown);
            break;
        case QAbstractSlider::SliderPageStepSub:
            scroll(Scroll::PageUp);
            break;
        case QAbstractSlider::SliderPageStepAdd:
            scroll(Scroll::PageDown);
            break;
        case QAbstractSlider::SliderMove:
            scroll(Scroll::ThumbTrack, scrollBar_->sliderPosition());
            break;
        default:
            break;
    }
    // The scroll bar has already moved its thumb for the action; put it where the rows are.
    if (scrollBar_) {
        scrollBar_->setSliderPosition(top_);
    }
}

void GridList::moveSelection(int step) {
    if (selected_ == kNoSelection) {
        moveSelectionTo(top_);
        return;
    }
    // From the selected row, even one scrolled out of sight, which comes back into view.
    moveSelectionTo(top_ + selected_ + step);
}

void GridList::moveSelectionTo(int to) {
    const int count = rows_.count();
    if (count == 0 || visible_ == 0 || editable_) {
        return;
    }
    const int row = qBound(0, to, count - 1);
    // As little scrolling as shows the row; a line at a time keeps the selection with its row.
    if (row == top_ - 1) {
        scroll(Scroll::LineUp);
    } else if (row == top_ + visible_) {
        scroll(Scroll::LineDown);
    } else if (row < top_) {
        scroll(Scroll::ThumbTrack, row);
    } else if (row >= top_ + visible_) {
        scroll(Scroll::ThumbTrack, row - visible_ + 1);
    }
    tapped(slotIdOf(row - top_), 0, 0, false);
    notifyGridFocus(this, row - top_);
}

void GridList::updateFocusMark() {
    const bool shown = hasFocus() && selectable_ && !editable_ && selected_ >= 0 &&
                       selected_ < visible_ && top_ + selected_ < rows_.count();
    if (!shown) {
        if (focusMark_ != nullptr) {
            focusMark_->hide();
        }
        return;
    }
    if (focusMark_ == nullptr) {
        focusMark_ = makeFocusFrame(this);
    }
    const int y = headerShown_ ? kRowHeight * (selected_ + 1) : kRowHeight * selected_;
    const int right = scrollBar_ != nullptr && scrollBar_->isVisible() ? scrollBar_->x() : width();
    focusMark_->setGeometry(0, y, right, kRowHeight);
    focusMark_->show();
    focusMark_->raise();
}

void GridList::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    updateFocusMark();
    if (selected_ >= 0) {
        notifyGridFocus(this, selected_);
    }
}

void GridList::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    updateFocusMark();
}

void GridList::moveFromEditCell(EditCell* cell, int step) {
    int slot = -1;
    int column = -1;
    for (int s = 0; s < static_cast<int>(cellRows_.size()) && slot < 0; ++s) {
        const std::vector<QWidget*>& cells = cellRows_[static_cast<size_t>(s)];
        for (size_t j = 0; j < cells.size(); ++j) {
            if (cells[j] == cell) {
                slot = s;
                column = static_cast<int>(j);
                break;
            }
        }
    }
    if (slot < 0) {
        return;
    }
    int target = slot + step;
    if (target < 0) {
        scroll(Scroll::LineUp);
        target = 0;
    } else if (target >= visible_) {
        scroll(Scroll::LineDown);
        target = visible_ - 1;
    }
    if (top_ + target >= rows_.count()) {
        return;
    }
    if (EditCell* edit = editCellAt(target, column)) {
        edit->setFocus(Qt::OtherFocusReason);
        tapped(slotIdOf(target), 0, 0, false);
    }
}

void GridList::keyPressEvent(QKeyEvent* event) {
    if (openSelectedOnEnter(event)) {
        event->accept();
        return;
    }
    const int count = rows_.count();
    switch (event->key()) {
        case Qt::Key_Up:
            moveSelection(-1);
            break;
        case Qt::Key_Down:
            moveSelection(1);
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            if (editable_) {
                scroll(event->key() == Qt::Key_PageUp ? Scroll::PageUp : Scroll::PageDown);
                break;
            }
            moveSelection(event->key() == Qt::Key_PageUp ? -qMax(1, visible_) : qMax(1, visible_));
            break;
        case Qt::Key_Home:
        case Qt::Key_End:
            if (editable_) {
                QWidget::keyPressEvent(event);
                return;
            }
            moveSelectionTo(event->key() == Qt::Key_Home ? 0 : count - 1);
            break;
        case Qt::Key_F10:
            if (!(event->modifiers() & Qt::ShiftModifier)) {
                QWidget::keyPressEvent(event);
                return;
            }
            [[fallthrough]];
        case Qt::Key_Menu:
            if (QWidget* cell = cellAt(selected_, 0)) {
                const QPoint centre = cell->mapToGlobal(cell->rect().center());
                tapped(slotIdOf(selected_), centre.x(), centre.y(), true);
            }
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void GridList::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    // Three rows for each notch of a wheel, as lists usually scroll.
    const int lines = qMax(1, qAbs(delta) * 3 / 120);
    for (int i = 0; i < lines; ++i) {
        scroll(delta > 0 ? Scroll::LineUp : Scroll::LineDown);
    }
    event->accept();
}

void GridList::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), kPanelColour);
}

}  // namespace corkwise
