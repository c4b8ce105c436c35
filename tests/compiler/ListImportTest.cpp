#include "catalogtool/ListImport.h"

#include "catalogtool/CatalogSources.h"
#include "catalogtool/CompilerCommands.h"
#include "testsupport/CommandRun.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise::tool {
namespace {

const std::string& textOf(const Sources& s, int dict, std::uint16_t id) {
    return s.dicts[static_cast<size_t>(dict)].texts()[id];
}

TEST(ListImportTest, VintageInsideTheName) {
    const struct {
        const char* name;
        int year;  // 0: none
        const char* left;
    } cases[] = {
        {"Ironbark Shiraz 1998", 1998, "Ironbark Shiraz"},
        {"Casa Nova 2001 Rosso (Toscana)", 2001, "Casa Nova Rosso (Toscana)"},
        {"1995 Vintage Port", 1995, "Vintage Port"},
        {"Cuvée 1888", 0, "Cuvée 1888"},
        {"Block 19985 Red", 0, "Block 19985 Red"},
        {"Route66 1999b", 0, "Route66 1999b"},
        {"Plain Red", 0, "Plain Red"},
    };
    for (const auto& c : cases) {
        std::string name = c.name;
        const std::optional<int> year = takeVintageFromName(&name);
        EXPECT_EQ(year.value_or(0), c.year) << c.name;
        EXPECT_EQ(name, c.left) << c.name;
    }
}

// A list as a review site might give it: other header names, no id, no vintage, no category.
const char* const kReviews =
    "country,province,winery,title,points,price,variety,region_1,description\n"
    "U.S.,California,Alder,Alder 1997 Cabernet,94,40,Cabernet Sauvignon,Napa Valley,Dense.\n"
    "France,Bordeaux,Château Birch,Château Birch Pauillac,90,$55,Cabernet Blend,Pauillac,\n";

const char* const kColumns =
    "# wines.csv column = header of the list\n"
    "origin = country\n"
    "region = province\n"
    "producer = winery\n"
    "product = title\n"
    "score = points\n"
    "appellation = region_1\n"
    "category = \"Still\"\n"
    "type = \"Red\"\n";

TEST(ListImportTest, ColumnMapReadsAnotherListsHeaders) {
    test::TempDir dir;
    const QString wines = dir.write(QStringLiteral("reviews.csv"), kReviews);
    LoadOptions options;
    options.columnsFile = dir.write(QStringLiteral("columns.txt"), kColumns);
    Sources s;
    QString error;
    LoadReport report;
    ASSERT_TRUE(loadAndDerive(wines, &s, &error, options, &report)) << error.toStdString();
    ASSERT_EQ(s.wines.size(), 2u);
    const struct {
        size_t wine;
        int dict;
        int column;
        const char* text;
    } cells[] = {
        {0, kDictOrigin, kWineOrigin, "U.S."},
        {0, kDictSsf, kWineSsf, "Still"},
        {0, kDictType, kWineType, "Red"},
        {0, kDictRegion, kWineRegion, "California"},
        {0, kDictProducer, kWineProducer, "Alder"},
        {0, kDictProduct, kWineProduct, "Alder Cabernet"},
        {0, kDictVintage, kWineVintage, "1997"},
        {0, kDictScore, kWineScore, "94"},
        {0, kDictAppellationVariety, kWineAppellationVariety, "Napa Valley"},
        {1, kDictProducer, kWineProducer, "Ch\xE2teau Birch"},
        {1, kDictVintage, kWineVintage, "NV"},
        {1, kDictDescription, kWineDescription, "-Not Available-"},
    };
    for (const auto& c : cells) {
        EXPECT_EQ(textOf(s, c.dict, s.wines[c.wine].values[static_cast<size_t>(c.column)]), c.text)
            << c.text;
    }
    // Without an id column a wine's id is its line.
    EXPECT_EQ(s.wineIds, (std::vector<std::string>{"2", "3"}));
    EXPECT_EQ(s.prices, (std::vector<double>{40, 55}));
}

TEST(ListImportTest, BadColumnMapsAreReportedByLine) {
    const struct {
        const char* map;
        const char* error;
    } cases[] = {
        {"origin = country\nflavour = taste\n",
         "columns.txt:2: \"flavour\" is not a column of wines.csv"},
        {"origin country\n", "columns.txt:1: expected \"column = header\""},
        {"origin = country\norigin = nation\n", "columns.txt:2: \"origin\" is mapped twice"},
        {"origin = country\ncategory = \"Still\"\ntype = \"Red\"\nproducer = maker\n",
         "reviews.csv:1: the header lacks the required column \"maker\""},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        LoadOptions options;
        options.columnsFile = dir.write(QStringLiteral("columns.txt"), c.map);
        Sources s;
        QString error;
        LoadReport report;
        EXPECT_FALSE(loadAndDerive(dir.write(QStringLiteral("reviews.csv"), kReviews), &s, &error,
                                   options, &report));
        EXPECT_EQ(error.toStdString(), c.error);
    }
}

const char* const kWinesWithBadRows =
    "id,origin,category,type,producer,vintage,product,score,price\n"
    "W1,U.S.,Still,Red,Alder,1997,Cab,90,20\n"
    "W2,U.S.,Still,Red,Alder,19x8,Cab,90,20\n"
    "W3,U.S.,Still,Red,Alder,1999,Cab,90,cheap\n"
    "W4,U.S.,Still,Red,,1999,Cab,90,20\n"
    "W5,U.S.,Still,Red,Birch,1999,Cab,88,12\n";

TEST(ListImportTest, BadRowsStopTheBuildOrAreSkippedWithTheirCount) {
    test::TempDir dir;
    dir.write(QStringLiteral("sources/wines.csv"), kWinesWithBadRows);
    const QStringList args = {dir.path(QStringLiteral("sources")), QStringLiteral("-o"),
                              dir.path(QStringLiteral("wcat.res"))};
    const test::CommandRun stop = test::runCommand(&runBuild, args);
    EXPECT_EQ(stop.code, 1);
    EXPECT_TRUE(stop.err.endsWith(QStringLiteral(
        "build: wines.csv:3: column \"vintage\": \"19x8\" is not a year or \"NV\"\n")))
        << stop.err.toStdString();

    const test::CommandRun skip =
        test::runCommand(&runBuild, args + QStringList{QStringLiteral("--skip-bad-rows")});
    EXPECT_EQ(skip.code, 0) << skip.err.toStdString();
    EXPECT_TRUE(skip.err.startsWith(QStringLiteral(
        "build: skipped wines.csv:3: column \"vintage\": \"19x8\" is not a year or \"NV\"\n"
        "build: skipped wines.csv:4: column \"price\": \"cheap\" is not a price\n"
        "build: skipped wines.csv:5: column \"producer\": the cell is empty but the column is "
        "required\n"
        "build: 3 rows of the wines could not be used and were left out\n")))
        << skip.err.toStdString();
    EXPECT_TRUE(skip.out.contains(QStringLiteral(": 2 wines,"))) << skip.out.toStdString();
}

}  // namespace
}  // namespace corkwise::tool
