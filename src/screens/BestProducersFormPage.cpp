#include "screens/BestProducersFormPage.h"

#include "guide/SearchFlow.h"

namespace corkwise {

BestProducersFormPage::BestProducersFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kBestProducersFormPage,
                      {"ORIGIN", "SSF", "TYPE", "REGION", "APPELLATION_VARIETY"}, parent) {}

}  // namespace corkwise
