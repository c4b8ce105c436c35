#include "screens/CascadeFormPage.h"

#include "catalog/NodeCursor.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"

#include <QComboBox>

namespace corkwise {

namespace {

constexpr std::array<findwine::LabelledList, CascadeFormPage::kLevels> kLayout{{
    {"Origin:", "originLabel", 12, 1029, 134, "originCombo"},
    {"Wine Category:", "wineCategoryLabel", 57, 1032, 184, "wineCategoryCombo"},
    {"Wine Type:", "wineTypeLabel", 102, 1030, 234, "wineTypeCombo"},
    {"Region:", "regionLabel", 147, 1035, 284, "regionCombo"},
    {"Variety/Appellation:", "varietyAppellationLabel", 192, 1037, 284, "varietyAppellationCombo"},
}};

}  // namespace

CascadeFormPage::CascadeFormPage(WineGuide& guide, int pageId,
                                 const std::array<const char*, kLevels>& keys, QWidget* parent)
    : CascadingListsPage(guide, pageId, false, parent), keys_(keys) {}

int CascadeFormPage::createControls() {
    for (int i = 0; i < kLevels; ++i) {
        const auto at = static_cast<size_t>(i);
        combos_[at] = findwine::makeLabelledList(this, kLayout[at]);
        addLevel(combos_[at], keys_[at]);
    }
    return 0;
}

std::unique_ptr<NodeCursor> CascadeFormPage::commitSelection() {
    const NodeCursor* node = selectedNode(combos_[VarietyAppellation], true);
    return node != nullptr ? node->clone() : nullptr;
}

void CascadeFormPage::activate(bool entering) {
    // The message of a missing remembered value is left for whoever asks; the form shows none.
    if (entering && guide().advanceTo(pageId())) {
        loadLists();
    }
}

}  // namespace corkwise
