// Best Producers, Best Values and the menu of searches that leads to them, through the whole
// program on a catalogue compiled from CSV sources. Both trees list U.S. after another origin;
// the Best Values list of U.S. / Still / Red / California / Cabernet Sauvignon has the producers
// "-Not Available-" (W3), Bramble Hill (W4, W5) and Zephyr Ridge (W1, W2). Best Producers lacks
// France, Best Values lacks Washington.

#include "CompiledProgramFixture.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/BestProducersFormPage.h"
#include "screens/BestProducersResultsPage.h"
#include "screens/BestValuesFormPage.h"
#include "screens/BestValuesResultsPage.h"
#include "testsupport/LogCapture.h"
#include "testsupport/SourceCatalogue.h"

#include <QLabel>

namespace corkwise::test {
namespace {

const QStringList kDefaults{"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"};
// Find Wine paths (origin ... product) of three wines.
const QStringList kZephyr{"U.S.",  "Still",        "Red",  "California",
                          "V - Z", "Zephyr Ridge", "1997", "Estate Cab"};
const QStringList kColumbia{"U.S.",  "Still",    "Red",  "Washington",
                            "A - C", "Columbia", "2002", "Merlot"};
const QStringList kLumiere{"France", "Still",           "Red",  "Bordeaux",
                           "A - C",  "Chateau Lumiere", "2000", "Pauillac"};

class BestSearchesTest : public CompiledProgramFixture {
protected:
    CatalogueSources sources() const override {
        CatalogueSources s;
        s.wines =
            R"(id,origin,category,type,region,producer,vintage,product,variety,appellation,appellation_variety,description
W1,U.S.,Still,Red,California,Zephyr Ridge,1997,Estate Cab,,,Cabernet Sauvignon,Dense.
W2,U.S.,Still,Red,California,Zephyr Ridge,1999,Cab,,,Cabernet Sauvignon,Cabernet Sauvignon
W3,U.S.,Still,Red,California,-Not Available-,2001,Red,,,No Appellation Assigned,Easy.
W4,U.S.,Still,Red,California,Bramble Hill,2000,Zin,Zinfandel,,No Variety Assigned,
W5,U.S.,Still,Red,California,Bramble Hill,1998,Table,,,,Simple.
W6,France,Still,Red,Bordeaux,Chateau Lumiere,2000,Pauillac,,Pauillac,,Firm.
W9,U.S.,Still,Red,Washington,Columbia,2002,Merlot,Merlot,,,Plush.
)";
        s.food = "food_type,food,wines\nMeat,Lamb,W1\n";
        s.charts =
            "origin,category,type,region,appellation_variety,year,score,code\n"
            "U.S.,Still,Red,California,Merlot,1997,96,H\n";
        s.bestProducers = R"(origin,category,type,region,appellation_variety,text
U.S.,Still,Red,California,Cabernet Sauvignon,Zephyr Ridge
U.S.,Still,Red,California,Cabernet Sauvignon,-Not Available-
U.S.,Still,Red,California,Merlot,Apex
U.S.,Still,Red,Washington,Merlot,Columbia
U.S.,Sparkling,White,California,Chardonnay,Bubbles
Australia,Fortified,Dessert,Barossa,Tawny,Old Cellar
)";
        s.bestValues = R"(origin,category,type,region,appellation_variety,producer,wine
U.S.,Still,Red,California,Cabernet Sauvignon,,W1
U.S.,Still,Red,California,Cabernet Sauvignon,,W2
U.S.,Still,Red,California,Cabernet Sauvignon,,W3
U.S.,Still,Red,California,Cabernet Sauvignon,,W4
U.S.,Still,Red,California,Cabernet Sauvignon,,W5
France,Still,Red,Bordeaux,Pauillac,,W6
)";
        return s;
    }

    CascadeFormPage* form(int flowId) const { return page<CascadeFormPage>(flowId, 0); }
    BestProducersResultsPage* producers() const {
        return page<BestProducersResultsPage>(kBestProducersFlow, 1);
    }
    BestValuesResultsPage* values() const {
        return page<BestValuesResultsPage>(kBestValuesFlow, 1);
    }
    QStringList chosen(int flowId) const {
        QStringList all;
        for (int level = 0; level < CascadeFormPage::kLevels; ++level) {
            all.append(form(flowId)->combo(CascadeFormPage::Level(level))->currentText());
        }
        return all;
    }
    bool shown(const char* button) const {
        return view()->findChild<QPushButton*>(QString::fromLatin1(button))->isVisible();
    }
    // Makes the first wine the Find Wine tree files under PATH the guide's current record.
    void rememberWine(const QStringList& path) {
        std::unique_ptr<NodeCursor> node = guide().openFlowRoot(kFindWineFlow);
        for (const QString& text : path) {
            int i = 0;
            while (i < node->childCount() && node->child(i)->nodeText() != text.toLatin1()) {
                ++i;
            }
            ASSERT_LT(i, node->childCount()) << text.toStdString();
            node = node->child(i);
        }
        guide().selectRecord(*node->child(0)->openRecord());
    }
};

