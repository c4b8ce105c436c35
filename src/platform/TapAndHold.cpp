#include "platform/TapAndHold.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimerEvent>
#include <QWidget>

namespace corkwise {

TapAndHold::TapAndHold(QWidget* target) : QObject(target), target_(target) {
    Q_ASSERT(target);
    target_->installEventFilter(this);
}

TapAndHold::~TapAndHold() = default;

void TapAndHold::setHoldInterval(int milliseconds) {
    holdInterval_ = qMax(1, milliseconds);
}

void TapAndHold::cancel() {
    timer_.stop();
    state_ = State::Idle;
    moved_ = false;
}

bool TapAndHold::eventFilter(QObject* watched, QEvent* event) {
    if (watched != target_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // A quick second tap arrives as a double click; it is a press like any other.
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint pos = mouse->position().toPoint();
            const QPoint globalPos = mouse->globalPosition().toPoint();
            if (mouse->button() == Qt::RightButton) {
                cancel();
                state_ = State::Held;
                Q_EMIT held(pos, globalPos);
            } else if (mouse->button() == Qt::LeftButton) {
                cancel();
                state_ = State::Pressed;
                pressPos_ = pos;
                pressGlobalPos_ = globalPos;
                timer_.start(holdInterval_, this);
            }
            break;
        }
        case QEvent::MouseMove: {
            if (state_ != State::Pressed || moved_) {
                break;
            }
            auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint delta = mouse->position().toPoint() - pressPos_;
            if (delta.manhattanLength() > QApplication::startDragDistance()) {
                // The pen left the spot: no hold any more, but the release still taps.
                moved_ = true;
                timer_.stop();
            }
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && state_ == State::Pressed) {
                const QPoint pos = pressPos_;
                cancel();
                Q_EMIT tapped(pos);
            } else if (mouse->buttons() == Qt::NoButton) {
                cancel();
            }
            break;
        }
        case QEvent::Hide:
        case QEvent::EnabledChange:
            cancel();
            break;
        default:
            break;
    }
    return false;
}

void TapAndHold::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    timer_.stop();
    if (state_ != State::Pressed || moved_) {
        return;
    }
    state_ = State::Held;
    Q_EMIT held(pressPos_, pressGlobalPos_);
}

}  // namespace corkwise
