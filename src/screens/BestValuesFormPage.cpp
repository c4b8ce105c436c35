#include "screens/BestValuesFormPage.h"

#include "catalog/CatalogFormat.h"
#include "guide/SearchFlow.h"

namespace corkwise {

namespace fmt = catalog_format;

BestValuesFormPage::BestValuesFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kBestValuesFormPage,
                      {fmt::dict::kOrigin, fmt::dict::kCategory, fmt::dict::kType,
                       fmt::dict::kRegion, fmt::dict::kAppellationVariety},
                      parent) {}

}  // namespace corkwise
