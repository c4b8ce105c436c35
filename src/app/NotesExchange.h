#pragma once
// The File menu's ways of taking notes and bookmarks out of the program and back in:
//
//   Export Notes and Bookmarks...     every entry as JSON, the document `corkwise-notes export`
//                                     prints (PersonalJson)
//   Import Notes and Bookmarks...     such a document merged into the store after the user has
//                                     seen what it adds (PersonalImport); kept only when the
//                                     personal file could be written with it
//   Export Bookmarks as a List...     the bookmarked wines as CSV (BookmarkList)
//   Print Bookmarks...                the same list on a printer or into a PDF file
//
// Each first keeps what the personal panel shows in the store (as Done does) and reads the
// personal file if that has not happened yet, so that it works on what the user sees. Files are
// chosen through FileDialog, the printer through PrintDialog, and every message goes through
// MessageBox.

#include <QString>

class QWidget;

namespace corkwise {

class MainView;
class PersonalStore;
class WineGuide;

class NotesExchange {
public:
    // GUIDE, STORE and VIEW (the view may be null) are not owned and must outlive this object;
    // OWNER is the window the dialogs belong to.
    NotesExchange(WineGuide& guide, PersonalStore& store, MainView* view, QWidget* owner);

    // Runs COMMANDID when it is one of the four commands above; false for any other command.
    bool handleCommand(int commandId);

    // The four commands. Each returns true when it wrote, merged or printed something; false
    // when the user cancelled, there was nothing to do (the user is told) or it failed (the
    // user is told why).
    bool exportNotes();
    bool importNotes();
    bool exportBookmarkList();
    bool printBookmarks();

private:
    // Keeps what the personal panel shows and reads the personal file when needed.
    void prepare();
    // After an import: the personal panel, when up, lists the new entries too; otherwise the
    // Personal menu offers them.
    void refreshPersonal();
    void tell(const QString& text, bool problem) const;

    WineGuide& guide_;
    PersonalStore& store_;
    MainView* view_;
    QWidget* owner_;
};

}  // namespace corkwise
