#include "platform/MessageBox.h"

#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>
#include <QWidget>

namespace corkwise {
namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        MessageBox::clearHistory();
    }
    void TearDown() override {
        MessageBox::clearHistory();
        MessageBox::setUnattended(false);
    }
};

TEST_F(MessageBoxTest, QueuedAnswersAreUsedInOrderWithoutShowingAnything) {
    MessageBox::setNextAnswer(MessageBox::No);
    MessageBox::setNextAnswer(MessageBox::Yes);
    QWidget owner;
    EXPECT_EQ(MessageBox::show(&owner, MessageBox::Icon::Question, QStringLiteral("Corkwise"),
                               QStringLiteral("First?"), MessageBox::Yes | MessageBox::No),
              MessageBox::No);
    EXPECT_EQ(MessageBox::pendingAnswers(), 1);
    EXPECT_EQ(MessageBox::show(nullptr, MessageBox::Icon::Question, QStringLiteral("Corkwise"),
                               QStringLiteral("Second?"), MessageBox::Yes | MessageBox::No),
              MessageBox::Yes);

    ASSERT_EQ(MessageBox::history().size(), 2);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("First?"));
    EXPECT_TRUE(MessageBox::history()[0].hadOwner);
    EXPECT_EQ(MessageBox::history()[0].answer, MessageBox::No);
    EXPECT_FALSE(MessageBox::history()[1].hadOwner);
    EXPECT_EQ(MessageBox::history()[1].icon, MessageBox::Icon::Question);
}

TEST_F(MessageBoxTest, UnattendedBoxesTakeTheirDefaultOrTheFirstOfferedButton) {
    MessageBox::setUnattended(true);
    EXPECT_EQ(MessageBox::show(nullptr, MessageBox::Icon::Error, QStringLiteral("C"),
                               QStringLiteral("t")),
              MessageBox::Ok);
    EXPECT_EQ(
        MessageBox::show(nullptr, MessageBox::Icon::Question, QStringLiteral("C"),
                         QStringLiteral("t"), MessageBox::Yes | MessageBox::No, MessageBox::No),
        MessageBox::No);
    // A default that is not offered falls back to the first offered button.
    EXPECT_EQ(
        MessageBox::show(nullptr, MessageBox::Icon::None, QStringLiteral("C"), QStringLiteral("t"),
                         MessageBox::No | MessageBox::Cancel, MessageBox::Yes),
        MessageBox::No);
    // A queued answer still wins over the default.
    MessageBox::setNextAnswer(MessageBox::Cancel);
    EXPECT_EQ(MessageBox::show(nullptr, MessageBox::Icon::None, QStringLiteral("C"),
                               QStringLiteral("t"), MessageBox::Ok | MessageBox::Cancel),
              MessageBox::Cancel);
    EXPECT_EQ(MessageBox::history().size(), 4);
}

TEST_F(MessageBoxTest, ClearingForgetsHistoryAndAnswers) {
    MessageBox::setNextAnswer(MessageBox::Yes);
    MessageBox::setUnattended(true);
    MessageBox::show(nullptr, MessageBox::Icon::None, QStringLiteral("C"), QStringLiteral("t"));
    MessageBox::setNextAnswer(MessageBox::Yes);
    MessageBox::clearHistory();
    EXPECT_TRUE(MessageBox::history().isEmpty());
    EXPECT_EQ(MessageBox::pendingAnswers(), 0);
}

}  // namespace
}  // namespace corkwise
