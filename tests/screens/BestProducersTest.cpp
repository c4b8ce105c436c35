// Best Producers through the whole program: the results page's title and list, its traces, and
// when it refills.

#include "BestSearchesFixture.h"

#include "testsupport/LogCapture.h"

namespace corkwise::test {
namespace {

using BestProducersTest = BestSearchesFixture;

int addedItems(const LogCapture& log) {
    int n = 0;
    for (const QByteArray& line : log.lines()) {
        n += line.startsWith("==============> ADD ITEM IN LIST : ") ? 1 : 0;
    }
    return n;
}

TEST_F(BestProducersTest, ListsOneEntryPerRecordInCatalogueOrderUnderItsTitle) {
    LogCapture log;
    tapHome(kBestProducersFlow);
    ASSERT_TRUE(producersForm()->isVisible());
    log.clear();
    next();

    BestProducersResultsPage* results = producersResults();
    ASSERT_TRUE(results->isVisible());
    EXPECT_TRUE(finishShown());
    EXPECT_EQ(results->titleLabel()->text(),
              QStringLiteral("Best Producers for Cabernet Sauvignon:"));
    // The placeholder producer is listed as it stands: the page filters nothing.
    EXPECT_EQ(texts(results->producerList()),
              (QStringList{"-Not Available-", "Bramble Hill", "Zephyr Ridge"}));
    EXPECT_EQ(results->producerList()->currentRow(), 0);
    EXPECT_EQ(results->producerList()->property("controlId").toInt(), 1039);
    const QList<QByteArray> lines = log.lines();
    EXPECT_TRUE(lines.contains("==============> ADD ITEM IN LIST : Bramble Hill"));
    EXPECT_EQ(addedItems(log), 3);

    back();
    pick(producersForm()->combo(CascadeFormPage::VarietyAppellation), QStringLiteral("Merlot"));
    next();
    EXPECT_EQ(results->titleLabel()->text(), QStringLiteral("Best Producers for Merlot:"));
    EXPECT_EQ(texts(results->producerList()), QStringList{"Apex Vineyards"});
}

TEST_F(BestProducersTest, RefillsOnlyAfterAChangeOnTheForm) {
    LogCapture log;
    tapHome(kBestProducersFlow);
    next();
    QListWidget* list = producersResults()->producerList();
    tapRow(list, 2);
    ASSERT_EQ(list->currentRow(), 2);

    // Back and Next without a change: the list is the one the user left.
    back();
    log.clear();
    next();
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(addedItems(log), 0);

    // Any change on the form, down to re-picking the variety already chosen, rebuilds it.
    struct Change {
        CascadeFormPage::Level level;
        QStringList picks;
    };
    const Change changes[] = {
        {CascadeFormPage::Origin, {"Australia", "U.S."}},
        {CascadeFormPage::Region, {"Washington", "California"}},
        {CascadeFormPage::VarietyAppellation, {"Cabernet Sauvignon"}},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.level);
        tapRow(list, 2);
        back();
        for (const QString& text : change.picks) {
            pick(producersForm()->combo(change.level), text);
        }
        log.clear();
        next();
        EXPECT_EQ(producersResults()->titleLabel()->text(),
                  QStringLiteral("Best Producers for Cabernet Sauvignon:"));
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(addedItems(log), 3);
    }

    // Finish keeps nothing open, and the list waits for the next fill.
    click("finishButton");
    EXPECT_EQ(view()->current(), -1);
    EXPECT_FALSE(producersResults()->isVisible());
}

}  // namespace
}  // namespace corkwise::test
