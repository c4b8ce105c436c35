// The notes survive every way the program can end or be hindered, checked on the bytes on disk:
// ending signals and a kill sent to a real program with unsaved typing, typing saved without
// Done, a full disk at Exit, and odd locks met by the real program at start.

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/MainView.h"
#include "controls/EditCell.h"
#include "controls/GridList.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalLock.h"
#include "personal/PersonalStore.h"
#include "platform/MessageBox.h"
#include "screens/personal/CPersonal.h"
#include "screens/personal/DetailsPage.h"
#include "screens/personal/NotesPage.h"
#include "testsupport/GuiApp.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/SmallDisk.h"
#include "testsupport/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSysInfo>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>
#include <sys/types.h>
#include <csignal>

#include <functional>

namespace corkwise {
namespace {

const QString kTyped = QStringLiteral("Typed before the end, never Done");

// Starts the program NAME built next to this test, headless, with ARGUMENTS.
void startHeadless(QProcess& process, const char* name, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name),
                  arguments);
}

// The entries of the personal file at PATH as it is on disk.
std::vector<PersonalEntry> onDisk(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? PersonalFile::parse(file.readAll()).entries
                                          : std::vector<PersonalEntry>{};
}

class FaultProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        MessageBox::clearHistory();
        MessageBox::setUnattended(true);
        catalogue_ = catalogueData_.writeTo(dir_);
        personal_ = dir_.write(QStringLiteral("personal.res"),
                               PersonalFile::serialise(test::sampleEntries()));
    }
    test::TempDir dir_;
    test::ShellCatalogue catalogueData_;
    QString catalogue_;
    QString personal_;
};

// --- A real program with unsaved typing, ended from outside ---

struct Ending {
    const char* name;
    int signal;
    int pauseMs;  // between the last keystroke and the signal
};

class EndingTest : public FaultProgramTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingTest, WhatWasTypedIsOnDiskAfterwards) {
    QProcess child;
    startHeadless(child, "corkwise_fault_child", {catalogue_, personal_, kTyped});
    ASSERT_TRUE(child.waitForStarted());
    while (!child.canReadLine()) {
        ASSERT_TRUE(child.waitForReadyRead(60000)) << child.readAllStandardError().toStdString();
    }
    ASSERT_EQ(child.readLine(), QByteArray("typed\n"));
    QThread::msleep(static_cast<unsigned long>(GetParam().pauseMs));
    ASSERT_EQ(::kill(static_cast<pid_t>(child.processId()), GetParam().signal), 0);
    ASSERT_TRUE(child.waitForFinished(60000));
    if (GetParam().signal != SIGKILL) {
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit)
            << child.readAllStandardError().toStdString();
        EXPECT_EQ(child.exitCode(), 0);
    }
    const std::vector<PersonalEntry> saved = onDisk(personal_);
    ASSERT_EQ(saved.size(), test::sampleEntries().size() + 1);
    EXPECT_EQ(std::vector<PersonalEntry>(saved.begin(), saved.end() - 1), test::sampleEntries());
    EXPECT_EQ(saved.back().name(), QStringLiteral("New Note"));
    EXPECT_EQ(saved.back().text(), kTyped);
}

INSTANTIATE_TEST_SUITE_P(Ways, EndingTest,
                         ::testing::Values(Ending{"Term", SIGTERM, 0}, Ending{"Int", SIGINT, 0},
                                           Ending{"Hup", SIGHUP, 0},
                                           Ending{"KillAfterAPause", SIGKILL, 3000}),
                         [](const auto& row) { return std::string(row.param.name); });

// --- In this process: typing reaches the file without Done; a full disk at Exit ---

