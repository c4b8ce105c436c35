#include "controls/LabelCell.h"

#include "controls/ControlLook.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QImage>

namespace corkwise {
namespace {

class LabelCellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        page.resize(240, 268);
        page.show();
    }

    // Number of pixels in the lower half of the cell that are nearly black (text).
    static int darkPixelsBelow(const QImage& image, int fromY) {
        int dark = 0;
        for (int y = fromY; y < image.height(); ++y) {
            for (int x = 2; x < image.width() - 2; ++x) {
                if (qGray(image.pixel(x, y)) < 80) {
                    ++dark;
                }
            }
        }
        return dark;
    }

    QWidget page;
};

TEST_F(LabelCellTest, HighlightPaintsTheHighlightColourAndClearingItRestoresTheBackground) {
    LabelCell cell;
    ASSERT_TRUE(cell.create(QString(), CellStyleFlag::Visible, QRect(0, 0, 50, 15), &page, 3));
    EXPECT_EQ(cell.slotId(), 3);
    EXPECT_EQ(cell.grid(), nullptr);
    EXPECT_TRUE(cell.isVisible());
    EXPECT_EQ(cell.grab().toImage().pixelColor(25, 7), kPanelColour);

    cell.setHighlighted(true);
    EXPECT_TRUE(cell.isHighlighted());
    EXPECT_EQ(cell.grab().toImage().pixelColor(25, 7), kHighlightColour);
    cell.setHighlighted(false);
    EXPECT_EQ(cell.grab().toImage().pixelColor(25, 7), kPanelColour);

    cell.setBackgroundColour(kHeaderColour);
    cell.setHighlightColour(Qt::yellow);
    EXPECT_EQ(cell.grab().toImage().pixelColor(25, 7), kHeaderColour);
    cell.setHighlighted(true);
    EXPECT_EQ(cell.grab().toImage().pixelColor(25, 7), QColor(Qt::yellow));
}

TEST_F(LabelCellTest, CreateTwiceOrWithoutParentFails) {
    LabelCell orphan;
    EXPECT_FALSE(orphan.create(QStringLiteral("x"), CellStyleFlag::Visible, QRect(), nullptr, 0));
    EXPECT_FALSE(orphan.isCreated());

    LabelCell cell;
    EXPECT_TRUE(cell.create(QStringLiteral("Info:"), {}, QRect(10, 190, 220, 45), &page, 0));
    EXPECT_FALSE(cell.isVisible());  // not asked to be visible
    EXPECT_FALSE(cell.create(QStringLiteral("again"), CellStyleFlag::Visible, QRect(), &page, 1));
    EXPECT_EQ(cell.text(), QStringLiteral("Info:"));
    EXPECT_EQ(cell.slotId(), 0);
    EXPECT_EQ(cell.font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(cell.font().pixelSize(), 13);
}

TEST_F(LabelCellTest, BorderAndTextAreDrawnInTheTextColour) {
    LabelCell cell;
    cell.create(QStringLiteral("WWW"), CellStyleFlag::Visible | CellStyleFlag::Border,
                QRect(0, 0, 60, 15), &page, 0);
    QImage image = cell.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 7), kBorderColour);
    EXPECT_EQ(image.pixelColor(59, 7), kBorderColour);
    EXPECT_EQ(image.pixelColor(30, 14), kBorderColour);
    EXPECT_GT(darkPixelsBelow(image, 2) - 60 * 2, 0);  // some text besides the border lines

    cell.setTextColour(QColor(255, 0, 0));
    image = cell.grab().toImage();
    bool red = false;
    for (int x = 1; x < 59 && !red; ++x) {
        for (int y = 1; y < 14 && !red; ++y) {
            const QColor c = image.pixelColor(x, y);
            red = c.red() > 200 && c.green() < 120 && c.blue() < 120;
        }
    }
    EXPECT_TRUE(red);
}

TEST_F(LabelCellTest, WrapBreaksLongTextAtWordBoundaries) {
    const QString text = QStringLiteral("Drink it now or hold it to improve quality.");
    LabelCell cell;
    cell.create(text, CellStyleFlag::Visible | CellStyleFlag::Centred, QRect(0, 0, 100, 60), &page,
                0);
    EXPECT_EQ(darkPixelsBelow(cell.grab().toImage(), 20), 0);  // one line only
    cell.setWrap(true);
    EXPECT_TRUE(cell.wrap());
    EXPECT_GT(darkPixelsBelow(cell.grab().toImage(), 20), 0);
}

}  // namespace
}  // namespace corkwise
