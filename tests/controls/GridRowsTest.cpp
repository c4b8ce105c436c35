#include "controls/GridRows.h"

#include "CursorSamples.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(GridRowsTest, RowAndCursorAtCountAreNull) {
    test::CursorLog log;
    GridRows rows;
    EXPECT_EQ(rows.row(0), nullptr);
    EXPECT_EQ(rows.cursor(0), nullptr);
    rows.add(GridRow{QStringLiteral("a")}, test::makeCursor(0));
    rows.add(GridRow{QStringLiteral("b")});
    EXPECT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.row(1)->text(0), QStringLiteral("b"));
    EXPECT_EQ(rows.cursor(0)->row(), 0);
    EXPECT_EQ(rows.cursor(1), nullptr);  // a row without a record
    EXPECT_EQ(rows.row(2), nullptr);
    EXPECT_EQ(rows.cursor(2), nullptr);
    EXPECT_EQ(rows.row(-1), nullptr);
}

TEST(GridRowsTest, RemoveAtDestroysTheRowsCursorAndClosesTheGap) {
    test::CursorLog log;
    GridRows rows;
    for (int i = 0; i < 4; ++i) {
        rows.add(GridRow{QString::number(i)}, test::makeCursor(i));
    }
    rows.removeAt(1);
    EXPECT_EQ(log.destroyedCursors(), 1);
    ASSERT_EQ(rows.count(), 3);
    EXPECT_EQ(rows.row(1)->text(0), QStringLiteral("2"));
    EXPECT_EQ(rows.cursor(1)->row(), 2);
    rows.removeAt(3);
    rows.removeAt(-1);
    EXPECT_EQ(rows.count(), 3);
    EXPECT_EQ(log.destroyedCursors(), 1);
}

TEST(GridRowsTest, ClearAndDestructionDestroyEveryCursor) {
    test::CursorLog log;
    {
        GridRows rows;
        for (int i = 0; i < 5; ++i) {
            rows.add(GridRow{}, test::makeCursor(i));
        }
        rows.clear();
        EXPECT_EQ(rows.count(), 0);
        EXPECT_EQ(log.destroyedCursors(), 5);
        rows.add(GridRow{}, test::makeCursor(9));
        rows.add(GridRow{}, nullptr);
    }
    EXPECT_EQ(log.destroyedCursors(), 6);
}

}  // namespace
}  // namespace corkwise
