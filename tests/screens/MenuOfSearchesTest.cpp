// The menu of searches after More Search, with the real Best Producers and Best Values forms:
// which searches can follow the remembered wine, and where a pre-filled start lands.

#include "BestSearchesFixture.h"

#include "screens/AdvancedSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"

namespace corkwise::test {
namespace {

class MenuOfSearchesTest : public BestSearchesFixture {
protected:
    AdvancedSearchPanel* panel() const { return view()->advancedPanel(); }

    // Whether any page of any flow is shown.
    bool anyPageVisible() const {
        for (int flowId : {kFindWineFlow, kFoodAndWineFlow, kVintageChartFlow, kBestValuesFlow,
                           kBestProducersFlow}) {
            for (SearchPage* page : *guide().pages(flowId)) {
                if (page->isVisible()) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(MenuOfSearchesTest, GreysExactlyTheSearchesThatCannotFollowTheWine) {
    struct Case {
        QStringList wine;
        bool bestProducers;
        bool bestValues;
    };
    const Case cases[] = {
        {kZephyrCabernet, true, true},
        {kColumbiaMerlot, true, false},
        {kLumierePauillac, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wine.join('/').toStdString());
        rememberWine(c.wine);
        view()->moreSearch();
        ASSERT_TRUE(panel()->isVisible());
        EXPECT_EQ(panel()->bestProducersButton()->isEnabled(), c.bestProducers);
        EXPECT_EQ(panel()->bestValuesButton()->isEnabled(), c.bestValues);
        EXPECT_TRUE(panel()->powerSearchButton()->isEnabled());

        // The test runs leave nothing behind: no flow, no page, no strip, no message, and the
        // wine is still remembered for the real start.
        EXPECT_EQ(view()->current(), -1);
        EXPECT_FALSE(anyPageVisible());
        EXPECT_FALSE(view()->strip()->isVisible());
        EXPECT_TRUE(MessageBox::history().isEmpty());
        EXPECT_TRUE(guide().hasSelection());
        EXPECT_TRUE(producersForm()->takeMessage().isEmpty());
        EXPECT_TRUE(valuesForm()->takeMessage().isEmpty());
    }
}

TEST_F(MenuOfSearchesTest, BestProducersLandsOnItsResultsAndBackShowsTheFilledForm) {
    rememberWine(kColumbiaMerlot);
    view()->moreSearch();
    click("bestProducersButton");

    EXPECT_FALSE(panel()->isVisible());
    ASSERT_EQ(view()->current(), 1);
    EXPECT_TRUE(producersResults()->isVisible());
    EXPECT_TRUE(finishShown());
    EXPECT_EQ(producersResults()->titleLabel()->text(),
              QStringLiteral("Best Producers for Merlot:"));
    EXPECT_EQ(texts(producersResults()->producerList()), QStringList{"Columbia Cellars"});
    EXPECT_FALSE(guide().hasSelection());

    back();
    EXPECT_TRUE(producersForm()->isVisible());
    EXPECT_TRUE(nextShown());
    EXPECT_EQ(chosen(producersForm()),
              (QStringList{"U.S.", "Still", "Red", "Washington", "Merlot"}));
    next();
    EXPECT_EQ(texts(producersResults()->producerList()), QStringList{"Columbia Cellars"});
}

TEST_F(MenuOfSearchesTest, BestValuesLandsOnItsResults) {
    rememberWine(kLumierePauillac);
    view()->moreSearch();
    click("bestValuesButton");

    ASSERT_EQ(view()->current(), 1);
    EXPECT_TRUE(valuesResults()->isVisible());
    EXPECT_TRUE(finishShown());
    EXPECT_EQ(texts(valuesResults()->producerCombo()), QStringList{"Chateau Lumiere"});
    EXPECT_EQ(valuesResults()->infoBox()->text(), QStringLiteral("Chateau Lumiere Pauillac Firm."));
    back();
    EXPECT_EQ(chosen(valuesForm()),
              (QStringList{"France", "Still", "Red", "Bordeaux", "Pauillac"}));
}

TEST_F(MenuOfSearchesTest, AStartThatCannotFollowShowsTheFormWithNext) {
    rememberWine(kColumbiaMerlot);
    EXPECT_FALSE(view()->startPrefilled(kBestValuesFlow, true));

    ASSERT_EQ(view()->current(), 0);
    EXPECT_TRUE(valuesForm()->isVisible());
    EXPECT_FALSE(valuesResults()->isVisible());
    EXPECT_TRUE(nextShown());
    EXPECT_EQ(chosen(valuesForm()),
              (QStringList{"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"}));
    EXPECT_TRUE(valuesForm()->takeMessage().isEmpty());
    EXPECT_TRUE(MessageBox::history().isEmpty());
    EXPECT_FALSE(guide().hasSelection());

    next();
    EXPECT_TRUE(valuesResults()->isVisible());
    EXPECT_EQ(texts(valuesResults()->wineList()), QStringList{"Easy drinking."});
}

}  // namespace
}  // namespace corkwise::test
