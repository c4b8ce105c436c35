// Faults the personal file must survive, each checked on the bytes left on disk: writes that
// fail (a device that fills up, /dev/full, a real full file system), damaged files of every
// kind, files that cannot be read, a file changed by someone else, and two links to one file.

#include "common/SafeWrite.h"
#include "notestool/NotesTool.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalStore.h"
#include "testsupport/CommandRun.h"
#include "testsupport/FailDevice.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/SmallDisk.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace corkwise {
namespace {

const QString kNoSpace = QStringLiteral("No space left on device");

QByteArray sampleFile() {
    return PersonalFile::serialise(test::sampleEntries());
}

// --- Writes that fail midway leave the old file byte for byte ---

struct FailingWrite {
    const char* name;
    qint64 limit;  // bytes the device takes before it is full; below 0, counted from the end
    bool fits;     // the whole file fits: the save succeeds with what the device took
};

class FailingWriteTest : public ::testing::TestWithParam<FailingWrite> {};

TEST_P(FailingWriteTest, OldFileStaysAndTheReasonIsTheSystems) {
    test::TempDir dir;
    const QString path = dir.write(QStringLiteral("personal.res"), sampleFile());
    const QByteArray next = PersonalFile::serialise({test::fullNote()});
    QString error;
    QByteArray taken;
    const bool ok = PersonalFile::writeAtomically(
        path, {test::fullNote()}, &error,
        [&next, &taken](QIODevice& file, const PersonalFile::DeviceWrite& write) {
            const qint64 limit = GetParam().limit;
            test::FailDevice device(limit >= 0 ? limit : next.size() + limit, &file);
            const bool written = write(device);
            taken = device.written();
            return written;
        });
    // The save's own writer ran into the device.
    EXPECT_EQ(taken, GetParam().fits ? next : next.left(taken.size()));
    if (GetParam().fits) {
        EXPECT_TRUE(ok) << error.toStdString();
        EXPECT_EQ(dir.read(QStringLiteral("personal.res")), next);
        return;
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(dir.read(QStringLiteral("personal.res")), sampleFile());
    EXPECT_EQ(QDir(dir.path(QString())).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("personal.res")});
    EXPECT_EQ(error, kNoSpace) << "the device's reason is the one reported";
}

INSTANTIATE_TEST_SUITE_P(Limits, FailingWriteTest,
                         ::testing::Values(FailingWrite{"Nothing", 0, false},
                                           FailingWrite{"Ten", 10, false},
                                           FailingWrite{"AllButOne", -1, false},
                                           FailingWrite{"Roomy", 1 << 20, true}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SafeWriteTest, WriteWholeReportsTheDevicesReason) {
    test::FailDevice device(10);
    QString error;
    EXPECT_FALSE(writeWhole(&device, sampleFile(), &error));
    EXPECT_EQ(error, kNoSpace);
    EXPECT_EQ(device.written(), sampleFile().left(10));

    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        GTEST_SKIP() << "no /dev/full here";
    }
    EXPECT_FALSE(writeWhole(&full, sampleFile(), &error));
    EXPECT_EQ(error, kNoSpace);
}

// --- A real file system that is full ---

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!disk_.available()) {
            GTEST_SKIP() << disk_.why().toStdString();
        }
        path_ = disk_.write(QStringLiteral("personal.res"), sampleFile());
    }
    QByteArray onDisk() const { return disk_.read(QStringLiteral("personal.res")); }

    test::TempDir dir_;
    test::SmallDisk disk_;
    QString path_;
};

TEST_F(FullDiskTest, SaveFailsWithTheReasonKeepsTheFileAndSavesOnceThereIsRoom) {
    PersonalStore store(path_);
    ASSERT_TRUE(store.load());
    store.add(test::note("typed on a full disk", "kept in memory"));
    disk_.fill();
    QString error;
    EXPECT_FALSE(store.save(&error));
    EXPECT_TRUE(error.contains(kNoSpace)) << error.toStdString();
    EXPECT_EQ(onDisk(), sampleFile());
    EXPECT_TRUE(store.isModified());
    disk_.unfill();
    ASSERT_TRUE(store.save(&error)) << error.toStdString();
    EXPECT_EQ(onDisk(), PersonalFile::serialise(store.entries()));
    EXPECT_EQ(store.count(), 4);
}

TEST_F(FullDiskTest, NotesToolImportFailsAndLeavesTheFile) {
    // Something bigger than what is there, so that it cannot fit once the disk is full.
    PersonalStore bigger(dir_.path(QStringLiteral("big.res")));
    for (int i = 0; i < 4; ++i) {
        bigger.add(test::fullNote());
    }
    ASSERT_TRUE(bigger.save());
    const QString bigJson = dir_.write(
        QStringLiteral("big.json"),
        test::runCommand(&runNotesTool, {QStringLiteral("export"), bigger.path()}).out.toUtf8());
    disk_.fill(true);  // the lock file fits, the new file does not
    const test::CommandRun run = test::runCommand(
        &runNotesTool, {QStringLiteral("import"), bigJson, QStringLiteral("-o"), path_});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(kNoSpace)) << run.err.toStdString();
    EXPECT_EQ(onDisk(), sampleFile());
}

// --- Damaged files: what can be read loads, the original is kept, one message names both ---

struct Damage {
    const char* name;
    std::function<void(QByteArray&)> apply;
    int readable;  // entries that still load
};

