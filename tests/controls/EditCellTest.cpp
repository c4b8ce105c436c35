#include "controls/EditCell.h"

#include "controls/GridList.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace corkwise {
namespace {

class EditCellTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        page.resize(240, 268);
        page.show();
    }
    QWidget page;
};

TEST_F(EditCellTest, OneLineCellTakesTypingAndClipboard) {
    EditCell cell;
    ASSERT_TRUE(cell.create(CellStyleFlag::Visible | CellStyleFlag::Border, QRect(5, 5, 120, 15),
                            &page, 4));
    EXPECT_FALSE(cell.create(CellStyleFlag::Visible, QRect(), &page, 5));
    EXPECT_EQ(cell.slotId(), 4);
    EXPECT_EQ(cell.grid(), nullptr);
    ASSERT_NE(cell.lineEdit(), nullptr);
    EXPECT_EQ(cell.textEdit(), nullptr);
    EXPECT_EQ(cell.frameShape(), QFrame::Box);
    EXPECT_EQ(cell.font().family(), QStringLiteral("Verdana"));

    QSignalSpy changes(&cell, &EditCell::textChanged);
    QTest::keyClicks(cell.lineEdit(), QStringLiteral("Chablis"));
    EXPECT_EQ(cell.text(), QStringLiteral("Chablis"));
    EXPECT_EQ(changes.count(), 7);

    cell.lineEdit()->setSelection(0, 4);
    cell.copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Chab"));
    cell.cut();
    EXPECT_EQ(cell.text(), QStringLiteral("lis"));
    cell.lineEdit()->end(false);
    cell.paste();
    EXPECT_EQ(cell.text(), QStringLiteral("lisChab"));
}

TEST_F(EditCellTest, SeveralLinesCellReplacesItsWholeTextEvenWithASelection) {
    EditCell cell;
    ASSERT_TRUE(
        cell.create(CellStyleFlag::Visible | CellStyleFlag::Border | CellStyleFlag::MultiLine,
                    QRect(0, 0, 200, 120), &page, 0));
    ASSERT_NE(cell.textEdit(), nullptr);
    EXPECT_TRUE(cell.isMultiLine());
    cell.setText(QStringLiteral("first line\nsecond line"));
    QTextCursor cursor = cell.textEdit()->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(8, QTextCursor::KeepAnchor);
    cell.textEdit()->setTextCursor(cursor);
    cell.setText(QStringLiteral("new"));
    EXPECT_EQ(cell.text(), QStringLiteral("new"));
    QTest::mouseClick(cell.textEdit()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));  // alone
}

TEST_F(EditCellTest, TapInAGridPlacesTheCaretBeforeTheGridHearsOfIt) {
    GridList grid(
        {GridColumn(QStringLiteral("Type"), 70), GridColumn(QStringLiteral("Value"), 130)});
    grid.setHeader(false);
    grid.setEditable(true, 1);
    ASSERT_TRUE(grid.create(QRect(10, 10, 220, 100), &page));
    grid.addRow(GridRow{QStringLiteral("VINTAGE"), QStringLiteral("1997")});
    EditCell* cell = grid.editCellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->grid(), &grid);
    EXPECT_EQ(cell->text(), QStringLiteral("1997"));
    cell->lineEdit()->setCursorPosition(4);

    QTest::mouseClick(cell->lineEdit(), Qt::LeftButton, {}, QPoint(2, 7));
    EXPECT_EQ(grid.selectedSlot(), 0);
    EXPECT_EQ(cell->lineEdit()->cursorPosition(), 0);
}

}  // namespace
}  // namespace corkwise
