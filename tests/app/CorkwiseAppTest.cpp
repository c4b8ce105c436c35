// Start-up: the command line, the failure path when the catalogue cannot be read, the About box,
// and the program itself run headless.

#include "app/CorkwiseApp.h"

#include "app/AboutDialog.h"
#include "app/AppIdentity.h"
#include "app/CMainFrame.h"
#include "catalog/CatalogProblem.h"
#include "common/ErrorLog.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalLock.h"
#include "platform/MessageBox.h"
#include "testsupport/GuiApp.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTimer>

namespace corkwise {
namespace {

QStringList args(std::initializer_list<const char*> list) {
    QStringList out{QStringLiteral("corkwise")};
    for (const char* a : list) {
        out.append(QString::fromLatin1(a));
    }
    return out;
}

TEST(CommandLineTest, ReadsEveryOptionInBothSpellings) {
    const CommandLine line =
        parseCommandLine(args({"--catalogue", "/c/wcat.res", "--personal=/p/personal.res",
                               "--screenshot", "a.png", "--scale=2.5", "--version", "--help"}));
    EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    EXPECT_EQ(line.catalogue, QStringLiteral("/c/wcat.res"));
    EXPECT_EQ(line.personal, QStringLiteral("/p/personal.res"));
    EXPECT_EQ(line.screenshot, QStringLiteral("a.png"));
    EXPECT_DOUBLE_EQ(line.scale, 2.5);
    EXPECT_TRUE(line.version);
    EXPECT_TRUE(line.help);
    EXPECT_DOUBLE_EQ(parseCommandLine(args({})).scale, 1.0);
}

TEST(CommandLineTest, RejectsWhatItDoesNotUnderstand) {
    EXPECT_FALSE(parseCommandLine(args({"--colour"})).error.isEmpty());
    EXPECT_FALSE(parseCommandLine(args({"--catalogue"})).error.isEmpty());
    EXPECT_FALSE(parseCommandLine(args({"--personal="})).error.isEmpty());
    EXPECT_FALSE(parseCommandLine(args({"--scale", "0"})).error.isEmpty());
    EXPECT_FALSE(parseCommandLine(args({"--scale", "9"})).error.isEmpty());
    EXPECT_FALSE(parseCommandLine(args({"--scale", "big"})).error.isEmpty());
    EXPECT_FALSE(parseCommandLine(args({"stray"})).error.isEmpty());
}

class CorkwiseAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        MessageBox::clearHistory();
        MessageBox::setUnattended(true);
        line_.personal = dir_.path(QStringLiteral("personal.res"));
    }
    void TearDown() override {
        MessageBox::setUnattended(false);
        ErrorLog::setDirectory(QString());
    }

    test::TempDir dir_;
    test::ShellCatalogue catalogue_;
    CommandLine line_;
};

TEST_F(CorkwiseAppTest, UnusableCatalogueIsToldByItsPathAndTheProgramQuitsWithZeroAndNoWindow) {
    const struct {
        const char* file;
        QByteArray bytes;  // written unless the file is to be missing
        const char* reason;
    } cases[] = {
        {"missing/wcat.res", QByteArray(), " does not exist."},
        {"empty.res", QByteArray(""), " is empty."},
        {"cut.res", catalogue_.bytes.left(100), " is cut short at byte 100."},
        {"notes.res", QByteArray("Chateau Rouge 1997, to drink by 2010\n"),
         " is not a Corkwise catalogue."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        MessageBox::clearHistory();
        line_.catalogue = c.bytes.isNull() ? dir_.path(QString::fromLatin1(c.file))
                                           : dir_.write(QString::fromLatin1(c.file), c.bytes);
        CorkwiseApp app(line_);
        EXPECT_TRUE(app.initInstance());
        EXPECT_EQ(app.mainFrame(), nullptr);

        ASSERT_EQ(MessageBox::history().size(), 1);
        const MessageBox::Record& box = MessageBox::history()[0];
        EXPECT_EQ(box.caption, QStringLiteral("Corkwise"));
        EXPECT_EQ(box.text, line_.catalogue + QString::fromLatin1(c.reason));
        EXPECT_EQ(box.icon, MessageBox::Icon::Error);
        EXPECT_EQ(box.buttons, MessageBox::Ok);
        EXPECT_FALSE(box.hadOwner);

        // The quit request was posted: the event loop ends at once, with code 0.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        EXPECT_EQ(QApplication::exec(), 0);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        }
    }
}

TEST(CatalogueMessageTest, TheProgramsOwnCatalogueAsksForAReinstallANamedOneIsToldByPath) {
    CatalogProblem cut;
    cut.kind = CatalogProblem::Kind::CutShort;
    cut.text = QStringLiteral("/data/wcat.res is cut short at byte 7.");
    const struct {
        CatalogProblem problem;
        const char* named;
        const char* message;
    } cases[] = {
        {cut, "", "Problem reading wines data. Please reinstall application."},
        {CatalogProblem(), "", "Problem reading wines data. Please reinstall application."},
        {cut, "/data/wcat.res", "/data/wcat.res is cut short at byte 7."},
        {CatalogProblem(), "/data/wcat.res", "/data/wcat.res cannot be opened as a catalogue."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CorkwiseApp::catalogueMessage(c.problem, QString::fromLatin1(c.named)),
                  QString::fromLatin1(c.message));
    }
}

TEST_F(CorkwiseAppTest, StartsOnAReadableCatalogueWithTheLogBesideThePersonalFile) {
    line_.catalogue = catalogue_.writeTo(dir_);
    CorkwiseApp app(line_);
    ASSERT_TRUE(app.initInstance());
    ASSERT_NE(app.mainFrame(), nullptr);
    EXPECT_TRUE(app.mainFrame()->isVisible());
    EXPECT_TRUE(MessageBox::history().isEmpty());
    EXPECT_EQ(app.cataloguePath(), line_.catalogue);
    EXPECT_EQ(QFileInfo(ErrorLog::filePath()).absolutePath(),
              QFileInfo(line_.personal).absolutePath());
}

TEST_F(CorkwiseAppTest, AboutBoxNamesTheProgramAndItsVersion) {
    line_.catalogue = catalogue_.writeTo(dir_);
    CorkwiseApp app(line_);
    ASSERT_TRUE(app.initInstance());
    QWidget* about = app.showAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Corkwise"));
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isModal());
    const QStringList lines = AboutDialog::aboutText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 10);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(lines[i].isEmpty());
    }
    EXPECT_EQ(lines[6], QStringLiteral("Corkwise"));
    EXPECT_EQ(lines[7], QStringLiteral("Version 2.3"));
    EXPECT_EQ(about->findChild<QLabel*>(QStringLiteral("aboutText"))->text(),
              AboutDialog::aboutText());
    // The frame and the About box wear the program's icon, not the toolkit's.
    for (const QWidget* window :
         {static_cast<const QWidget*>(app.mainFrame()), static_cast<const QWidget*>(about)}) {
        EXPECT_EQ(window->windowIcon().availableSizes(), applicationIcon().availableSizes());
    }
    about->close();
}

