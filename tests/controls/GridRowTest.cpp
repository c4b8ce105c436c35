#include "controls/GridRow.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(GridRowTest, TextPastTheEndIsEmptyAndSetTextGrowsTheRow) {
    GridRow row{QStringLiteral("1997"), QStringLiteral("92")};
    EXPECT_EQ(row.count(), 2);
    EXPECT_EQ(row.text(1), QStringLiteral("92"));
    EXPECT_EQ(row.text(2), QString());
    EXPECT_EQ(row.text(-1), QString());

    row.setText(3, QStringLiteral("Reserve"));
    EXPECT_EQ(row.count(), 4);
    EXPECT_EQ(row.text(2), QString());
    EXPECT_EQ(row.text(3), QStringLiteral("Reserve"));
    row.setText(-1, QStringLiteral("ignored"));
    EXPECT_EQ(row.count(), 4);

    // The row keeps copies: changing the list it came from changes nothing.
    QStringList texts{QStringLiteral("a")};
    GridRow copy(texts);
    texts[0] = QStringLiteral("b");
    EXPECT_EQ(copy.text(0), QStringLiteral("a"));
}

}  // namespace
}  // namespace corkwise
