#include "screens/BestValuesFormPage.h"

#include "guide/SearchFlow.h"

namespace corkwise {

BestValuesFormPage::BestValuesFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kBestValuesFormPage, kKeysOfEveryLevel, parent) {}

}  // namespace corkwise
