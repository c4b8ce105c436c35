#pragma once
// The last page of Food and Wine (page 10006): the wines that go with the food chosen on the
// form page, one line each, and "More Search", which opens the menu of searches pre-filled from
// the selected wine. Its input is the food's node; the food's record children are the wines.
//
// Each list entry carries the page's own cursor on its wine's record (RecordItems.h); it is
// released when the entry is removed, that is at the start of the next fill or when the page is
// destroyed. The list keeps its content when the page is left and when the flow closes. More
// Search is usable exactly while the list has an entry.

#include "screens/SearchPage.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace corkwise {

class RecordCursor;

class FoodResultsPage : public SearchPage {
    Q_OBJECT

public:
    // GUIDE must outlive the page.
    explicit FoodResultsPage(WineGuide& guide, QWidget* parent = nullptr);
    ~FoodResultsPage() override;

    // Entering rebuilds the list when the guide lets the page become current (advanceTo).
    void activate(bool entering) override;
    int createControls() override;

    // The line that describes WINE: its origin, then its region unless it is "No Region
    // Assigned", then its appellation, or its variety when the appellation is "No Appellation
    // Assigned", joined by single spaces. A column the record lacks counts as the catalogue's
    // placeholder for it.
    static QString wineText(const RecordCursor& wine);

    QListWidget* wineList() const { return wines_; }
    QPushButton* moreSearchButton() const { return moreSearch_; }

private:
    // Lists the wines of the input food and selects the first.
    void fillWines();
    // Makes the selected wine the guide's current record and opens the menu of searches.
    void onMoreSearch();

    QListWidget* wines_ = nullptr;
    QPushButton* moreSearch_ = nullptr;
};

}  // namespace corkwise
