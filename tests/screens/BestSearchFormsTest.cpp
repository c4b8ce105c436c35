// The Best Producers and Best Values forms: their lists' defaults, and the values of a remembered
// wine, preselected or reported missing.

#include "BestSearchesFixture.h"

namespace corkwise::test {
namespace {

class BestSearchFormsTest : public BestSearchesFixture {
protected:
    CascadeFormPage* form(int flowId) const {
        return flowId == kBestProducersFlow ? static_cast<CascadeFormPage*>(producersForm())
                                            : valuesForm();
    }
};

TEST_F(BestSearchFormsTest, ShowUsAndStillUnlessAWineIsRemembered) {
    const QStringList defaults{"U.S.", "Still", "Red", "California", "Cabernet Sauvignon"};
    struct Case {
        int flowId;
        QStringList wine;  // empty: nothing remembered
        QStringList shown;
        const char* message;
    };
    const Case cases[] = {
        {kBestProducersFlow, {}, defaults, ""},
        {kBestValuesFlow, {}, defaults, ""},
        {kBestProducersFlow, kColumbiaMerlot, {"U.S.", "Still", "Red", "Washington", "Merlot"}, ""},
        {kBestValuesFlow, kLumierePauillac, {"France", "Still", "Red", "Bordeaux", "Pauillac"}, ""},
        // A value the tree lacks: its list shows its first entry and the lists below follow it.
        {kBestValuesFlow, kColumbiaMerlot, defaults,
         "No data available for Region : \"Washington\" Please choose another Region."},
        {kBestProducersFlow,
         kLumierePauillac,
         {"Australia", "Fortified", "Dessert", "Barossa", "Tawny"},
         "No data available for Origin : \"France\" Please choose another Origin."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flowId);
        SCOPED_TRACE(c.wine.join('/').toStdString());
        guide().clearRecord();
        if (!c.wine.isEmpty()) {
            rememberWine(c.wine);
        }
        tapHome(c.flowId);
        CascadeFormPage* page = form(c.flowId);
        ASSERT_TRUE(page->isVisible());
        EXPECT_EQ(chosen(page), c.shown);
        EXPECT_EQ(page->keyOf(CascadeFormPage::VarietyAppellation),
                  std::string("APPELLATION_VARIETY"));

        // The page's own fill answers the same way and names the first missing value only.
        page->takeMessage();
        EXPECT_EQ(page->loadLists(), QByteArray(c.message).isEmpty());
        EXPECT_EQ(page->takeMessage(), QString::fromLatin1(c.message));
        EXPECT_EQ(chosen(page), c.shown);
        click("cancelButton");
    }
}

}  // namespace
}  // namespace corkwise::test