// The program beside this test binary.
QString program() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/corkwise");
}

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QProcessEnvironment programEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

ProgramRun runProgram(const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(programEnvironment());
    process.start(program(), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

TEST_F(CorkwiseAppTest, ProgramWritesItsWindowHeadlessAndEnlargesItCrisply) {
    const QString catalogue = catalogue_.writeTo(dir_);
    const QString shot = dir_.path(QStringLiteral("home.png"));
    const ProgramRun run =
        runProgram({QStringLiteral("--catalogue"), catalogue, QStringLiteral("--personal"),
                    line_.personal, QStringLiteral("--screenshot"), shot});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 240);
    EXPECT_GT(image.height(), 268) << "the view and the command bar under it";

    const QString big = dir_.path(QStringLiteral("big.png"));
    const ProgramRun scaled = runProgram(
        {QStringLiteral("--catalogue"), catalogue, QStringLiteral("--personal"), line_.personal,
         QStringLiteral("--scale"), QStringLiteral("2"), QStringLiteral("--screenshot"), big});
    ASSERT_EQ(scaled.exitCode, 0) << scaled.err.toStdString();
    EXPECT_EQ(QImage(big).width(), 480);
}

TEST_F(CorkwiseAppTest, ProgramWithoutACatalogueSaysSoOnStderrAndExitsWithZero) {
    const QString shot = dir_.path(QStringLiteral("none.png"));
    const ProgramRun run = runProgram(
        {QStringLiteral("--catalogue"), dir_.path(QStringLiteral("no.res")),
         QStringLiteral("--personal"), line_.personal, QStringLiteral("--screenshot"), shot});
    EXPECT_EQ(run.exitCode, 0);
    const QByteArray told =
        QFile::encodeName(dir_.path(QStringLiteral("no.res"))) + QByteArray(" does not exist.");
    EXPECT_TRUE(run.err.contains(told)) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(shot));
}

TEST_F(CorkwiseAppTest, ProgramAnswersVersionAndHelpAndRefusesUnknownOptions) {
    const ProgramRun version = runProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.contains("2.3"));
    const ProgramRun help = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--screenshot"));
    const ProgramRun bad = runProgram({QStringLiteral("--nonsense")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("--nonsense"));
}

TEST_F(CorkwiseAppTest, ProgramOnALockedFileSaysSoAndLeavesTheFileAlone) {
    const QStringList arguments{QStringLiteral("--catalogue"),  catalogue_.writeTo(dir_),
                                QStringLiteral("--personal"),   line_.personal,
                                QStringLiteral("--screenshot"), dir_.path(QStringLiteral("s.png"))};
    const QByteArray notes = PersonalFile::serialise({PersonalEntry()});
    dir_.write(QStringLiteral("personal.res"), notes);
    PersonalLock running(line_.personal);
    ASSERT_EQ(running.tryLock(), PersonalLock::Result::Locked);
    const ProgramRun run = runProgram(arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("Corkwise is already running.")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir_.path(QStringLiteral("s.png"))));
    EXPECT_FALSE(QFile::exists(dir_.path(QStringLiteral("Error.log"))));
    EXPECT_EQ(dir_.read(QStringLiteral("personal.res")), notes);

    // A lock whose program died (killed here) is taken over.
    running.unlock();
    QProcess crashing;
    crashing.setProcessEnvironment(programEnvironment());
    crashing.start(program(), arguments.mid(0, 4));
    const QString lockFile = PersonalLock::lockPath(line_.personal);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockFile), 60000);
    EXPECT_EQ(PersonalLock(line_.personal).tryLock(), PersonalLock::Result::HeldElsewhere);
    crashing.kill();
    ASSERT_TRUE(crashing.waitForFinished());
    ASSERT_TRUE(QFile::exists(lockFile));
    EXPECT_EQ(runProgram(arguments).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir_.path(QStringLiteral("s.png"))));
    EXPECT_FALSE(QFile::exists(lockFile));
}

}  // namespace
}  // namespace corkwise
