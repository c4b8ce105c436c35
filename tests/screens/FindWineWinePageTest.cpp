// The wine page: vintages newest first, products, the grid rows and the Info box with and
// without placeholders, tap-and-hold and its "Add bookmark", the bookmark stored, and the
// Personal menu's Add Bookmark, usable only on this page.

#include "FindWineFixture.h"

#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "controls/GridList.h"
#include "controls/LabelCell.h"
#include "personal/PersonalStore.h"
#include "screens/personal/CPersonal.h"
#include "testsupport/LogCapture.h"

#include <QLabel>

namespace corkwise::test {
namespace {

using FindWineWinePageTest = FindWineFixture;

QStringList rowTexts(const GridList* grid, int slot) {
    return {grid->cellText(slot, 0), grid->cellText(slot, 1), grid->cellText(slot, 2)};
}

// Tap-and-hold on row SLOT of the grid; a press of the pen's second button is one at once.
void holdRow(GridList* grid, int slot) {
    QWidget* cell = grid->cellAt(slot, 1);
    ASSERT_NE(cell, nullptr);
    QTest::mousePress(cell, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(cell, Qt::RightButton, {}, QPoint(5, 5));
}

QStringList valueTexts(const PersonalEntry& entry) {
    QStringList all;
    for (const DictValue& value : entry.values()) {
        all.append(QString::fromLatin1(value.text()));
    }
    return all;
}

TEST_F(FindWineWinePageTest, ListsVintagesNewestFirstAndTheProductsWines) {
    walkToBeringer();
    FindWineWinePage* page = winePage();
    ASSERT_TRUE(page->isVisible());
    EXPECT_EQ(page->vintageLabel()->text(), QStringLiteral("Vintage:"));
    EXPECT_EQ(page->vintageCombo()->property("controlId").toInt(), 1034);
    EXPECT_EQ(page->vintageCombo()->geometry().topLeft(), QPoint(80, 10));
    EXPECT_EQ(page->productCombo()->property("controlId").toInt(), 1040);
    EXPECT_EQ(page->grid()->geometry(), QRect(10, 80, 220, 105));
    EXPECT_EQ(page->infoBox()->geometry(), QRect(10, 188, 220, 47));
    ASSERT_EQ(page->grid()->columnCount(), 3);
    EXPECT_EQ(page->grid()->column(0).title(), QStringLiteral("Vintage"));
    EXPECT_EQ(page->grid()->column(1).title(), QStringLiteral("Score"));
    EXPECT_EQ(page->grid()->column(2).title(), QStringLiteral("Designation"));

    // Catalogue order is 1997, 1999, 2001.
    EXPECT_EQ(texts(page->vintageCombo()), (QStringList{"2001", "1999", "1997"}));
    EXPECT_EQ(page->vintageCombo()->currentIndex(), 0);
    EXPECT_EQ(texts(page->productCombo()),
              (QStringList{"Cabernet Sauvignon Napa Valley", "Merlot"}));

    // "No Designation Assigned" shows as an empty cell; row 0 is selected and described.
    GridList* grid = page->grid();
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"2001", "94", "Private Reserve"}));
    EXPECT_EQ(rowTexts(grid, 1), (QStringList{"2001", "89", ""}));
    EXPECT_EQ(grid->selectedSlot(), 0);
    EXPECT_EQ(page->infoBox()->text(),
              QStringLiteral("Beringer Hills Napa Valley Cabernet Sauvignon Private Reserve "));

    // A tap on the second row describes it, without its placeholder designation.
    QTest::mouseClick(grid->cellAt(1, 0), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(page->infoBox()->text(),
              QStringLiteral("Beringer Hills Napa Valley Cabernet Sauvignon "));

    // Every placeholder: only the producer and one space.
    pick(page->productCombo(), QStringLiteral("Merlot"));
    ASSERT_EQ(grid->rowCount(), 1);
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"2001", "85", ""}));
    EXPECT_EQ(page->infoBox()->text(), QStringLiteral("Beringer Hills "));

    // Another vintage lists its products, the first selected.
    pick(page->vintageCombo(), QStringLiteral("1997"));
    EXPECT_EQ(texts(page->productCombo()), QStringList{"Cabernet Sauvignon Napa Valley"});
    EXPECT_EQ(rowTexts(grid, 0), (QStringList{"1997", "90", "Private Reserve"}));
}

TEST_F(FindWineWinePageTest, WindowsNamesShowAsWritten) {
    tapFindWine();
    pick(criteria()->combo(FindWineCriteriaPage::Origin), QStringLiteral("France"));
    next();
    EXPECT_EQ(texts(producers()->producerList()),
              QStringList{QString::fromUtf8("Domaine Sérieux")});
    next();
    EXPECT_EQ(winePage()->productCombo()->currentText(),
              QString::fromUtf8("Côtes du Rhône Villages"));
    EXPECT_EQ(winePage()->infoBox()->text(),
              QString::fromUtf8("Domaine Sérieux Côtes du Rhône Grenache "));
}

TEST_F(FindWineWinePageTest, ValueNodesAmongTheWinesAreSkipped) {
    LogCapture log;
    tapFindWine();
    next();
    pick(producers()->segmentCombo(), QStringLiteral("N - Z"));
    log.clear();
    next();
    EXPECT_EQ(winePage()->grid()->rowCount(), 1);
    EXPECT_EQ(log.lines().count("VALUE IS STRING"), 1);
}

