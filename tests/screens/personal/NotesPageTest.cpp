#include "screens/personal/NotesPage.h"

#include "controls/EditCell.h"
#include "personal/PersonalEntry.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

namespace corkwise {

namespace {

class NotesPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        host_ = std::make_unique<QWidget>();
        page_ = new NotesPage();
        ASSERT_TRUE(page_->createPage(host_.get(), QRect(2, 23, 217, 159), 1231));
        edit_ = page_->edit()->textEdit();
        ASSERT_NE(edit_, nullptr);
    }

    std::unique_ptr<QWidget> host_;
    NotesPage* page_ = nullptr;
    QPlainTextEdit* edit_ = nullptr;
};

}  // namespace

TEST_F(NotesPageTest, ShowReplacesTheWholeTextEvenWithPartSelected) {
    EXPECT_EQ(page_->title(), QStringLiteral("Notes"));
    EXPECT_EQ(page_->edit()->geometry(), QRect(10, 10, 197, 139));
    page_->showText(QStringLiteral("first line\nsecond line"));
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
    page_->showText(QStringLiteral("other"));
    EXPECT_EQ(page_->contents(), QStringLiteral("other"));
    page_->reset();
    EXPECT_EQ(page_->contents(), QString());
}

TEST_F(NotesPageTest, TypingAndPastingStopAtTheLongestStoredText) {
    const int limit = PersonalEntry::kMaxTextLength;
    page_->showText(QString(limit - 3, QLatin1Char('a')));
    edit_->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit_, QStringLiteral("bcdef"));
    EXPECT_EQ(page_->contents(), QString(limit - 3, QLatin1Char('a')) + QStringLiteral("bcd"));

    // A paste in the middle keeps what was there and takes only what fits.
    page_->showText(QString(limit - 2, QLatin1Char('a')));
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(1);
    edit_->setTextCursor(cursor);
    QApplication::clipboard()->setText(QStringLiteral("XYZ"));
    page_->paste();
    EXPECT_EQ(page_->contents(), QStringLiteral("aXY") + QString(limit - 3, QLatin1Char('a')));
}

TEST_F(NotesPageTest, CutAndCopyActOnTheSelection) {
    page_->showText(QStringLiteral("keep this"));
    edit_->selectAll();
    page_->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("keep this"));
    QTextCursor cursor = edit_->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(9, QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
    page_->cut();
    EXPECT_EQ(page_->contents(), QStringLiteral("keep"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" this"));
}

}  // namespace corkwise
