// The Food and Wine results: the line of each wine with and without region and appellation, the
// record carried by each entry, More Search with the selected wine, and foods whose children the
// compiler never makes (a value node, a wine table without region or appellation, no wines).

#include "FoodAndWineFixture.h"

#include "catalog/Catalog.h"
#include "catalog/RecordCursor.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"

#include <QFile>

namespace corkwise::test {
namespace {

using FoodResultsPageTest = FoodAndWineFixture;

QString producerOf(const RecordCursor* wine) {
    return wine != nullptr ? QString::fromLatin1(wine->columnText("PRODUCER").value_or("?"))
                           : QStringLiteral("none");
}

TEST_F(FoodResultsPageTest, EachWineIsListedByOriginRegionAndAppellationOrVariety) {
    listWinesFor(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"));
    QListWidget* list = results()->wineList();
    struct Row {
        QString text;
        QString producer;
    };
    // The compiler orders a food's wines by origin, region and appellation or variety.
    const QList<Row> expected = {
        {QString::fromUtf8("France Rhône Grenache"), "Maison Ardelot"},  // no appellation
        {"U.S. California Napa Valley", "Zephyr Ridge"},                 // all present
        {"U.S. Carneros", "Bramble Hill"},                               // no region
    };
    ASSERT_EQ(list->count(), expected.size());
    for (int row = 0; row < expected.size(); ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list->item(row)->text(), expected[row].text);
        EXPECT_EQ(producerOf(FoodResultsPage::recordAt(list, row)), expected[row].producer);
    }
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(list->property("controlId").toInt(), 1039);
    EXPECT_EQ(results()->findChild<QLabel*>(QStringLiteral("wineTypesLabel"))->text(),
              QStringLiteral("Wine Types :"));
    EXPECT_EQ(results()->moreSearchButton()->text(), QStringLiteral("More Search"));
    EXPECT_TRUE(results()->moreSearchButton()->isEnabled());
}

TEST_F(FoodResultsPageTest, MoreSearchMakesTheSelectedWineCurrentAndOpensTheMenu) {
    listWinesFor(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"));
    tapRow(results()->wineList(), 1);
    const RecordCursor* chosen = FoodResultsPage::recordAt(results()->wineList(), 1);
    ASSERT_NE(chosen, nullptr);
    click("moreSearchButton");

    const RecordCursor* current = guide().currentRecord();
    ASSERT_NE(current, nullptr);
    EXPECT_NE(current, chosen) << "the guide keeps its own copy";
    EXPECT_EQ(current->table(), chosen->table());
    EXPECT_EQ(current->row(), chosen->row());
    EXPECT_EQ(producerOf(current), QStringLiteral("Zephyr Ridge"));
    EXPECT_EQ(view()->current(), -1);
    EXPECT_FALSE(view()->strip()->isVisible());
    EXPECT_FALSE(results()->isVisible());
    EXPECT_TRUE(view()->advancedPanel()->isVisible());
}

// A food tree the compiler cannot make: under "Meat" the food "Stew" holds a record of a wine
// table without REGION and APPELLATION columns, then a value node; "Snacks" holds no food.
class OddFoodTreeTest : public ProgramFixture {
protected:
    bool writeCatalogue(const QString& path) override {
        CatalogBuilder b;
        const int origin = b.addDictionary("ORIGIN", {"U.S."});
        const int variety = b.addDictionary("VARIETY", {"Merlot"});
        const int type = b.addDictionary("FOOD_TYPE", {"Meat", "Snacks"});
        const int food = b.addDictionary("FOOD", {"Stew"});
        const int wines = b.addRecordTable("Wines0", {origin, variety}, {{0, 0}});
        const int root = b.nextTableNumber();
        b.addLevel("FWPLevelTable0", 3, root + 1, {{0, type, {0, 1}}});
        b.addLevel("FWPLevelTable1", 3, root + 2, {{0, type, {0}}, {1, type, {}}});
        b.addLevel("FWPLevelTable2", 3, root + 3, {{0, food, {0, 1}}});
        b.addLevel("FWPLevelTable3", 2, -1, {{1, wines, {}}, {0, origin, {}}});
        QFile file(path);
        const QByteArray bytes = b.build();
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    FoodFormPage* form() const { return page<FoodFormPage>(kFoodAndWineFlow, 0); }
    FoodResultsPage* results() const { return page<FoodResultsPage>(kFoodAndWineFlow, 1); }
};

TEST_F(OddFoodTreeTest, ValueNodesAreSkippedAndMissingColumnsReadAsTheirPlaceholders) {
    LogCapture log;
    tapHome(kFoodAndWineFlow);
    ASSERT_EQ(form()->foodCombo()->currentText(), QStringLiteral("Stew"));
    log.clear();
    next();
    EXPECT_EQ(texts(results()->wineList()), QStringList{"U.S. Merlot"});
    EXPECT_EQ(log.lines().count("VALUE IS STRING"), 1);
    EXPECT_TRUE(results()->moreSearchButton()->isEnabled());
}

TEST_F(OddFoodTreeTest, ATypeWithoutFoodsListsNoWinesAndMoreSearchDoesNothing) {
    tapHome(kFoodAndWineFlow);
    next();
    ASSERT_EQ(results()->wineList()->count(), 1);
    back();
    pick(form()->typeCombo(), QStringLiteral("Snacks"));
    EXPECT_EQ(form()->foodCombo()->count(), 0);
    next();
    EXPECT_EQ(results()->wineList()->count(), 0) << "the wines of the earlier food are gone";
    QPushButton* more = results()->moreSearchButton();
    EXPECT_FALSE(more->isEnabled());

    // Even asked directly, the button hands no wine on and leaves the page where it is.
    Q_EMIT more->clicked();
    EXPECT_EQ(guide().currentRecord(), nullptr);
    EXPECT_EQ(view()->current(), 1);
    EXPECT_FALSE(view()->advancedPanel()->isVisible());
}

}  // namespace
}  // namespace corkwise::test
