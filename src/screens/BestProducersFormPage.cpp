#include "screens/BestProducersFormPage.h"

#include "catalog/CatalogFormat.h"
#include "guide/SearchFlow.h"

namespace corkwise {

namespace fmt = catalog_format;

BestProducersFormPage::BestProducersFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kBestProducersFormPage,
                      {fmt::dict::kOrigin, fmt::dict::kCategory, fmt::dict::kType,
                       fmt::dict::kRegion, fmt::dict::kAppellationVariety},
                      parent) {}

}  // namespace corkwise
