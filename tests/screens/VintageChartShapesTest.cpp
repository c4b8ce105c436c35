// The chart page on chart shapes the catalogue compiler never makes, built byte by byte: a year
// with a score but no code, a chart table lacking year columns, a value node in the chart
// record's place, a variety without a chart, a region without varieties and a chart that rates
// no year. Every empty chart selects nothing, shows "Info:" and offers no More Search.

#include "ProgramFixture.h"

#include "catalog/NodeCursor.h"
#include "controls/GridList.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/VintageChartFormPage.h"
#include "screens/VintageChartResultsPage.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"

#include <QFile>
#include <QLabel>

namespace corkwise::test {
namespace {

using Level = CascadeFormPage::Level;

// Every year dictionary holds the same four values: 0 not available, then 1 to 3.
const QStringList kScores{"-Not Available-", "90", "88", "77"};
const QStringList kCodes{"-Not Available-", "H", "D", "A"};

bool writeShapesCatalogue(const QString& path) {
    CatalogBuilder b;
    const int origin = b.addDictionary("ORIGIN", {"U.S."});
    const int ssf = b.addDictionary("SSF", {"Still"});
    const int type = b.addDictionary("TYPE", {"Red"});
    const int region = b.addDictionary("REGION", {"California", "Oregon"});
    const int variety =
        b.addDictionary("APPELLATION_VARIETY", {"Coded", "Short", "Valued", "Bare", "Unrated"});
    QMap<int, int> scoreTable;
    QMap<int, int> codeTable;
    for (int year = 1985; year <= 2003; ++year) {
        scoreTable[year] = b.addDictionary(QByteArray::number(year), kScores);
        codeTable[year] = b.addDictionary("COMMENT" + QByteArray::number(year), kCodes);
    }

    // The whole chart table: 2003 has a score without a code, 2002 and 2001 both; the second
    // record rates nothing.
    QList<int> columns{origin, ssf, type, region, variety};
    QList<int> coded{0, 0, 0, 0, 0};
    QList<int> unrated{0, 0, 0, 0, 4};
    for (int year = 1985; year <= 2003; ++year) {
        columns << scoreTable[year] << codeTable[year];
        const int score = year == 2003 ? 1 : year == 2002 ? 2 : year == 2001 ? 3 : 0;
        const int code = year == 2002 ? 2 : year == 2001 ? 3 : 0;
        coded << score << code;
        unrated << 0 << 0;
    }
    const int charts = b.addRecordTable("VintageCharts0", columns, {coded, unrated});
    // A table lacking columns: 2002 has no code column, the other years none at all.
    const int shortCharts = b.addRecordTable(
        "VintageCharts1",
        {scoreTable[2003], codeTable[2003], scoreTable[2002], scoreTable[2001], codeTable[2001]},
        {{1, 1, 2, 3, 3}});

    const int root = b.nextTableNumber();
    b.addLevel("VCHLevelTable0", 3, root + 1, {{0, origin, {0}}});
    b.addLevel("VCHLevelTable1", 3, root + 2, {{0, origin, {0}}});
    b.addLevel("VCHLevelTable2", 3, root + 3, {{0, ssf, {0}}});
    b.addLevel("VCHLevelTable3", 3, root + 4, {{0, type, {0, 1}}});
    b.addLevel("VCHLevelTable4", 3, root + 5, {{0, region, {0, 1, 2, 3, 4}}, {1, region, {}}});
    b.addLevel("VCHLevelTable5", 3, root + 6,
               {{0, variety, {0}},
                {1, variety, {1}},
                {2, variety, {2}},
                {3, variety, {}},
                {4, variety, {3}}});
    b.addLevel("VCHLevelTable6", 2, -1,
               {{1, charts, {}}, {1, shortCharts, {}}, {2, variety, {}}, {2, charts, {}}});

    QFile file(path);
    const QByteArray bytes = b.build();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

class VintageChartShapesTest : public ProgramFixture {
protected:
    bool writeCatalogue(const QString& path) override { return writeShapesCatalogue(path); }

    VintageChartFormPage* form() const { return page<VintageChartFormPage>(kVintageChartFlow, 0); }
    VintageChartResultsPage* chart() const {
        return page<VintageChartResultsPage>(kVintageChartFlow, 1);
    }
    QList<QStringList> rows() const {
        QList<QStringList> all;
        const GridList* grid = chart()->grid();
        for (int slot = 0; slot < grid->rowCount(); ++slot) {
            all.append({grid->cellText(slot, 0), grid->cellText(slot, 1), grid->cellText(slot, 2)});
        }
        return all;
    }
};

TEST_F(VintageChartShapesTest, YearsWithoutACodeOrItsColumnsAreLeftOut) {
    tapHome(kVintageChartFlow);
    ASSERT_EQ(form()->combo(Level::VarietyAppellation)->currentText(), QStringLiteral("Coded"));
    next();
    EXPECT_EQ(rows(), (QList<QStringList>{{"2002", "88", "D"}, {"2001", "77", "A"}}));
    EXPECT_EQ(chart()->infoBox()->text(),
              QStringLiteral("This is a very good vintage! Drink it now or hold it to improve "
                             "quality."));

    back();
    pick(form()->combo(Level::VarietyAppellation), QStringLiteral("Short"));
    next();
    EXPECT_EQ(rows(), (QList<QStringList>{{"2003", "90", "H"}, {"2001", "77", "A"}}));
}

TEST_F(VintageChartShapesTest, AnEmptyChartSelectsNothingAndOffersNoMoreSearch) {
    struct Shape {
        const char* region;
        const char* variety;  // null: the region lists no variety
        bool valueNode;
    };
    const QList<Shape> shapes{
        {"California", "Valued", true},
        {"California", "Bare", false},
        {"California", "Unrated", false},
        {"Oregon", nullptr, false},
    };
    tapHome(kVintageChartFlow);
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.variety != nullptr ? shape.variety : shape.region);
        // Each empty chart follows a full one, whose rating must not linger.
        pick(form()->combo(Level::Region), QStringLiteral("California"));
        pick(form()->combo(Level::VarietyAppellation), QStringLiteral("Coded"));
        next();
        ASSERT_EQ(chart()->grid()->rowCount(), 2);
        back();

        pick(form()->combo(Level::Region), QString::fromLatin1(shape.region));
        if (shape.variety != nullptr) {
            pick(form()->combo(Level::VarietyAppellation), QString::fromLatin1(shape.variety));
        } else {
            // A region without varieties empties the list below it.
            EXPECT_EQ(form()->combo(Level::VarietyAppellation)->count(), 0);
            EXPECT_EQ(form()->commitSelection(), nullptr);
        }
        LogCapture log;
        next();
        EXPECT_EQ(log.lines().contains("VALUE IS STRING"), shape.valueNode);
        EXPECT_EQ(chart()->grid()->rowCount(), 0);
        EXPECT_LT(chart()->grid()->selectedSlot(), 0);
        EXPECT_EQ(chart()->infoBox()->text(), QStringLiteral("Info:"));
        EXPECT_FALSE(chart()->moreSearchButton()->isEnabled());

        // A click on the greyed button changes nothing.
        QTest::mouseClick(chart()->moreSearchButton(), Qt::LeftButton);
        EXPECT_EQ(guide().currentRecord(), nullptr);
        EXPECT_TRUE(chart()->isVisible());
        EXPECT_FALSE(view()->advancedPanel()->isVisible());
        back();
    }
}

}  // namespace
}  // namespace corkwise::test
