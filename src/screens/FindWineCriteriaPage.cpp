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

// The label sits over its list; each list's rectangle includes its dropped list, 100 pixels.
constexpr std::array<findwine::LabelledList, FindWineCriteriaPage::kLevels> kLayout{{
    {"Origin:", "originLabel", 19, 1029, 134, "originCombo"},
    {"Wine Category:", "wineCategoryLabel", 69, 1032, 184, "wineCategoryCombo"},
    {"Wine Type:", "wineTypeLabel", 119, 1030, 234, "wineTypeCombo"},
    {"Region:", "regionLabel", 169, 1035, 284, "regionCombo"},
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
        const auto at = static_cast<size_t>(i);
        combos_[at] = findwine::makeLabelledList(this, kLayout[at]);
        addLevel(combos_[at], keyOf(static_cast<Level>(i)));
    }
    // Shown in the region list's place when the "All" rule hides the list; it lies under the
    // list and, for screen readers, between the region's label and list.
    regionLabel_ = new QLabel(this);
    regionLabel_->setObjectName(QStringLiteral("regionReplacement"));
    regionLabel_->setProperty("controlId", -1);
    regionLabel_->setFont(pageFont(13, false));
    regionLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    regionLabel_->setGeometry(edges(10, 184, 230, 204));
    regionLabel_->stackUnder(combos_[Region]);
    regionLabel_->hide();
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
