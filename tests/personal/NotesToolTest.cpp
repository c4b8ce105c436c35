#include "notestool/NotesTool.h"

#include "personal/PersonalFile.h"
#include "personal/PersonalLock.h"
#include "testsupport/CommandRun.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/TempDir.h"

#include <QFile>

#include <memory>

#include <gtest/gtest.h>

namespace corkwise {
namespace {

using test::CommandRun;

CommandRun run(const QStringList& arguments) {
    return test::runCommand(&runNotesTool, arguments);
}

class NotesToolTest : public ::testing::Test {
protected:
    QString personal() {
        return dir_.write(QStringLiteral("personal.res"),
                          PersonalFile::serialise(test::sampleEntries()));
    }
    test::TempDir dir_;
};

TEST_F(NotesToolTest, ListShowsOneTabSeparatedLinePerEntry) {
    const CommandRun r = run({QStringLiteral("list"), personal()});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QStringLiteral("0\tbookmark\tChateau Rouge\t3\n"
                                    "1\tnote\tDinner\t10\n"
                                    "2\tbookmark\tEmpty\t0\n"));
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(NotesToolTest, ExportThenImportRebuildsTheSameFile) {
    const QString file = personal();
    const CommandRun exported = run({QStringLiteral("export"), file});
    ASSERT_EQ(exported.code, 0);
    const QString json = dir_.write(QStringLiteral("notes.json"), exported.out.toUtf8());
    const QString rebuilt = dir_.path(QStringLiteral("rebuilt.res"));
    const CommandRun imported =
        run({QStringLiteral("import"), json, QStringLiteral("-o"), rebuilt});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(dir_.read(QStringLiteral("rebuilt.res")), dir_.read(QStringLiteral("personal.res")));
    EXPECT_EQ(run({QStringLiteral("export"), rebuilt}).out, exported.out);
}

TEST_F(NotesToolTest, LaterKindsGoOutByNumberAndComeBackOnlyWhileNoProgramHoldsTheLock) {
    const QByteArray file = test::fileOfRecords({test::laterRecord(2)});
    const QString path = dir_.write(QStringLiteral("later.res"), file);
    EXPECT_EQ(run({QStringLiteral("list"), path}).out, QStringLiteral("0\t2\tFrom later\t10\n"));
    const QString json = dir_.write(QStringLiteral("later.json"),
                                    run({QStringLiteral("export"), path}).out.toUtf8());
    const QStringList import{QStringLiteral("import"), json, QStringLiteral("-o"), path};
    auto program = std::make_unique<PersonalLock>(path);
    ASSERT_EQ(program->tryLock(), PersonalLock::Result::Locked);
    dir_.write(QStringLiteral("later.res"), "in use");
    const CommandRun refused = run(import);
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(PersonalLock::lockPath(path))) << refused.err.toStdString();
    EXPECT_EQ(dir_.read(QStringLiteral("later.res")), QByteArray("in use"));
    program.reset();
    EXPECT_EQ(run(import).code, 0);
    EXPECT_EQ(dir_.read(QStringLiteral("later.res")), file);
}

TEST_F(NotesToolTest, BadJsonWritesNoFile) {
    const QString json = dir_.write(QStringLiteral("bad.json"),
                                    R"([{"name": "a", "kind": "note", "values": [{"id": "x"}]}])");
    const QString target = dir_.path(QStringLiteral("out.res"));
    const CommandRun r = run({QStringLiteral("import"), json, QStringLiteral("-o"), target});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("entry 0, field \"values[0].id\"")));
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(NotesToolTest, UnopenableFileIsReported) {
    const QString missing = dir_.path(QStringLiteral("missing.res"));
    for (const char* command : {"list", "export"}) {
        const CommandRun r = run({QString::fromLatin1(command), missing});
        EXPECT_EQ(r.code, 1);
        EXPECT_EQ(r.err, QStringLiteral("cannot open personal file: ") + missing + u'\n');
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST_F(NotesToolTest, DamagedFileListsIntactEntriesWithWarning) {
    QByteArray bytes = PersonalFile::serialise(test::sampleEntries());
    test::putU32At(bytes, 4, 0xFFFFFFFFu);
    const CommandRun r =
        run({QStringLiteral("list"), dir_.write(QStringLiteral("damaged.res"), bytes)});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.count(u'\n'), 2);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("warning: ")));
}

TEST_F(NotesToolTest, BadUsagePrintsUsage) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{QStringLiteral("list")},
          QStringList{QStringLiteral("import"), QStringLiteral("a"), QStringLiteral("b")}}) {
        const CommandRun r = run(arguments);
        EXPECT_EQ(r.code, 2);
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("usage: ")));
    }
}

}  // namespace
}  // namespace corkwise
