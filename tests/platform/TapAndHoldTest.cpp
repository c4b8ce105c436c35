#include "platform/TapAndHold.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace corkwise {
namespace {

// A widget that counts the presses it gets, to show the recogniser leaves them alone.
class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
};

class TapAndHoldTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }

    void SetUp() override {
        widget.resize(100, 40);
        widget.move(30, 50);
        widget.show();
        gesture = new TapAndHold(&widget);
    }

    void moveWithLeftButton(QPoint pos) {
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(widget.mapToGlobal(pos)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }

    PressCounter widget;
    TapAndHold* gesture = nullptr;
};

TEST_F(TapAndHoldTest, QuickLeftClickIsATapAtThePressPosition) {
    QSignalSpy taps(gesture, &TapAndHold::tapped);
    QSignalSpy holds(gesture, &TapAndHold::held);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(12, 7));
    EXPECT_EQ(taps.count(), 0);  // not known yet: it may become a hold
    EXPECT_TRUE(gesture->isPressed());
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(14, 8));
    ASSERT_EQ(taps.count(), 1);
    EXPECT_EQ(taps.at(0).at(0).toPoint(), QPoint(12, 7));
    EXPECT_EQ(holds.count(), 0);
    EXPECT_FALSE(gesture->isPressed());
    EXPECT_EQ(widget.presses, 1);  // the widget still handled its press
}

TEST_F(TapAndHoldTest, RightClickIsAHoldAtOnceWithLocalAndScreenPoint) {
    QSignalSpy taps(gesture, &TapAndHold::tapped);
    QSignalSpy holds(gesture, &TapAndHold::held);
    QTest::mousePress(&widget, Qt::RightButton, {}, QPoint(20, 30));
    ASSERT_EQ(holds.count(), 1);
    EXPECT_EQ(holds.at(0).at(0).toPoint(), QPoint(20, 30));
    EXPECT_EQ(holds.at(0).at(1).toPoint(), widget.mapToGlobal(QPoint(20, 30)));
    QTest::mouseRelease(&widget, Qt::RightButton, {}, QPoint(20, 30));
    EXPECT_EQ(holds.count(), 1);
    EXPECT_EQ(taps.count(), 0);
}

TEST_F(TapAndHoldTest, LeftPressHeldStillForHalfASecondIsOneHoldAndNoTap) {
    EXPECT_EQ(gesture->holdInterval(), 500);
    QSignalSpy taps(gesture, &TapAndHold::tapped);
    QSignalSpy holds(gesture, &TapAndHold::held);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::qWait(250);
    EXPECT_EQ(holds.count(), 0);         // a quarter of a second is not a hold yet
    moveWithLeftButton(QPoint(41, 11));  // a tremble, within the drag distance
    QTRY_COMPARE_WITH_TIMEOUT(holds.count(), 1, 2000);
    EXPECT_EQ(holds.at(0).at(0).toPoint(), QPoint(40, 10));
    EXPECT_EQ(holds.at(0).at(1).toPoint(), widget.mapToGlobal(QPoint(40, 10)));
    QTest::qWait(600);
    EXPECT_EQ(holds.count(), 1);  // reported once however long the pen stays
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(taps.count(), 0);
    EXPECT_EQ(holds.count(), 1);
}

TEST_F(TapAndHoldTest, PressThatMovesAwayIsNoHoldButStillATap) {
    gesture->setHoldInterval(50);
    QSignalSpy taps(gesture, &TapAndHold::tapped);
    QSignalSpy holds(gesture, &TapAndHold::held);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(5, 5));
    moveWithLeftButton(QPoint(5 + QApplication::startDragDistance() + 5, 5));
    QTest::qWait(150);
    EXPECT_EQ(holds.count(), 0);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(60, 5));
    ASSERT_EQ(taps.count(), 1);
    EXPECT_EQ(taps.at(0).at(0).toPoint(), QPoint(5, 5));
}

TEST_F(TapAndHoldTest, HidingTheWidgetDuringAPressReportsNothing) {
    gesture->setHoldInterval(50);
    QSignalSpy taps(gesture, &TapAndHold::tapped);
    QSignalSpy holds(gesture, &TapAndHold::held);
    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(5, 5));
    widget.hide();
    QTest::qWait(150);
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(taps.count(), 0);
    EXPECT_EQ(holds.count(), 0);
}

TEST_F(TapAndHoldTest, DoubleClickGivesTwoTapsAndRightPressCancelsAPendingHold) {
    gesture->setHoldInterval(80);
    QSignalSpy taps(gesture, &TapAndHold::tapped);
    QSignalSpy holds(gesture, &TapAndHold::held);
    // A double click arrives as press, release, double-click press, release.
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(9, 9));
    QTest::mouseDClick(&widget, Qt::LeftButton, {}, QPoint(9, 9));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_EQ(taps.count(), 2);
    EXPECT_EQ(holds.count(), 0);

    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(9, 9));
    QTest::mousePress(&widget, Qt::RightButton, {}, QPoint(9, 9));
    EXPECT_EQ(holds.count(), 1);
    QTest::qWait(200);
    EXPECT_EQ(holds.count(), 1);  // the left press no longer turns into a second hold
    EXPECT_EQ(taps.count(), 2);
    QTest::mouseRelease(&widget, Qt::RightButton, {}, QPoint(9, 9));
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_EQ(taps.count(), 2);
}

}  // namespace
}  // namespace corkwise