TEST_F(FindWineWinePageTest, TapAndHoldOffersAddBookmarkWhichStoresTheWine) {
    walkToBeringer();
    FindWineWinePage* page = winePage();
    holdRow(page->grid(), 0);
    QMenu* menu = page->popupMenu();
    ASSERT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 1);
    QAction* add = menu->actions().at(0);
    EXPECT_EQ(add->text(), QStringLiteral("Add bookmark"));
    EXPECT_EQ(add->data().toInt(), 32807);

    add->trigger();
    ASSERT_EQ(guide().personalCount(), 1);
    const PersonalEntry stored = *guide().personalEntryAt(0);
    EXPECT_EQ(stored.kind(), EntryKind::Bookmark);
    EXPECT_EQ(stored.name(), QStringLiteral("Cabernet Sauvignon Napa Valley"));
    EXPECT_EQ(valueTexts(stored),
              (QStringList{"U.S.", "Still", "Red", "California", "A - M", "Beringer Hills", "2001",
                           "Cabernet Sauvignon Napa Valley", "Private Reserve",
                           "Cabernet Sauvignon", "Napa Valley", "94"}));
    QStringList dictionaries;
    for (const DictValue& value : stored.values()) {
        dictionaries.append(guide().dictionaryName(value.dictionary()));
    }
    EXPECT_EQ(dictionaries,
              (QStringList{"ORIGIN", "SSF", "TYPE", "REGION", "SEGMENT", "PRODUCER", "VINTAGE",
                           "PRODUCT_STRINGAV", "DESIGNATION", "VARIETY", "APPELLATION", "SCORE"}));

    // The bookmarks list is shown in the page's place, and the page has let its grid go.
    EXPECT_TRUE(view()->personalPanel()->isVisible());
    EXPECT_FALSE(page->isVisible());
    EXPECT_EQ(page->grid()->rowCount(), 0);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(FindWineWinePageTest, EachBookmarkCarriesOnlyItsOwnWine) {
    walkToBeringer();
    holdRow(winePage()->grid(), 0);
    winePage()->popupMenu()->actions().at(0)->trigger();
    view()->leavePersonal();
    ASSERT_TRUE(winePage()->isVisible());

    // The second row this time: the stored values end with that wine's, not the first one's.
    holdRow(winePage()->grid(), 1);
    winePage()->popupMenu()->actions().at(0)->trigger();
    ASSERT_EQ(guide().personalCount(), 2);
    const QStringList second = valueTexts(*guide().personalEntryAt(1));
    EXPECT_EQ(second.size(), 12);
    EXPECT_EQ(second.mid(8),
              (QStringList{"No Designation Assigned", "Cabernet Sauvignon", "Napa Valley", "89"}));
}

TEST_F(FindWineWinePageTest, AddBookmarkIsUsableOnlyOnTheWinePage) {
    tapFindWine();
    EXPECT_FALSE(addBookmarkUsable());
    next();
    EXPECT_FALSE(addBookmarkUsable());
    next();
    EXPECT_TRUE(addBookmarkUsable());

    // The Personal menu's item bookmarks the selected wine, like the popup.
    QTest::mouseClick(winePage()->grid()->cellAt(1, 0), Qt::LeftButton, {}, QPoint(5, 5));
    bar()->item(bar()->visiblePersonalPosition(), command::kAddBookmark)->trigger();
    ASSERT_EQ(guide().personalCount(), 1);
    EXPECT_EQ(valueTexts(*guide().personalEntryAt(0)).last(), QStringLiteral("89"));
    EXPECT_FALSE(addBookmarkUsable());

    view()->leavePersonal();
    EXPECT_TRUE(addBookmarkUsable());
    back();
    EXPECT_FALSE(addBookmarkUsable());
    next();
    EXPECT_TRUE(addBookmarkUsable());
    click("finishButton");
    EXPECT_FALSE(addBookmarkUsable());
    EXPECT_EQ(view()->current(), -1);
}

// A wine whose names fill more than the Info box holds.
class LongNamesTest : public FindWineFixture {
protected:
    QList<FindWineEntry> wines() const override {
        FindWineEntry w{"U.S.",
                        "Still",
                        "Red",
                        "California",
                        "A - M",
                        QString(150, QLatin1Char('P')),
                        "2001",
                        "Long",
                        QString(60, QLatin1Char('D')),
                        QString(60, QLatin1Char('V')),
                        QString(60, QLatin1Char('A')),
                        "90"};
        return {w};
    }
};

TEST_F(LongNamesTest, InfoTextIsCutAt254Characters) {
    walkToBeringer();
    const QString info = winePage()->infoBox()->text();
    EXPECT_EQ(info.size(), FindWineWinePage::kMaxInfoLength);
    EXPECT_TRUE(info.startsWith(QString(150, QLatin1Char('P')) + QLatin1Char(' ') +
                                QString(60, QLatin1Char('A')) + QLatin1Char(' ')));
    EXPECT_TRUE(info.endsWith(QLatin1Char('V')));
}

}  // namespace
}  // namespace corkwise::test
