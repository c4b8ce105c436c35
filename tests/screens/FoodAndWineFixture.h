#pragma once
// A whole program on a small catalogue compiled from CSV sources, for Food and Wine and the
// searches its More Search leads to. The foods:
//   Fish: Oysters (Casa Nova's Prosecco)
//   Meat: Grilled Lamb (three wines: every column present, no region, no appellation),
//         Roast Pork (Cask Ridge's Pinot Noir from Oregon, which has no best producers or values)
// Best producers and best values are listed only for U.S. / Still / Red / California /
// Napa Valley.

#include "CompiledProgramFixture.h"
#include "screens/FoodFormPage.h"
#include "screens/FoodResultsPage.h"

#include <QLabel>

namespace corkwise::test {

class FoodAndWineFixture : public CompiledProgramFixture {
protected:
    CatalogueSources sources() const override {
        CatalogueSources s;
        s.wines =
            "id,origin,category,type,region,producer,vintage,product,designation,variety,"
            "appellation,score,description\n"
            "W1,U.S.,Still,Red,California,Zephyr Ridge,1997,Cabernet Sauvignon Napa Valley,"
            "Reserve,Cabernet Sauvignon,Napa Valley,93,Dense cassis.\n"
            "W2,U.S.,Still,White,,Bramble Hill,1999,Chardonnay Carneros,,Chardonnay,Carneros,88,"
            "Ripe pear.\n"
            "W3,France,Still,Red,Rh\xC3\xB4ne,Maison Ardelot,2000,C\xC3\xB4tes du Rh\xC3\xB4ne,,"
            "Grenache,,87,Spicy.\n"
            "W4,U.S.,Still,Red,Oregon,Cask Ridge,2001,Pinot Noir Willamette,,Pinot Noir,"
            "Willamette Valley,90,Silky.\n"
            "W5,Italy,Sparkling,White,Veneto,Casa Nova,NV,Prosecco,,Glera,Prosecco,86,Fresh.\n"
            // Unpaired: the first producer of Zephyr Ridge's region.
            "W6,U.S.,Still,Red,California,Alder Creek,1998,Merlot Sonoma,,Merlot,"
            "Sonoma County,89,Soft.\n";
        s.food =
            "food_type,food,wines\n"
            "Meat,Grilled Lamb,W1;W2;W3\n"
            "Meat,Roast Pork,W4\n"
            "Fish,Oysters,W5\n";
        s.charts =
            "origin,category,type,region,appellation_variety,year,score,code\n"
            "U.S.,Still,Red,California,Napa Valley,1997,95,H\n";
        s.bestProducers =
            "origin,category,type,region,appellation_variety,text\n"
            "U.S.,Still,Red,California,Napa Valley,Zephyr Ridge\n"
            "U.S.,Still,Red,California,Napa Valley,Hollow Creek\n";
        s.bestValues =
            "origin,category,type,region,appellation_variety,producer,wine\n"
            "U.S.,Still,Red,California,Napa Valley,,W1\n";
        return s;
    }

    FoodFormPage* form() const { return page<FoodFormPage>(kFoodAndWineFlow, 0); }
    FoodResultsPage* results() const { return page<FoodResultsPage>(kFoodAndWineFlow, 1); }

    // From the home picture to the results of FOOD of TYPE.
    void listWinesFor(const QString& type, const QString& food) {
        tapHome(kFoodAndWineFlow);
        pick(form()->typeCombo(), type);
        pick(form()->foodCombo(), food);
        next();
    }
};

}  // namespace corkwise::test
