#include "ChartSources.h"

namespace corkwise::test {

namespace {

const QByteArray kChartHeader = "origin,category,type,region,appellation_variety,year,score,code\n";

}  // namespace

CatalogueSources chartSources() {
    CatalogueSources s;
    s.wines =
        "id,origin,category,type,region,producer,vintage,product,variety,appellation,score\n"
        "W1,U.S.,Still,Red,California,Zephyr Ridge,1997,Cabernet Sauvignon,Cabernet Sauvignon,"
        ",93\n"
        "W2,France,Still,Red,Bordeaux,Maison Ardelot,2000,Pauillac,,Pauillac,95\n";
    s.food = "food_type,food,wines\nMeat,Grilled Lamb,W1\n";
    s.charts = kChartHeader +
               "U.S.,Still,Red,California,Cabernet Sauvignon,2001,92,H\n"
               "U.S.,Still,Red,California,Cabernet Sauvignon,1997,96,D\n"
               "U.S.,Still,Red,California,Cabernet Sauvignon,1990,85,w\n"
               "U.S.,Still,Red,California,Merlot,1999,88,D\n"
               "U.S.,Still,Red,California,Merlot,1998,-Not Available-,A\n"
               "U.S.,Still,Red,Oregon,Pinot Noir,2002,91,H\n"
               "U.S.,Still,White,California,Chardonnay,2000,87,D\n"
               "U.S.,Sparkling,White,California,Brut,1998,90,NV\n"
               "France,Still,Red,Bordeaux,Pauillac,2000,100,H\n"
               "France,Still,Red,Burgundy,Volnay,1999,93,H\n"
               "Argentina,Still,Red,Mendoza,Malbec,2002,89,D\n";
    s.bestProducers =
        "origin,category,type,region,appellation_variety,text\n"
        "U.S.,Still,Red,California,Cabernet Sauvignon,Zephyr Ridge\n"
        "U.S.,Still,Red,California,Merlot,Bramble Hill\n"
        "U.S.,Still,White,California,Chardonnay,Bramble Hill\n"
        "U.S.,Sparkling,White,California,Brut,Bramble Hill\n"
        "France,Still,Red,Bordeaux,Pauillac,Maison Ardelot\n";
    s.bestValues =
        "origin,category,type,region,appellation_variety,producer,wine\n"
        "U.S.,Still,Red,California,Cabernet Sauvignon,,W1\n"
        "France,Still,Red,Bordeaux,Pauillac,,W2\n";
    return s;
}

}  // namespace corkwise::test
