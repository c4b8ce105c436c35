// The channel of a second start: its name, a request answered by the running program, and the
// real program started twice on one personal file.

#include "app/SingleInstance.h"

#include "app/CMainFrame.h"
#include "app/CorkwiseApp.h"
#include "platform/MessageBox.h"
#include "testsupport/GuiApp.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QThread>

#include <atomic>
#include <thread>

namespace corkwise {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    test::TempDir dir_;
    const QString personal_ = dir_.path(QStringLiteral("personal.res"));
    const QString channel_ = SingleInstance::channelName(personal_);
};

TEST_F(SingleInstanceTest, OneFileOneChannelWhateverThePathsSpelling) {
    QDir().mkpath(dir_.path(QStringLiteral("sub")));
    EXPECT_TRUE(channel_.startsWith(QStringLiteral("corkwise-")));
    EXPECT_EQ(channel_.size(), 9 + 16);
    // The same file by other spellings, before and after it exists.
    for (const QString& same : {dir_.path(QStringLiteral("sub/../personal.res")),
                                dir_.path(QStringLiteral("./personal.res"))}) {
        EXPECT_EQ(SingleInstance::channelName(same), channel_) << same.toStdString();
    }
    dir_.write(QStringLiteral("personal.res"), "x");
    EXPECT_EQ(SingleInstance::channelName(dir_.path(QStringLiteral("sub/../personal.res"))),
              channel_);
    EXPECT_NE(SingleInstance::channelName(dir_.path(QStringLiteral("other.res"))), channel_);
    EXPECT_NE(SingleInstance::channelName(dir_.path(QStringLiteral("sub/personal.res"))), channel_);
}

TEST_F(SingleInstanceTest, TheListeningProgramIsAskedToComeToTheFrontAndAnswers) {
    EXPECT_FALSE(SingleInstance::ask(channel_, 200)) << "no one listens yet";
    {
        SingleInstance running;
        ASSERT_TRUE(running.listen(channel_));
        QSignalSpy activations(&running, &SingleInstance::activationRequested);
        // The second start asks from a thread of its own, as from another process.
        std::atomic<int> answered = -1;
        std::thread second([&] { answered = SingleInstance::ask(channel_) ? 1 : 0; });
        const QDeadlineTimer deadline(10000);
        while (answered < 0 && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        second.join();
        EXPECT_EQ(answered, 1);
        EXPECT_EQ(activations.size(), 1);
    }
    // A channel left behind by a program that died is taken over by the next one.
    QFile stale(QDir::temp().filePath(channel_));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance next;
    EXPECT_TRUE(next.listen(channel_));
}

TEST_F(SingleInstanceTest, BringToFrontShowsTheMinimisedFrameAgain) {
    MessageBox::setUnattended(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path(QString()));
    CommandLine line;
    line.catalogue = test::ShellCatalogue().writeTo(dir_);
    line.personal = personal_;
    CorkwiseApp app(line);
    ASSERT_TRUE(app.initInstance());
    CMainFrame* frame = app.mainFrame();
    ASSERT_NE(frame, nullptr);
    frame->showMinimized();
    ASSERT_TRUE(frame->isMinimized());
    app.bringToFront();
    EXPECT_FALSE(frame->isMinimized());
    EXPECT_TRUE(frame->isVisible());
    MessageBox::setUnattended(false);
}

TEST_F(SingleInstanceTest, ASecondProgramOnTheSameFileEndsSilentlyWithZero) {
    const QStringList arguments{QStringLiteral("--catalogue"), test::ShellCatalogue().writeTo(dir_),
                                QStringLiteral("--personal"), personal_};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.path(QStringLiteral("config")));
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/corkwise");
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, arguments);
    ASSERT_TRUE(first.waitForStarted(30000)) << program.toStdString();
    // The first program is up once it answers on its channel.
    const QDeadlineTimer startUp(60000);
    bool up = false;
    while (!up && !startUp.hasExpired() && first.state() != QProcess::NotRunning) {
        up = SingleInstance::ask(channel_, 500);
        QThread::msleep(up ? 0 : 50);
    }
    ASSERT_TRUE(up) << first.readAllStandardError().toStdString();

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, arguments);
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_FALSE(second.readAllStandardError().contains("already running"));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
    // Killed, the first program could not close its channel.
    QLocalServer::removeServer(channel_);
}

}  // namespace
}  // namespace corkwise
