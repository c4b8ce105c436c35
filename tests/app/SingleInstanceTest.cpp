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

TEST(SingleInstanceTest, OneFileOneChannelWhateverThePathsSpelling) {
    test::TempDir dir;
    QDir().mkpath(dir.path(QStringLiteral("sub")));
    const QString file = dir.path(QStringLiteral("personal.res"));
    const QString name = SingleInstance::channelName(file);
    EXPECT_TRUE(name.startsWith(QStringLiteral("corkwise-")));
    EXPECT_EQ(name.size(), 9 + 16);
    // The same file by other spellings, before and after it exists.
    for (const QString& same : {dir.path(QStringLiteral("sub/../personal.res")),
                                dir.path(QStringLiteral("./personal.res"))}) {
        EXPECT_EQ(SingleInstance::channelName(same), name) << same.toStdString();
    }
    dir.write(QStringLiteral("personal.res"), "x");
    EXPECT_EQ(SingleInstance::channelName(dir.path(QStringLiteral("sub/../personal.res"))), name);
    EXPECT_NE(SingleInstance::channelName(dir.path(QStringLiteral("other.res"))), name);
    EXPECT_NE(SingleInstance::channelName(dir.path(QStringLiteral("sub/personal.res"))), name);
}

TEST(SingleInstanceTest, TheListeningProgramIsAskedToComeToTheFrontAndAnswers) {
    test::ensureGuiApp();
    test::TempDir dir;
    const QString name = SingleInstance::channelName(dir.path(QStringLiteral("personal.res")));
    EXPECT_FALSE(SingleInstance::ask(name, 200)) << "no one listens yet";
    {
        SingleInstance running;
        ASSERT_TRUE(running.listen(name));
        QSignalSpy activations(&running, &SingleInstance::activationRequested);
        // The second start asks from a thread of its own, as from another process.
        std::atomic<int> answered = -1;
        std::thread second([&] { answered = SingleInstance::ask(name) ? 1 : 0; });
        const QDeadlineTimer deadline(10000);
        while (answered < 0 && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        second.join();
        EXPECT_EQ(answered, 1);
        EXPECT_EQ(activations.size(), 1);
    }
    // A channel left behind by a program that died is taken over by the next one.
    QFile stale(QDir::temp().filePath(name));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance next;
    EXPECT_TRUE(next.listen(name));
}

TEST(SingleInstanceTest, BringToFrontShowsTheMinimisedFrameAgain) {
    test::ensureGuiApp();
    MessageBox::setUnattended(true);
    test::TempDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path(QString()));
    test::ShellCatalogue catalogue;
    CommandLine line;
    line.catalogue = catalogue.writeTo(dir);
    line.personal = dir.path(QStringLiteral("personal.res"));
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

TEST(SingleInstanceTest, ASecondProgramOnTheSameFileEndsSilentlyWithZero) {
    test::ensureGuiApp();
    test::TempDir dir;
    test::ShellCatalogue catalogue;
    const QStringList arguments{QStringLiteral("--catalogue"), catalogue.writeTo(dir),
                                QStringLiteral("--personal"),
                                dir.path(QStringLiteral("personal.res"))};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.path(QStringLiteral("config")));
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/corkwise");
    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, arguments);
    ASSERT_TRUE(first.waitForStarted(30000)) << program.toStdString();
    const QString name = SingleInstance::channelName(dir.path(QStringLiteral("personal.res")));
    // The first program is up once it answers on its channel.
    const QDeadlineTimer startUp(60000);
    bool up = false;
    while (!up && !startUp.hasExpired() && first.state() != QProcess::NotRunning) {
        up = SingleInstance::ask(name, 500);
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
    QLocalServer::removeServer(name);
}

}  // namespace
}  // namespace corkwise
