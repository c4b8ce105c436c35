#include "catalogtool/CompilerCommands.h"

#include "common/ErrorLog.h"
#include "compiler/SourceFixture.h"
#include "testsupport/CommandRun.h"

#include <gtest/gtest.h>
#include <QFile>

namespace corkwise::tool {
namespace {

using test::CommandRun;
constexpr auto run = &test::runCommand;

TEST(CompilerCommandsTest, BuildThenCheckIsClean) {
    test::SourceFixture fixture;
    const QString output = fixture.scratch(QStringLiteral("wcat.res"));
    const CommandRun build = run(&runBuild, {fixture.dir(), QStringLiteral("-o"), output});
    EXPECT_EQ(build.code, 0) << build.err.toStdString();
    EXPECT_TRUE(build.out.startsWith(QStringLiteral("wrote ") + output +
                                     QStringLiteral(": 7 wines, 92 tables")))
        << build.out.toStdString();
    const CommandRun check = run(&runCheck, {output});
    EXPECT_EQ(check.code, 0) << check.out.toStdString();
    EXPECT_TRUE(check.out.endsWith(QStringLiteral("records reached: no problems\n")))
        << check.out.toStdString();
}

TEST(CompilerCommandsTest, BadSourcesExitOneAndKeepTheOldFile) {
    test::SourceFixture fixture;
    fixture.appendLine(QStringLiteral("vintage_chart.csv"),
                       "U.S.,Still,Red,California,Merlot,1980,80,H");
    const QString output = fixture.scratch(QStringLiteral("wcat.res"));
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous catalogue");
    old.close();
    const CommandRun build = run(&runBuild, {fixture.dir(), QStringLiteral("-o"), output});
    EXPECT_EQ(build.code, 1);
    EXPECT_EQ(build.err,
              QStringLiteral("build: vintage_chart.csv:5: column \"year\": \"1980\" is not a "
                             "year from 1985 to 2003\n"));
    QFile kept(output);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("previous catalogue"));
}

TEST(CompilerCommandsTest, CheckReportsEachProblemAndASummary) {
    test::SourceFixture fixture;
    const QString output = fixture.scratch(QStringLiteral("bad.res"));
    QFile file(output);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x00\x00\x01\x00\x00\x2C", 6));  // one entry, no directory bytes
    file.close();
    const CommandRun check = run(&runCheck, {output});
    EXPECT_EQ(check.code, 1);
    EXPECT_EQ(check.out,
              QStringLiteral("file: the directory of 1 entries runs past the end of the file "
                             "(6 bytes)\n") +
                  output +
                  QStringLiteral(": 0 tables, 0 tree nodes, 0 records reached: 1 problem\n"));
    EXPECT_EQ(run(&runCheck, {}).code, 2);
    EXPECT_EQ(run(&runBuild, {fixture.dir()}).code, 2);
    EXPECT_EQ(
        run(&runGenerate, {QStringLiteral("--wines"), QStringLiteral("x"), fixture.dir()}).code, 2);
}

// Both spellings of the generator's seed give the same files; a different seed gives others.
TEST(CompilerCommandsTest, GenerateSeedHasTwoSpellings) {
    test::SourceFixture fixture;
    const auto wines = [&](const char* option, const char* key, const char* dir) {
        const QString out = fixture.scratch(QString::fromLatin1(dir));
        const CommandRun r =
            run(&runGenerate, {QStringLiteral("--wines"), QStringLiteral("20"),
                               QString::fromLatin1(option), QString::fromLatin1(key), out});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        QFile file(out + QStringLiteral("/wines.csv"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    };
    const QByteArray bySeed = wines("--seed", "7", "a");
    EXPECT_FALSE(bySeed.isEmpty());
    EXPECT_EQ(wines("--key", "7", "b"), bySeed);
    EXPECT_NE(wines("--seed", "8", "c"), bySeed);
}

}  // namespace
}  // namespace corkwise::tool
