#include "catalogtool/CatalogSources.h"

#include "compiler/SourceFixture.h"

#include <gtest/gtest.h>
#include <QDir>

namespace corkwise::tool {
namespace {

using test::SourceFixture;

QString loadError(const SourceFixture& fixture) {
    Sources sources;
    QString error;
    if (loadSources(fixture.dir(), &sources, &error)) {
        return QString();
    }
    return error;
}

// A row for wines.csv whose one cell at COLUMN (of the header above) is replaced by CELL.
QByteArray wineRow(int column, const QByteArray& cell) {
    QList<QByteArray> cells = {"W8",    "U.S.", "Still",  "Red", "California", "Maker", "1999",
                               "Thing", "",     "Merlot", "",    "88",         "Fine."};
    cells[column] = cell;
    return cells.join(',');
}

struct BadInput {
    const char* file;
    QByteArray line;  // appended to the file
    const char* error;
};

TEST(CatalogSourcesTest, BadInputIsReportedWithFileLineAndColumn) {
    const BadInput cases[] = {
        {"wines.csv", wineRow(4, "\xD0\x9C\xD0\xBE\xD1\x81"),
         "wines.csv:9: column \"region\": the character \xD0\x9C (U+041C) cannot be written in "
         "Windows-1252"},
        {"wines.csv", wineRow(12, QByteArray(255, 'x')),
         "wines.csv:9: column \"description\": the text is 255 bytes long in Windows-1252; a "
         "catalogue text holds at most 254"},
        {"wines.csv", wineRow(12, "a\tb"),
         "wines.csv:9: column \"description\": the text holds a control character"},
        {"wines.csv", wineRow(7, "bad\xFF"),
         "wines.csv:9: column \"product\": the text is not valid UTF-8"},
        {"wines.csv", wineRow(5, "  "),
         "wines.csv:9: column \"producer\": the cell is empty but the column is required"},
        {"wines.csv", wineRow(6, "19x7"),
         "wines.csv:9: column \"vintage\": \"19x7\" is not a year or \"NV\""},
        {"wines.csv", wineRow(0, "W3"),
         "wines.csv:9: column \"id\": the id \"W3\" is already used on line 4"},
        {"wines.csv", wineRow(0, "W8") + ",extra",
         "wines.csv:9: the row has 14 cells but the header only 13"},
        {"wines.csv", "W8,\"unclosed", "wines.csv:9: a quoted cell is never closed"},
        {"food.csv", "Fish,Trout,W5;W99",
         "food.csv:5: column \"wines\": no wine in wines.csv has the id \"W99\""},
        {"food.csv", "Fish,Tr\"out,W5", "food.csv:5: a quote inside an unquoted cell in column 2"},
        {"vintage_chart.csv", "U.S.,Still,Red,California,Merlot,1984,80,H",
         "vintage_chart.csv:5: column \"year\": \"1984\" is not a year from 1985 to 2003"},
        {"vintage_chart.csv", "U.S.,Still,Red,California,Merlot,2004,80,H",
         "vintage_chart.csv:5: column \"year\": \"2004\" is not a year from 1985 to 2003"},
        {"vintage_chart.csv", "U.S.,Still,Red,California,Cabernet Sauvignon,1995,80,H",
         "vintage_chart.csv:5: column \"year\": this chart already rates 1995 on line 3"},
        {"vintage_chart.csv", "U.S.,Still,Red,California,Merlot,1999,80,X",
         "vintage_chart.csv:5: column \"code\": \"X\" is not one of the codes H, D, W, A and NV"},
        {"best_producers.csv", "U.S.,Still,Red,California,Cabernet Sauvignon,Zephyr Ridge",
         "best_producers.csv:4: column \"text\": the same list already has this text on line 2"},
        {"best_values.csv", "U.S.,Still,Red,California,Napa Valley,,W2",
         "best_values.csv:4: column \"wine\": the same list already has this wine on line 2"},
    };
    for (const BadInput& c : cases) {
        SourceFixture fixture;
        fixture.appendLine(QString::fromLatin1(c.file), c.line);
        const QString error = loadError(fixture);
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.error)))
            << "line " << c.line.toStdString() << "\n gave: " << error.toStdString();
    }
}

TEST(CatalogSourcesTest, MissingColumnsFilesAndRowsAreErrors) {
    {
        SourceFixture fixture;
        fixture.write(QStringLiteral("wines.csv"), "id,origin,category,type,vintage,product\n");
        EXPECT_EQ(loadError(fixture),
                  QStringLiteral("wines.csv:1: the header lacks the required column \"producer\""));
    }
    {
        SourceFixture fixture;
        fixture.write(QStringLiteral("best_values.csv"),
                      "origin,category,type,region,appellation_variety,producer,wine\n");
        EXPECT_EQ(loadError(fixture), QStringLiteral("best_values.csv: the file has no data rows"));
    }
    {
        SourceFixture fixture;
        // A missing food.csv is derived; one that is there must be readable.
        QFile::remove(fixture.dir() + QStringLiteral("/food.csv"));
        QDir(fixture.dir()).mkdir(QStringLiteral("food.csv"));
        EXPECT_TRUE(
            loadError(fixture).startsWith(QStringLiteral("food.csv: cannot read the file")));
    }
}

