// Replaying Find Wine from an opened bookmark through the main view: landing on the wine page
// with the bookmarked wine selected, and a bookmark the catalogue can no longer follow.

#include "FindWineFixture.h"

#include "catalog/Catalog.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "controls/GridList.h"
#include "personal/PersonalStore.h"
#include "screens/personal/CPersonal.h"

#include <QFile>

namespace corkwise::test {
namespace {

class FindWineFlowTest : public FindWineFixture {
protected:
    // Bookmarks the wine of SLOT on the wine page of Beringer Hills' VINTAGE, then closes the
    // flow and the panel.
    void bookmarkBeringer(const QString& vintage, int slot) {
        walkToBeringer();
        pick(winePage()->vintageCombo(), vintage);
        QTest::mouseClick(winePage()->grid()->cellAt(slot, 0), Qt::LeftButton, {}, QPoint(5, 5));
        bar()->item(bar()->visiblePersonalPosition(), command::kAddBookmark)->trigger();
        ASSERT_EQ(guide().personalCount(), 1);
        view()->closeFlow();
        view()->leavePersonal();
    }

    // A bookmark stored by hand with VALUES (dictionary short name, text).
    void storeBookmark(const QList<QPair<QByteArray, QByteArray>>& values) {
        std::vector<DictValue> list;
        for (const auto& [name, text] : values) {
            list.emplace_back(0, guide().catalog()->indexOfTable("Dict" + name), text);
        }
        frame_->store()->add(PersonalEntry(EntryKind::Bookmark, "Sonoma Zinfandel", "", list));
    }
};

TEST_F(FindWineFlowTest, ReplayLandsOnTheBookmarkedWine) {
    bookmarkBeringer(QStringLiteral("1999"), 0);
    ASSERT_TRUE(guide().selectBookmark(0));
    view()->startSearch(kFindWineFlow);

    EXPECT_TRUE(MessageBox::history().isEmpty());
    ASSERT_EQ(view()->current(), 2);
    FindWineWinePage* page = winePage();
    EXPECT_TRUE(page->isVisible());
    EXPECT_FALSE(view()->personalPanel()->isVisible());
    EXPECT_EQ(page->vintageCombo()->currentText(), QStringLiteral("1999"));
    EXPECT_EQ(page->productCombo()->currentText(),
              QStringLiteral("Cabernet Sauvignon Napa Valley"));
    EXPECT_EQ(page->grid()->cellText(0, 1), QStringLiteral("87"));
    EXPECT_TRUE(view()->findChild<QPushButton*>(QStringLiteral("finishButton"))->isVisible());
    EXPECT_TRUE(addBookmarkUsable());
    // The replay is over: the lists no longer follow the bookmark.
    EXPECT_FALSE(guide().hasSelection());

    // Back keeps the bookmark's producer and criteria; Next keeps its vintage.
    back();
    EXPECT_EQ(producers()->producerList()->currentItem()->text(), QStringLiteral("Beringer Hills"));
    back();
    EXPECT_EQ(criteria()->combo(FindWineCriteriaPage::Region)->currentText(),
              QStringLiteral("California"));
    next();
    next();
    EXPECT_EQ(page->vintageCombo()->currentText(), QStringLiteral("1999"));
}

TEST_F(FindWineFlowTest, ReplaySelectsEveryListAndBackKeepsIt) {
    storeBookmark({{"ORIGIN", "U.S."},
                   {"SSF", "Still"},
                   {"TYPE", "Red"},
                   {"REGION", "California"},
                   {"SEGMENT", "A - M"},
                   {"PRODUCER", "Cask Ridge"},
                   {"VINTAGE", "2000"},
                   {"PRODUCT_STRINGAV", "Zinfandel"}});
    ASSERT_TRUE(guide().selectBookmark(0));
    view()->startSearch(kFindWineFlow);
    ASSERT_EQ(view()->current(), 2);
    EXPECT_EQ(winePage()->infoBox()->text(),
              QStringLiteral("Cask Ridge Sonoma County Zinfandel Old Vines "));

    // The producer page is not filled anew on Back: it still shows the bookmark's producer,
    // not the first of the list.
    back();
    EXPECT_EQ(producers()->producerList()->currentItem()->text(), QStringLiteral("Cask Ridge"));
    next();
    EXPECT_EQ(winePage()->productCombo()->currentText(), QStringLiteral("Zinfandel"));
}

TEST_F(FindWineFlowTest, MissingRegionOffersToConvertTheBookmarkToANote) {
    storeBookmark({{"ORIGIN", "U.S."},
                   {"SSF", "Still"},
                   {"TYPE", "Red"},
                   {"REGION", "Sonoma"},
                   {"SEGMENT", "A - M"},
                   {"PRODUCER", "Cask Ridge"}});
    ASSERT_TRUE(guide().selectBookmark(0));
    MessageBox::setNextAnswer(MessageBox::Yes);
    view()->startSearch(kFindWineFlow);

    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Record& asked = MessageBox::history()[0];
    EXPECT_EQ(asked.text, QStringLiteral("Do you want to convert Bookmark to a Note?"));
    EXPECT_EQ(asked.caption, QStringLiteral("Corkwise"));
    EXPECT_EQ(asked.icon, MessageBox::Icon::Question);
    EXPECT_EQ(asked.buttons, MessageBox::Yes | MessageBox::No);

    // The criteria page is shown with the first region, and the entry is now a saved note.
    EXPECT_EQ(view()->current(), 0);
    EXPECT_TRUE(criteria()->isVisible());
    EXPECT_EQ(criteria()->combo(FindWineCriteriaPage::Region)->currentText(),
              QStringLiteral("California"));
    EXPECT_EQ(guide().personalEntryAt(0)->kind(), EntryKind::Note);
    PersonalStore reread(personalPath_);
    ASSERT_TRUE(reread.load());
    ASSERT_EQ(reread.count(), 1);
    EXPECT_EQ(reread.entryAt(0)->kind(), EntryKind::Note);
    EXPECT_EQ(reread.entryAt(0)->name(), QStringLiteral("Sonoma Zinfandel"));
}

TEST_F(FindWineFlowTest, AnsweringNoKeepsTheBookmarkAndSavesNothing) {
    storeBookmark({{"ORIGIN", "U.S."},
                   {"SSF", "Still"},
                   {"TYPE", "Red"},
                   {"REGION", "California"},
                   {"SEGMENT", "A - M"},
                   {"PRODUCER", "Beringer Hills"},
                   {"VINTAGE", "1985"}});
    ASSERT_TRUE(guide().selectBookmark(0));
    MessageBox::setNextAnswer(MessageBox::No);
    view()->startSearch(kFindWineFlow);

    ASSERT_EQ(MessageBox::history().size(), 1);
    // The vintage is what is missing: the producer page is shown, and Add Bookmark is not
    // offered there.
    EXPECT_EQ(view()->current(), 1);
    EXPECT_TRUE(producers()->isVisible());
    EXPECT_FALSE(addBookmarkUsable());
    EXPECT_EQ(guide().personalEntryAt(0)->kind(), EntryKind::Bookmark);
    EXPECT_FALSE(QFile::exists(personalPath_));

    // Next starts the wine page over with the newest vintage.
    next();
    EXPECT_EQ(winePage()->vintageCombo()->currentText(), QStringLiteral("2001"));
    EXPECT_TRUE(addBookmarkUsable());
}

TEST_F(FindWineFlowTest, PowerSearchFromAWineShowsTheProducerPage) {
    // The wine being looked at: Cantina Alba's Barolo, whose record names no origin, so the
    // criteria page keeps its first entries.
    std::unique_ptr<NodeCursor> node = guide().openFlowRoot(kFindWineFlow);
    for (int level = 0; level < 9 && node != nullptr; ++level) {
        node = node->child(level == 0 ? 1 : 0);
    }
    ASSERT_NE(node, nullptr);
    const std::unique_ptr<RecordCursor> wine = node->openRecord();
    ASSERT_NE(wine, nullptr);
    guide().selectRecord(*wine);

    EXPECT_TRUE(view()->startPrefilled(kFindWineFlow, true));
    ASSERT_EQ(view()->current(), 1);
    EXPECT_TRUE(producers()->isVisible());
    EXPECT_TRUE(view()->findChild<QPushButton*>(QStringLiteral("nextButton"))->isVisible());
    EXPECT_EQ(criteria()->combo(FindWineCriteriaPage::Origin)->currentText(),
              QStringLiteral("France"));
    EXPECT_EQ(texts(producers()->producerList()), QStringList{"Maison Lacroix"});
    EXPECT_FALSE(guide().hasSelection());
    next();
    EXPECT_EQ(texts(winePage()->productCombo()), QStringList{"Brut Champagne"});
}

}  // namespace
}  // namespace corkwise::test
