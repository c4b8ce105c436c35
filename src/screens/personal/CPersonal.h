#pragma once
// The personal panel: the stored notes or the stored bookmarks, one kind at a time.
//
// At the top a drop-down list names every entry of the shown kind in store order; below it a tab
// panel shows the chosen entry on the Details page (its catalogue fields, editable for a note)
// and the Notes page (its free text); at the bottom Go to (bookmarks) or Rename (notes), Delete
// and Done. The main view creates one panel over its whole area and shows it for the Personal
// menu's commands. It is a SearchPage with page id -1, so that the main view makes its window as
// it does a page's; it returns to the main view through its host (leavePersonal, startSearch,
// savePersonal).
//
// What the user changes on the pages reaches the store when the entry shown is stored back
// (another entry chosen, Go to, Done, or keepShown, which the program's autosave calls shortly
// after edited() was last emitted). Delete asks first. A save that fails is reported to the user
// by the host; the entries stay in memory either way.

#include "common/StringMap.h"
#include "personal/EntryKind.h"
#include "screens/SearchPage.h"

#include <QList>

class QComboBox;
class QLabel;
class QPushButton;

namespace corkwise {

class DetailsPage;
class NotesPage;
class RenameBox;
class TabPanel;

class CPersonal : public SearchPage {
    Q_OBJECT

public:
    // GUIDE must outlive the panel. The tab panel and its two pages are made here; the controls
    // when the panel's window is created (createControls).
    explicit CPersonal(WineGuide& guide, QWidget* parent = nullptr);
    ~CPersonal() override;

    // Lists the entries of KIND and shows one: the entry added last when it is of KIND, else the
    // first. False, with the list empty, when no entry is of KIND.
    bool showKind(EntryKind kind);
    // To the rename box's edit while it is open, else to the page in front.
    void cut();
    void copy();
    void paste();
    // While an entry is shown, stores the pages back into it, as Done does, but stays as it is;
    // the program calls it before it ends. A rename left open is not applied: only OK in the box
    // renames.
    void keepShown();
    // Creates the panel's controls: 0, or -1 when one of them cannot be made.
    int createControls() override;

    // --- Keyboard: Escape is Done, Ctrl+Tab and Ctrl+Shift+Tab switch Details and Notes ---

    // Brings the Notes page to the front with the cursor at the end of the entry's text.
    void focusNoteText();
    // Brings the other page to the front and gives it the focus.
    void switchPage();

    // --- The user's commands (the buttons and the list call these) ---

    // The list's selection changed to list position K.
    void select(int k);
    // Go to for bookmarks, Rename for notes.
    void goToOrRename();
    void deleteEntry();
    void done();

    // --- State, for the main view and tests ---

    EntryKind shownKind() const { return kind_; }
    // List position of the entry on the pages; -1 when none.
    int shownPosition() const { return shownPosition_; }
    // Store index of the entry at each list position.
    const QList<int>& positions() const { return positions_; }
    bool isActive() const { return active_; }
    bool isRenaming() const { return renaming_; }

    QComboBox* entryList() const { return entryList_; }
    QPushButton* goToButton() const { return goTo_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* doneButton() const { return done_; }
    TabPanel* tabPanel() const { return tabPanel_; }
    DetailsPage* detailsPage() const { return details_; }
    NotesPage* notesPage() const { return notes_; }
    RenameBox* renameBox() const { return renameBox_; }

Q_SIGNALS:
    // The user typed into the Notes page or a Details cell; keepShown() stores it.
    void edited();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Puts the entry at store index INDEX on the pages.
    void showEntry(int index);
    // Stores the pages back into the entry shown.
    void keepShownEntry();
    // Makes list position K selected and shown.
    void showPosition(int k);
    void rename();
    void finishRename();
    void setControlsEnabled(bool on);
    // Writes the personal file; false, after the user was told, when that failed.
    bool save();
    void leave();

    QPushButton* goTo_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* done_ = nullptr;
    QLabel* nameLabel_ = nullptr;
    QComboBox* entryList_ = nullptr;
    TabPanel* tabPanel_ = nullptr;
    DetailsPage* details_ = nullptr;
    NotesPage* notes_ = nullptr;
    QList<int> positions_;
    StringMap fields_;
    EntryKind kind_ = EntryKind::Note;
    int shownPosition_ = -1;
    bool active_ = false;
    bool renaming_ = false;
    RenameBox* renameBox_ = nullptr;
};

}  // namespace corkwise
