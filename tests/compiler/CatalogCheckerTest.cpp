#include "catalogtool/CatalogChecker.h"

#include "catalogtool/CatalogCompiler.h"
#include "compiler/SourceFixture.h"
#include "testsupport/CatalogBytes.h"

#include <gtest/gtest.h>

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
    return (static_cast<unsigned char>(b[p]) << 16) | (static_cast<unsigned char>(b[p + 1]) << 8) |
           static_cast<unsigned char>(b[p + 2]);
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
    EXPECT_TRUE(reports(report, QStringLiteral("Wines0: no column SCORE, which the screens read")));
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

}  // namespace
}  // namespace corkwise::tool
