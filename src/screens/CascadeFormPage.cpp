#include "screens/CascadeFormPage.h"

#include "catalog/NodeCursor.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"

#include <QComboBox>
#include <QLabel>

namespace corkwise {

using findwine::edges;

namespace {

struct LevelLayout {
    const char* labelText;
    const char* labelName;
    int labelTop;
    int comboId;
    int comboBottom;  // the dropped list ends here
    const char* comboName;
};

constexpr std::array<LevelLayout, CascadeFormPage::kLevels> kLayout{{
    {"Origin:", "originLabel", 12, 1029, 134, "originCombo"},
    {"Wine Category:", "wineCategoryLabel", 57, 1032, 184, "wineCategoryCombo"},
    {"Wine Type:", "wineTypeLabel", 102, 1030, 234, "wineTypeCombo"},
    {"Region:", "regionLabel", 147, 1035, 284, "regionCombo"},
    {"Variety/Appellation:", "varietyAppellationLabel", 192, 1037, 284, "varietyAppellationCombo"},
}};

constexpr int kLabelHeight = 15;

}  // namespace

CascadeFormPage::CascadeFormPage(WineGuide& guide, int pageId,
                                 const std::array<const char*, kLevels>& keys, QWidget* parent)
    : CascadingListsPage(guide, pageId, false, parent), keys_(keys) {}

int CascadeFormPage::createControls() {
    for (int i = 0; i < kLevels; ++i) {
        const auto at = static_cast<size_t>(i);
        const LevelLayout& l = kLayout[at];
        const int comboTop = l.labelTop + kLabelHeight;
        QLabel* label = findwine::makeLabel(this, QString::fromLatin1(l.labelText),
                                            edges(10, l.labelTop, 230, comboTop), l.labelName);
        combos_[at] = findwine::makeCombo(this, l.comboId, edges(10, comboTop, 230, l.comboBottom),
                                          l.comboName);
        findwine::labelControl(label, combos_[at]);
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
