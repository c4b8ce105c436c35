#include "catalogtool/CatalogListing.h"
#include "catalogtool/Command.h"

#include "common/ErrorLog.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/CommandRun.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>

namespace corkwise::tool {
namespace {

using test::CatalogBuilder;

using Result = test::CommandRun;
constexpr auto run = &test::runCommand;

class CatalogListingTest : public ::testing::Test {
protected:
    // The tool writes no trace; neither do these tests.
    static void SetUpTestSuite() { ErrorLog::setEnabled(false); }
    static void TearDownTestSuite() { ErrorLog::setEnabled(true); }

    void SetUp() override {
        CatalogBuilder b;
        const int origin = b.addDictionary("ORIGIN", {"root", "France", "U.S."});
        const int region = b.addDictionary("REGION", {"C\u00F4tes du Rh\u00F4ne", "Napa Valley"});
        b.addRawEntry("Hidden", 9, QByteArray());
        const int wines = b.addRecordTable("Wines", {origin, 200, region}, {{1, 7, 0}, {2, 8, 1}});
        const int level1 = b.nextTableNumber() + 1;
        b.addLevel("FWLevelTable0", 3, level1, {{0, origin, {1, 0}}});
        b.addLevel("FWLevelTable1", 3, level1 + 1, {{1, origin, {0}}, {2, origin, {1, 2}}});
        b.addLevel("FWLevelTable2", 2, level1 + 1,
                   {{0, region, {}}, {1, region, {}}, {2, wines, {}}});
        b.addDictionary("ORIGIN", {"shadowed"});
        path_ = dir_.write("wcat.res", b.build());
    }
    test::TempDir dir_;
    QString path_;
};

TEST_F(CatalogListingTest, TablesListsNumberKindRowsAndName) {
    const Result r = run(&runTables, {path_});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "0\t0\t3\tDictORIGIN\n"
              "1\t0\t2\tDictREGION\n"
              "2\t1\t3\tWines\n"
              "3\t3\t1\tFWLevelTable0\n"
              "4\t3\t2\tFWLevelTable1\n"
              "5\t2\t3\tFWLevelTable2\n"
              "6\t0\t1\tDictORIGIN\n");
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(CatalogListingTest, DumpDictionaryInUtf8AndFirstOfTwoNames) {
    EXPECT_EQ(run(&runDump, {path_, "DictREGION"}).out,
              QStringLiteral("0\tC\u00F4tes du Rh\u00F4ne\n1\tNapa Valley\n"));
    EXPECT_EQ(run(&runDump, {path_, "DictORIGIN"}).out, "0\troot\n1\tFrance\n2\tU.S.\n");
}

TEST_F(CatalogListingTest, DumpRecordTableNamesColumnsByShortName) {
    const Result r = run(&runDump, {path_, "Wines"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "columns\tORIGIN\t\tREGION\n"
              "1\t1\t7\t0\n"
              "2\t2\t8\t1\n");
}

TEST_F(CatalogListingTest, DumpLevelTableListsNodes) {
    EXPECT_EQ(run(&runDump, {path_, "FWLevelTable1"}).out, "0\t1\t0\t0\n1\t2\t0\t1,2\n");
    EXPECT_EQ(run(&runDump, {path_, "FWLevelTable2"}).out, "0\t0\t1\t\n1\t1\t1\t\n2\t2\t2\t\n");
}

TEST_F(CatalogListingTest, TreeIndentsTwoSpacesPerLevel) {
    const Result r = run(&runTree, {path_, "FWLevelTable0"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("U.S.\n"
                                    "  Napa Valley\n"
                                    "  #Wines:2\n"
                                    "France\n"
                                    "  C\u00F4tes du Rh\u00F4ne\n"));
    EXPECT_EQ(run(&runTree, {path_, "FWLevelTable0", "--depth", "1"}).out, "U.S.\nFrance\n");
    EXPECT_EQ(run(&runTree, {path_, "--depth", "0", "FWLevelTable0"}).out, "");
}

TEST_F(CatalogListingTest, ErrorsNameTheFileOrTable) {
    const QString missing = dir_.path("missing.res");
    for (CommandFunction f : {&runTables}) {
        const Result r = run(f, {missing});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, "cannot open catalogue: " + missing + " does not exist.\n");
        EXPECT_TRUE(r.out.isEmpty());
    }
    Result r = run(&runDump, {missing, "Wines"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "cannot open catalogue: " + missing + " does not exist.\n");
    r = run(&runDump, {path_, "Nope"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "no table named Nope\n");
    r = run(&runTree, {path_, "dictORIGIN"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "no table named dictORIGIN\n");
    r = run(&runTree, {path_, "Wines"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.indexOf("Wines"), -1);
    EXPECT_EQ(run(&runTree, {path_, "FWLevelTable0", "--depth"}).code, 2);
    EXPECT_EQ(run(&runDump, {path_}).code, 2);
}

TEST_F(CatalogListingTest, TreeWhoseLevelsLoopEnds) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"root", "again", "other"});
    b.addLevel("Loop", 3, 1, {{0, 0, {1}}, {1, 0, {1, 0}}});
    b.addLevel("A", 3, 3, {{0, 0, {0}}});
    b.addLevel("B", 3, 2, {{1, 0, {0}}});
    const QString path = dir_.write("loop.res", b.build());
    Result r = run(&runTree, {path, "Loop"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "again\n");
    r = run(&runTree, {path, "A"});
    EXPECT_EQ(r.out, "again\n  root\n");
}

// Every subcommand on every table of a damaged copy: whatever it prints, it must not crash.
TEST_F(CatalogListingTest, DamagedCataloguesNeverCrashTheTool) {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QStringList names = {"DictORIGIN",    "DictREGION",    "Wines",
                               "FWLevelTable0", "FWLevelTable1", "FWLevelTable2"};
    auto inspectAll = [&](const QByteArray& damaged) {
        const QString path = dir_.write("damaged.res", damaged);
        run(&runTables, {path});
        for (const QString& name : names) {
            run(&runDump, {path, name});
            run(&runTree, {path, name});
        }
    };
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        inspectAll(bytes.left(n));
    }
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        QByteArray changed = bytes;
        changed[i] = static_cast<char>(changed[i] ^ 0xA5);
        inspectAll(changed);
    }
}

TEST_F(CatalogListingTest, ExecutableDispatchesAndReportsErrors) {
    const QString program = QStringLiteral(CORKWISE_CATALOG_TOOL);
    Result tool = test::runExecutable(program, {"--help"});
    ASSERT_TRUE(tool.ran) << tool.err.toStdString();
    EXPECT_EQ(tool.code, 0);
    const QString help = tool.out;
    for (const char* command : {"tables", "dump", "tree"}) {
        EXPECT_NE(help.indexOf(QLatin1String(command)), -1) << command;
    }
    tool = test::runExecutable(program, {"tables", dir_.path("none.res")});
    ASSERT_TRUE(tool.ran) << tool.err.toStdString();
    EXPECT_EQ(tool.code, 1);
    EXPECT_EQ(tool.err, "cannot open catalogue: " + dir_.path("none.res") + " does not exist.\n");
    const QString workingDirectory = dir_.path(QString());
    tool = test::runExecutable(program, {"dump", path_, "DictREGION"}, workingDirectory);
    ASSERT_TRUE(tool.ran) << tool.err.toStdString();
    EXPECT_EQ(tool.code, 0);
    EXPECT_EQ(tool.out, QStringLiteral("0\tC\u00F4tes du Rh\u00F4ne\n1\tNapa Valley\n"));
    EXPECT_FALSE(QFile::exists(dir_.path("Error.log"))) << "the tool leaves no trace file";
    tool = test::runExecutable(program, {"frobnicate"}, workingDirectory);
    ASSERT_TRUE(tool.ran) << tool.err.toStdString();
    EXPECT_EQ(tool.code, 2);
}

}  // namespace
}  // namespace corkwise::tool
