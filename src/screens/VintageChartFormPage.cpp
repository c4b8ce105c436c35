#include "screens/VintageChartFormPage.h"

#include "catalog/CatalogFormat.h"
#include "guide/SearchFlow.h"

namespace corkwise {

namespace fmt = catalog_format;

VintageChartFormPage::VintageChartFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kVintageChartFirstPage,
                      {fmt::dict::kOrigin, nullptr, nullptr, nullptr, nullptr}, parent) {}

}  // namespace corkwise