TEST(CatalogSourcesTest, TextLengthIsCountedInWindows1252) {
    // 254 accented letters are 508 bytes of UTF-8 but 254 of catalogue text.
    QByteArray accented;
    for (int i = 0; i < 254; ++i) {
        accented += "\xC3\xA9";
    }
    SourceFixture fixture;
    fixture.appendLine(QStringLiteral("wines.csv"), wineRow(12, accented));
    fixture.appendLine(QStringLiteral("wines.csv"),
                       wineRow(0, "W9").replace("Fine.", QByteArray(254, 'y')));
    Sources sources;
    QString error;
    ASSERT_TRUE(loadSources(fixture.dir(), &sources, &error)) << error.toStdString();
    EXPECT_EQ(
        sources.dicts[kDictDescription].texts().at(sources.wines.at(7).values[kWineDescription]),
        std::string(254, '\xE9'));
}

TEST(CatalogSourcesTest, EmptyCellsBecomePlaceholdersAndDerivedColumnsAreFilled) {
    SourceFixture fixture;
    Sources sources;
    QString error;
    ASSERT_TRUE(loadSources(fixture.dir(), &sources, &error)) << error.toStdString();
    ASSERT_EQ(sources.wines.size(), 7u);
    const auto text = [&](int wine, int column) {
        const int dict = kWineColumnDicts[static_cast<size_t>(column)];
        return sources.dicts[static_cast<size_t>(dict)].texts().at(
            sources.wines[static_cast<size_t>(wine)].values[static_cast<size_t>(column)]);
    };
    // W4: no region, no appellation: placeholders; appellation_variety falls back to the variety.
    EXPECT_EQ(text(3, kWineRegion), "No Region Assigned");
    EXPECT_EQ(text(3, kWineAppellation), "No Appellation Assigned");
    EXPECT_EQ(text(3, kWineDesignation), "No Designation Assigned");
    EXPECT_EQ(text(3, kWineAppellationVariety), "Chardonnay");
    // W3: neither appellation nor variety.
    EXPECT_EQ(text(2, kWineVariety), "No Variety Assigned");
    EXPECT_EQ(text(2, kWineAppellationVariety), "-Not Available-");
    EXPECT_EQ(text(1, kWineDescription), "-Not Available-");
    EXPECT_EQ(text(0, kWineAppellationVariety), "Napa Valley");
    // Segments by the first letter, accents and case ignored.
    EXPECT_EQ(text(0, kWineSegment), "V - Z");
    EXPECT_EQ(text(2, kWineSegment), "A - C");  // Álvarez
    EXPECT_EQ(text(6, kWineSegment), "A - C");  // apex
    EXPECT_EQ(text(4, kWineProduct), "Brut R\xE9serve");
    // Each text is stored once.
    EXPECT_EQ(sources.dicts[kDictOrigin].size(), 2);
    // The food rows for Grilled Lamb name W1 twice; the duplicate is merged by the compiler.
    EXPECT_EQ(sources.pairings.size(), 4u);
    // Chart codes are upper-cased; years without a row read "-Not Available-".
    ASSERT_EQ(sources.charts.size(), 2u);
    const VintageChart& chart = sources.charts[0];
    EXPECT_EQ(sources.dicts[kDictFirstYearCode + 12].texts().at(chart.codes[12]), "H");
    EXPECT_EQ(sources.dicts[kDictFirstYearScore + 12].texts().at(chart.scores[12]), "96");
    EXPECT_EQ(sources.dicts[kDictFirstYearScore].texts().at(chart.scores[0]), "-Not Available-");
    // An empty producer heading in best_values.csv takes the wine's own producer.
    EXPECT_EQ(sources.dicts[kDictProducer].texts().at(sources.bestValues[0].producer),
              "Zephyr Ridge");
}

TEST(CatalogSourcesTest, DictionaryHoldsAtMost65536Texts) {
    // The fixture's descriptions are 6 texts plus the placeholder; 65,529 more fill the
    // dictionary exactly, one more overflows it.
    SourceFixture fixture;
    QByteArray wines = SourceFixture::kWines;
    for (int i = 0; i < 65529; ++i) {
        const QByteArray id = "X" + QByteArray::number(i);
        const QByteArray description = "d" + QByteArray::number(i);
        wines += wineRow(0, id).replace("Fine.", description) + '\n';
    }
    fixture.write(QStringLiteral("wines.csv"), wines);
    Sources full;
    QString error;
    ASSERT_TRUE(loadSources(fixture.dir(), &full, &error)) << error.toStdString();
    EXPECT_EQ(full.dicts[kDictDescription].size(), 65536);

    fixture.appendLine(QStringLiteral("wines.csv"), wineRow(0, "Y").replace("Fine.", "one more"));
    EXPECT_EQ(loadError(fixture),
              QStringLiteral("wines.csv:65538: column \"description\": the dictionary DESCRIPTION "
                             "would hold more than 65,536 texts, the most its 16-bit value ids "
                             "can address"));
}

}  // namespace
}  // namespace corkwise::tool
