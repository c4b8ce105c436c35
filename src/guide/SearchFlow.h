#pragma once
// The five guided searches: their ids, their pages and the level table of their trees.
//
// A flow's id is also the page id of its first page. Page ids run 10001 to 10003 for
// Find Wine, then 10005 to 10012 in pairs; kNoPage (-1) means no page at all.

#include <QList>

#include <span>

namespace corkwise {

inline constexpr int kNoPage = -1;

// Flow ids.
inline constexpr int kFindWineFlow = 10001;
inline constexpr int kFoodAndWineFlow = 10005;
inline constexpr int kVintageChartFlow = 10007;
inline constexpr int kBestValuesFlow = 10009;
inline constexpr int kBestProducersFlow = 10011;

// Page ids, in the order of each flow.
inline constexpr int kFindWineCriteriaPage = 10001;
inline constexpr int kFindWineProducerPage = 10002;
inline constexpr int kFindWineWinePage = 10003;
inline constexpr int kFoodTypePage = 10005;
inline constexpr int kFoodResultsPage = 10006;
inline constexpr int kVintageChartFirstPage = 10007;
inline constexpr int kVintageChartSecondPage = 10008;
inline constexpr int kBestValuesFormPage = 10009;
inline constexpr int kBestValuesResultsPage = 10010;
inline constexpr int kBestProducersFormPage = 10011;
inline constexpr int kBestProducersResultsPage = 10012;

// One guided search. Instances are the constants returned by all() and find().
struct SearchFlow {
    int id;                  // flow id, which is the id of its first page
    int lastPage;            // id of its last page
    const char* levelTable;  // whole name of the level table holding its tree

    // The page ids of the flow, first to last.
    QList<int> pageIds() const;
    bool containsPage(int pageId) const { return pageId >= id && pageId <= lastPage; }

    // The five flows in the order in which the guide builds their pages:
    // Find Wine, Vintage Chart, Best Producers, Best Values, Food and Wine.
    static std::span<const SearchFlow> all();
    // The flow with FLOWID, or null for any other id.
    static const SearchFlow* find(int flowId);
    // The flow whose pages include PAGEID, or null.
    static const SearchFlow* ofPage(int pageId);
};

}  // namespace corkwise
