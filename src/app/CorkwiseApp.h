#pragma once
// The application object: reads the command line, finds the data files, creates the main frame
// and shows it, or tells the user that the catalogue cannot be read and quits with code 0 without
// ever showing a window. It also answers Help > About.

#include "screens/PersonalPanel.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

namespace corkwise {

class CMainFrame;

// What the command line asks for.
struct CommandLine {
    QString catalogue;   // --catalogue FILE
    QString personal;    // --personal FILE
    QString screenshot;  // --screenshot FILE
    double scale = 1.0;  // --scale N
    bool help = false;
    bool version = false;
    QString error;  // set when the command line is not understood
};

// Parses ARGUMENTS (the program name first). Unknown options, missing values and a scale outside
// 1 to 8 set CommandLine::error.
CommandLine parseCommandLine(const QStringList& arguments);
// The usage text printed by --help.
QString usageText();

class CorkwiseApp : public QObject {
    Q_OBJECT

public:
    // The text shown when the catalogue cannot be read.
    static const QString kProblemReadingText;

    // OPTIONS as parsed; PANEL makes the personal panel (a default one when empty).
    explicit CorkwiseApp(CommandLine options, PersonalPanelFactory panel = {});
    ~CorkwiseApp() override;

    // Start-up: locates the files, points the diagnostic log beside the personal file and builds
    // the frame. When the catalogue cannot be read, the user is told (and stderr too), a quit
    // with code 0 is posted and no window is created. In screenshot mode message boxes are
    // answered unattended and the window is written as a PNG after its first paint, followed by
    // a quit with code 0 (1 when the picture cannot be written). Always true: start-up problems
    // end through the event loop.
    bool initInstance();

    // The frame, or null when start-up failed.
    CMainFrame* mainFrame() const { return frame_.get(); }
    // Shows the About box, modal, over the frame. Returns it (owned by the frame, deleted when
    // closed) so that tests can close it.
    QWidget* showAbout();

    // The paths start-up chose.
    const QString& cataloguePath() const { return cataloguePath_; }
    const QString& personalPath() const { return personalPath_; }

private:
    void writeScreenshot();

    CommandLine options_;
    PersonalPanelFactory panel_;
    std::unique_ptr<CMainFrame> frame_;
    QString cataloguePath_;
    QString personalPath_;
};

}  // namespace corkwise
