// corkwise: the wine guide's desktop program.

#include "app/AppIdentity.h"
#include "app/CorkwiseApp.h"

#include <QApplication>
#include <QStringList>
#include <QTextStream>

int main(int argc, char** argv) {
    // The command line is read before the application object exists: --help and --version need
    // no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const corkwise::CommandLine line = corkwise::parseCommandLine(arguments);
    if (!line.error.isEmpty()) {
        QTextStream(stderr) << line.error << "\n\n" << corkwise::usageText();
        return 2;
    }
    if (line.help) {
        QTextStream(stdout) << corkwise::usageText();
        return 0;
    }
    if (line.version) {
        QTextStream(stdout) << "Corkwise 2.3\n";
        return 0;
    }
    // A screenshot needs no screen: unless told otherwise, draw off screen.
    if (!line.screenshot.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    // Settings (zoom, window geometry, recent files) live in the desktop's usual place:
    // ~/.config/Corkwise/corkwise.conf.
    QApplication::setOrganizationName(QStringLiteral("Corkwise"));
    QApplication::setApplicationName(QStringLiteral("corkwise"));
    QApplication::setApplicationDisplayName(QStringLiteral("Corkwise"));
    QApplication::setApplicationVersion(QStringLiteral("2.3"));
    // The desktop matches the windows to the installed menu entry and icon by this name.
    QGuiApplication::setDesktopFileName(corkwise::applicationId());
    QApplication::setWindowIcon(corkwise::applicationIcon());

    corkwise::CorkwiseApp corkwise(line);
    corkwise.initInstance();
    return QApplication::exec();
}
