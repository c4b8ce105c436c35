#include "guide/SearchFlow.h"

#include <array>

namespace corkwise {

namespace {

constexpr std::array<SearchFlow, 5> kFlows{{
    {kFindWineFlow, kFindWineWinePage, "FWLevelTable0"},
    {kVintageChartFlow, kVintageChartSecondPage, "VCHLevelTable0"},
    {kBestProducersFlow, kBestProducersResultsPage, "BPLevelTable0"},
    {kBestValuesFlow, kBestValuesResultsPage, "BVLevelTable0"},
    {kFoodAndWineFlow, kFoodResultsPage, "FWPLevelTable0"},
}};

}  // namespace

QList<int> SearchFlow::pageIds() const {
    QList<int> ids;
    for (int page = id; page <= lastPage; ++page) {
        ids.append(page);
    }
    return ids;
}

std::span<const SearchFlow> SearchFlow::all() {
    return kFlows;
}

const SearchFlow* SearchFlow::find(int flowId) {
    for (const SearchFlow& flow : kFlows) {
        if (flow.id == flowId) {
            return &flow;
        }
    }
    return nullptr;
}

const SearchFlow* SearchFlow::ofPage(int pageId) {
    for (const SearchFlow& flow : kFlows) {
        if (flow.containsPage(pageId)) {
            return &flow;
        }
    }
    return nullptr;
}

}  // namespace corkwise
