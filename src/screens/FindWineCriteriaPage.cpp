#include "screens/FindWineCriteriaPage.h"

#include "catalog/CatalogFormat.h"
#include "catalog/NodeCursor.h"
#include "common/ErrorLog.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/PageHost.h"

#include <QComboBox>
#include <QLabel>

namespace corkwise {

namespace fmt = catalog_format;

using findwine::edges;

namespace {

struct LevelLayout {
    const char* labelText;
    const char* labelName;
    int labelTop;
    int comboId;
    const char* comboName;
};

// The label sits over its list; each list's rectangle includes its dropped list, 100 pixels.
constexpr std::array<LevelLayout, FindWineCriteriaPage::kLevels> kLayout{{
    {"Origin:", "originLabel", 19, 1029, "originCombo"},
    {"Wine Category:", "wineCategoryLabel", 69, 1032, "wineCategoryCombo"},
    {"Wine Type:", "wineTypeLabel", 119, 1030, "wineTypeCombo"},
    {"Region:", "regionLabel", 169, 1035, "regionCombo"},
}};

}  // namespace

FindWineCriteriaPage::FindWineCriteriaPage(WineGuide& guide, QWidget* parent)
    : CascadingListsPage(guide, kFindWineCriteriaPage, true, parent) {}

FindWineCriteriaPage::~FindWineCriteriaPage() {
    logLine("Destruct FindWine Windows 0");
}

const char* FindWineCriteriaPage::keyOf(Level level) {
    static constexpr std::array<const char*, kLevels> kKeys{
        fmt::dict::kOrigin, fmt::dict::kCategory, fmt::dict::kType, fmt::dict::kRegion};
    return kKeys[level];
}

int FindWineCriteriaPage::createControls() {
    for (int i = 0; i < kLevels; ++i) {
        const LevelLayout& l = kLayout[static_cast<size_t>(i)];
        QLabel* label =
            findwine::makeLabel(this, QString::fromLatin1(l.labelText),
                                edges(10, l.labelTop, 230, l.labelTop + 15), l.labelName);
        if (i == Region) {
            // Created before the region list, hidden until the "All" rule shows it.
            regionLabel_ = new QLabel(this);
            regionLabel_->setObjectName(QStringLiteral("regionReplacement"));
            regionLabel_->setProperty("controlId", -1);
            regionLabel_->setFont(pageFont(13, false));
            regionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            regionLabel_->setGeometry(edges(10, 184, 230, 204));
            regionLabel_->hide();
        }
        QComboBox* box = findwine::makeCombo(
            this, l.comboId, edges(10, l.labelTop + 15, 230, l.labelTop + 115), l.comboName);
        combos_[static_cast<size_t>(i)] = box;
        findwine::labelControl(label, box);
        addLevel(box, keyOf(static_cast<Level>(i)));
    }
    return 0;
}

std::unique_ptr<NodeCursor> FindWineCriteriaPage::commitSelection() {
    const NodeCursor* node = nullptr;
    for (int i = 0; i < kLevels; ++i) {
        node = selectedNode(combos_[static_cast<size_t>(i)], true);
        guide().setSelection(i, node);
    }
    return node != nullptr ? node->clone() : nullptr;
}

void FindWineCriteriaPage::activate(bool entering) {
    if (!entering) {
        return;
    }
    if (guide().advanceTo(pageId()) && !loadLists() && host() != nullptr) {
        host()->showException();
    }
}

void FindWineCriteriaPage::listsRefilled() {
    QComboBox* region = combos_[Region];
    const QString text = region->currentText();
    regionLabel_->setText(text);
    if (region->count() > 1 || !text.contains(QStringLiteral("All"), Qt::CaseSensitive)) {
        regionLabel_->hide();
        region->show();
    } else {
        region->hide();
        regionLabel_->show();
    }
}

}  // namespace corkwise
