#include "catalogtool/SourceDerivation.h"

#include "catalogtool/CompilerCommands.h"
#include "testsupport/CommandRun.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise::tool {
namespace {

// A small list whose derived files are worked out by hand below. The newest vintage is 2003, so
// 1997 is six years old.
const char* const kWines =
    "id,origin,category,type,region,producer,vintage,product,variety,appellation,score,price\n"
    "A1,U.S.,Still,Red,California,Alder,1997,Cab,Cabernet Sauvignon,Napa Valley,94,40\n"
    "A2,U.S.,Still,Red,California,Alder,1998,Cab,Cabernet Sauvignon,Napa Valley,90,30\n"
    "B1,U.S.,Still,Red,California,Birch,1997,Cab,Cabernet Sauvignon,Napa Valley,88,20\n"
    "B2,U.S.,Still,Red,California,Birch,1998,Cab,Cabernet Sauvignon,Napa Valley,84,\n"
    "C1,U.S.,Still,Red,California,Cedar,1997,Cab,Cabernet Sauvignon,Napa Valley,91,15\n"
    "D1,U.S.,Still,White,California,Dogwood,2003,Chard,Chardonnay,Carneros,86,$10\n"
    "E1,U.S.,Still,White,California,Elm,NV,Plain,,,,5\n";

const char* const kFoodRules =
    "type,category,variety,food_type,food\n"
    "Red,,cabernet,Meat,Steak\n"
    "White,Still,,Fish,Sole\n"
    "Rosé,,,Picnic,Ham\n";

struct Derived {
    const char* file;
    DerivationRules rules;
    const char* csv;  // the whole file derive writes
};

DerivationRules with(int DerivationRules::*field, int value) {
    DerivationRules rules;
    rules.*field = value;
    return rules;
}

TEST(SourceDerivationTest, EachFileFromASmallList) {
    const Derived cases[] = {
        // 1997: three wines, mean 91, six years old: hold. 1998 has two wines, too few.
        {"vintage_chart.csv",
         {},
         "origin,category,type,region,appellation_variety,year,score,code\n"
         "U.S.,Still,Red,California,Napa Valley,1997,91,H\n"},
        {"vintage_chart.csv", with(&DerivationRules::chartMinWines, 2),
         "origin,category,type,region,appellation_variety,year,score,code\n"
         "U.S.,Still,Red,California,Napa Valley,1997,91,H\n"
         "U.S.,Still,Red,California,Napa Valley,1998,87,D\n"},
        // Aged to 2015, 1997 is eighteen years old: drink.
        {"vintage_chart.csv", with(&DerivationRules::asOfYear, 2015),
         "origin,category,type,region,appellation_variety,year,score,code\n"
         "U.S.,Still,Red,California,Napa Valley,1997,91,D\n"},
        // Cedar has one wine; Dogwood's list has one producer with one wine.
        {"best_producers.csv",
         {},
         "origin,category,type,region,appellation_variety,text\n"
         "U.S.,Still,Red,California,Napa Valley,\"Alder (Excellent, 92)\"\n"
         "U.S.,Still,Red,California,Napa Valley,\"Birch (Very Good, 86)\"\n"},
        {"best_producers.csv", with(&DerivationRules::producersPerList, 1),
         "origin,category,type,region,appellation_variety,text\n"
         "U.S.,Still,Red,California,Napa Valley,\"Alder (Excellent, 92)\"\n"},
        {"best_producers.csv", with(&DerivationRules::producerMinWines, 1),
         "origin,category,type,region,appellation_variety,text\n"
         "U.S.,Still,Red,California,Napa Valley,\"Alder (Excellent, 92)\"\n"
         "U.S.,Still,Red,California,Napa Valley,\"Cedar (Excellent, 91)\"\n"
         "U.S.,Still,Red,California,Napa Valley,\"Birch (Very Good, 86)\"\n"
         "U.S.,Still,White,California,Carneros,\"Dogwood (Very Good, 86)\"\n"},
        // Points per price: C1 6.1, B1 4.4, A2 3.0, A1 2.35; B2 has no price, E1 no score.
        {"best_values.csv",
         {},
         "origin,category,type,region,appellation_variety,producer,wine\n"
         "U.S.,Still,Red,California,Napa Valley,,C1\n"
         "U.S.,Still,Red,California,Napa Valley,,B1\n"
         "U.S.,Still,Red,California,Napa Valley,,A2\n"
         "U.S.,Still,Red,California,Napa Valley,,A1\n"
         "U.S.,Still,White,California,Carneros,,D1\n"},
        {"best_values.csv", with(&DerivationRules::valueMinScore, 90),
         "origin,category,type,region,appellation_variety,producer,wine\n"
         "U.S.,Still,Red,California,Napa Valley,,C1\n"
         "U.S.,Still,Red,California,Napa Valley,,A2\n"
         "U.S.,Still,Red,California,Napa Valley,,A1\n"},
        {"best_values.csv", with(&DerivationRules::valuesPerList, 1),
         "origin,category,type,region,appellation_variety,producer,wine\n"
         "U.S.,Still,Red,California,Napa Valley,,C1\n"
         "U.S.,Still,White,California,Carneros,,D1\n"},
        // Best scores first; no wine is a rosé.
        {"food.csv", with(&DerivationRules::winesPerFood, 3),
         "food_type,food,wines\n"
         "Meat,Steak,A1;C1;A2\n"
         "Fish,Sole,D1;E1\n"},
    };
    test::TempDir dir;
    const QString wines = dir.write(QStringLiteral("list.csv"), kWines);
    const QString foodRules = dir.write(QStringLiteral("rules.csv"), kFoodRules);
    for (const Derived& c : cases) {
        LoadOptions options;
        options.rules = c.rules;
        options.rules.foodRulesFile = foodRules;
        Sources sources;
        QString error;
        LoadReport report;
        ASSERT_TRUE(loadAndDerive(wines, &sources, &error, options, &report))
            << error.toStdString();
        EXPECT_EQ(derivedCsv(sources, QLatin1String(c.file)).toStdString(), c.csv) << c.file;
    }
}

TEST(SourceDerivationTest, VintageCodeByAgeAndScore) {
    const struct {
        int age;
        int score;
        const char* code;
    } cases[] = {{0, 95, "H"},  {8, 90, "H"}, {9, 90, "D"}, {20, 92, "D"},
                 {21, 99, "W"}, {4, 85, "H"}, {5, 89, "D"}, {12, 86, "D"},
                 {13, 88, "W"}, {0, 84, "D"}, {6, 70, "D"}, {7, 80, "W"}};
    for (const auto& c : cases) {
        EXPECT_STREQ(vintageCode(c.age, c.score), c.code) << c.age << " " << c.score;
    }
}

TEST(SourceDerivationTest, ShippedFoodTableMatchesTheWinesOfItsTypes) {
    test::TempDir dir;
    const QString wines = dir.write(QStringLiteral("wines.csv"), kWines);
    Sources sources;
    QString error;
    LoadReport report;
    ASSERT_TRUE(loadAndDerive(wines, &sources, &error, {}, &report)) << error.toStdString();
    const QByteArray food = derivedCsv(sources, QStringLiteral("food.csv"));
    EXPECT_TRUE(food.contains("Beef,Grilled Steak,A1;C1;A2;B1;B2\n")) << food.toStdString();
    EXPECT_TRUE(food.contains(",Sole in Butter Sauce,D1\n")) << food.toStdString();
    EXPECT_TRUE(defaultFoodRules().startsWith("type,category,variety,food_type,food\n"));
}

TEST(SourceDerivationTest, BuildFromWinesAloneSaysWhatItDerivedAndThenChecksClean) {
    test::TempDir dir;
    dir.write(QStringLiteral("sources/wines.csv"), kWines);
    const QString output = dir.path(QStringLiteral("wcat.res"));
    const test::CommandRun build = test::runCommand(
        &runBuild, {dir.path(QStringLiteral("sources")), QStringLiteral("-o"), output,
                    QStringLiteral("--chart-min-wines"), QStringLiteral("1")});
    ASSERT_EQ(build.code, 0) << build.err.toStdString();
    EXPECT_EQ(build.err, QStringLiteral("build: derived from the wines: food.csv, "
                                        "vintage_chart.csv, best_producers.csv, "
                                        "best_values.csv\n"));
    const test::CommandRun check = test::runCommand(&runCheck, {output});
    EXPECT_EQ(check.code, 0) << check.out.toStdString();
}

TEST(SourceDerivationTest, WithoutPricesThereAreNoBestValuesAndBuildSaysSo) {
    test::TempDir dir;
    QByteArray unpriced;
    for (const QByteArray& line : QByteArray(kWines).split('\n')) {
        if (!line.isEmpty()) {
            unpriced += line.left(line.lastIndexOf(',')) + '\n';
        }
    }
    dir.write(QStringLiteral("sources/wines.csv"), unpriced);
    const test::CommandRun build =
        test::runCommand(&runBuild, {dir.path(QStringLiteral("sources")), QStringLiteral("-o"),
                                     dir.path(QStringLiteral("wcat.res"))});
    EXPECT_EQ(build.code, 0) << build.err.toStdString();
    EXPECT_TRUE(build.err.contains(
        QStringLiteral("build: the wines have no prices, so there are no best values\n")))
        << build.err.toStdString();
    // An empty search is no fault of the catalogue.
    const test::CommandRun check =
        test::runCommand(&runCheck, {dir.path(QStringLiteral("wcat.res"))});
    EXPECT_EQ(check.code, 0) << check.out.toStdString();
}

TEST(SourceDerivationTest, DeriveWritesFilesThatBuildUsesAsTheyAre) {
    test::TempDir dir;
    const QString wines = dir.write(QStringLiteral("sources/wines.csv"), kWines);
    const test::CommandRun derive = test::runCommand(
        &runDerive, {wines, QStringLiteral("-o"), dir.path(QStringLiteral("sources")),
                     QStringLiteral("--producers"), QStringLiteral("1")});
    ASSERT_EQ(derive.code, 0) << derive.err.toStdString();
    EXPECT_EQ(dir.read(QStringLiteral("sources/best_producers.csv")),
              QByteArray("origin,category,type,region,appellation_variety,text\n"
                         "U.S.,Still,Red,California,Napa Valley,\"Alder (Excellent, 92)\"\n"));
    const test::CommandRun build =
        test::runCommand(&runBuild, {dir.path(QStringLiteral("sources")), QStringLiteral("-o"),
                                     dir.path(QStringLiteral("wcat.res"))});
    EXPECT_EQ(build.code, 0) << build.err.toStdString();
    EXPECT_EQ(build.err, QString());  // nothing derived: all five files are there
    const test::CommandRun bad =
        test::runCommand(&runDerive, {wines, QStringLiteral("-o"), dir.path(QStringLiteral("x")),
                                      QStringLiteral("--values"), QStringLiteral("none")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_EQ(bad.err, QStringLiteral("derive: --values needs a whole number of at least 1\n"));
}

}  // namespace
}  // namespace corkwise::tool
