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
    : SearchPage(guide, pageId, parent), keys_(keys) {}

int CascadeFormPage::createControls() {
    for (int i = 0; i < kLevels; ++i) {
        const auto at = static_cast<size_t>(i);
        const LevelLayout& l = kLayout[at];
        const int comboTop = l.labelTop + kLabelHeight;
        labels_[at] = findwine::makeLabel(this, QString::fromLatin1(l.labelText),
                                          edges(10, l.labelTop, 230, comboTop), l.labelName);
        combos_[at] = findwine::makeCombo(this, l.comboId, edges(10, comboTop, 230, l.comboBottom),
                                          l.comboName);
        const auto level = static_cast<Level>(i);
        // activated, unlike currentIndexChanged, is the user's pick, even of the entry already
        // selected; the program's own filling is not reported.
        connect(combos_[at], &QComboBox::activated, this,
                [this, level](int index) { onPicked(level, index); });
    }
    return 0;
}

void CascadeFormPage::clearPage() {
    for (QComboBox* box : combos_) {
        if (box != nullptr) {
            clearList(box, true);
        }
    }
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

bool CascadeFormPage::loadLists() {
    if (combos_[Origin] == nullptr) {
        return false;
    }
    bool result = true;
    for (int i = 0; i < kLevels; ++i) {
        // Every list is filled even after a failure, so that the page shows a consistent path.
        result = fillLevel(static_cast<Level>(i)) && result;
        rememberSelection(static_cast<Level>(i));
    }
    return result;
}

bool CascadeFormPage::fillLevel(Level level) {
    QComboBox* box = combos_[level];
    const NodeCursor* from = level == Origin ? input() : selectedNode(combos_[level - 1], true);
    if (from == nullptr) {
        // Nothing chosen above: entries of an earlier choice would lead nowhere.
        clearList(box, true);
        return level != Origin;
    }
    return fillList(box, from, true, keys_[level], false);
}

void CascadeFormPage::rememberSelection(Level level) {
    if (level != VarietyAppellation) {
        remembered_[level] = combos_[level]->currentIndex();
    }
}

void CascadeFormPage::onPicked(Level level, int index) {
    if (level != VarietyAppellation) {
        if (index == remembered_[level]) {
            return;
        }
        remembered_[level] = index;
        for (int below = level + 1; below < kLevels; ++below) {
            fillLevel(static_cast<Level>(below));
            // A refilled list remembers its new selection, so that picking that entry again
            // does nothing and picking any other entry cascades.
            rememberSelection(static_cast<Level>(below));
        }
    }
    guide().setCurrentPage(pageId());
}

}  // namespace corkwise
