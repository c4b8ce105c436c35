#pragma once
// The stage on which every screen is shown: the home picture with its five searches, the pages of
// the open search above the navigation strip, the menu of searches, and the personal panel.
//
// What is shown is worked out from two things only: the open flow (current() is -1 at home) and
// the overlays that cover it (see Overlay). screenChanged() shows exactly that, and the command
// bar, the window title and the focus follow it. Every command of the command bar reaches the
// main view (handleCommand) before the frame.

#include "app/PersonalVariant.h"
#include "personal/EntryKind.h"
#include "screens/PageHost.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>

namespace corkwise {

class AdvancedSearchPanel;
class CommandBar;
class HomeBannerButton;
class CPersonal;
class NameSearchPanel;
class NavigationStrip;
class RecordCursor;
class SearchPage;
class WineGuide;

class MainView : public QWidget, public PageHost {
    Q_OBJECT

public:
    static constexpr int kWidth = 240;
    static constexpr int kHeight = 268;

    // The screens that can cover the home picture or the open flow's page, each over the whole
    // view. They lie in this order, from the bottom: the menu of searches, the name search (over
    // whatever is shown), the personal panel (over anything). Only the top one is seen; leaving it
    // uncovers the one beneath as it was. None: nothing covers the home picture or the page,
    // shown with the strip.
    enum class Overlay { None, Menu, NameSearch, Personal };

    // GUIDE (not owned) must outlive the view. BAR (not owned, may be null) is the command bar
    // whose Personal and Edit buttons the view keeps up to date.
    MainView(WineGuide& guide, CommandBar* bar, QWidget* parent = nullptr);
    // Closes an open flow, so that the pages go back to their owner.
    ~MainView() override;

    // Creates the strip, the menu of searches and the personal panel, hidden. False when one of
    // them cannot be created (the personal panel's controls failed).
    bool createChildren();

    // Runs a command of the command bar; false when the view does not handle it.
    bool handleCommand(int commandId);

    // --- Flows ---

    // Opens FLOWID without showing it: its pages get their windows, and the current page and the
    // strip are shown by the next change of screen.
    void startFlow(int flowId);
    void goNext() override;
    void goBack() override;
    void closeFlow() override;
    void moreSearch() override;
    // Starts FLOWID from the guide's current record, which it then drops. Best Values and Best
    // Producers land on their results when the form follows the record. Find Wine (Power Search)
    // shows the producer page; from a wine's record it goes on through the producer and wine
    // pages as far as they follow it, so that the user sees the remembered wine rather than the
    // region's first producer. Without RUN it is only a
    // test of whether the first page follows the record, and nothing stays open.
    bool startPrefilled(int flowId, bool run) override;
    // Replays FLOWID from the guide's opened bookmark; the menu of searches, if up, is left.
    void startSearch(int flowId) override;

    // --- Personal ---

    // Shows the stored entries of KIND on the personal panel, or tells the user there are none.
    void showPersonal(EntryKind kind);
    void addBookmark(const QString& name) override;
    void leavePersonal() override;
    // Picks the Personal menu variant that matches what is stored.
    void updatePersonalMenu();
    void allowAddBookmark(bool on) override;
    void showException() override;
    // Writes the personal file; a failure is shown, and a file another program changed since it
    // was read is only replaced when the user agrees to keep the other version beside it.
    bool savePersonal() override;
    // Reads the personal file once and shows what the store found wrong with it, if anything.
    void loadPersonal();

    // --- Search menu ---

    // Shows the name search over whatever is shown, its field empty and holding the focus, and
    // offers the Edit menu for it. Nothing while the personal panel is up.
    void showNameSearch();
    // Hides the name search, so that what it covered is seen again.
    void closeNameSearch();
    // Opens the wine on ROW of wine table TABLE (a table number): it becomes the guide's current
    // record and Find Wine starts from it as Power Search does (startPrefilled), normally landing
    // on the wine page with the wine's vintage and product. Nothing when TABLE is not a record
    // table.
    void openWine(int table, int row);
    // Starts FLOWID as a tap on its home banner does, from whatever is shown, with nothing
    // remembered: the guide forgets its current record (and an opened bookmark). Nothing while
    // the personal panel is up.
    void startFromMenu(int flowId);

    // --- Wine card ---

    // Shows WINE's card, a window of its own over the frame.
    void showWineCard(const RecordCursor& wine) override;
    // Opens WINE in Find Wine as openWine does and bookmarks it there from the wine page.
    void bookmarkWine(const RecordCursor& wine);

