#pragma once
// The first page of Best Values (page 10009): the cascading form over the Best Values tree.
// Every list preselects the guide's remembered value (its current record or opened bookmark),
// otherwise "U.S." for Origin, "Still" for Wine Category and the first entry elsewhere. Next
// hands the chosen variety or appellation to the best values list; the menu of searches fills
// the form from a remembered record (loadLists) to see whether the search can follow it.

#include "screens/CascadeFormPage.h"

namespace corkwise {

class BestValuesFormPage : public CascadeFormPage {
    Q_OBJECT

public:
    // GUIDE must outlive the page; the page's input is the root of the guide's Best Values tree.
    explicit BestValuesFormPage(WineGuide& guide, QWidget* parent = nullptr);
};

}  // namespace corkwise
