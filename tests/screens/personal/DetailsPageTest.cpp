#include "screens/personal/DetailsPage.h"

#include "controls/EditCell.h"
#include "controls/GridList.h"
#include "controls/LabelCell.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace corkwise {

namespace {

StringMap fields(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    StringMap map;
    for (const auto& [key, value] : pairs) {
        map.set(QString::fromLatin1(key), QString::fromLatin1(value));
    }
    return map;
}

class DetailsPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        host_ = std::make_unique<QWidget>();
        page_ = new DetailsPage();
        ASSERT_TRUE(page_->createPage(host_.get(), QRect(2, 23, 217, 159), 1230));
        host_->show();
    }

    std::unique_ptr<QWidget> host_;
    DetailsPage* page_ = nullptr;
};

}  // namespace

TEST_F(DetailsPageTest, GridsAreHiddenUntilTheFirstShowAndSitInsideTheMargin) {
    EXPECT_EQ(page_->title(), QStringLiteral("Details"));
    EXPECT_FALSE(page_->bookmarkGrid()->isVisibleTo(page_));
    EXPECT_FALSE(page_->noteGrid()->isVisibleTo(page_));
    EXPECT_EQ(page_->noteGrid()->geometry(), QRect(10, 10, 197, 139));
    EXPECT_EQ(page_->kind(), EntryKind::Bookmark);
    EXPECT_FALSE(page_->noteGrid()->headerShown());
    EXPECT_FALSE(page_->noteGrid()->isSelectable());
    EXPECT_EQ(page_->noteGrid()->editableColumn(), 1);
    EXPECT_FALSE(page_->bookmarkGrid()->isEditable());
}

TEST_F(DetailsPageTest, NoteFieldsCanBeEditedAndComeBackInOrderWithEmptyOnes) {
    page_->setKind(EntryKind::Note);
    page_->showFields(fields({{"ORIGIN", "France"}, {"SSF", ""}, {"VINTAGE", "2005"}}));
    EXPECT_TRUE(page_->noteGrid()->isVisibleTo(page_));
    EXPECT_FALSE(page_->bookmarkGrid()->isVisibleTo(page_));
    EXPECT_EQ(page_->noteGrid()->labelCellAt(0, 0)->text(), QStringLiteral("ORIGIN"));

    EditCell* cell = page_->noteGrid()->editCellAt(1, 1);
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell->lineEdit(), QStringLiteral("Still"));
    EXPECT_EQ(page_->contents(),
              std::optional<StringMap>(
                  fields({{"ORIGIN", "France"}, {"SSF", "Still"}, {"VINTAGE", "2005"}})));

    // Showing other fields replaces the rows.
    page_->showFields(fields({{"SCORE", "90"}}));
    EXPECT_EQ(page_->contents(), std::optional<StringMap>(fields({{"SCORE", "90"}})));
    page_->showFields(StringMap());
    EXPECT_EQ(page_->noteGrid()->rowCount(), 0);
    EXPECT_EQ(page_->contents(), std::optional<StringMap>(StringMap()));
}

TEST_F(DetailsPageTest, BookmarkFieldsAreReadOnlyAndGiveNoContents) {
    page_->showFields(fields({{"ORIGIN", "France"}}));
    EXPECT_TRUE(page_->bookmarkGrid()->isVisibleTo(page_));
    EXPECT_EQ(page_->bookmarkGrid()->editCellAt(0, 1), nullptr);
    EXPECT_EQ(page_->bookmarkGrid()->cellText(0, 1), QStringLiteral("France"));
    EXPECT_FALSE(page_->contents().has_value());
}

TEST_F(DetailsPageTest, ResetEmptiesBothGridsAndKeepsWhichIsVisible) {
    page_->setKind(EntryKind::Note);
    page_->showFields(fields({{"ORIGIN", "France"}}));
    page_->reset();
    EXPECT_EQ(page_->kind(), EntryKind::Bookmark);
    EXPECT_EQ(page_->noteGrid()->rowCount(), 0);
    EXPECT_TRUE(page_->noteGrid()->isVisibleTo(page_));
    EXPECT_FALSE(page_->bookmarkGrid()->isVisibleTo(page_));
}

TEST_F(DetailsPageTest, ClipboardCommandsReachTheTappedValueOfANoteOnly) {
    page_->setKind(EntryKind::Note);
    page_->showFields(fields({{"ORIGIN", "France"}, {"REGION", "Loire"}}));
    EditCell* cell = page_->noteGrid()->editCellAt(1, 1);
    QTest::mouseClick(cell->lineEdit(), Qt::LeftButton);
    cell->lineEdit()->selectAll();
    page_->cut();
    EXPECT_EQ(cell->text(), QString());
    page_->paste();
    EXPECT_EQ(cell->text(), QStringLiteral("Loire"));
    EXPECT_EQ(page_->noteGrid()->editCellAt(0, 1)->text(), QStringLiteral("France"));
}

TEST_F(DetailsPageTest, ValueCellsTakeNoMoreThanTheFileKeepsWhileTypingAndPasting) {
    page_->setKind(EntryKind::Note);
    page_->showFields(fields({{"ORIGIN", ""}, {"REGION", ""}}));
    QApplication::clipboard()->setText(QString(600, QLatin1Char('p')));
    QTest::keyClicks(page_->noteGrid()->editCellAt(0, 1)->lineEdit(), QString(600, u'w'));
    QTest::mouseClick(page_->noteGrid()->editCellAt(1, 1)->lineEdit(), Qt::LeftButton);
    page_->paste();
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(page_->noteGrid()->editCellAt(row, 1)->text().size(), 511);
    }
}

TEST_F(DetailsPageTest, ResizeLaysTheGridOutOnlyForANewBottom) {
    page_->setKind(EntryKind::Note);
    page_->showFields(fields({{"ORIGIN", "France"}}));
    const int slots = page_->noteGrid()->visibleSlots();
    page_->resizePage(0, 0, 199, 149);
    EXPECT_EQ(page_->noteGrid()->visibleSlots(), slots);
    page_->resizePage(0, 0, 199, 99);
    // Laid out for the height 99: six rows of 15 pixels.
    EXPECT_EQ(page_->noteGrid()->height(), 99);
    EXPECT_EQ(page_->noteGrid()->visibleSlots(), 6);
    EXPECT_LT(page_->noteGrid()->visibleSlots(), slots);
    EXPECT_EQ(page_->noteGrid()->rowCount(), 1);
    EXPECT_TRUE(page_->noteGrid()->isVisibleTo(page_));
}

}  // namespace corkwise