class DamagedFileTest : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedFileTest, ReadableEntriesLoadAndTheOriginalIsKeptBeforeAnyWrite) {
    test::TempDir dir;
    QByteArray bytes = sampleFile();
    GetParam().apply(bytes);
    const QString path = dir.write(QStringLiteral("personal.res"), bytes);
    PersonalStore store(path);
    ASSERT_TRUE(store.load());
    EXPECT_TRUE(store.isDamaged());
    EXPECT_EQ(store.count(), GetParam().readable);
    const QString message = store.takeMessage();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path) + QStringLiteral(".bak")));
    EXPECT_EQ(dir.read(QStringLiteral("personal.res.bak")), bytes);
    EXPECT_EQ(dir.read(QStringLiteral("personal.res")), bytes);  // nothing written yet

    store.add(test::note("after"));
    ASSERT_TRUE(store.save());
    EXPECT_EQ(dir.read(QStringLiteral("personal.res.bak")), bytes);
    PersonalStore again(path);
    ASSERT_TRUE(again.load());
    EXPECT_FALSE(again.isDamaged());
    EXPECT_EQ(again.count(), GetParam().readable + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DamagedFileTest,
    ::testing::Values(
        Damage{"CountTooSmall", [](QByteArray& b) { test::putU32At(b, 0, 2); }, 2},
        Damage{"CountZero", [](QByteArray& b) { test::putU32At(b, 0, 0); }, 0},
        Damage{"AllZeros", [](QByteArray& b) { b.fill('\0'); }, 0},
        Damage{"CountTooLarge", [](QByteArray& b) { test::putU32At(b, 0, 1000); }, 0},
        Damage{"RecordOffsetFlipped",
               [](QByteArray& b) { test::putU32At(b, 8, test::u32At(b, 8) ^ 0x10); }, 2},
        Damage{"TextOffsetFlipped",
               [](QByteArray& b) {
                   const qsizetype record = test::u32At(b, 8);
                   test::putU32At(b, record + 36, test::u32At(b, record + 36) ^ 0x04);
               },
               3},
        Damage{"BytesBehindTheLastRecord", [](QByteArray& b) { b.append("left over"); }, 3},
        Damage{"CutShort", [](QByteArray& b) { b.chop(3); }, 2}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Files that cannot be read are named and never overwritten ---

struct Unreadable {
    const char* name;
    std::function<void(const QString& path)> make;
    const char* why;
};

class UnreadableFileTest : public ::testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableFileTest, ReportedByNameAndNeverWritten) {
    test::TempDir dir;
    const QString path = dir.path(QStringLiteral("personal.res"));
    GetParam().make(path);
    PersonalStore store(path);
    EXPECT_FALSE(store.load());  // a FIFO must not block here
    EXPECT_FALSE(store.isLoaded());
    const QString message = store.takeMessage();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String(GetParam().why))) << message.toStdString();
    store.add(test::note("typed anyway"));
    QString error;
    EXPECT_FALSE(store.save(&error));
    EXPECT_TRUE(error.contains(path));
    // Still the FIFO or the folder it was, not replaced by a file.
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(QFileInfo(path).isFile());
    EXPECT_EQ(store.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableFileTest,
    ::testing::Values(
        Unreadable{"Fifo",
                   [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); },
                   "not a regular file"},
        Unreadable{"Folder", [](const QString& p) { ASSERT_TRUE(QDir().mkpath(p)); }, "folder"}),
    [](const auto& row) { return std::string(row.param.name); });

// --- Someone else's changes and links ---

class SharedFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store_.load()); }
    test::TempDir dir_;
    QString path_ = dir_.write(QStringLiteral("personal.res"), sampleFile());
    PersonalStore store_{path_};
};

TEST_F(SharedFileTest, AFileChangedOnDiskIsNotOverwrittenUnlessBothAreKept) {
    store_.add(test::note("mine"));
    const QByteArray theirs = PersonalFile::serialise({test::note("theirs")});
    dir_.write(QStringLiteral("personal.res"), theirs);
    QString error;
    EXPECT_FALSE(store_.save(&error));
    EXPECT_TRUE(store_.changedOnDisk());
    EXPECT_TRUE(error.contains(QStringLiteral("changed by another program")));
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), theirs);

    QString keptAs;
    ASSERT_TRUE(store_.saveKeepingBoth(&error, &keptAs));
    EXPECT_EQ(keptAs, path_ + QStringLiteral(".other"));
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res.other")), theirs);
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), PersonalFile::serialise(store_.entries()));
    // From now on the store's own file is what it knows.
    store_.add(test::note("more"));
    EXPECT_TRUE(store_.save());
}

TEST_F(SharedFileTest, SavingThroughALinkReplacesTheFileItNamesAndKeepsTheLink) {
    const QString link = dir_.path(QStringLiteral("link.res"));
    ASSERT_TRUE(QFile::link(path_, link));
    PersonalStore store(link);
    ASSERT_TRUE(store.load());
    store.add(test::note("through the link"));
    ASSERT_TRUE(store.save());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), PersonalFile::serialise(store.entries()));
}

TEST_F(SharedFileTest, NothingIsWrittenWhenNothingChanged) {
    store_.setText(1, store_.entryAt(1)->text());
    ASSERT_TRUE(QFile::remove(path_));  // a write would bring it back
    EXPECT_TRUE(store_.save());
    EXPECT_FALSE(QFile::exists(path_));
}

}  // namespace
}  // namespace corkwise
