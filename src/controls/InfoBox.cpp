#include "controls/InfoBox.h"

#include "controls/InfoBoxAccessible.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace corkwise {

InfoBox::InfoBox(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setWordWrap(true);
    installInfoBoxAccessible();
}

QRect InfoBox::textRoom() const {
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

int InfoBox::textHeight() const {
    const QRect room = textRoom();
    return fontMetrics()
        .boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap | alignment(), text())
        .height();
}

bool InfoBox::overruns() const {
    return textHeight() > textRoom().height();
}

int InfoBox::maxOffset() const {
    return std::max(0, textHeight() - textRoom().height());
}

void InfoBox::followText() {
    // The text is set through QLabel::setText, which is not ours to hook: a new text is noticed
    // when it is next drawn or scrolled.
    if (shownText_ != text()) {
        shownText_ = text();
        offset_ = 0;
    }
    offset_ = std::min(offset_, maxOffset());
    setFocusPolicy(overruns() ? Qt::StrongFocus : Qt::NoFocus);
}

bool InfoBox::scrollBy(int by) {
    followText();
    const int next = std::clamp(offset_ + by, 0, maxOffset());
    if (next == offset_) {
        return false;
    }
    offset_ = next;
    update();
    return true;
}

void InfoBox::paintEvent(QPaintEvent* event) {
    followText();
    if (!overruns()) {
        QLabel::paintEvent(event);
        return;
    }
    // The frame as a label draws it; the text from the scrolled line on, clipped to the room.
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect room = textRoom();
    painter.setClipRect(room);
    painter.setPen(palette().color(foregroundRole()));
    const int horizontal = alignment() & Qt::AlignHorizontal_Mask;
    painter.drawText(room.adjusted(0, -offset_, 0, 1 << 20),
                     Qt::TextWordWrap | Qt::AlignTop | horizontal, text());
}

void InfoBox::wheelEvent(QWheelEvent* event) {
    const int lines = -event->angleDelta().y() / 120;
    const int step = fontMetrics().lineSpacing();
    if (lines != 0 && scrollBy(lines * step)) {
        event->accept();
        return;
    }
    QLabel::wheelEvent(event);
}

void InfoBox::keyPressEvent(QKeyEvent* event) {
    const int line = fontMetrics().lineSpacing();
    const int page = std::max(line, textRoom().height() - line);
    int by = 0;
    switch (event->key()) {
        case Qt::Key_Up:
            by = -line;
            break;
        case Qt::Key_Down:
            by = line;
            break;
        case Qt::Key_PageUp:
            by = -page;
            break;
        case Qt::Key_PageDown:
            by = page;
            break;
        case Qt::Key_Home:
            by = -offset_;
            break;
        case Qt::Key_End:
            by = maxOffset() - offset_;
            break;
        default:
            QLabel::keyPressEvent(event);
            return;
    }
    followText();
    if (overruns()) {
        scrollBy(by);
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void InfoBox::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    followText();
}

}  // namespace corkwise
