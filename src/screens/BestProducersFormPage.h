#pragma once
// The first page of Best Producers (page 10011): the cascading form over the Best Producers tree.
// Every list preselects the guide's remembered value (its current record or opened bookmark),
// otherwise "U.S." for Origin, "Still" for Wine Category and the first entry elsewhere. Next
// hands the chosen variety or appellation to the best producers list; the menu of searches fills
// the form from a remembered record (loadLists) to see whether the search can follow it.

#include "screens/CascadeFormPage.h"

namespace corkwise {

class BestProducersFormPage : public CascadeFormPage {
    Q_OBJECT

public:
    // GUIDE must outlive the page; the page's input is the root of the guide's Best Producers tree.
    explicit BestProducersFormPage(WineGuide& guide, QWidget* parent = nullptr);
};

}  // namespace corkwise
