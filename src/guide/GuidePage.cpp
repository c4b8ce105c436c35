#include "guide/GuidePage.h"

#include "catalog/NodeCursor.h"

namespace corkwise {

GuidePage::GuidePage(std::unique_ptr<NodeCursor> input) : input_(std::move(input)) {}

GuidePage::~GuidePage() = default;

void GuidePage::setInput(const NodeCursor* node) {
    input_ = node != nullptr ? node->clone() : nullptr;
}

int replayPages(std::span<GuidePage* const> pages, int first, int count) {
    const int size = static_cast<int>(pages.size());
    int loaded = 0;
    for (int i = first; i >= 0 && i < size && loaded < count; ++i) {
        if (!pages[i]->loadLists()) {
            pages[i]->takeMessage();
            break;
        }
        ++loaded;
        if (i + 1 < size) {
            const std::unique_ptr<NodeCursor> node = pages[i]->commitSelection();
            pages[i + 1]->setInput(node.get());
        }
    }
    return loaded;
}

}  // namespace corkwise
