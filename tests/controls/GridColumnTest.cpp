#include "controls/GridColumn.h"

#include "controls/ControlLook.h"
#include "controls/LabelCell.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QPointer>

namespace corkwise {
namespace {

class GridColumnTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
};

TEST_F(GridColumnTest, CopyGetsItsOwnHeaderCellInTheHeaderColour) {
    GridColumn column(QStringLiteral("Vintage"), 50);
    EXPECT_EQ(column.title(), QStringLiteral("Vintage"));
    EXPECT_EQ(column.width(), 50);
    ASSERT_NE(column.headerCell(), nullptr);
    EXPECT_EQ(column.headerCell()->backgroundColour(), kHeaderColour);

    GridColumn copy(column);
    copy.setWidth(70);
    EXPECT_EQ(copy.title(), QStringLiteral("Vintage"));
    EXPECT_EQ(copy.width(), 70);
    EXPECT_EQ(column.width(), 50);
    EXPECT_NE(copy.headerCell(), column.headerCell());
    EXPECT_EQ(copy.headerCell()->backgroundColour(), kHeaderColour);

    GridColumn other(QStringLiteral("Score"), 10);
    QPointer<LabelCell> oldHeader = other.headerCell();
    other = column;
    EXPECT_EQ(other.title(), QStringLiteral("Vintage"));
    EXPECT_EQ(other.width(), 50);
    EXPECT_TRUE(oldHeader.isNull());  // the replaced header cell went with the old column
    EXPECT_NE(other.headerCell(), column.headerCell());
}

TEST_F(GridColumnTest, EightBitTitleIsConverted) {
    GridColumn column(QByteArray("Ros\xe9"), 30);
    EXPECT_EQ(column.title(), QStringLiteral("Ros\u00e9"));
    GridColumn literal("Code", 70);
    EXPECT_EQ(literal.title(), QStringLiteral("Code"));
}

TEST_F(GridColumnTest, DestroyingAColumnDestroysItsHeaderCell) {
    QPointer<LabelCell> header;
    {
        GridColumn column(QStringLiteral("Year"), 80);
        header = column.headerCell();
        GridColumn moved(std::move(column));
        EXPECT_EQ(moved.headerCell(), header.data());
    }
    EXPECT_TRUE(header.isNull());
}

}  // namespace
}  // namespace corkwise
