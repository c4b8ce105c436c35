#include "guide/SearchFlow.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(SearchFlowTest, FlowsKnowTheirPagesAndTrees) {
    ASSERT_EQ(SearchFlow::all().size(), 5u);
    EXPECT_EQ(SearchFlow::find(kFindWineFlow)->pageIds(), (QList<int>{10001, 10002, 10003}));
    EXPECT_STREQ(SearchFlow::find(kFoodAndWineFlow)->levelTable, "FWPLevelTable0");
    EXPECT_EQ(SearchFlow::find(kBestProducersFlow)->lastPage, 10012);
    EXPECT_EQ(SearchFlow::find(10002), nullptr);
    EXPECT_EQ(SearchFlow::find(kNoPage), nullptr);
    EXPECT_EQ(SearchFlow::ofPage(10010)->id, kBestValuesFlow);
    EXPECT_EQ(SearchFlow::ofPage(10004), nullptr);
}

}  // namespace
}  // namespace corkwise
