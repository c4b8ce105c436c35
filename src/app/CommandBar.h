#pragma once
// The command bar under the main view: eleven drop-down buttons, by position
//   0 File, 1 Edit, 2-9 the eight variants of Personal, 10 Help,
// of which the main view shows exactly one Personal variant at a time and the Edit button only
// while the personal panel is up. Each variant offers "Add Note", "Add Bookmark", "Notes" and
// "Bookmarks", usable or greyed as its row of the table in CommandBar.cpp says.
//
// A twelfth button, Search (position 11), is shown between the Personal buttons and Help: "Find by
// Name..." (Ctrl+F), then the five searches of the home picture. The main view greys it while the
// personal panel is up. A thirteenth, View (position 12), follows Search: Zoom In (Ctrl++ and
// Ctrl+=), Zoom Out (Ctrl+-) and Actual Size (Ctrl+0).
//
// File holds "&Open Catalogue..." (Ctrl+O), the "Recent &Catalogues" submenu and Exit.
//
// Choosing a usable item emits command() with its command id; the frame routes it. Greyed items
// do nothing.
//
// Keyboard: every button and item carries a letter (Alt+F File, Alt+E Edit, Alt+P Personal,
// Alt+S Search, Alt+H Help), answered only while the button is shown; F10 opens the first menu
// shown; Ctrl+1 to Ctrl+5 start the five searches, in the Search menu's order.

#include "app/PersonalVariant.h"

#include <QMenuBar>

class QAction;
class QMenu;

namespace corkwise {

class CommandBar : public QMenuBar {
    Q_OBJECT

public:
    static constexpr int kButtonCount = 13;
    static constexpr int kFilePosition = 0;
    static constexpr int kEditPosition = 1;
    static constexpr int kFirstPersonalPosition = barPosition(PersonalVariant::NotesAndBookmarks);
    static constexpr int kLastPersonalPosition =
        barPosition(PersonalVariant::NotesOnlyWithAddBookmark);
    static constexpr int kHelpPosition = 10;
    static constexpr int kSearchPosition = 11;
    static constexpr int kViewPosition = 12;

    explicit CommandBar(QWidget* parent = nullptr);

    // The popup of the button at POSITION, or null outside 0-12.
    QMenu* popup(int position) const;
    // The item with COMMANDID in the popup at POSITION, or null.
    QAction* item(int position, int commandId) const;

    // Shows or hides, greys or enables the button at POSITION; positions outside 0-12 are
    // ignored.
    void setButtonVisible(int position, bool visible);
    void setButtonEnabled(int position, bool enabled);
    bool isButtonVisible(int position) const;
    bool isButtonEnabled(int position) const;
    // The position of the Personal button shown, or -1 when none is.
    int visiblePersonalPosition() const;

    // Fills File > Recent Catalogues with PATHS, newest first ("&1 /path/wcat.res" ...), as
    // commands kFirstRecentCatalogue onwards; greys the submenu when PATHS is empty.
    void setRecentCatalogues(const QStringList& paths);
    QMenu* recentCataloguesMenu() const { return recentMenu_; }

Q_SIGNALS:
    void command(int commandId);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void openFirstMenu();
    // Sets the largest bold face, 13 pixels at most, in which every button shown fits the bar's
    // width: six buttons (File, Edit, Personal, Search, View, Help) need a smaller face than the
    // five of most screens.
    void fitButtons();
    // File's ways of taking notes and bookmarks in and out, above Exit.
    void addNotesItems(QMenu* file);
    QMenu* addPopup(const QString& title, const char* objectName);
    QAction* addItem(QMenu* menu, const QString& text, int commandId, bool usable);

    static constexpr int kLargestFacePixels = 13;
    static constexpr int kSmallestFacePixels = 10;
    static constexpr int kRecentTextWidth = 320;  // pixels a recent catalogue's path may take

    QMenu* popups_[kButtonCount] = {};
    QMenu* recentMenu_ = nullptr;
};

}  // namespace corkwise
