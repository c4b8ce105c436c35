// The Food and Wine results: the line of each wine with and without region and appellation,
// More Search with the selected wine, and food trees the compiler never makes.

#include "FoodAndWineFixture.h"

#include "catalog/RecordCursor.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/RecordItems.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"

#include <QFile>

namespace corkwise::test {
namespace {

using FoodResultsPageTest = FoodAndWineFixture;

QByteArray producerOf(const RecordCursor* wine) {
    return wine != nullptr ? wine->columnText("PRODUCER").value_or("?") : "none";
}

TEST_F(FoodResultsPageTest, EachWineIsListedByOriginRegionAndAppellationOrVariety) {
    listWinesFor(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"));
    QListWidget* list = results()->wineList();
    EXPECT_EQ(texts(list), (QStringList{QString::fromUtf8("France Rhône Grenache"),
                                        "U.S. California Napa Valley", "U.S. Carneros"}));
    EXPECT_EQ(list->currentRow(), 0);
    const QList<QByteArray> producers{"Maison Ardelot", "Zephyr Ridge", "Bramble Hill"};
    for (int row = 0; row < producers.size(); ++row) {
        EXPECT_EQ(producerOf(recordAt(list, row)), producers[row]);
    }
}

TEST_F(FoodResultsPageTest, MoreSearchMakesTheSelectedWineCurrentAndOpensTheMenu) {
    listWinesFor(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"));
    tapRow(results()->wineList(), 1);
    click("moreSearchButton");
    EXPECT_EQ(producerOf(guide().currentRecord()), "Zephyr Ridge");
    EXPECT_EQ(view()->current(), -1);
    EXPECT_TRUE(view()->advancedPanel()->isVisible());
}

// Under "Meat" the food "Stew" holds a record of a wine table without REGION and APPELLATION
// columns, then a value node; "Snacks" holds no food.
class OddFoodTreeTest : public FoodAndWineFixture {
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
};

TEST_F(OddFoodTreeTest, ValueNodesAreSkippedMissingColumnsReadAsPlaceholdersNoWineNoSearch) {
    LogCapture log;
    tapHome(kFoodAndWineFlow);
    log.clear();
    next();
    EXPECT_EQ(texts(results()->wineList()), QStringList{"U.S. Merlot"});
    EXPECT_EQ(log.lines().count("VALUE IS STRING"), 1);
    EXPECT_TRUE(results()->moreSearchButton()->isEnabled());

    back();
    pick(form()->typeCombo(), QStringLiteral("Snacks"));
    EXPECT_EQ(form()->foodCombo()->count(), 0);
    next();
    EXPECT_EQ(results()->wineList()->count(), 0);
    QPushButton* more = results()->moreSearchButton();
    EXPECT_FALSE(more->isEnabled());
    Q_EMIT more->clicked();
    EXPECT_EQ(guide().currentRecord(), nullptr) << "no wine is handed on";
    EXPECT_EQ(view()->current(), 1);
}

}  // namespace
}  // namespace corkwise::test