TEST_F(BestSearchesTest, BestProducersListsEveryRecordAndRefillsOnlyAfterAChange) {
    LogCapture log;
    tapHome(kBestProducersFlow);
    EXPECT_EQ(chosen(kBestProducersFlow), kDefaults);
    next();
    QListWidget* list = producers()->producerList();
    EXPECT_EQ(producers()->titleLabel()->text(), "Best Producers for Cabernet Sauvignon:");
    EXPECT_EQ(texts(list), (QStringList{"-Not Available-", "Zephyr Ridge"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_TRUE(log.lines().contains("==============> ADD ITEM IN LIST : Zephyr Ridge"));
    EXPECT_TRUE(shown("finishButton"));

    // Back and Next without a change keep the list as the user left it; any change rebuilds it.
    const std::pair<CascadeFormPage::Level, QStringList> changes[] = {
        {CascadeFormPage::Origin, {}},
        {CascadeFormPage::Origin, {"Australia", "U.S."}},
        {CascadeFormPage::Region, {"Washington", "California"}},
        {CascadeFormPage::VarietyAppellation, {"Cabernet Sauvignon"}},
    };
    for (const auto& [level, picks] : changes) {
        tapRow(list, 1);
        back();
        for (const QString& text : picks) {
            pick(form(kBestProducersFlow)->combo(level), text);
        }
        next();
        EXPECT_EQ(list->currentRow(), picks.isEmpty() ? 1 : 0) << picks.join('/').toStdString();
    }
    back();
    pick(form(kBestProducersFlow)->combo(CascadeFormPage::VarietyAppellation), "Merlot");
    next();
    EXPECT_EQ(producers()->titleLabel()->text(), "Best Producers for Merlot:");
    EXPECT_EQ(texts(list), QStringList{"Apex"});
}

TEST_F(BestSearchesTest, BestValuesDescribesTheSelectedWine) {
    tapHome(kBestValuesFlow);
    EXPECT_EQ(chosen(kBestValuesFlow), kDefaults);
    next();
    QComboBox* producer = values()->producerCombo();
    EXPECT_EQ(texts(producer), (QStringList{"-Not Available-", "Bramble Hill", "Zephyr Ridge"}));
    // No producer and no appellation: the description after the space that would follow them.
    EXPECT_EQ(values()->infoBox()->text(), " Easy.");
    const struct {
        const char* producer;
        int row;
        QStringList wines;
        const char* info;
    } cases[] = {
        {"Zephyr Ridge", 0, {"Cabernet Sauvignon", "Dense."}, "Zephyr Ridge Cabernet Sauvignon"},
        {"Zephyr Ridge",
         1,
         {"Cabernet Sauvignon", "Dense."},
         "Zephyr Ridge Cabernet Sauvignon Dense."},
        {"Bramble Hill", 0, {"-Not Available-", "Simple."}, "Bramble Hill"},
        {"Bramble Hill", 1, {"-Not Available-", "Simple."}, "Bramble Hill Simple."},
    };
    for (const auto& c : cases) {
        pick(producer, c.producer);
        EXPECT_EQ(values()->wineList()->currentRow(), 0);
        tapRow(values()->wineList(), c.row);
        EXPECT_EQ(texts(values()->wineList()), c.wines);
        EXPECT_EQ(values()->infoBox()->text(), c.info);
    }
    back();
    next();
    EXPECT_EQ(values()->infoBox()->text(), "Bramble Hill Simple.");
    click("finishButton");
    EXPECT_EQ(values()->wineList()->count(), 0);
}

TEST_F(BestSearchesTest, MenuOfSearchesOffersWhatCanFollowTheWineAndLandsOnTheResults) {
    const std::tuple<QStringList, bool, bool> cases[] = {
        {kZephyr, true, true}, {kColumbia, true, false}, {kLumiere, false, true}};
    AdvancedSearchPanel* panel = view()->advancedPanel();
    for (const auto& [wine, bestProducers, bestValues] : cases) {
        rememberWine(wine);
        view()->moreSearch();
        EXPECT_EQ(panel->bestProducersButton()->isEnabled(), bestProducers);
        EXPECT_EQ(panel->bestValuesButton()->isEnabled(), bestValues);
        // Nothing of the test runs shows, and the wine is kept for the real start.
        EXPECT_FALSE(form(kBestValuesFlow)->isVisible() || shown("backButton"));
        EXPECT_TRUE(guide().hasSelection());
    }
    // A remembered wine fills the form, and the search lands on its results.
    rememberWine(kColumbia);
    view()->moreSearch();
    click("bestProducersButton");
    EXPECT_TRUE(producers()->isVisible() && shown("finishButton"));
    EXPECT_EQ(texts(producers()->producerList()), QStringList{"Columbia"});
    back();
    EXPECT_EQ(chosen(kBestProducersFlow),
              (QStringList{"U.S.", "Still", "Red", "Washington", "Merlot"}));

    // A start that cannot follow shows the form, filled as far as it could, with Next.
    click("cancelButton");
    rememberWine(kColumbia);
    EXPECT_FALSE(view()->startPrefilled(kBestValuesFlow, true));
    EXPECT_TRUE(form(kBestValuesFlow)->isVisible() && shown("nextButton"));
    EXPECT_EQ(chosen(kBestValuesFlow), kDefaults);
    EXPECT_FALSE(guide().hasSelection());
}

TEST_F(BestSearchesTest, SearchMenuOrBannerAfterMoreSearchStartsWithNothingRemembered) {
    const struct {
        int flowId;
        int command;
    } cases[] = {
        {kBestProducersFlow, command::kSearchBestProducers},
        {kBestValuesFlow, command::kSearchBestValues},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flowId);
        // From the menu of searches the Search menu leaves for a search of its own.
        rememberWine(kColumbia);
        view()->moreSearch();
        ASSERT_TRUE(view()->advancedPanel()->isVisible());
        EXPECT_TRUE(view()->handleCommand(c.command));
        EXPECT_FALSE(view()->advancedPanel()->isVisible());
        EXPECT_FALSE(guide().hasSelection());
        EXPECT_TRUE(form(c.flowId)->isVisible() && shown("nextButton"));
        EXPECT_EQ(chosen(c.flowId), kDefaults);
        // Cancelled, the home picture's banner starts with the same defaults.
        click("cancelButton");
        tapHome(c.flowId);
        EXPECT_EQ(chosen(c.flowId), kDefaults);
        click("cancelButton");
    }
    // The menu of searches itself still starts from the wine.
    rememberWine(kColumbia);
    view()->moreSearch();
    click("bestProducersButton");
    EXPECT_EQ(texts(producers()->producerList()), QStringList{"Columbia"});
}

}  // namespace
}  // namespace corkwise::test
