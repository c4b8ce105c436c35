// The zoom: its steps and keys, the window that fits its zoom to its size, and what the next
// start finds of both.

#include "DesktopFixture.h"
#include "app/ZoomSteps.h"
#include "screens/NameSearchPanel.h"

#include <QLineEdit>
#include <QWindow>

#include <cmath>

namespace corkwise::test {
namespace {

TEST(ZoomStepsTest, KeysStepThroughTheZoomsAndStopAtTheEnds) {
    struct Row {
        double from, in, out;
    } const rows[] = {
        {1.0, 1.25, 1.0}, {1.25, 1.5, 1.0}, {1.75, 2.0, 1.5}, {2.0, 2.5, 1.75},
        {3.0, 4.0, 2.5},  {4.0, 4.0, 3.0},  {2.2, 2.5, 2.0},  {6.0, 6.0, 4.0},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(zoomInFrom(r.from), r.in) << r.from;
        EXPECT_DOUBLE_EQ(zoomOutFrom(r.from), r.out) << r.from;
    }
}

TEST(ZoomStepsTest, ASpaceTakesTheLargestStepThatFitsAndAFirstStartHalfTheScreen) {
    const QSize content(240, 290);
    struct Row {
        QSize space;
        double fitting;
    } const rows[] = {
        {{240, 290}, 1.0},  {{100, 100}, 1.0},  {{480, 580}, 2.0},  {{479, 578}, 2.0},
        {{476, 576}, 1.75}, {{2000, 580}, 2.0}, {{960, 1160}, 4.0}, {{5000, 5000}, 4.0},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(fittingZoom(r.space, content), r.fitting)
            << r.space.width() << "x" << r.space.height();
    }
    struct Screen {
        QSize available;
        double zoom;
    } const screens[] = {
        {{1920, 1050}, 1.75}, {{1280, 1000}, 1.75}, {{800, 600}, 1.0},
        {{3840, 2100}, 4.0},  {{1024, 300}, 1.0},
    };
    for (const Screen& s : screens) {
        EXPECT_DOUBLE_EQ(firstStartZoom(s.available, content), s.zoom)
            << s.available.width() << "x" << s.available.height();
    }
}

class ZoomTest : public DesktopFixture {
protected:
    // The frame's size in device pixels.
    QSize deviceSize() const {
        const double ratio = frame_->devicePixelRatioF();
        return QSize(qRound(frame_->width() * ratio), qRound(frame_->height() * ratio));
    }
    void expectZoom(double expected, const char* step) {
        EXPECT_DOUBLE_EQ(zoom()->zoom(), expected) << step;
        EXPECT_DOUBLE_EQ(frame_->devicePixelRatioF(), expected) << step;
        const QSize content = zoom()->contentSize();
        EXPECT_NEAR(deviceSize().width(), content.width() * expected, 1.0) << step;
        EXPECT_NEAR(deviceSize().height(), content.height() * expected, 1.0) << step;
    }
};

TEST_F(ZoomTest, TheKeysZoomAtOnceAndKeepWhatIsTypedAndShown) {
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    QTest::keyClick(frame_.get(), Qt::Key_F, Qt::ControlModifier);
    QLineEdit* field = view()->nameSearchPanel()->field();
    QTest::keyClicks(field, QStringLiteral("Gigo"));

    struct Row {
        const char* step;
        QKeyCombination key;
        double zoom;
    } const rows[] = {
        {"Ctrl+=", Qt::CTRL | Qt::Key_Equal, 1.25}, {"Ctrl++", Qt::CTRL | Qt::Key_Plus, 1.5},
        {"Ctrl++", Qt::CTRL | Qt::Key_Plus, 1.75},  {"Ctrl+-", Qt::CTRL | Qt::Key_Minus, 1.5},
        {"Ctrl+0", Qt::CTRL | Qt::Key_0, 1.0},      {"Ctrl+-", Qt::CTRL | Qt::Key_Minus, 1.0},
    };
    for (const Row& r : rows) {
        QTest::keyClick(field, r.key.key(), r.key.keyboardModifiers());
        expectZoom(r.zoom, r.step);
        EXPECT_EQ(field->text(), QStringLiteral("Gigo")) << r.step;
        EXPECT_TRUE(view()->nameSearchPanel()->isVisible()) << r.step;
    }
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(field, Qt::Key_Equal, Qt::ControlModifier);
    }
    expectZoom(4.0, "as far as it goes");
    EXPECT_EQ(view()->size(), QSize(MainView::kWidth, MainView::kHeight))
        << "the view keeps its design size in logical pixels";
}

TEST_F(ZoomTest, AResizedWindowTakesTheZoomThatFitsAndCentresTheView) {
    const QSize content = zoom()->contentSize();
    struct Row {
        double width, height;  // in content sizes
        double zoom;
    } const rows[] = {
        {2.1, 2.1, 2.0}, {3.0, 2.6, 2.5}, {1.3, 4.0, 1.25}, {1.0, 1.0, 1.0}, {5.0, 5.0, 4.0},
    };
    for (const Row& r : rows) {
        // The size asked for, in device pixels, as a window manager hands it over.
        const QSize device(qRound(content.width() * r.width), qRound(content.height() * r.height));
        const double ratio = frame_->devicePixelRatioF();
        frame_->resize(QSize(qRound(device.width() / ratio), qRound(device.height() / ratio)));
        QTRY_COMPARE(zoom()->zoom(), r.zoom);
        QTRY_COMPARE(frame_->devicePixelRatioF(), r.zoom);
        EXPECT_NEAR(deviceSize().width(), device.width(), 2.0) << "the window keeps its size";
        const QRect shown(view()->parentWidget()->mapTo(frame_.get(), QPoint(0, 0)),
                          view()->parentWidget()->size());
        EXPECT_NEAR(shown.center().x(), frame_->rect().center().x(), 1.0) << r.zoom;
        EXPECT_NEAR(shown.center().y(), frame_->rect().center().y(), 1.0) << r.zoom;
    }
}

TEST_F(ZoomTest, TheNextStartFindsTheZoomAndGeometryAndAFirstStartHalfTheScreen) {
    const QSize available = frame_->screen()->availableGeometry().size();
    QSettings first(settingsFile(), QSettings::IniFormat);
    zoom()->restore(first, 0.0);
    EXPECT_DOUBLE_EQ(zoom()->zoom(), firstStartZoom(available, zoom()->contentSize()));

    zoom()->setZoom(2.0);
    frame_->move(31, 47);
    const QRect kept = frame_->geometry();
    zoom()->save(first);
    first.sync();

    zoom()->setZoom(1.0);
    frame_->move(0, 0);
    QSettings again(settingsFile(), QSettings::IniFormat);
    zoom()->restore(again, 0.0);
    EXPECT_DOUBLE_EQ(zoom()->zoom(), 2.0);
    EXPECT_EQ(frame_->geometry(), kept);

    // --scale wins for its run, and is not kept.
    zoom()->restore(again, 3.0);
    EXPECT_DOUBLE_EQ(zoom()->zoom(), 3.0);
    zoom()->save(again);
    again.sync();
    EXPECT_DOUBLE_EQ(
        QSettings(settingsFile(), QSettings::IniFormat).value("window/zoom").toDouble(), 2.0);
}

}  // namespace
}  // namespace corkwise::test