TEST_F(FaultProgramTest, TypingReachesTheFileShortlyAfterTheLastKeystroke) {
    CMainFrame frame(catalogue_, personal_);
    ASSERT_TRUE(frame.create());
    frame.mainView()->handleCommand(command::kAddNote);
    QPlainTextEdit* notes = frame.mainView()->personalPanel()->notesPage()->edit()->textEdit();
    QTest::keyClicks(notes, kTyped);
    EXPECT_NE(onDisk(personal_).back().text(), kTyped);
    QTRY_COMPARE_WITH_TIMEOUT(onDisk(personal_).back().text(), kTyped,
                              CMainFrame::kAutosaveDelayMs + 2000);
    // A Details value typed reaches the file the same way.
    GridList* grid = frame.mainView()->personalPanel()->detailsPage()->noteGrid();
    QTest::keyClicks(grid->editCellAt(0, 1)->lineEdit(), QStringLiteral("Italia"));
    QTRY_VERIFY_WITH_TIMEOUT(onDisk(personal_).back().values().front().text() == "Italia",
                             CMainFrame::kAutosaveDelayMs + 2000);
    // Viewing and leaving with nothing changed writes nothing.
    ASSERT_TRUE(QFile::remove(personal_));
    frame.mainView()->personalPanel()->done();
    QTest::qWait(CMainFrame::kAutosaveDelayMs + 300);
    EXPECT_FALSE(QFile::exists(personal_));
}

TEST_F(FaultProgramTest, ExitOnAFullDiskStaysByDefaultAndSavesOnceThereIsRoom) {
    test::SmallDisk disk;
    if (!disk.available()) {
        GTEST_SKIP() << disk.why().toStdString();
    }
    const QByteArray before = PersonalFile::serialise(test::sampleEntries());
    const QString path = disk.write(QStringLiteral("personal.res"), before);
    CMainFrame frame(catalogue_, path);
    ASSERT_TRUE(frame.create());
    frame.show();
    frame.mainView()->handleCommand(command::kAddNote);
    disk.fill();
    MessageBox::clearHistory();
    frame.routeCommand(command::kExit);
    ASSERT_FALSE(MessageBox::history().isEmpty());
    const MessageBox::Record asked = MessageBox::history().last();
    EXPECT_TRUE(asked.text.contains(QStringLiteral("No space left on device")))
        << asked.text.toStdString();
    EXPECT_EQ(asked.answer, MessageBox::No);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(disk.read(QStringLiteral("personal.res")), before);

    disk.unfill();
    frame.routeCommand(command::kExit);
    EXPECT_FALSE(frame.isVisible());
    const std::vector<PersonalEntry> saved = onDisk(path);
    ASSERT_EQ(saved.size(), 4u);
    EXPECT_EQ(saved.back().name(), QStringLiteral("New Note"));
}

TEST_F(FaultProgramTest, ACatalogueCutUnderTheProgramIsToldAndTheProgramClosesWithTheNotes) {
    CMainFrame frame(catalogue_, personal_);
    ASSERT_TRUE(frame.create());
    frame.show();
    frame.mainView()->handleCommand(command::kSearchFindWine);
    frame.mainView()->handleCommand(command::kAddNote);
    frame.mainView()->personalPanel()->done();
    {
        QFile cut(catalogue_);
        ASSERT_TRUE(cut.resize(100));
    }
    MessageBox::clearHistory();
    frame.mainView()->goNext();  // reads the cut catalogue: no SIGBUS, but a word and an end
    frame.mainView()->handleCommand(command::kSearchBestValues);
    ASSERT_EQ(MessageBox::history().size(), 1);
    const QString told = MessageBox::history()[0].text;
    EXPECT_TRUE(told.contains(catalogue_ + QStringLiteral(" was changed"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("cut short at byte 100"))) << told.toStdString();
    QTRY_VERIFY(!frame.isVisible());
    EXPECT_EQ(onDisk(personal_).size(), test::sampleEntries().size() + 1);
}

TEST_F(FaultProgramTest, ADamagedFileIsToldOnceWithItsBackupAndKeptAsItWas) {
    QByteArray damaged = PersonalFile::serialise(test::sampleEntries());
    test::putU32At(damaged, 0, 1);  // the count says one entry, the file holds three
    dir_.write(QStringLiteral("personal.res"), damaged);
    CMainFrame frame(catalogue_, personal_);
    ASSERT_TRUE(frame.create());
    frame.show();
    QTRY_VERIFY(!MessageBox::history().isEmpty());
    frame.mainView()->handleCommand(command::kNotes);
    const QString told = MessageBox::history()[0].text;
    EXPECT_TRUE(told.contains(personal_ + QStringLiteral(" is damaged"))) << told.toStdString();
    EXPECT_TRUE(told.contains(personal_ + QStringLiteral(".bak"))) << told.toStdString();
    int damageTold = 0;
    for (const MessageBox::Record& box : MessageBox::history()) {
        damageTold += box.text.contains(QStringLiteral(" is damaged")) ? 1 : 0;
    }
    EXPECT_EQ(damageTold, 1);
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res.bak")), damaged);
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), damaged);
}

