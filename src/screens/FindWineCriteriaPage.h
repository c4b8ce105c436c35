#pragma once
// The first page of Find Wine (page 10001): four cascading drop-down lists that narrow the
// catalogue by origin, wine category, wine type and region. Its input is the root of the Find
// Wine tree; Next records the four choices in the guide (positions 0 to 3) and hands the chosen
// region's node to the producer page.
//
// The lists cascade as CascadingListsPage describes, each preselecting its remembered value (or
// "Still" for the category when nothing is remembered); a list left empty below an empty one is
// a failure. When the region list holds a single entry containing "All", a plain label shows that
// text in the list's place.

#include "screens/CascadingListsPage.h"

#include <array>

class QComboBox;
class QLabel;

namespace corkwise {

class FindWineCriteriaPage : public CascadingListsPage {
    Q_OBJECT

public:
    // The lists, top to bottom.
    enum Level { Origin = 0, WineCategory = 1, WineType = 2, Region = 3 };
    static constexpr int kLevels = 4;

    // GUIDE must outlive the page; the page's input is the root of the guide's Find Wine tree.
    FindWineCriteriaPage(WineGuide& guide, QWidget* parent = nullptr);
    // Writes "Destruct FindWine Windows 0" to the diagnostic log.
    ~FindWineCriteriaPage() override;

    std::unique_ptr<NodeCursor> commitSelection() override;
    void activate(bool entering) override;
    int createControls() override;

    // The list of LEVEL (null before createControls).
    QComboBox* combo(Level level) const { return combos_[level]; }
    // The label shown in the region list's place by the "All" rule.
    QLabel* regionLabel() const { return regionLabel_; }
    // The index LEVEL's list had when it was last filled or last reacted to a change.
    int rememberedIndex(Level level) const { return levelMemory(level); }

    // The dictionary whose remembered value LEVEL's list preselects: "ORIGIN", "SSF", "TYPE",
    // "REGION".
    static const char* keyOf(Level level);

private:
    // Shows the region list, or the label in its place when it holds at most one entry whose
    // text contains "All".
    void listsRefilled() override;

    QLabel* regionLabel_ = nullptr;
    std::array<QComboBox*, kLevels> combos_{};
};

}  // namespace corkwise
