#pragma once
// The last page of the Vintage Chart (page 10008): the chart of the variety or appellation chosen
// on the form, one grid row per year from 2003 down to 1985 with its score and code, an info box
// with the rating sentence of the selected row (see vintageRatingText), and "More Search". Its
// input is the node of the chosen variety or appellation; its first child is the chart record.
//
// The chart is rebuilt at every arrival and emptied when the page is left. A year whose score or
// code is "-Not Available-", or whose column the record lacks, is left out. Row 0 is selected
// and rated; tapping or holding another row rates that row. More Search makes the chart's record
// the guide's current record and opens the menu of searches.
//
// An empty chart (no input, no child, a value node in the record's place, no year rated) selects
// nothing, shows "Info:" and greys More Search, so that no search is started from no record.

#include "controls/GridListener.h"
#include "screens/SearchPage.h"

class QLabel;
class QPushButton;

namespace corkwise {

class GridList;

class VintageChartResultsPage : public SearchPage, public GridListener {
    Q_OBJECT

public:
    // The chart's years, newest first.
    static constexpr int kNewestYear = 2003;
    static constexpr int kOldestYear = 1985;

    // GUIDE must outlive the page.
    explicit VintageChartResultsPage(WineGuide& guide, QWidget* parent = nullptr);
    ~VintageChartResultsPage() override;

    int createControls() override;
    // Entering: rebuilds the chart from the input. Leaving: empties it.
    void activate(bool entering) override;
    // Rates the row now selected in the grid, whatever the event.
    void onGridEvent(const GridEvent& event) override;

    // GridListener: forwards to onGridEvent.
    void onRowEvent(std::unique_ptr<GridEvent> event) override;

    GridList* grid() const { return grid_; }
    QLabel* infoBox() const { return info_; }
    QPushButton* moreSearchButton() const { return moreSearch_; }

private:
    void fillChart();
    // Sets the info box from the grid's selected row, or "Info:" when none is selected.
    void rateSelection();
    void onMoreSearch();

    QLabel* title_ = nullptr;
    QPushButton* moreSearch_ = nullptr;
    GridList* grid_ = nullptr;
    QLabel* info_ = nullptr;
};

}  // namespace corkwise
