#include "screens/FindWineCriteriaPage.h"

#include "catalog/NodeCursor.h"
#include "common/ErrorLog.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/PageHost.h"

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
    : SearchPage(guide, kFindWineCriteriaPage, parent) {}

FindWineCriteriaPage::~FindWineCriteriaPage() {
    logLine("Destruct FindWine Windows 0");
}

const char* FindWineCriteriaPage::keyOf(Level level) {
    static constexpr std::array<const char*, kLevels> kKeys{"ORIGIN", "SSF", "TYPE", "REGION"};
    return kKeys[level];
}

int FindWineCriteriaPage::createControls() {
    for (int i = 0; i < kLevels; ++i) {
        const LevelLayout& l = kLayout[static_cast<size_t>(i)];
        labels_[static_cast<size_t>(i)] =
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
        const auto level = static_cast<Level>(i);
        // activated, unlike currentIndexChanged, is the user's pick, even of the entry already
        // selected; the program's own filling is not reported.
        connect(box, &QComboBox::activated, this,
                [this, level](int index) { onPicked(level, index); });
    }
    return 0;
}

void FindWineCriteriaPage::clearPage() {
    for (QComboBox* box : combos_) {
        if (box != nullptr) {
            clearList(box, true);
        }
    }
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

bool FindWineCriteriaPage::loadLists() {
    if (combos_[Origin] == nullptr) {
        return false;
    }
    bool result = true;
    for (int i = 0; i < kLevels; ++i) {
        // Every list is filled even after a failure, so that the page shows a consistent path.
        result = fillLevel(static_cast<Level>(i)) && result;
    }
    applyAllRule();
    for (int i = 0; i < kLevels; ++i) {
        remembered_[static_cast<size_t>(i)] = combos_[static_cast<size_t>(i)]->currentIndex();
    }
    return result;
}

bool FindWineCriteriaPage::fillLevel(Level level) {
    QComboBox* box = combos_[level];
    const NodeCursor* from = level == Origin ? input() : selectedNode(combos_[level - 1], true);
    if (from == nullptr) {
        // Nothing chosen above: entries of an earlier choice would lead nowhere.
        clearList(box, true);
        return false;
    }
    return fillList(box, from, true, keyOf(level), false);
}

void FindWineCriteriaPage::onPicked(Level level, int index) {
    if (level == Region) {
        guide().setCurrentPage(pageId());
        return;
    }
    if (index == remembered_[level]) {
        return;
    }
    remembered_[level] = index;
    for (int below = level + 1; below < kLevels; ++below) {
        fillLevel(static_cast<Level>(below));
        // A refilled list remembers its new selection, so that picking that entry again does
        // nothing and picking any other entry cascades.
        remembered_[static_cast<size_t>(below)] =
            combos_[static_cast<size_t>(below)]->currentIndex();
    }
    applyAllRule();
    guide().setCurrentPage(pageId());
}

void FindWineCriteriaPage::applyAllRule() {
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
