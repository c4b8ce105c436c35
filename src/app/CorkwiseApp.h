#pragma once
// The application object: reads the command line, finds the data files, creates the main frame
// and shows it, or tells the user that the catalogue cannot be read and quits with code 0 without
// ever showing a window. It also answers Help > About.
//
// One program at a time works on a personal file: the application holds the file's lock
// (PersonalLock) from start-up to its end. A second program started on the same file brings the
// running one's window to the front (SingleInstance) and quits silently with code 0 without
// reading or writing anything; only when the running one cannot be reached does it say
// "Corkwise is already running." first.
// When the desktop session ends, the notes are kept as at Exit (CMainFrame::saveBeforeExit).
//
// Without --catalogue the program opens the catalogue last opened from File > Open Catalogue...
// (kept in the settings with the recent catalogues), when it is still usable.

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace corkwise {

class CMainFrame;
class EndingSignals;
class PersonalLock;
class SingleInstance;
struct CatalogProblem;

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
    // The text shown when the catalogue the program brings cannot be read. A catalogue named
    // with --catalogue is told by its path and the reason instead (CatalogProblem).
    static const QString kProblemReadingText;
    // The text shown when another program holds the personal file's lock.
    static const QString kAlreadyRunningText;

    // What the user is told when the catalogue cannot be used: kProblemReadingText for the
    // program's own catalogue (NAMEDPATH empty), else PROBLEM's sentence naming the file.
    // PROBLEM may be None when the file passed the check but the frame could not be built.
    static QString catalogueMessage(const CatalogProblem& problem, const QString& namedPath);

    // OPTIONS as parsed.
    explicit CorkwiseApp(CommandLine options);
    ~CorkwiseApp() override;

    // Start-up: locates the files, takes the personal file's lock, points the diagnostic log
    // beside the personal file and builds the frame. When another program holds the lock, it is
    // asked to come to the front and a quit with code 0 is posted before anything else happens;
    // the user is told (a box, or stderr unattended) only when it cannot be asked. When the
    // catalogue cannot be read, the user is told (and stderr too), a quit with code 0 is posted and
    // no window is created. In screenshot mode message boxes are answered unattended and the window
    // is written as a PNG after its first paint, followed by a quit with code 0 (1 when the picture
    // cannot be written). Always true: start-up problems end through the event loop.
    bool initInstance();

    // The frame, or null when start-up failed.
    CMainFrame* mainFrame() const { return frame_.get(); }
    // Shows the About box, modal, over the frame. Returns it (owned by the frame, deleted when
    // closed) so that tests can close it.
    QWidget* showAbout();

    // The paths start-up chose.
    const QString& cataloguePath() const { return cataloguePath_; }
    const QString& personalPath() const { return personalPath_; }

    // Shows the frame un-minimised, raised and active: what a second start asks for. Nothing
    // while there is no frame on screen yet.
    void bringToFront();

    // The desktop session is ending: keeps the notes as Exit does. Returns false when the user
    // chose to stay (the session manager is then asked to cancel the shutdown); MAYASK false
    // when the session manager allows no question.
    bool commitData(bool mayAsk);
    // SIGTERM, SIGINT or SIGHUP arrived (SIGNALNUMBER), or the program is ending on its own
    // (0): the notes are saved without asking (CMainFrame::saveWithoutAsking, problems to
    // stderr); after a signal the program then quits with code 0.
    void endWithoutAsking(int signalNumber);

private:
    // Quits with code 0 once the event loop runs.
    static void postQuit();
    void writeScreenshot();
    // Answers second starts on the personal file's channel CHANNELNAME.
    void listenForSecondStarts(const QString& channelName);

    CommandLine options_;
    std::unique_ptr<QSettings> settings_;
    std::unique_ptr<PersonalLock> lock_;
    std::unique_ptr<SingleInstance> channel_;
    std::unique_ptr<EndingSignals> signals_;
    std::unique_ptr<CMainFrame> frame_;
    QString cataloguePath_;
    QString personalPath_;
};

}  // namespace corkwise
