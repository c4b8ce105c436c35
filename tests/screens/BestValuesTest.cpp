// Best Values through the whole program: producers, their wines listed by description, the info
// box with and without placeholders, and when the page refills.

#include "BestSearchesFixture.h"

#include "testsupport/LogCapture.h"

namespace corkwise::test {
namespace {

using BestValuesTest = BestSearchesFixture;

TEST_F(BestValuesTest, ListsTheProducersAndTheFirstProducersWines) {
    tapHome(kBestValuesFlow);
    next();
    BestValuesResultsPage* results = valuesResults();
    ASSERT_TRUE(results->isVisible());
    EXPECT_TRUE(finishShown());
    EXPECT_EQ(texts(results->producerCombo()),
              (QStringList{"-Not Available-", "Bramble Hill", "Zephyr Ridge"}));
    EXPECT_EQ(results->producerCombo()->currentIndex(), 0);
    EXPECT_EQ(texts(results->wineList()), QStringList{"Easy drinking."});
    EXPECT_EQ(results->wineList()->currentRow(), 0);
    // No producer and no appellation: the description after the space that would follow them.
    EXPECT_EQ(results->infoBox()->text(), QStringLiteral(" Easy drinking."));
    EXPECT_EQ(results->infoBox()->palette().color(QPalette::Window), QColor(147, 167, 148));
    ASSERT_NE(results->wineAt(0), nullptr);
    EXPECT_EQ(results->wineAt(0)->columnText("PRODUCT_STRINGAV"), QByteArray("House Red"));
}

TEST_F(BestValuesTest, InfoBoxDescribesEachWine) {
    tapHome(kBestValuesFlow);
    next();
    BestValuesResultsPage* results = valuesResults();
    struct Case {
        const char* producer;
        QStringList wines;  // by description
        int row;
        const char* info;
    };
    const Case cases[] = {
        // The description repeats the appellation/variety: shown once.
        {"Zephyr Ridge",
         {"Cabernet Sauvignon", "Dense cassis."},
         0,
         "Zephyr Ridge Cabernet Sauvignon"},
        // Three different parts joined by single spaces.
        {"Zephyr Ridge",
         {"Cabernet Sauvignon", "Dense cassis."},
         1,
         "Zephyr Ridge Cabernet Sauvignon Dense cassis."},
        // Listed under the placeholder description, which the info box leaves out, as it does
        // the "No Variety Assigned" placeholder.
        {"Bramble Hill", {"-Not Available-", "Simple."}, 0, "Bramble Hill"},
        // An absent appellation/variety ("-Not Available-") is left out too.
        {"Bramble Hill", {"-Not Available-", "Simple."}, 1, "Bramble Hill Simple."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.info);
        pick(results->producerCombo(), QString::fromLatin1(c.producer));
        // Another producer: its wines, the first selected and described.
        EXPECT_EQ(texts(results->wineList()), c.wines);
        EXPECT_EQ(results->wineList()->currentRow(), 0);
        if (c.row != 0) {
            tapRow(results->wineList(), c.row);
        }
        EXPECT_EQ(results->infoBox()->text(), QString::fromLatin1(c.info));
    }
}

TEST_F(BestValuesTest, RefillsOnlyAfterAChangeOnTheForm) {
    tapHome(kBestValuesFlow);
    next();
    BestValuesResultsPage* results = valuesResults();
    pick(results->producerCombo(), QStringLiteral("Zephyr Ridge"));
    tapRow(results->wineList(), 1);

    back();
    next();
    EXPECT_EQ(results->producerCombo()->currentText(), QStringLiteral("Zephyr Ridge"));
    EXPECT_EQ(results->wineList()->currentRow(), 1);
    EXPECT_EQ(results->infoBox()->text(),
              QStringLiteral("Zephyr Ridge Cabernet Sauvignon Dense cassis."));

    back();
    pick(valuesForm()->combo(CascadeFormPage::VarietyAppellation), 0);
    next();
    EXPECT_EQ(results->producerCombo()->currentIndex(), 0);
    EXPECT_EQ(texts(results->wineList()), QStringList{"Easy drinking."});

    back();
    pick(valuesForm()->combo(CascadeFormPage::Origin), QStringLiteral("France"));
    next();
    EXPECT_EQ(texts(results->producerCombo()), QStringList{"Chateau Lumiere"});
    EXPECT_EQ(results->infoBox()->text(), QStringLiteral("Chateau Lumiere Pauillac Firm."));

    // Closing the flow lets the wines and their records go.
    click("finishButton");
    EXPECT_EQ(results->producerCombo()->count(), 0);
    EXPECT_EQ(results->wineList()->count(), 0);
}

}  // namespace
}  // namespace corkwise::test
