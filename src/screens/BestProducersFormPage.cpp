#include "screens/BestProducersFormPage.h"

#include "guide/SearchFlow.h"

namespace corkwise {

BestProducersFormPage::BestProducersFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kBestProducersFormPage, kKeysOfEveryLevel, parent) {}

}  // namespace corkwise
