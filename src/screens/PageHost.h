#pragma once
// What the pages, the navigation strip and the personal panel may ask of the main view that
// shows them. The main view implements it; the screens know it only through this interface, so
// they do not depend on the application that hosts them.

#include <QString>

namespace corkwise {

class RecordCursor;

class PageHost {
public:
    virtual ~PageHost();

    // Navigation strip: Next and Back of the open flow; Cancel and Finish close it.
    virtual void goNext() = 0;
    virtual void goBack() = 0;
    virtual void closeFlow() = 0;
    // The More Search buttons of the result pages: closes the flow and shows the menu of
    // searches.
    virtual void moreSearch() = 0;
    // The menu of searches: opens FLOWID moved as far as the guide's current record allows.
    // With RUN false only tests whether the first page can follow the record and shows nothing.
    virtual bool startPrefilled(int flowId, bool run) = 0;
    // The personal panel, after the guide has opened a bookmark: replays FLOWID's pages.
    virtual void startSearch(int flowId) = 0;
    // The Find Wine wine page: stores a bookmark named NAME and shows the bookmarks.
    virtual void addBookmark(const QString& name) = 0;
    // The personal panel, when the user leaves it.
    virtual void leavePersonal() = 0;
    // The Find Wine wine page: makes Add Bookmark in the Personal menu usable (on) or not.
    virtual void allowAddBookmark(bool on) = 0;
    // The Find Wine criteria and producer pages: tells the user that something went wrong.
    virtual void showException() = 0;
    // Writes the personal file through the guide; when that fails the user is told why and the
    // result is false. Everything that saves notes and bookmarks goes through here.
    virtual bool savePersonal() = 0;
    // A list of wines, on a double-click or Enter: shows WINE's card. The base shows nothing.
    virtual void showWineCard(const RecordCursor& wine);
};

}  // namespace corkwise
