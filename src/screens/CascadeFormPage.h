#pragma once
// The form shared by the Vintage Chart, Best Values and Best Producers searches: five cascading
// drop-down lists (Origin, Wine Category, Wine Type, Region, Variety/Appellation) that narrow the
// flow's tree down to one variety or appellation. Its input is the root of the flow's tree; Next
// hands the chosen variety's or appellation's node to the results page. Nothing is stored in the
// guide.
//
// The lists cascade as CascadingListsPage describes, each selecting an entry by its key: the
// guide's remembered value, the "U.S." and "Still" defaults, or the first entry when the key is
// null. A list left without entries empties every list below it, which is no failure, and Next
// then hands on no node.

#include "catalog/CatalogFormat.h"
#include "screens/CascadingListsPage.h"

#include <array>

class QComboBox;
class QLabel;

namespace corkwise {

class CascadeFormPage : public CascadingListsPage {
    Q_OBJECT

public:
    // The lists, top to bottom.
    enum Level { Origin = 0, WineCategory = 1, WineType = 2, Region = 3, VarietyAppellation = 4 };
    static constexpr int kLevels = 5;
    // The keys of a form whose every list selects by its own dictionary.
    static constexpr std::array<const char*, kLevels> kKeysOfEveryLevel{
        catalog_format::dict::kOrigin, catalog_format::dict::kCategory, catalog_format::dict::kType,
        catalog_format::dict::kRegion, catalog_format::dict::kAppellationVariety};

    // Builds form PAGEID for GUIDE, which must outlive it. KEYS gives, per level, the dictionary
    // short name with which its list selects an entry (see SearchPage::fillList); a null key
    // selects the first entry. The texts must live as long as the page (string literals).
    CascadeFormPage(WineGuide& guide, int pageId, const std::array<const char*, kLevels>& keys,
                    QWidget* parent = nullptr);

    // A copy of the node of the Variety/Appellation entry selected; null when that list is empty.
    std::unique_ptr<NodeCursor> commitSelection() override;
    // Entering: when the guide's advanceTo(pageId()) accepts, fills the lists (loadLists).
    void activate(bool entering) override;
    int createControls() override;

    // The list of LEVEL (null before createControls).
    QComboBox* combo(Level level) const { return combos_[level]; }
    // The index LEVEL's list had when it was last filled or last reacted to a pick; -1 before
    // the first fill.
    int rememberedIndex(Level level) const { return levelMemory(level); }
    // The key LEVEL's list selects by; null for the first entry.
    const char* keyOf(Level level) const { return keys_[level]; }

private:
    std::array<const char*, kLevels> keys_;
    std::array<QComboBox*, kLevels> combos_{};
};

}  // namespace corkwise
