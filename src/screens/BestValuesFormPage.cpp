#include "screens/BestValuesFormPage.h"

#include "guide/SearchFlow.h"

namespace corkwise {

BestValuesFormPage::BestValuesFormPage(WineGuide& guide, QWidget* parent)
    : CascadeFormPage(guide, kBestValuesFormPage,
                      {"ORIGIN", "SSF", "TYPE", "REGION", "APPELLATION_VARIETY"}, parent) {}

}  // namespace corkwise
