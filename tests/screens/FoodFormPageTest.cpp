// The Food and Wine form: the first type of food and its first food on arrival, a type picked
// refilling the foods, every pick making the results rebuild on the next arrival, and an empty
// list of types.

#include "FoodAndWineFixture.h"

#include "catalog/NodeCursor.h"
#include "screens/NavigationStrip.h"

namespace corkwise::test {
namespace {

using FoodFormPageTest = FoodAndWineFixture;

TEST_F(FoodFormPageTest, OpensOnTheFirstTypeOfFoodAndItsFirstFood) {
    tapHome(kFoodAndWineFlow);
    FoodFormPage* page = form();
    ASSERT_TRUE(page->isVisible());
    EXPECT_EQ(texts(page->typeCombo()), (QStringList{"Fish", "Meat"}));
    EXPECT_EQ(page->typeCombo()->currentIndex(), 0);
    EXPECT_EQ(texts(page->foodCombo()), QStringList{"Oysters"});
    EXPECT_EQ(page->foodCombo()->currentIndex(), 0);
    EXPECT_EQ(page->helpBox()->text(),
              QStringLiteral("First select your preferred type of food, then select the food..."));
    EXPECT_EQ(page->typeCombo()->property("controlId").toInt(), 1046);
    EXPECT_EQ(page->foodCombo()->property("controlId").toInt(), 1048);
    QStringList labels;
    for (const char* name : {"title", "typeLabel", "foodLabel", "helpLabel"}) {
        labels.append(page->findChild<QLabel*>(QString::fromLatin1(name))->text());
    }
    EXPECT_EQ(labels, (QStringList{"Select Food", "Type Of Food :", "Food :", "Help"}));
    EXPECT_TRUE(view()->strip()->nextButton()->isVisible());
}

TEST_F(FoodFormPageTest, AnotherTypeSelectsItsFirstFoodAndNextListsThatFoodsWines) {
    tapHome(kFoodAndWineFlow);
    pick(form()->typeCombo(), QStringLiteral("Meat"));
    EXPECT_EQ(texts(form()->foodCombo()), (QStringList{"Grilled Lamb", "Roast Pork"}));
    EXPECT_EQ(form()->foodCombo()->currentText(), QStringLiteral("Grilled Lamb"));
    EXPECT_EQ(guide().currentPage(), kFoodTypePage);

    // Each pick of a type refills the foods, even a pick of the type already selected.
    pick(form()->foodCombo(), QStringLiteral("Roast Pork"));
    pick(form()->typeCombo(), QStringLiteral("Meat"));
    EXPECT_EQ(form()->foodCombo()->currentText(), QStringLiteral("Grilled Lamb"));

    next();
    EXPECT_TRUE(results()->isVisible());
    EXPECT_EQ(results()->wineList()->count(), 3);
    EXPECT_TRUE(view()->strip()->finishButton()->isVisible());
}

TEST_F(FoodFormPageTest, APickOnTheFormAfterTheResultsRebuildsThem) {
    const QStringList oregon{"U.S. Oregon Willamette Valley"};
    struct Case {
        const char* what;
        const char* type;  // null: the type is not picked
        const char* food;  // null: the food is not picked
        int rows;
        int selected;  // the wine selected after Next: 2 when the list was kept
    };
    const Case cases[] = {
        {"no pick", nullptr, nullptr, 3, 2},
        {"the same food again", nullptr, "Grilled Lamb", 3, 0},
        {"another food", nullptr, "Roast Pork", 1, 0},
        {"the same type again", "Meat", nullptr, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        listWinesFor(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"));
        tapRow(results()->wineList(), 2);
        back();
        EXPECT_EQ(form()->foodCombo()->currentText(), QStringLiteral("Grilled Lamb"));
        if (c.type != nullptr) {
            pick(form()->typeCombo(), QString::fromLatin1(c.type));
        }
        if (c.food != nullptr) {
            pick(form()->foodCombo(), QString::fromLatin1(c.food));
        }
        next();
        EXPECT_EQ(results()->wineList()->count(), c.rows);
        EXPECT_EQ(results()->wineList()->currentRow(), c.selected);
        if (c.rows == 1) {
            EXPECT_EQ(texts(results()->wineList()), oregon);
        }
        click("cancelButton");
    }
}

TEST_F(FoodFormPageTest, ClosingTheFlowEmptiesTheFormAndTheNextStartFillsItAgain) {
    tapHome(kFoodAndWineFlow);
    pick(form()->typeCombo(), QStringLiteral("Meat"));
    click("cancelButton");
    EXPECT_EQ(form()->typeCombo()->count(), 0);
    EXPECT_EQ(form()->foodCombo()->count(), 0);

    tapHome(kFoodAndWineFlow);
    EXPECT_EQ(form()->typeCombo()->currentText(), QStringLiteral("Fish"));
    EXPECT_EQ(form()->foodCombo()->currentText(), QStringLiteral("Oysters"));
}

TEST_F(FoodFormPageTest, NoTypesOfFoodLeaveNoFoodsAndNextHandsOnNothing) {
    tapHome(kFoodAndWineFlow);
    ASSERT_EQ(form()->foodCombo()->count(), 1);
    form()->setInput(nullptr);
    EXPECT_FALSE(form()->loadLists());
    EXPECT_EQ(form()->typeCombo()->count(), 0);
    EXPECT_EQ(form()->foodCombo()->count(), 0) << "no foods of a type no longer listed";
    EXPECT_EQ(form()->commitSelection(), nullptr);

    next();
    EXPECT_EQ(results()->wineList()->count(), 0);
    EXPECT_FALSE(results()->moreSearchButton()->isEnabled());
}

}  // namespace
}  // namespace corkwise::test
