#include "screens/NavigationStrip.h"

#include "screens/SearchPage.h"
#include "testsupport/GuiApp.h"
#include "testsupport/RecordingHost.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QTest>

namespace corkwise {
namespace {

class NavigationStripTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        strip_ = std::make_unique<NavigationStrip>(host_);
        strip_->setGeometry(0, 238, 240, 30);
        strip_->show();
    }

    test::RecordingHost host_;
    std::unique_ptr<NavigationStrip> strip_;
};

TEST_F(NavigationStripTest, ButtonsSitInTheirPlacesWithNextAndFinishSharingOne) {
    EXPECT_EQ(strip_->cancelButton()->geometry(), QRect(10, 5, 60, 20));
    EXPECT_EQ(strip_->backButton()->geometry(), QRect(90, 5, 60, 20));
    EXPECT_EQ(strip_->nextButton()->geometry(), QRect(170, 5, 60, 20));
    EXPECT_EQ(strip_->finishButton()->geometry(), strip_->nextButton()->geometry());
    EXPECT_EQ(strip_->backButton()->text(), QStringLiteral("Back"));
    EXPECT_EQ(strip_->nextButton()->text(), QStringLiteral("Next"));
    EXPECT_EQ(strip_->finishButton()->text(), QStringLiteral("Finish"));
    EXPECT_EQ(strip_->cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(strip_->findChild<QPushButton*>(QStringLiteral("nextButton")), strip_->nextButton());
    EXPECT_EQ(strip_->cancelButton()->font().weight(), QFont::Bold);
}

TEST_F(NavigationStripTest, ExactlyOneOfNextAndFinishIsOffered) {
    EXPECT_TRUE(strip_->nextButton()->isVisible());
    EXPECT_FALSE(strip_->finishButton()->isVisible());
    strip_->setLastPage(true);
    EXPECT_FALSE(strip_->nextButton()->isVisible());
    EXPECT_TRUE(strip_->finishButton()->isVisible());
    strip_->setLastPage(false);
    EXPECT_TRUE(strip_->nextButton()->isVisible());
    EXPECT_FALSE(strip_->finishButton()->isVisible());
}

TEST_F(NavigationStripTest, EachButtonForwardsToTheHostAndFinishClosesLikeCancel) {
    QTest::mouseClick(strip_->backButton(), Qt::LeftButton);
    QTest::mouseClick(strip_->nextButton(), Qt::LeftButton);
    QTest::mouseClick(strip_->cancelButton(), Qt::LeftButton);
    strip_->setLastPage(true);
    QTest::mouseClick(strip_->finishButton(), Qt::LeftButton);
    EXPECT_EQ(host_.calls, QStringList({QStringLiteral("goBack"), QStringLiteral("goNext"),
                                        QStringLiteral("closeFlow"), QStringLiteral("closeFlow")}));
}

TEST_F(NavigationStripTest, PaintsThePageBackground) {
    const QImage image = strip_->grab().toImage();
    EXPECT_EQ(QColor(image.pixel(2, 2)), SearchPage::kBackground);
    EXPECT_EQ(QColor(image.pixel(238, 28)), SearchPage::kBackground);
}

}  // namespace
}  // namespace corkwise
