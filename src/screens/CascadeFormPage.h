#pragma once
// The form shared by the Vintage Chart, Best Values and Best Producers searches: five cascading
// drop-down lists (Origin, Wine Category, Wine Type, Region, Variety/Appellation) that narrow the
// flow's tree down to one variety or appellation. Its input is the root of the flow's tree; Next
// hands the chosen variety's or appellation's node to the results page. Nothing is stored in the
// guide.
//
// Each list is filled from the node of the entry selected in the list above it (Origin from the
// input) and selects an entry by its key, as SearchPage::fillList does: the guide's remembered
// value, the "U.S." and "Still" defaults, or the first entry when the key is null.
//
// Picking an entry in Origin, Wine Category, Wine Type or Region refills every list below it; a
// refilled list remembers its new selection, so that picking it again does nothing. Picking the
// entry that is already selected changes nothing. A list left without entries empties every list
// below it, and Next then hands on no node. After every change (the Variety/Appellation list
// included) the form makes itself the guide's current page again, so that the results page
// refills on the next Next.

#include "screens/SearchPage.h"

#include <array>

class QComboBox;
class QLabel;

namespace corkwise {

class CascadeFormPage : public SearchPage {
    Q_OBJECT

public:
    // The lists, top to bottom.
    enum Level { Origin = 0, WineCategory = 1, WineType = 2, Region = 3, VarietyAppellation = 4 };
    static constexpr int kLevels = 5;

    // Builds form PAGEID for GUIDE, which must outlive it. KEYS gives, per level, the dictionary
    // short name with which its list selects an entry (see SearchPage::fillList); a null key
    // selects the first entry. The texts must live as long as the page (string literals).
    CascadeFormPage(WineGuide& guide, int pageId, const std::array<const char*, kLevels>& keys,
                    QWidget* parent = nullptr);

    // Empties the five lists.
    void clearPage() override;
    // A copy of the node of the Variety/Appellation entry selected; null when that list is empty.
    std::unique_ptr<NodeCursor> commitSelection() override;
    // Entering: when the guide's advanceTo(pageId()) accepts, fills the lists (loadLists).
    void activate(bool entering) override;
    // Fills the five lists from the input, top to bottom, each from the selection of the one
    // above. False when a keyed fill did not find its remembered value (the first such value is
    // in the message; the fill goes on from that list's first entry) or when there is no input.
    // A list whose list above is empty is emptied and reports nothing.
    bool loadLists() override;
    int createControls() override;

    // The list of LEVEL (null before createControls).
    QComboBox* combo(Level level) const { return combos_[level]; }
    // The index LEVEL's list had when it was last filled or last reacted to a pick; -1 before
    // the first fill. The Variety/Appellation list remembers nothing.
    int rememberedIndex(Level level) const { return remembered_[level]; }
    // The key LEVEL's list selects by; null for the first entry.
    const char* keyOf(Level level) const { return keys_[level]; }

private:
    // The user picked entry INDEX of LEVEL's list.
    void onPicked(Level level, int index);
    // Fills LEVEL's list from the selected node of the list above it (the input for Origin),
    // or empties it when that list is empty. Returns fillList's result, true for an emptied list.
    bool fillLevel(Level level);
    void rememberSelection(Level level);

    std::array<const char*, kLevels> keys_;
    std::array<int, kLevels> remembered_{-1, -1, -1, -1, -1};
    std::array<QLabel*, kLevels> labels_{};
    std::array<QComboBox*, kLevels> combos_{};
};

}  // namespace corkwise
