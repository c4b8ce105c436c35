#include "personal/PersonalStore.h"

#include "personal/PersonalFile.h"
#include "testsupport/FailDevice.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

namespace corkwise {
namespace {

// Half of the file that holds test::fullNote() alone: where the writes below stop.
qint64 halfOfFullNote() {
    return PersonalFile::serialise({test::fullNote()}).size() / 2;
}

class PersonalStoreTest : public ::testing::Test {
protected:
    QString writeSample() {
        return dir_.write(QStringLiteral("personal.res"),
                          PersonalFile::serialise(test::sampleEntries()));
    }
    QString path() const { return dir_.path(QStringLiteral("personal.res")); }

    test::TempDir dir_;
};

TEST_F(PersonalStoreTest, LaterKindsSurviveLoadAndSaveByteForByteWithoutBackup) {
    QByteArray foreign = test::laterRecord(9);  // a layout this version cannot follow
    test::putU32At(foreign, 40, 0x7FFFFFFFu);
    const QByteArray file = test::fileOfRecords(
        {PersonalFile::serialiseRecord(test::note("mine")), test::laterRecord(2), foreign});
    PersonalStore store(dir_.write(QStringLiteral("personal.res"), file));
    ASSERT_TRUE(store.load());
    EXPECT_FALSE(store.isDamaged());
    store.setText(1, store.entryAt(1)->text());  // no change: the record stays as read
    EXPECT_FALSE(store.isModified());
    ASSERT_TRUE(store.save());
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")).toHex(), file.toHex());
    EXPECT_FALSE(QFile::exists(PersonalStore::backupPath(path())));
}

TEST_F(PersonalStoreTest, MissingFileLoadsNothingAndReportsFalse) {
    PersonalStore store(path());
    EXPECT_FALSE(store.load());
    EXPECT_EQ(store.count(), 0);
    EXPECT_FALSE(store.isDamaged());
}

TEST_F(PersonalStoreTest, FourZeroBytesLoadAsEmptyStore) {
    PersonalStore store(dir_.write(QStringLiteral("personal.res"), QByteArray(4, '\0')));
    EXPECT_TRUE(store.load());
    EXPECT_EQ(store.count(), 0);
    EXPECT_FALSE(store.isDamaged());
}

TEST_F(PersonalStoreTest, LoadReadsTheFileOnceEvenWhenTheStoreIsEmptied) {
    PersonalStore store(writeSample());
    ASSERT_TRUE(store.load());
    ASSERT_EQ(store.count(), 3);
    // A second load does not read the file again.
    dir_.write(QStringLiteral("personal.res"), PersonalFile::serialise({test::note("other")}));
    EXPECT_TRUE(store.load());
    EXPECT_EQ(store.count(), 3);
    // Nor does an empty store: the deleted entries must not come back.
    PersonalStore emptied(writeSample());
    ASSERT_TRUE(emptied.load());
    while (emptied.count() > 0) {
        emptied.removeAt(0);
    }
    EXPECT_TRUE(emptied.load());
    EXPECT_EQ(emptied.count(), 0);
    EXPECT_TRUE(emptied.isModified());
    ASSERT_TRUE(emptied.save());
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), QByteArray(4, '\0'));
}

TEST_F(PersonalStoreTest, SaveAndLoadKeepEntriesInStoreOrder) {
    PersonalStore store(path());
    for (const PersonalEntry& entry : test::sampleEntries()) {
        store.add(entry);
    }
    store.add(test::fullNote());
    store.setName(1, QString(31, u'q'));
    store.setText(1, QString(511, u'w'));
    ASSERT_TRUE(store.save());

    PersonalStore again(path());
    ASSERT_TRUE(again.load());
    EXPECT_EQ(again.entries(), store.entries());
    EXPECT_EQ(again.entryAt(3), test::fullNote());
    EXPECT_EQ(again.entryAt(1)->name(), QString(31, u'q'));
    EXPECT_EQ(again.entryAt(1)->text(), QString(511, u'w'));
}

TEST_F(PersonalStoreTest, IndicesOutsideTheStoreAreIgnored) {
    PersonalStore store(path());
    store.add(test::note("a"));
    const std::vector<PersonalEntry> before = store.entries();
    for (int i : {-1, 1, 1000}) {
        store.removeAt(i);
        store.setName(i, QStringLiteral("x"));
        store.setText(i, QStringLiteral("x"));
        store.setValues(i, {});
        store.setKind(i, EntryKind::Bookmark);
        EXPECT_FALSE(store.entryAt(i).has_value());
    }
    EXPECT_EQ(store.entries(), before);
}

TEST_F(PersonalStoreTest, ConvertingABookmarkChangesOnlyItsKind) {
    PersonalStore store(path());
    const PersonalEntry mark = test::sampleEntries()[0];
    store.add(mark);
    store.setKind(0, EntryKind::Note);
    PersonalEntry expected = mark;
    expected.setKind(EntryKind::Note);
    EXPECT_EQ(store.entryAt(0), expected);
}

