#include "screens/PersonalPanel.h"

namespace corkwise {

PersonalPanel::PersonalPanel(WineGuide& guide, QWidget* parent) : SearchPage(guide, -1, parent) {
    setObjectName(QStringLiteral("personalPanel"));
}

void PersonalPanel::keepShown() {}

}  // namespace corkwise
