// The Food and Wine form: the first type and food on arrival, a pick of a type refilling the
// foods, every pick making the results rebuild on the next arrival, and no types of food at all.

#include "FoodAndWineFixture.h"

#include "catalog/NodeCursor.h"

namespace corkwise::test {
namespace {

using FoodFormPageTest = FoodAndWineFixture;

TEST_F(FoodFormPageTest, OpensOnTheFirstTypeAndAnotherTypeSelectsItsFirstFood) {
    tapHome(kFoodAndWineFlow);
    EXPECT_EQ(texts(form()->typeCombo()), (QStringList{"Fish", "Meat"}));
    EXPECT_EQ(texts(form()->foodCombo()), QStringList{"Oysters"});
    EXPECT_EQ(form()->helpBox()->text(),
              QStringLiteral("First select your preferred type of food, then select the food..."));

    pick(form()->typeCombo(), QStringLiteral("Meat"));
    EXPECT_EQ(texts(form()->foodCombo()), (QStringList{"Grilled Lamb", "Roast Pork"}));
    EXPECT_EQ(form()->foodCombo()->currentIndex(), 0);
    next();
    EXPECT_EQ(results()->wineList()->count(), 3) << "the wines of Grilled Lamb";
}

TEST_F(FoodFormPageTest, APickOnTheFormAfterTheResultsRebuildsThem) {
    struct Case {
        const char* type;  // picked when not null, then the food
        const char* food;
        int rows;
        int selected;  // 2 when the list was kept as the user left it
    };
    const Case cases[] = {
        {nullptr, nullptr, 3, 2},
        {nullptr, "Grilled Lamb", 3, 0},
        {nullptr, "Roast Pork", 1, 0},
        {"Meat", nullptr, 3, 0},  // even the type already selected refills
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows * 10 + c.selected);
        listWinesFor(QStringLiteral("Meat"), QStringLiteral("Grilled Lamb"));
        tapRow(results()->wineList(), 2);
        back();
        if (c.type != nullptr) {
            pick(form()->typeCombo(), QString::fromLatin1(c.type));
        }
        if (c.food != nullptr) {
            pick(form()->foodCombo(), QString::fromLatin1(c.food));
        }
        next();
        EXPECT_EQ(results()->wineList()->count(), c.rows);
        EXPECT_EQ(results()->wineList()->currentRow(), c.selected);
        click("cancelButton");
    }
}

TEST_F(FoodFormPageTest, NoTypesOfFoodLeaveNoFoodsAndNoWines) {
    tapHome(kFoodAndWineFlow);
    form()->setInput(nullptr);
    EXPECT_FALSE(form()->loadLists());
    EXPECT_EQ(form()->foodCombo()->count(), 0) << "no foods of a type no longer listed";
    EXPECT_EQ(form()->commitSelection(), nullptr);
    next();
    EXPECT_EQ(results()->wineList()->count(), 0);
}

}  // namespace
}  // namespace corkwise::test
