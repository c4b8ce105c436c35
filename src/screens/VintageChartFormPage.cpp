#include "screens/VintageChartFormPage.h"

#include "guide/SearchFlow.h"

namespace corkwise {

VintageChartFormPage::VintageChartFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kVintageChartFirstPage, {"ORIGIN", nullptr, nullptr, nullptr, nullptr},
                      parent) {}

}  // namespace corkwise
