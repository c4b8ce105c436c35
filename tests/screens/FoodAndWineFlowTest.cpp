// From a wine paired with a food, through More Search and the menu of searches, to the searches
// pre-filled from that wine: which of them can follow it, Best Producers and Best Values landing
// on their results, and Power Search replaying Find Wine.

#include "FoodAndWineFixture.h"

#include "controls/GridList.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/BestProducersFormPage.h"
#include "screens/BestProducersResultsPage.h"
#include "screens/BestValuesResultsPage.h"
#include "screens/FindWineCriteriaPage.h"
#include "screens/FindWineProducerPage.h"
#include "screens/FindWineWinePage.h"
#include "screens/NavigationStrip.h"

namespace corkwise::test {
namespace {

class FoodAndWineFlowTest : public FoodAndWineFixture {
protected:
    AdvancedSearchPanel* menu() const { return view()->advancedPanel(); }

    // Lists the wines of FOOD (of TYPE), selects the wine of ROW and presses More Search.
    void moreSearchFrom(const QString& type, const QString& food, int row) {
        listWinesFor(type, food);
        tapRow(results()->wineList(), row);
        click("moreSearchButton");
        ASSERT_TRUE(menu()->isVisible());
    }
    bool shown(const char* name) const {
        const auto* button = view()->findChild<QPushButton*>(QString::fromLatin1(name));
        return button != nullptr && button->isVisible();
    }
};

TEST_F(FoodAndWineFlowTest, TheMenuGreysTheSearchesThatCannotFollowThePairedWine) {
    struct Case {
        const char* food;
        int row;
        bool lists;  // best producers and best values are listed for the wine's path
    };
    const Case cases[] = {
        {"Grilled Lamb", 1, true},   // U.S. California Napa Valley
        {"Grilled Lamb", 2, false},  // U.S. Carneros: no region
        {"Roast Pork", 0, false},    // U.S. Oregon Willamette Valley
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.food);
        SCOPED_TRACE(c.row);
        moreSearchFrom(QStringLiteral("Meat"), QString::fromLatin1(c.food), c.row);
        EXPECT_EQ(menu()->bestProducersButton()->isEnabled(), c.lists);
        EXPECT_EQ(menu()->bestValuesButton()->isEnabled(), c.lists);
        EXPECT_TRUE(menu()->powerSearchButton()->isEnabled());
        EXPECT_EQ(view()->current(), -1);
        EXPECT_TRUE(guide().hasSelection()) << "the test runs keep the wine for the real start";
        // The menu is left only through a search; Power Search follows any wine.
        click("powerSearchButton");
        click("cancelButton");
    }
}

TEST_F(FoodAndWineFlowTest, BestProducersLandsOnItsResultsWithBackToTheFilledForm) {
    moreSearchFrom(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"), 1);
    click("bestProducersButton");

    auto* form = page<BestProducersFormPage>(kBestProducersFlow, 0);
    auto* list = page<BestProducersResultsPage>(kBestProducersFlow, 1);
    EXPECT_FALSE(menu()->isVisible());
    ASSERT_EQ(view()->current(), 1);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(shown("finishButton"));
    EXPECT_EQ(list->titleLabel()->text(), QStringLiteral("Best Producers for Napa Valley:"));
    EXPECT_EQ(texts(list->producerList()), (QStringList{"Hollow Creek", "Zephyr Ridge"}));
    EXPECT_FALSE(guide().hasSelection());

    back();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(shown("nextButton"));
    QStringList chosen;
    for (int level = 0; level < CascadeFormPage::kLevels; ++level) {
        chosen.append(form->combo(static_cast<CascadeFormPage::Level>(level))->currentText());
    }
    EXPECT_EQ(chosen, (QStringList{"U.S.", "Still", "Red", "California", "Napa Valley"}));

    next();
    click("finishButton");
    EXPECT_EQ(view()->current(), -1);
    EXPECT_FALSE(view()->strip()->isVisible());
    EXPECT_FALSE(menu()->isVisible()) << "Finish goes home, not back to the menu";
}

TEST_F(FoodAndWineFlowTest, BestValuesLandsOnTheValuesOfThatPath) {
    moreSearchFrom(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"), 1);
    click("bestValuesButton");
    auto* values = page<BestValuesResultsPage>(kBestValuesFlow, 1);
    ASSERT_EQ(view()->current(), 1);
    EXPECT_TRUE(values->isVisible());
    EXPECT_TRUE(shown("finishButton"));
    EXPECT_EQ(texts(values->producerCombo()), QStringList{"Zephyr Ridge"});
    EXPECT_EQ(texts(values->wineList()), QStringList{"Dense cassis."});
}

TEST_F(FoodAndWineFlowTest, PowerSearchReplaysFindWineFromThePairedWine) {
    moreSearchFrom(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"), 1);
    click("powerSearchButton");

    // The criteria page follows the wine; the producer page is shown, with Next.
    auto* criteria = page<FindWineCriteriaPage>(kFindWineFlow, 0);
    auto* producers = page<FindWineProducerPage>(kFindWineFlow, 1);
    ASSERT_EQ(view()->current(), 1);
    EXPECT_TRUE(producers->isVisible());
    EXPECT_TRUE(shown("nextButton"));
    QStringList chosen;
    for (auto level : {FindWineCriteriaPage::Origin, FindWineCriteriaPage::WineCategory,
                       FindWineCriteriaPage::WineType, FindWineCriteriaPage::Region}) {
        chosen.append(criteria->combo(level)->currentText());
    }
    EXPECT_EQ(chosen, (QStringList{"U.S.", "Still", "Red", "California"}));
    EXPECT_EQ(producers->producerList()->currentItem()->text(), QStringLiteral("Zephyr Ridge"));

    next();
    auto* wine = page<FindWineWinePage>(kFindWineFlow, 2);
    EXPECT_TRUE(wine->isVisible());
    EXPECT_EQ(wine->productCombo()->currentText(),
              QStringLiteral("Cabernet Sauvignon Napa Valley"));
    EXPECT_EQ(wine->grid()->cellText(0, 0), QStringLiteral("1997"));
    EXPECT_EQ(wine->grid()->cellText(0, 1), QStringLiteral("93"));
}

}  // namespace
}  // namespace corkwise::test
