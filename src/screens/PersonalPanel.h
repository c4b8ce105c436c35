#pragma once
// The screen on which the user works with the stored notes or bookmarks, one kind at a time.
//
// The main view creates one panel, covering the whole view, and drives it through this
// interface; the panel reaches the store through the guide and returns to the main view through
// its host (leavePersonal, startSearch, savePersonal). It is a SearchPage with page id -1 so
// that the main view can manage it like a page.

#include "personal/EntryKind.h"
#include "screens/SearchPage.h"

#include <functional>
#include <memory>

namespace corkwise {

class PersonalPanel : public SearchPage {
    Q_OBJECT

public:
    explicit PersonalPanel(WineGuide& guide, QWidget* parent = nullptr);

    // Lists the stored entries of KIND and shows one of them: the entry added last when it is of
    // that kind, else the first. False, showing nothing, when no entry is of that kind.
    virtual bool showKind(EntryKind kind) = 0;
    // The Edit menu's commands, for the text the user is editing on the panel.
    virtual void cut() = 0;
    virtual void copy() = 0;
    virtual void paste() = 0;
    // Stores what the panel shows of the entry on it back into the store, as Done does, but
    // stays as it is; the program calls it before it ends. Nothing while no entry is shown.
    // The base does nothing.
    virtual void keepShown();
};

// Makes the personal panel the main view shows; the main view owns the result.
using PersonalPanelFactory = std::function<std::unique_ptr<PersonalPanel>(WineGuide&)>;

}  // namespace corkwise