// --- Odd locks met by the real program at start ---

struct OddLock {
    const char* name;
    std::function<void(const QString& lock)> make;
    bool takenOver;
};

class OddLockTest : public FaultProgramTest, public ::testing::WithParamInterface<OddLock> {};

void writeLock(const QString& lock, const QByteArray& bytes) {
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_P(OddLockTest, IsToldByPathOrTakenOverAndTheNotesStayAsTheyWere) {
    const QString lock = PersonalLock::lockPath(personal_);
    GetParam().make(lock);
    const QByteArray notes = dir_.read(QStringLiteral("personal.res"));
    const QString shot = dir_.path(QStringLiteral("shot.png"));
    QProcess program;
    startHeadless(program, "corkwise",
                  {QStringLiteral("--catalogue"), catalogue_, QStringLiteral("--personal"),
                   personal_, QStringLiteral("--screenshot"), shot});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), notes);
    if (GetParam().takenOver) {
        EXPECT_TRUE(QFile::exists(shot)) << err.toStdString();
        EXPECT_FALSE(QFile::exists(lock));
    } else {
        EXPECT_FALSE(QFile::exists(shot));
        EXPECT_TRUE(err.contains(lock)) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("remove"))) << err.toStdString();
        EXPECT_TRUE(QFileInfo::exists(lock));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OddLockTest,
    ::testing::Values(
        OddLock{"Empty", [](const QString& l) { writeLock(l, ""); }, false},
        OddLock{"Garbage", [](const QString& l) { writeLock(l, "\x01\x02 not a lock\n"); }, false},
        OddLock{"OtherHost",
                [](const QString& l) { writeLock(l, "4242\ncorkwise\nsome-other-host\n"); }, false},
        OddLock{"Folder", [](const QString& l) { ASSERT_TRUE(QDir().mkpath(l)); }, false},
        OddLock{"DeadOwnerHere",
                [](const QString& l) {
                    writeLock(l,
                              "999999\ncorkwise\n" + QSysInfo::machineHostName().toUtf8() + "\n");
                },
                true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FaultProgramTest, TwoLinksToOneFileShareOneLock) {
    const QString first = dir_.path(QStringLiteral("first.res"));
    const QString second = dir_.path(QStringLiteral("second.res"));
    ASSERT_TRUE(QFile::link(personal_, first));
    ASSERT_TRUE(QFile::link(first, second));
    PersonalLock held(first);
    ASSERT_EQ(held.tryLock(), PersonalLock::Result::Locked);
    EXPECT_EQ(PersonalLock::lockPath(second), personal_ + QStringLiteral(".lock"));
    EXPECT_EQ(PersonalLock(second).tryLock(), PersonalLock::Result::HeldElsewhere);
    EXPECT_EQ(PersonalLock(personal_).tryLock(), PersonalLock::Result::HeldElsewhere);
}

}  // namespace
}  // namespace corkwise
