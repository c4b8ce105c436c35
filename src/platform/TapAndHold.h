#pragma once
// Tap-and-hold recogniser: tells a plain tap from a tap-and-hold on any widget.
//
//   auto* gesture = new TapAndHold(widget);  // a child of WIDGET, deleted with it
//   connect(gesture, &TapAndHold::tapped, this, &Page::onTap);
//   connect(gesture, &TapAndHold::held, this, &Page::openPopupMenu);
//
// What it reports:
// - tapped(pos): a left press released before the hold interval ran out. It is reported on the
//   release, with the position of the press (a press that slides off still taps).
// - held(pos, globalPos): a left press kept still (within the platform's drag distance) for the
//   hold interval (kHoldIntervalMs, half a second), reported once when the interval ends; the
//   release that follows reports nothing. A right press reports held at once. POS is the press
//   position in the widget's coordinates, GLOBALPOS the same point on the screen: the place for
//   a popup menu (QMenu::popup(globalPos)).
// Every press gives exactly one of the two reports, except a press cut short by the widget being
// hidden or disabled, which gives none.
//
// The recogniser watches the widget through an event filter and never consumes its events, so
// the widget's own handling of the press (selection, caret) still happens. Slots connected to
// tapped or held must not delete the widget synchronously (use deleteLater): the signal may be
// emitted from inside the widget's own event delivery.

#include <QBasicTimer>
#include <QObject>
#include <QPoint>

class QWidget;

namespace corkwise {

class TapAndHold : public QObject {
    Q_OBJECT

public:
    static constexpr int kHoldIntervalMs = 500;

    // Watches TARGET (required, not null); the recogniser becomes TARGET's child.
    explicit TapAndHold(QWidget* target);
    ~TapAndHold() override;

    QWidget* target() const { return target_; }

    // How long a press must stay still to be a hold, in milliseconds (at least 1).
    void setHoldInterval(int milliseconds);
    int holdInterval() const { return holdInterval_; }

    // True between a left press and its report.
    bool isPressed() const { return state_ == State::Pressed; }

Q_SIGNALS:
    void tapped(QPoint pos);
    void held(QPoint pos, QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    enum class State { Idle, Pressed, Held };

    void cancel();

    QWidget* target_;
    int holdInterval_ = kHoldIntervalMs;
    State state_ = State::Idle;
    bool moved_ = false;
    QPoint pressPos_;
    QPoint pressGlobalPos_;
    QBasicTimer timer_;
};

}  // namespace corkwise