// Runs CHECK in a child process without root's right to write anywhere, so that directory
// permissions hold even when the tests run as root. Returns the child's exit status.
int runUnprivileged(const std::function<bool()>& check) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(PersonalStoreTest, SaveIntoReadOnlyDirectoryFailsAndKeepsOldFile) {
    const QByteArray old = PersonalFile::serialise(test::sampleEntries());
    const QString sub = dir_.path(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkpath(sub));
    const QString file = sub + QStringLiteral("/personal.res");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(old);
    }
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path(QString())).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(sub).constData(), 0555), 0);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);

    const int status = runUnprivileged([&file] {
        PersonalStore store(file);
        if (!store.load() || store.count() != 3) {
            return false;
        }
        store.add(test::note("new"));
        QString error;
        return !store.save(&error) && error.contains(QStringLiteral("personal.res"));
    });
    EXPECT_EQ(status, 0);
    chmod(QFile::encodeName(sub).constData(), 0755);
    EXPECT_EQ(dir_.read(QStringLiteral("ro/personal.res")), old);
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PersonalStoreTest, AFileWithoutReadPermissionIsReportedAndNotOverwritten) {
    const QByteArray old = PersonalFile::serialise(test::sampleEntries());
    const QString file = dir_.write(QStringLiteral("personal.res"), old);
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path(QString())).constData(), 0777), 0);
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0222), 0);
    const int status = runUnprivileged([&file] {
        PersonalStore store(file);
        if (store.load() || store.isLoaded() ||
            !store.takeMessage().contains(QStringLiteral("Permission denied"))) {
            return false;
        }
        store.add(test::note("typed anyway"));
        QString error;
        return !store.save(&error) && error.contains(file);
    });
    EXPECT_EQ(status, 0);
    chmod(QFile::encodeName(file).constData(), 0644);
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), old);
}

TEST_F(PersonalStoreTest, SaveIntoMissingDirectoryReportsFailure) {
    PersonalStore store(dir_.path(QStringLiteral("no/such/dir/personal.res")));
    store.add(test::note("a"));
    QString error;
    EXPECT_FALSE(store.save(&error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(store.count(), 1);
}

TEST_F(PersonalStoreTest, WriteFailingMidwayLeavesOldFileWhole) {
    const QByteArray old = dir_.read(QFileInfo(writeSample()).fileName());
    QString error;
    const bool ok =
        PersonalFile::writeAtomically(path(), {test::fullNote()}, &error,
                                      [](QIODevice& file, const PersonalFile::DeviceWrite& write) {
                                          test::FailDevice half(halfOfFullNote(), &file);
                                          return write(half);
                                      });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), old);
    EXPECT_EQ(QDir(dir_.path(QString())).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(PersonalStoreTest, ProcessDyingMidwayLeavesOldFileWhole) {
    writeSample();
    const QByteArray old = dir_.read(QStringLiteral("personal.res"));
    const QString target = path();
    const pid_t pid = fork();
    if (pid == 0) {
        PersonalFile::writeAtomically(target, {test::fullNote()}, nullptr,
                                      [](QIODevice& file, const PersonalFile::DeviceWrite& write) {
                                          test::FailDevice half(halfOfFullNote(), &file);
                                          write(half);
                                          static_cast<QFileDevice&>(file).flush();
                                          std::_Exit(3);  // power cut: no commit, no clean-up
                                          return true;
                                      });
        std::_Exit(4);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), old);
    PersonalStore store(target);
    ASSERT_TRUE(store.load());
    EXPECT_EQ(store.entries(), test::sampleEntries());
}

TEST_F(PersonalStoreTest, DamagedFileIsKeptAsBackupBeforeFirstSave) {
    QByteArray damaged = PersonalFile::serialise(test::sampleEntries());
    test::putU32At(damaged, 8, 0xFFFFFFF0u);  // entry 1 points outside the file
    dir_.write(QStringLiteral("personal.res"), damaged);

    PersonalStore store(path());
    ASSERT_TRUE(store.load());
    EXPECT_TRUE(store.isDamaged());
    ASSERT_EQ(store.count(), 2);
    store.add(test::note("after"));
    ASSERT_TRUE(store.save());
    EXPECT_FALSE(store.isDamaged());
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res.bak")), damaged);

    // Later saves leave the backup alone.
    dir_.write(QStringLiteral("personal.res.bak"), "kept");
    ASSERT_TRUE(store.save());
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res.bak")), QByteArray("kept"));

    PersonalStore again(path());
    ASSERT_TRUE(again.load());
    EXPECT_FALSE(again.isDamaged());
    EXPECT_EQ(again.count(), 3);
}

TEST_F(PersonalStoreTest, FailedBackupStopsTheSave) {
    QByteArray damaged = PersonalFile::serialise(test::sampleEntries());
    damaged.chop(3);
    const QString sub = dir_.path(QStringLiteral("ro"));
    ASSERT_TRUE(QDir().mkpath(sub));
    dir_.write(QStringLiteral("ro/personal.res"), damaged);
    ASSERT_EQ(chmod(QFile::encodeName(dir_.path(QString())).constData(), 0755), 0);
    ASSERT_EQ(chmod(QFile::encodeName(sub).constData(), 0555), 0);
    const QString file = sub + QStringLiteral("/personal.res");
    const int status = runUnprivileged([&file] {
        PersonalStore store(file);
        if (!store.load() || !store.isDamaged() ||
            !store.takeMessage().contains(QStringLiteral("No copy"))) {
            return false;
        }
        store.add(test::note("new"));
        QString error;
        return !store.save(&error) && error.contains(QStringLiteral("personal.res.bak"));
    });
    EXPECT_EQ(status, 0);
    chmod(QFile::encodeName(sub).constData(), 0755);
    EXPECT_EQ(dir_.read(QStringLiteral("ro/personal.res")), damaged);
}

TEST_F(PersonalStoreTest, AnEarlierBackupIsNeverReplaced) {
    QByteArray damaged = PersonalFile::serialise(test::sampleEntries());
    damaged.chop(3);
    dir_.write(QStringLiteral("personal.res"), damaged);
    dir_.write(QStringLiteral("personal.res.bak"), "older and longer backup");
    PersonalStore store(path());
    ASSERT_TRUE(store.load());
    EXPECT_TRUE(store.takeMessage().contains(QStringLiteral("personal.res.bak.1")));
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res.bak")), QByteArray("older and longer backup"));
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res.bak.1")), damaged);
}

}  // namespace
}  // namespace corkwise
