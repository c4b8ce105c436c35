#pragma once
// A page of drop-down lists that narrow a tree one level at a time, top to bottom: each list is
// filled from the node of the entry selected in the list above it (the first from the page's
// input) and selects an entry by its level's key, as SearchPage::fillList does.
//
// Picking an entry in a list refills every list below it; a refilled list remembers its new
// selection, so that picking that entry again does nothing and picking any other cascades.
// Picking the entry that is already selected changes nothing, except in the last list. After a
// pick that changes something, and after every pick in the last list, the page makes itself the
// guide's current page again, so that the page after it refills on the next Next.

#include "screens/SearchPage.h"

#include <vector>

class QComboBox;

namespace corkwise {

class CascadingListsPage : public SearchPage {
    Q_OBJECT

public:
    // Empties every list.
    void clearPage() override;
    // Fills every list from the input, top to bottom, each from the selection of the one above,
    // and remembers their selections. False when there is no input or a keyed fill did not find
    // its remembered value (the fill goes on from that list's first entry); a list below an
    // empty one is emptied and counts as a failure only when the page says so.
    bool loadLists() override;

protected:
    // EMPTYBELOWEMPTYFAILS: whether a list left empty because the list above it is empty makes
    // loadLists report a failure.
    CascadingListsPage(WineGuide& guide, int pageId, bool emptyBelowEmptyFails, QWidget* parent);

    // Adds the next list down, which selects by dictionary KEY (null: the first entry). KEY must
    // live as long as the page (a string literal).
    void addLevel(QComboBox* box, const char* key);
    QComboBox* levelCombo(int level) const { return levels_[static_cast<size_t>(level)].box; }
    const char* levelKey(int level) const { return levels_[static_cast<size_t>(level)].key; }
    // The index the list had when it was last filled or last reacted to a pick; -1 before, and
    // for a list not added yet.
    int levelMemory(int level) const {
        return level < levelCount() ? levels_[static_cast<size_t>(level)].remembered : -1;
    }
    int levelCount() const { return static_cast<int>(levels_.size()); }

    // Called after the lists were filled or refilled, before they remember their selections.
    virtual void listsRefilled() {}

private:
    struct Level {
        QComboBox* box;
        const char* key;
        int remembered;
    };

    bool fillLevel(int level);
    void rememberSelection(int level);
    void onPicked(int level, int index);

    std::vector<Level> levels_;
    bool emptyBelowEmptyFails_;
};

}  // namespace corkwise
