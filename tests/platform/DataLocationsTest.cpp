#include "platform/DataLocations.h"

#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace corkwise {
namespace {

class DataLocationsTest : public ::testing::Test {
protected:
    void SetUp() override {
        exe_ = dir_.path(QStringLiteral("prefix/bin"));
        share_ = dir_.path(QStringLiteral("prefix/share/corkwise"));
        user_ = dir_.path(QStringLiteral("user"));
        QDir().mkpath(exe_);
        QDir().mkpath(share_);
        in_.executableDir = exe_;
        in_.installedDataDir = installedDataDirectory(exe_);
        in_.userDataDir = user_;
    }

    static void touch(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    test::TempDir dir_;
    QString exe_;
    QString share_;
    QString user_;
    LocationInputs in_;
};

TEST_F(DataLocationsTest, InstalledDataDirectoryIsShareCorkwiseBesideBin) {
    EXPECT_EQ(installedDataDirectory(exe_), share_);
}

TEST_F(DataLocationsTest, FilesBesideAWritableExecutableWin) {
    touch(exe_ + QStringLiteral("/wcat.res"));
    touch(share_ + QStringLiteral("/wcat.res"));
    const DataLocations d = resolveDataLocations(in_);
    EXPECT_EQ(d.catalogue, exe_ + QStringLiteral("/wcat.res"));
    EXPECT_EQ(d.personal, exe_ + QStringLiteral("/personal.res"));
    EXPECT_EQ(d.errorLog, exe_ + QStringLiteral("/Error.log"));
}

TEST_F(DataLocationsTest, InstalledCatalogueIsUsedWhenNoneIsBesideTheExecutable) {
    touch(share_ + QStringLiteral("/wcat.res"));
    EXPECT_EQ(resolveDataLocations(in_).catalogue, share_ + QStringLiteral("/wcat.res"));

    QFile::remove(share_ + QStringLiteral("/wcat.res"));
    EXPECT_EQ(resolveDataLocations(in_).catalogue, exe_ + QStringLiteral("/wcat.res"))
        << "with no catalogue anywhere the path beside the executable is reported";
}

TEST_F(DataLocationsTest, PersonalFileMovesToTheUserDirectoryWhenTheExecutableIsNotWritable) {
    // A directory that does not exist is not writable either.
    in_.executableDir = dir_.path(QStringLiteral("nowhere/bin"));
    const DataLocations d = resolveDataLocations(in_);
    EXPECT_EQ(d.personal, user_ + QStringLiteral("/personal.res"));
    EXPECT_EQ(d.errorLog, user_ + QStringLiteral("/Error.log"));
}

// An installed program (catalogue only in share/corkwise) writes nothing into its bin directory,
// even one it could write to, with or without a catalogue of the user's choice.
TEST_F(DataLocationsTest, InstalledProgramKeepsItsFilesOutOfAWritableBinDirectory) {
    touch(share_ + QStringLiteral("/wcat.res"));
    for (const QString& catalogue : {QString(), dir_.path(QStringLiteral("own.res"))}) {
        in_.catalogueOverride = catalogue;
        const DataLocations d = resolveDataLocations(in_);
        EXPECT_EQ(d.personal, user_ + QStringLiteral("/personal.res"));
        EXPECT_EQ(d.errorLog, user_ + QStringLiteral("/Error.log"));
    }
}

TEST_F(DataLocationsTest, OverridesWinAndTheLogFollowsThePersonalFile) {
    in_.catalogueOverride = QStringLiteral("/data/other.res");
    in_.personalOverride = dir_.path(QStringLiteral("mine/notes.res"));
    const DataLocations d = resolveDataLocations(in_);
    EXPECT_EQ(d.catalogue, QStringLiteral("/data/other.res"));
    EXPECT_EQ(d.personal, dir_.path(QStringLiteral("mine/notes.res")));
    EXPECT_EQ(d.errorLog, dir_.path(QStringLiteral("mine/Error.log")));
}

TEST_F(DataLocationsTest, ExecutableInTheRootDirectory) {
    LocationInputs root;
    root.executableDir = QStringLiteral("/");
    EXPECT_EQ(resolveDataLocations(root).catalogue, QStringLiteral("/wcat.res"));
}

}  // namespace
}  // namespace corkwise
