#include "screens/CascadingListsPage.h"

#include "guide/WineGuide.h"

#include <QComboBox>

namespace corkwise {

CascadingListsPage::CascadingListsPage(WineGuide& guide, int pageId, bool emptyBelowEmptyFails,
                                       QWidget* parent)
    : SearchPage(guide, pageId, parent), emptyBelowEmptyFails_(emptyBelowEmptyFails) {}

void CascadingListsPage::addLevel(QComboBox* box, const char* key) {
    const int level = levelCount();
    levels_.push_back({box, key, -1});
    // activated, unlike currentIndexChanged, is the user's pick, even of the entry already
    // selected; the program's own filling is not reported.
    connect(box, &QComboBox::activated, this, [this, level](int index) { onPicked(level, index); });
}

void CascadingListsPage::clearPage() {
    for (const Level& level : levels_) {
        clearList(level.box, true);
    }
}

bool CascadingListsPage::loadLists() {
    if (levels_.empty()) {
        return false;
    }
    bool result = true;
    for (int i = 0; i < levelCount(); ++i) {
        // Every list is filled even after a failure, so that the page shows a consistent path.
        result = fillLevel(i) && result;
    }
    listsRefilled();
    for (int i = 0; i < levelCount(); ++i) {
        rememberSelection(i);
    }
    return result;
}

bool CascadingListsPage::fillLevel(int level) {
    QComboBox* box = levelCombo(level);
    const NodeCursor* from = level == 0 ? input() : selectedNode(levelCombo(level - 1), true);
    if (from == nullptr) {
        // Nothing chosen above: entries of an earlier choice would lead nowhere.
        clearList(box, true);
        return level != 0 && !emptyBelowEmptyFails_;
    }
    return fillList(box, from, true, levelKey(level), false);
}

void CascadingListsPage::rememberSelection(int level) {
    levels_[static_cast<size_t>(level)].remembered = levelCombo(level)->currentIndex();
}

void CascadingListsPage::onPicked(int level, int index) {
    if (level + 1 < levelCount()) {
        if (index == levelMemory(level)) {
            return;
        }
        levels_[static_cast<size_t>(level)].remembered = index;
        for (int below = level + 1; below < levelCount(); ++below) {
            fillLevel(below);
        }
        listsRefilled();
        for (int below = level + 1; below < levelCount(); ++below) {
            rememberSelection(below);
        }
    }
    guide().setCurrentPage(pageId());
}

}  // namespace corkwise
