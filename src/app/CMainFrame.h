#pragma once
// The main frame: the window titled "Corkwise" that holds the main view over the command bar.
//
// Construction opens the catalogue and creates the long-lived objects: the Catalog, the
// PersonalStore, and, only when the catalogue is open, the WineGuide with every page of the five
// searches and the MainView. create() then builds the window: the main view as its child and the
// command bar with the Ctrl+Q, Ctrl+X, Ctrl+C and Ctrl+V accelerators. Every command goes to the
// main view first, then to the frame (Exit, Help, the File menu's notes commands) and the
// application (About).
//
// Closing the frame (Exit, Ctrl+Q, the window's close button) first keeps the user's notes:
// saveBeforeExit. Between times, every change to the notes and every keystroke on the personal
// panel restarts a short timer after which the store saves itself (kAutosaveDelayMs).
//
// File > Open Catalogue... and File > Recent Catalogues replace the catalogue while the program
// runs (openCatalogue): the guide, its pages and the main view are built again on the new file,
// and the personal store, with every note and bookmark, stays as it is.

#include <QString>
#include <QWidget>

class QTimer;

#include <functional>
#include <memory>

namespace corkwise {

class CommandBar;
class FrameZoom;
class HelpWindow;
class MainView;
class RecentCatalogues;
class PersonalStore;
class WineGuide;

class CMainFrame : public QWidget {
    Q_OBJECT

public:
    // Asks the user for a catalogue file, starting in the folder of START; empty when cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const QString& start)>;

    // Opens the catalogue at CATALOGUE_PATH and keeps notes in PERSONAL_PATH. Nothing is shown
    // yet.
    CMainFrame(const QString& cataloguePath, const QString& personalPath);
    // Destroys the view, the pages, the guide (with the catalogue) and the store, in that order.
    ~CMainFrame() override;

    // True when the catalogue was opened; nothing else exists when it is false.
    bool isOpened() const { return opened_; }
    // Builds the window: the main view, the command bar and the accelerators. False when the
    // main view or the command bar cannot be created; the frame must then not be shown.
    bool create();

    MainView* mainView() const { return view_; }
    CommandBar* commandBar() const { return bar_; }
    // The zoom of the window (View menu, resizing); null before create().
    FrameZoom* zoom() const { return zoom_; }
    WineGuide* guide() const { return guide_.get(); }
    PersonalStore* store() const { return store_.get(); }

    // Offers COMMANDID to the main view, then to the frame; emits unhandledCommand for the rest.
    void routeCommand(int commandId);

    // Shows the help window (made the first time, then brought to the front) and returns it.
    HelpWindow* showHelp();
    // The help window, or null before the first showHelp.
    HelpWindow* helpWindow() const { return help_; }
    // The catalogue in use.
    const QString& cataloguePath() const { return cataloguePath_; }
    // Replaces the catalogue in use with the one at PATH: what the personal panel shows is kept
    // in the store, the view, pages and guide of the old catalogue go, and new ones are built on
    // PATH, showing the home picture. When PATH is not a catalogue the program can use, nothing
    // changes and false is returned with the reason (naming PATH) in WHY. Remembered in the
    // recent catalogues on success.
    bool openCatalogue(const QString& path, QString* why);
    // File > Open Catalogue...: asks for a file and opens it, or tells the user why it cannot be
    // opened. Nothing when the user cancels.
    void chooseCatalogue();
    // The recent catalogues of the File menu; by default kept in memory only. The program gives
    // one kept in its settings.
    void setRecentCatalogues(std::unique_ptr<RecentCatalogues> recent);
    RecentCatalogues& recentCatalogues() const { return *recent_; }
    // Replaces the file dialog of Open Catalogue (the tests answer it).
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

    // Before the program ends: stores what the personal panel shows back into the store, as
    // Done does, and writes the personal file when the store holds anything the file does not.
    // When that write fails and MAYASK, asks "Your notes could not be saved: REASON. Quit
    // anyway?" and returns false on No: the program should stay, with the notes in memory and
    // the panel as it was. True otherwise (nothing to write, written, or Yes). No is the default
    // answer. A file another program changed is only saved over when the user agrees to keep
    // the other version beside it. Not allowed to ask, it does what saveWithoutAsking does and
    // writes any failure to stderr.
    bool saveBeforeExit(bool mayAsk = true);
    // For an end nobody can be asked about (a signal, the display gone): keeps the notes as
    // saveBeforeExit does, keeping both versions of a file changed on disk, and when the file
    // cannot take them writes them to a file in the temporary folder. Returns what went wrong
    // for stderr, empty when all was saved.
    QString saveWithoutAsking();

    // How long after the last change or keystroke the notes are saved.
    static constexpr int kAutosaveDelayMs = 1500;

Q_SIGNALS:
    // A command neither the view nor the frame handles (About goes to the application).
    void unhandledCommand(int commandId);
    // Another catalogue is in use: the main view (mainView()) is a new one.
    void catalogueChanged(const QString& path);

protected:
    void focusInEvent(QFocusEvent* event) override;
    // Refuses to close when saveBeforeExit says to stay.
    void closeEvent(QCloseEvent* event) override;

private:
    // Builds the main view on the guide and puts it above the command bar. False when its
    // children cannot be created.
    bool createView();
    // Opens recent catalogue INDEX, or tells the user why it cannot be opened.
    void openRecent(int index);
    void refuse(const QString& why);

    QString cataloguePath_;
    std::unique_ptr<RecentCatalogues> recent_;
    FileChooser chooser_;
    // The autosave timer ran out: stores the panel's pages and saves; a failure is told once
    // per cause.
    void autosave();

    CommandBar* bar_ = nullptr;
    QTimer* autosave_ = nullptr;
    QString autosaveError_;
    QWidget* content_ = nullptr;
    FrameZoom* zoom_ = nullptr;
    bool opened_ = false;
    MainView* view_ = nullptr;
    std::unique_ptr<PersonalStore> store_;
    std::unique_ptr<WineGuide> guide_;
    // Owns the pages of the searches while their flow is not open.
    std::unique_ptr<QWidget> pageOwner_;
    HelpWindow* help_ = nullptr;  // a child window of the frame
};

}  // namespace corkwise