    // The window title for what is shown now: "Corkwise" at home, otherwise the place's name
    // (the home banner's words for a search, "Notes", "Bookmarks", "Find by Name", "More
    // Search") followed by " — Corkwise".
    QString placeTitle() const;

    // --- State, for the frame and for tests ---

    int current() const { return current_; }
    const QList<SearchPage*>& pages() const { return pages_; }
    SearchPage* currentPage() const;
    // The overlay on top, which is the one shown.
    Overlay overlay() const;
    PersonalVariant personalVariant() const { return personalVariant_; }
    bool firstPaintDone() const { return firstPaintDone_; }
    NavigationStrip* strip() const { return strip_; }
    AdvancedSearchPanel* advancedPanel() const { return advancedPanel_; }
    CPersonal* personalPanel() const { return personalPanel_.get(); }
    NameSearchPanel* nameSearchPanel() const { return nameSearch_; }
    WineGuide& guide() const { return guide_; }

    // --- Keyboard (MainViewKeyboard.cpp) ---
    //
    // Each screen has its own focus order, which Tab and Shift+Tab follow round: Home the five
    // banners from the top; a page its controls from top to bottom, then Cancel, Back and Next or
    // Finish; the menu of searches its buttons. A screen newly shown gives the focus to its first
    // banner, to the first list of the page, to its first usable button, or to the personal
    // panel's list. Keys that the focused control leaves unused reach the view: Enter is Next (or
    // Finish) and Escape Cancel on a page, Escape leaves the menu of searches for home. Alt+Left
    // is Back, Alt+Right Next, and Alt+Home goes home from any screen (leaving the personal panel
    // as Done does and closing the search as Cancel does).

    // The home picture's banners, from the top; shown (to the keyboard) only at home.
    const QList<HomeBannerButton*>& banners() const { return banners_; }
    // The controls Tab goes through on the screen shown now, in order; empty for the personal
    // panel and the name search, which keep their own order.
    QList<QWidget*> focusOrder() const;
    // Goes home from whatever is shown.
    void goHome();

Q_SIGNALS:
    // Emitted once, after the first paint of the view.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Puts OVERLAY over what is shown, or takes it away wherever it lies, and shows the result.
    void cover(Overlay overlay);
    void uncover(Overlay overlay);
    bool isUp(Overlay overlay) const;
    // The one place that shows and hides the screens: the top overlay, else the current page with
    // the strip, else the home picture's banners; the command bar and the title follow. Called
    // after every change of the overlays or of the current page.
    void showState();
    // showState, then the focus goes to the screen shown when it is new or the focus was lost.
    void screenChanged();
    // The Personal variant shown, greyed with the Search button while the personal panel is up;
    // the Edit button offered while the personal panel or the name search is.
    void updateCommandBar();
    void createKeyboard();
    QWidget* shownScreen() const;
    QWidget* firstFocus() const;
    // False, after telling the user once and asking the frame to close (which saves the notes),
    // when the catalogue changed on disk since it was opened: what it reads is unreliable.
    bool catalogueUnchanged();
    void startFlowAt(int flowId);
    // After Find Wine's pre-filled start has shown the producer page: fills it and the pages
    // after it from WINE as far as its values are found and shows the last page reached.
    void followRecord(const RecordCursor& wine);
    bool hasFlow() const { return current_ >= 0 && current_ < pages_.size(); }
    bool catalogueToldChanged_ = false;
    // Replays the pages from FIRST, at most COUNT of them (see replayPages); how many loaded.
    int replay(int first, int count);
    const QImage& homePicture();
    // Opens WINE in Find Wine from whatever is shown, as far as the pages follow it.
    void openWineRecord(const RecordCursor& wine);
    void updateTitle();

    QList<SearchPage*> pages_;
    std::unique_ptr<CPersonal> personalPanel_;
    PersonalVariant personalVariant_ = PersonalVariant::NotesAndBookmarks;
    // The overlays that are up, a bit each (Menu the lowest); the highest is on top.
    unsigned overlays_ = 0;
    bool firstPaintDone_ = false;
    int openFlowId_ = -1;
    int current_ = -1;
    NavigationStrip* strip_ = nullptr;
    QImage home_;
    WineGuide& guide_;
    AdvancedSearchPanel* advancedPanel_ = nullptr;
    CommandBar* bar_;
    NameSearchPanel* nameSearch_ = nullptr;
    QList<HomeBannerButton*> banners_;
    // The screen that had the focus last (see shownScreen); the view itself for home.
    QWidget* focusedScreen_ = nullptr;
    // The search last started from the home picture, whose banner has the focus back at home.
    int lastFlow_ = -1;
};

}  // namespace corkwise
