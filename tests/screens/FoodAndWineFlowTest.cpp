// From a wine paired with a food, through More Search and the menu of searches, to the searches
// pre-filled from that wine.

#include "FoodAndWineFixture.h"

#include "screens/AdvancedSearchPanel.h"
#include "screens/BestProducersFormPage.h"
#include "screens/BestProducersResultsPage.h"
#include "screens/FindWineProducerPage.h"
#include "screens/FindWineWinePage.h"

namespace corkwise::test {
namespace {

class FoodAndWineFlowTest : public FoodAndWineFixture {
protected:
    AdvancedSearchPanel* menu() const { return view()->advancedPanel(); }
    void moreSearchFrom(const QString& food, int row) {
        listWinesFor(QStringLiteral("Meat"), food);
        tapRow(results()->wineList(), row);
        click("moreSearchButton");
    }
};

TEST_F(FoodAndWineFlowTest, AWineWhosePathHasNoBestListsGreysThoseSearches) {
    moreSearchFrom(QStringLiteral("Roast Pork"), 0);
    EXPECT_FALSE(menu()->bestProducersButton()->isEnabled());
    EXPECT_FALSE(menu()->bestValuesButton()->isEnabled());
    EXPECT_TRUE(menu()->powerSearchButton()->isEnabled());
}

TEST_F(FoodAndWineFlowTest, BestProducersLandsOnItsResultsWithFinishAndBackToTheFilledForm) {
    moreSearchFrom(QStringLiteral("Grilled Lamb"), 1);
    ASSERT_TRUE(menu()->bestProducersButton()->isEnabled());
    click("bestProducersButton");
    auto* list = page<BestProducersResultsPage>(kBestProducersFlow, 1);
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->titleLabel()->text(), QStringLiteral("Best Producers for Napa Valley:"));
    EXPECT_EQ(texts(list->producerList()), (QStringList{"Hollow Creek", "Zephyr Ridge"}));

    back();
    auto* form = page<BestProducersFormPage>(kBestProducersFlow, 0);
    EXPECT_EQ(form->combo(CascadeFormPage::Region)->currentText(), QStringLiteral("California"));
    EXPECT_EQ(form->combo(CascadeFormPage::VarietyAppellation)->currentText(),
              QStringLiteral("Napa Valley"));
    next();
    click("finishButton");
    EXPECT_EQ(view()->current(), -1);
    EXPECT_FALSE(menu()->isVisible());
}

TEST_F(FoodAndWineFlowTest, PowerSearchLandsOnTheWinePageOfThePairedWine) {
    moreSearchFrom(QStringLiteral("Grilled Lamb"), 1);
    click("powerSearchButton");
    auto* wines = page<FindWineWinePage>(kFindWineFlow, 2);
    ASSERT_TRUE(wines->isVisible());
    EXPECT_TRUE(view()->findChild<QPushButton*>(QStringLiteral("finishButton"))->isVisible());
    EXPECT_EQ(wines->productCombo()->currentText(),
              QStringLiteral("Cabernet Sauvignon Napa Valley"));
    EXPECT_FALSE(guide().hasSelection());
    // Back shows the wine's producer, not the first producer of its region.
    back();
    EXPECT_EQ(page<FindWineProducerPage>(kFindWineFlow, 1)->producerList()->currentItem()->text(),
              QStringLiteral("Zephyr Ridge"));
}

}  // namespace
}  // namespace corkwise::test
