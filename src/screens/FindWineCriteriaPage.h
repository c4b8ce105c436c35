#pragma once
// The first page of Find Wine (page 10001): four cascading drop-down lists that narrow the
// catalogue by origin, wine category, wine type and region. Its input is the root of the Find
// Wine tree; Next records the four choices in the guide (positions 0 to 3) and hands the chosen
// region's node to the producer page.
//
// Picking an entry in a list refills the lists below it, each preselecting its remembered value
// (or "Still" for the category when nothing is remembered), and makes this page the guide's
// current page again so that the producer page refills on the next Next. Picking the entry that
// is already selected changes nothing. When the region list holds a single entry containing
// "All", a plain label shows that text in the list's place.

#include "screens/SearchPage.h"

#include <array>

class QComboBox;
class QLabel;

namespace corkwise {

class FindWineCriteriaPage : public SearchPage {
    Q_OBJECT

public:
    // The lists, top to bottom.
    enum Level { Origin = 0, WineCategory = 1, WineType = 2, Region = 3 };
    static constexpr int kLevels = 4;

    // GUIDE must outlive the page; the page's input is the root of the guide's Find Wine tree.
    FindWineCriteriaPage(WineGuide& guide, QWidget* parent = nullptr);
    // Writes "Destruct FindWine Windows 0" to the diagnostic log.
    ~FindWineCriteriaPage() override;

    void clearPage() override;
    std::unique_ptr<NodeCursor> commitSelection() override;
    void activate(bool entering) override;
    bool loadLists() override;
    int createControls() override;

    // The list of LEVEL (null before createControls).
    QComboBox* combo(Level level) const { return combos_[level]; }
    // The label shown in the region list's place by the "All" rule.
    QLabel* regionLabel() const { return regionLabel_; }
    // The index LEVEL's list had when it was last filled or last reacted to a change.
    int rememberedIndex(Level level) const { return remembered_[level]; }

    // The dictionary whose remembered value LEVEL's list preselects: "ORIGIN", "SSF", "TYPE",
    // "REGION".
    static const char* keyOf(Level level);

private:
    // The user picked entry INDEX of LEVEL's list.
    void onPicked(Level level, int index);
    // Fills LEVEL's list from the selected node of the list above it (the input for Origin);
    // empties it when there is no such node. Returns fillList's result.
    bool fillLevel(Level level);
    // Shows the region list, or the label in its place when it holds at most one entry whose
    // text contains "All".
    void applyAllRule();

    std::array<int, kLevels> remembered_{-1, -1, -1, -1};
    std::array<QLabel*, kLevels> labels_{};
    QLabel* regionLabel_ = nullptr;
    std::array<QComboBox*, kLevels> combos_{};
};

}  // namespace corkwise
