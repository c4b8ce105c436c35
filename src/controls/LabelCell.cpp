#include "controls/LabelCell.h"

#include "controls/GridList.h"
#include "platform/TapAndHold.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace corkwise {

LabelCell::LabelCell(QWidget* parent) : GridCell(parent) {
    gesture_ = new TapAndHold(this);
    connect(gesture_, &TapAndHold::tapped, this, &LabelCell::onTapped);
    connect(gesture_, &TapAndHold::held, this, &LabelCell::onHeld);
}

LabelCell::~LabelCell() = default;

bool LabelCell::create(const QString& text, CellStyle style, const QRect& rect, QWidget* parent,
                       int slotId) {
    if (!place(rect, parent, slotId)) {
        return false;
    }
    style_ = style;
    text_ = text;
    setBorder(style.testFlag(CellStyleFlag::Border));
    setVisible(style.testFlag(CellStyleFlag::Visible));
    return true;
}

void LabelCell::setText(const QString& text) {
    if (text_ == text) {
        return;
    }
    text_ = text;
    update();
}

void LabelCell::setBorder(bool on) {
    style_.setFlag(CellStyleFlag::Border, on);
    // The frame takes one pixel on every side, which keeps the text inside it.
    setFrameStyle(on ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
    update();
}

void LabelCell::setNotify(bool on) {
    style_.setFlag(CellStyleFlag::Notify, on);
}

void LabelCell::setWrap(bool on) {
    wrap_ = on;
    update();
}

void LabelCell::setHighlightColour(const QColor& colour) {
    highlightColour_ = colour;
    update();
}

void LabelCell::setBackgroundColour(const QColor& colour) {
    backgroundColour_ = colour;
    update();
}

void LabelCell::setTextColour(const QColor& colour) {
    textColour_ = colour;
    update();
}

void LabelCell::setHighlighted(bool on) {
    if (highlighted_ == on) {
        return;
    }
    highlighted_ = on;
    update();
}

void LabelCell::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), currentBackground());
    if (frameShape() != QFrame::NoFrame) {
        painter.setPen(kBorderColour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    int flags = style_.testFlag(CellStyleFlag::Centred) ? Qt::AlignHCenter : Qt::AlignLeft;
    flags |= Qt::AlignTop;
    if (wrap_) {
        flags |= Qt::TextWordWrap;
    }
    painter.setPen(textColour_);
    painter.setFont(font());
    painter.drawText(contentsRect(), flags, text_);
}

void LabelCell::mousePressEvent(QMouseEvent* event) {
    // The cell handles its own presses (through its gesture recogniser); they do not go on to
    // the grid underneath.
    event->accept();
}

void LabelCell::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void LabelCell::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (grid() && event->button() == Qt::LeftButton) {
        grid()->opened(slotId());
    }
}

void LabelCell::onTapped(QPoint pos) {
    if (grid()) {
        grid()->tapped(slotId(), pos.x(), pos.y(), false);
    }
}

void LabelCell::onHeld(QPoint /*pos*/, QPoint globalPos) {
    if (!grid()) {
        return;
    }
    // The cell may be gone once the grid's listener has run (a popup menu spins the event
    // loop), so the click command is only sent while it still exists.
    QPointer<LabelCell> self(this);
    GridList* owner = grid();
    const int slot = slotId();
    owner->tapped(slot, globalPos.x(), globalPos.y(), true);
    if (self && style_.testFlag(CellStyleFlag::Notify)) {
        owner->cellCommand(slot, 0);
    }
}

}  // namespace corkwise
