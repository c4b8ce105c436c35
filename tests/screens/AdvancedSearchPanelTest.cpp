#include "screens/AdvancedSearchPanel.h"

#include "testsupport/GuiApp.h"
#include "testsupport/RecordingHost.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace corkwise {
namespace {

class AdvancedSearchPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        panel_ = std::make_unique<AdvancedSearchPanel>(host_);
        panel_->setGeometry(0, 0, 240, 268);
        panel_->show();
    }

    test::RecordingHost host_;
    std::unique_ptr<AdvancedSearchPanel> panel_;
};

TEST_F(AdvancedSearchPanelTest, ButtonsAreGreyedExactlyWhenTheirSearchCannotFollowTheWine) {
    host_.prefilledAnswers = {10009};
    panel_->refreshButtons(true);
    EXPECT_EQ(host_.calls, QStringList({QStringLiteral("startPrefilled 10011 0"),
                                        QStringLiteral("startPrefilled 10009 0")}));
    EXPECT_FALSE(panel_->bestProducersButton()->isEnabled());
    EXPECT_TRUE(panel_->bestValuesButton()->isEnabled());
    EXPECT_TRUE(panel_->powerSearchButton()->isEnabled());

    host_.calls.clear();
    panel_->refreshButtons(false);
    EXPECT_TRUE(host_.calls.isEmpty());
}

TEST_F(AdvancedSearchPanelTest, EachButtonStartsItsSearchForReal) {
    host_.prefilledAnswers = {10011, 10009};
    panel_->refreshButtons(true);
    host_.calls.clear();
    QTest::mouseClick(panel_->bestProducersButton(), Qt::LeftButton);
    QTest::mouseClick(panel_->bestValuesButton(), Qt::LeftButton);
    QTest::mouseClick(panel_->powerSearchButton(), Qt::LeftButton);
    EXPECT_EQ(host_.calls, QStringList({QStringLiteral("startPrefilled 10011 1"),
                                        QStringLiteral("startPrefilled 10009 1"),
                                        QStringLiteral("startPrefilled 10001 1")}));
}

TEST_F(AdvancedSearchPanelTest, LayoutFollowsThePanelTable) {
    auto* heading = panel_->findChild<QLabel*>(QStringLiteral("advancedSearchHeading"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), QStringLiteral("Advanced Search:"));
    EXPECT_TRUE(heading->font().underline());
    EXPECT_EQ(panel_->bestProducersButton()->geometry(), QRect(40, 66, 160, 25));
    EXPECT_EQ(panel_->bestValuesButton()->geometry(), QRect(40, 121, 160, 25));
    EXPECT_EQ(panel_->powerSearchButton()->geometry(), QRect(40, 176, 160, 25));
}

}  // namespace
}  // namespace corkwise
