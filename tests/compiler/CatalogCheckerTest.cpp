#include "catalogtool/CatalogChecker.h"

#include "catalog/Coding.h"
#include "catalogtool/CatalogCompiler.h"
#include "compiler/SourceFixture.h"
#include "testsupport/CatalogBytes.h"

#include <gtest/gtest.h>
#include <QMap>

#include <iterator>

namespace corkwise::tool {
namespace {

using test::putU16;
using test::putU24;

QByteArray compiledFixture() {
    test::SourceFixture fixture;
    Sources sources;
    QString error;
    QByteArray image;
    EXPECT_TRUE(loadSources(fixture.dir(), &sources, &error) &&
                compileCatalogue(sources, &image, &error))
        << error.toStdString();
    return image;
}

int u24(const QByteArray& b, int p) {
    return coding::getU24(b.constData() + p);
}

// Directory entry of the table named NAME in a compiled catalogue (stride 44).
int entryOf(const QByteArray& image, const QByteArray& name) {
    for (int i = 0; i < u24(image, 0); ++i) {
        const int e = 6 + i * 44;
        if (image.mid(e + 6, 32) == name.leftJustified(32, '\0')) {
            return e;
        }
    }
    ADD_FAILURE() << "no table " << name.toStdString();
    return 0;
}
int blockOf(const QByteArray& image, const QByteArray& name) {
    return u24(image, entryOf(image, name) + 38);
}

bool reports(const CheckReport& report, const QString& line) {
    return report.problems.contains(line);
}

TEST(CatalogCheckerTest, CompiledCatalogueIsCleanAndFullyWalked) {
    const CheckReport report = checkCatalogue(compiledFixture());
    EXPECT_TRUE(report.clean()) << report.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.tables, 92);
    // 7 wines in Find Wine, 3 pairings, 2 charts, 2 best producers, 2 best values.
    EXPECT_EQ(report.records, 7 + 3 + 2 + 2 + 2);
}

TEST(CatalogCheckerTest, EveryTruncationIsReportedWithoutReadingPastTheEnd) {
    const QByteArray image = compiledFixture();
    for (qsizetype size = 0; size < image.size(); ++size) {
        const CheckReport report = checkCatalogue(image.left(size));
        ASSERT_FALSE(report.clean()) << "prefix of " << size << " bytes";
    }
}

TEST(CatalogCheckerTest, RowsAndTablesOutOfRange) {
    const QByteArray image = compiledFixture();
    // The root row of the Find Wine tree: value, target, then its two children.
    const int root = blockOf(image, "FWLevelTable0") + 6 + 3;

    QByteArray child = image;
    putU24(child, root + 3, 0xFFFFFF);
    EXPECT_TRUE(
        reports(checkCatalogue(child),
                QStringLiteral("FWLevelTable0 row 0: child 16777215 is beyond the 2 rows of "
                               "FWLevelTable1")));

    QByteArray value = image;
    putU16(value, root, 5);
    EXPECT_TRUE(reports(checkCatalogue(value),
                        QStringLiteral("FWLevelTable0 row 0: value 5 is beyond the 2 texts of "
                                       "DictORIGIN")));

    QByteArray target = image;
    target[root + 2] = static_cast<char>(250);
    EXPECT_TRUE(reports(checkCatalogue(target),
                        QStringLiteral("FWLevelTable0 row 0: target table 250 does not exist (92 "
                                       "tables)")));

    QByteArray offset = image;
    putU24(offset, blockOf(image, "DictORIGIN") + 6, 2);
    EXPECT_TRUE(
        reports(checkCatalogue(offset),
                QStringLiteral("DictORIGIN row 0: offset 2 out of range (must be from 12 to "
                               "22)")));

    QByteArray past = image;
    putU24(past, entryOf(image, "Wines0") + 41, 0xFFFFFF);
    EXPECT_FALSE(checkCatalogue(past).clean());
}

TEST(CatalogCheckerTest, MissingDictionaryAndColumnThatScreensRead) {
    QByteArray image = compiledFixture();
    const int entry = entryOf(image, "DictSCORE");
    image[entry + 6 + 8] = 'X';  // "DictSCORX"
    const CheckReport report = checkCatalogue(image);
    EXPECT_TRUE(
        reports(report, QStringLiteral("DictSCORE: missing; a new note takes its fields from it")));
    EXPECT_TRUE(reports(report, QStringLiteral("Wines0: no column SCORE, which the Find Wine "
                                               "pages read from the records of FWLevelTable0")));
    EXPECT_TRUE(reports(report, QStringLiteral("Wines0: no column SCORE, which the Food and Wine "
                                               "pages read from the records of FWPLevelTable0")));
}

TEST(CatalogCheckerTest, TreeShapeProblems) {
    test::CatalogBuilder b;
    const int origin =
        b.addDictionary("ORIGIN", {QStringLiteral("France"), QStringLiteral("U.S.")});
    const int wines = b.addRecordTable("Wines", {origin}, {{0}});
    const int first = b.nextTableNumber();
    b.addLevel("FWLevelTable0", 3, first + 1, {{0, origin, {0, 1}}});
    b.addLevel("FWLevelTable1", 2, first + 1, {{0, origin, {}}, {1, wines, {}}});
    const CheckReport report = checkCatalogue(b.build());
    EXPECT_TRUE(reports(report, QStringLiteral("FWLevelTable1 row 0: a dictionary node without "
                                               "children in FWLevelTable0")));
    EXPECT_TRUE(
        reports(report, QStringLiteral("FWLevelTable1 row 1: a record node where "
                                       "FWLevelTable0 expects a dictionary node at depth 1")));
    EXPECT_TRUE(reports(report, QStringLiteral("FWPLevelTable0: the search tree's first level is "
                                               "missing")));
    EXPECT_TRUE(
        reports(report, QStringLiteral("DictSSF: missing; a new note takes its fields from it")));
    EXPECT_FALSE(report.clean());
}

// Each search tree with the columns its pages read from the records it reaches.
struct TreeColumns {
    const char* search;
    const char* root;
    int dictionaryLevels;  // below the root
    QList<QByteArray> columns;
};

QList<QByteArray> chartColumns() {
    QList<QByteArray> columns = {"ORIGIN", "SSF", "TYPE", "REGION", "APPELLATION_VARIETY"};
    for (int year = 1985; year <= 2003; ++year) {
        columns += {QByteArray::number(year), "COMMENT" + QByteArray::number(year)};
    }
    return columns;
}

const QList<QByteArray> kWineColumns = {"ORIGIN",
                                        "SSF",
                                        "TYPE",
                                        "REGION",
                                        "SEGMENT",
                                        "PRODUCER",
                                        "VINTAGE",
                                        "PRODUCT_STRINGAV",
                                        "DESIGNATION",
                                        "VARIETY",
                                        "APPELLATION",
                                        "SCORE",
                                        "APPELLATION_VARIETY"};

const TreeColumns kTrees[] = {
    {"Find Wine", "FWLevelTable0", 8, kWineColumns},
    {"Food and Wine", "FWPLevelTable0", 2, kWineColumns},
    {"Vintage Chart", "VCHLevelTable0", 5, chartColumns()},
    {"Best Values", "BVLevelTable0", 6, {"PRODUCER", "APPELLATION_VARIETY", "DESCRIPTION"}},
    {"Best Producers", "BPLevelTable0", 5, {"BEST_PRODUCERS"}},
};

// A catalogue in which every tree is one path of one-text dictionaries down to one record, in a
// record table of the tree's own that holds just the tree's columns. The table of tree WITHOUT
// lacks LEFTOUT and holds FOOD, which no tree needs, so that it never has no column at all.
QByteArray catalogueOfTreeColumns(int without = -1, const QByteArray& leftOut = {}) {
    test::CatalogBuilder b;
    QMap<QByteArray, int> dictionaries;
    const auto dictionary = [&](const QByteArray& name) {
        if (!dictionaries.contains(name)) {
            dictionaries[name] = b.addDictionary(name, {QStringLiteral("x")});
        }
        return dictionaries[name];
    };
    for (const TreeColumns& tree : kTrees) {
        for (const QByteArray& name : tree.columns) {
            dictionary(name);
        }
    }
    for (int t = 0; t < static_cast<int>(std::size(kTrees)); ++t) {
        const TreeColumns& tree = kTrees[t];
        QList<int> columns;
        if (t == without) {
            columns += dictionary("FOOD");
        }
        for (const QByteArray& name : tree.columns) {
            if (t != without || name != leftOut) {
                columns += dictionary(name);
            }
        }
        const int records = b.addRecordTable(QByteArray(tree.root) + "Records", columns,
                                             {QList<int>(columns.size(), 0)});
        const QByteArray prefix = QByteArray(tree.root).chopped(1);
        for (int k = 0; k <= tree.dictionaryLevels; ++k) {
            const int self = b.nextTableNumber();
            b.addLevel(prefix + QByteArray::number(k), 3, self + 1,
                       {{0, dictionaries.first(), {0}}});
        }
        const int last = b.nextTableNumber();
        b.addLevel(prefix + QByteArray::number(tree.dictionaryLevels + 1), 2, last,
                   {{1, records, {}}});
    }
    return b.build();
}

TEST(CatalogCheckerTest, RecordsHoldingJustTheColumnsTheirTreeReadsPass) {
    const CheckReport report = checkCatalogue(catalogueOfTreeColumns());
    EXPECT_TRUE(report.clean()) << report.problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(report.records, static_cast<qint64>(std::size(kTrees)));
}

TEST(CatalogCheckerTest, RecordsLackingAColumnTheirTreeReadsFail) {
    for (int t = 0; t < static_cast<int>(std::size(kTrees)); ++t) {
        const TreeColumns& tree = kTrees[t];
        for (const QByteArray& column : tree.columns) {
            const CheckReport report = checkCatalogue(catalogueOfTreeColumns(t, column));
            const QString expected =
                QStringLiteral(
                    "%1Records: no column %2, which the %3 pages read from the "
                    "records of %1")
                    .arg(QLatin1String(tree.root), QString::fromLatin1(column),
                         QLatin1String(tree.search));
            EXPECT_EQ(report.problems.join(QLatin1Char('\n')), expected)
                << tree.search << " " << column.data();
        }
    }
}

}  // namespace
}  // namespace corkwise::tool
