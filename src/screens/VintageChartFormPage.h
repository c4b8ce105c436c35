#pragma once
// The first page of Vintage Chart (page 10007): the cascading form over the Vintage Chart tree.
// Origin preselects the remembered origin or "U.S."; every list below it selects its first
// entry, whatever is remembered. Next hands the chosen variety or appellation to the chart.

#include "screens/CascadeFormPage.h"

namespace corkwise {

class VintageChartFormPage : public CascadeFormPage {
    Q_OBJECT

public:
    // GUIDE must outlive the page; the page's input is the root of the guide's Vintage Chart tree.
    explicit VintageChartFormPage(WineGuide& guide, QWidget* parent = nullptr);
};

}  // namespace corkwise
