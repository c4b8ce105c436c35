#include "screens/personal/TabPanel.h"

#include "screens/SearchPage.h"
#include "screens/personal/TabLabel.h"
#include "screens/personal/TabPage.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <memory>

namespace corkwise {

namespace {

// A page that records the commands it receives.
class CountingPage : public TabPage {
public:
    explicit CountingPage(const QString& title) : TabPage(title) {}
    void cut() override { ++cuts; }
    void paste() override { ++pastes; }
    void resizePage(int left, int top, int right, int bottom) override {
        lastBox = QRect(QPoint(left, top), QPoint(right, bottom));
    }
    int cuts = 0;
    int pastes = 0;
    QRect lastBox;
};

class TabPanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        host_ = std::make_unique<QWidget>();
        host_->resize(240, 268);
        panel_ = new TabPanel();
        first_ = new CountingPage(QStringLiteral("Details"));
        second_ = new CountingPage(QStringLiteral("Notes"));
        panel_->addPage(first_);
        panel_->addPage(second_);
        ASSERT_TRUE(panel_->create(QRect(10, 55, 220, 183), host_.get()));
        host_->show();
    }

    // Which of the four labels and two pages are visible, as a text such as "SuPp".
    QString visibility() const {
        QString out;
        out += panel_->label(0, true)->isVisibleTo(panel_) ? QLatin1Char('S') : QLatin1Char('-');
        out += panel_->label(0, false)->isVisibleTo(panel_) ? QLatin1Char('u') : QLatin1Char('-');
        out += panel_->label(1, true)->isVisibleTo(panel_) ? QLatin1Char('S') : QLatin1Char('-');
        out += panel_->label(1, false)->isVisibleTo(panel_) ? QLatin1Char('u') : QLatin1Char('-');
        out += first_->isVisibleTo(panel_) ? QLatin1Char('1') : QLatin1Char('-');
        out += second_->isVisibleTo(panel_) ? QLatin1Char('2') : QLatin1Char('-');
        return out;
    }

    std::unique_ptr<QWidget> host_;
    TabPanel* panel_ = nullptr;
    CountingPage* first_ = nullptr;
    CountingPage* second_ = nullptr;
};

}  // namespace

TEST_F(TabPanelTest, LaysOutTabsAndPagesWithTheFirstInFront) {
    EXPECT_EQ(panel_->windowTitle(), QStringLiteral("Custom TabCntr"));
    EXPECT_EQ(panel_->label(0, true)->geometry(), QRect(0, 0, 50, 23));
    EXPECT_EQ(panel_->label(0, false)->geometry(), QRect(0, 3, 50, 19));
    EXPECT_EQ(panel_->label(1, true)->geometry(), QRect(50, 0, 50, 23));
    EXPECT_EQ(panel_->label(1, false)->id(), TabPanel::kFirstLabelId + 2);
    EXPECT_EQ(panel_->label(1, false)->text(), QStringLiteral("Notes"));
    EXPECT_EQ(first_->geometry(), QRect(2, 23, 217, 159));
    EXPECT_EQ(second_->pageId(), TabPanel::kFirstPageId + 1);
    EXPECT_EQ(visibility(), QStringLiteral("S--u1-"));
    EXPECT_EQ(panel_->selectedPage(), 0);
    EXPECT_FALSE(panel_->create(QRect(0, 0, 10, 10), host_.get()));
}

TEST_F(TabPanelTest, ClickingATabBringsItsPageToTheFront) {
    QTest::mouseClick(panel_->label(1, false), Qt::LeftButton);
    EXPECT_EQ(visibility(), QStringLiteral("-uS--2"));
    EXPECT_EQ(panel_->selectedPage(), 1);

    // The tab in front, and ids of no tab, change nothing.
    QTest::mouseClick(panel_->label(1, true), Qt::LeftButton);
    panel_->chooseTab(TabPanel::kFirstLabelId + 1);
    panel_->chooseTab(TabPanel::kFirstLabelId + 4);
    panel_->chooseTab(TabPanel::kFirstLabelId - 2);
    EXPECT_EQ(visibility(), QStringLiteral("-uS--2"));

    QTest::mouseClick(panel_->label(0, false), Qt::LeftButton);
    EXPECT_EQ(visibility(), QStringLiteral("S--u1-"));
}

TEST_F(TabPanelTest, CommandsGoToThePageInFrontAndResizeToEveryPage) {
    panel_->cut();
    EXPECT_EQ(first_->cuts, 1);
    panel_->chooseTab(TabPanel::kFirstLabelId + 2);
    panel_->paste();
    EXPECT_EQ(second_->pastes, 1);
    EXPECT_EQ(first_->pastes, 0);

    panel_->resizePages(0, 0, 200, 100);
    EXPECT_EQ(first_->lastBox, QRect(QPoint(0, 0), QPoint(199, 99)));
    EXPECT_EQ(second_->lastBox, QRect(QPoint(0, 0), QPoint(199, 99)));
}

TEST_F(TabPanelTest, PaintsTheFrameAndTheTabOutlines) {
    const QImage image = panel_->grab().toImage();
    const QColor frame = SearchPage::kFrameColour;
    const QColor background = SearchPage::kBackground;
    // The page frame's left and right lines and bottom, and its top beside the tabs.
    EXPECT_EQ(image.pixelColor(1, 100), frame);
    EXPECT_EQ(image.pixelColor(image.width() - 1, 100), frame);
    EXPECT_EQ(image.pixelColor(150, image.height() - 1), frame);
    EXPECT_EQ(image.pixelColor(150, TabPanel::kTabHeight), frame);
    // The selected tab covers the top line under it and is outlined; its corner is cut.
    EXPECT_EQ(image.pixelColor(25, TabPanel::kTabHeight), background);
    EXPECT_EQ(image.pixelColor(25, 0), frame);
    EXPECT_EQ(image.pixelColor(1, 10), frame);
    EXPECT_EQ(image.pixelColor(0, 0), background);
    // The unselected tab starts lower.
    EXPECT_EQ(image.pixelColor(75, 1), background);
    EXPECT_EQ(image.pixelColor(75, 3), frame);
}

TEST(TabLabelTest, CaptionSitsAtTheTopCentredAcross) {
    test::ensureGuiApp();
    TabLabel label(QStringLiteral("Notes"), 1202);
    label.setFont(SearchPage::pageFont(13, false));
    label.resize(50, 23);
    label.setFramed(false);
    const QImage image = label.grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != SearchPage::kBackground) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    // Capitals start where a line at the very top puts them, not lower as centring would.
    const QFontMetrics metrics(label.font());
    EXPECT_LE(ink.top(), metrics.ascent() - metrics.capHeight() + 1);
    EXPECT_LE(std::abs(ink.left() - (image.width() - 1 - ink.right())), 2);
}

TEST(TabLabelTest, ReportsClicksWithItsIdAndDrawsOnlyWhenFramed) {
    test::ensureGuiApp();
    TabLabel label(QStringLiteral("Notes"), 1202);
    label.resize(50, 23);
    QSignalSpy clicks(&label, &TabLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 1202);

    label.setFramed(false);
    const QImage image = label.grab().toImage();
    EXPECT_EQ(image.pixelColor(25, 0), SearchPage::kBackground);
    EXPECT_EQ(image.pixelColor(1, 12), SearchPage::kBackground);
}

}  // namespace corkwise
