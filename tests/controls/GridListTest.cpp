#include "controls/GridList.h"

#include "CursorSamples.h"
#include "controls/ControlLook.h"
#include "controls/EditCell.h"
#include "controls/LabelCell.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace corkwise {
namespace {

class RecordingListener : public GridListener {
public:
    void onRowEvent(std::unique_ptr<GridEvent> event) override {
        events.push_back(std::move(event));
    }
    std::vector<std::unique_ptr<GridEvent>> events;
};

std::vector<GridColumn> wineColumns() {
    return {GridColumn(QStringLiteral("Vintage"), 50), GridColumn(QStringLiteral("Score"), 50),
            GridColumn(QStringLiteral("Designation"), 100)};
}

GridRow rowTexts(int i) {
    return GridRow{QStringLiteral("r%1a").arg(i), QStringLiteral("r%1b").arg(i),
                   QStringLiteral("r%1c").arg(i)};
}

class GridListTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }

    void SetUp() override {
        page.resize(240, 268);
        page.show();
    }

    // A grid of the three wine columns at (10, 80), 220 wide and HEIGHT high.
    GridList* makeGrid(int height, bool header = true, bool editable = false, int column = -1) {
        auto* grid = new GridList(wineColumns());
        grid->setHeader(header);
        grid->setEditable(editable, column);
        grid->setListener(&listener);
        EXPECT_TRUE(grid->create(QRect(10, 80, 220, height), &page));
        return grid;
    }

    static void addRows(GridList* grid, int from, int to) {
        for (int i = from; i < to; ++i) {
            grid->addRow(rowTexts(i), test::makeCursor(i));
        }
    }

    // The row shown in SLOT, read back from its first cell ("r7a" gives 7); -1 when empty.
    static int shownRow(const GridList* grid, int slot) {
        const QString text = grid->cellText(slot, 0);
        if (text.isEmpty()) {
            return -1;
        }
        return text.mid(1, text.size() - 2).toInt();
    }

    static void tap(GridList* grid, int slot, QPoint pos = QPoint(3, 4)) {
        QTest::mouseClick(grid->cellAt(slot, 0), Qt::LeftButton, {}, pos);
    }

    test::CursorLog cursorLog;
    QWidget page;
    RecordingListener listener;
};

TEST_F(GridListTest, HeightOf150WithHeaderGivesNineSlotsUnderTheTitles) {
    GridList* grid = makeGrid(150);
    EXPECT_EQ(grid->visibleSlots(), 9);
    EXPECT_EQ(grid->scrollBar()->geometry(), QRect(205, 0, 15, 150));
    EXPECT_FALSE(grid->scrollBar()->isVisible());

    // The last column fills the grid: 220 - (50 + 50).
    EXPECT_EQ(grid->column(2).width(), 120);
    EXPECT_EQ(grid->column(0).headerCell()->geometry(), QRect(0, 0, 51, 15));
    EXPECT_EQ(grid->column(2).headerCell()->geometry(), QRect(100, 0, 121, 15));
    EXPECT_EQ(grid->column(1).headerCell()->text(), QStringLiteral("Score"));
    EXPECT_TRUE(grid->column(1).headerCell()->isVisible());
    EXPECT_EQ(grid->column(1).headerCell()->backgroundColour(), kHeaderColour);

    // Data slot s at y = 15 (s + 1); cells one pixel wider, except in the last column.
    EXPECT_EQ(grid->cellAt(0, 0)->geometry(), QRect(0, 15, 51, 15));
    EXPECT_EQ(grid->cellAt(0, 1)->geometry(), QRect(50, 15, 51, 15));
    EXPECT_EQ(grid->cellAt(8, 2)->geometry(), QRect(100, 135, 120, 15));
    EXPECT_EQ(grid->cellAt(9, 0), nullptr);
    EXPECT_EQ(grid->labelCellAt(0, 0)->slotId(), 1);
    EXPECT_EQ(grid->labelCellAt(8, 1)->slotId(), 9);
    EXPECT_EQ(grid->labelCellAt(0, 0)->grid(), grid);
}

TEST_F(GridListTest, HeightOf150WithoutHeaderGivesTenSlotsFromTheTop) {
    GridList* grid = makeGrid(150, false);
    EXPECT_EQ(grid->visibleSlots(), 10);
    EXPECT_EQ(grid->scrollBar()->geometry(), QRect(205, 0, 15, 150));
    EXPECT_FALSE(grid->column(0).headerCell()->isVisible());
    EXPECT_EQ(grid->cellAt(0, 0)->geometry(), QRect(0, 0, 51, 15));
    EXPECT_EQ(grid->cellAt(9, 2)->geometry(), QRect(100, 135, 120, 15));
    EXPECT_EQ(grid->labelCellAt(0, 0)->slotId(), 0);

    // Grids given columns but no header still put their first row in the first slot.
    addRows(grid, 0, 2);
    EXPECT_EQ(shownRow(grid, 0), 0);
    EXPECT_EQ(shownRow(grid, 1), 1);
    tap(grid, 1);
    ASSERT_EQ(listener.events.size(), 1u);
    EXPECT_EQ(listener.events[0]->cursor()->row(), 1);
}

TEST_F(GridListTest, RowsPastTheSlotsShowTheScrollBarAndLeaveTheSlotsAlone) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 9);
    EXPECT_FALSE(grid->scrollBar()->isVisible());
    EXPECT_TRUE(grid->labelCellAt(8, 0)->style().testFlag(CellStyleFlag::Border));
    QStringList before;
    for (int s = 0; s < 9; ++s) {
        before << grid->cellText(s, 0) + grid->cellText(s, 1) + grid->cellText(s, 2);
    }

    addRows(grid, 9, 12);
    EXPECT_TRUE(grid->scrollBar()->isVisible());
    EXPECT_EQ(grid->scrollBar()->minimum(), 0);
    EXPECT_EQ(grid->scrollBar()->maximum(), 3);
    for (int s = 0; s < 9; ++s) {
        EXPECT_EQ(grid->cellText(s, 0) + grid->cellText(s, 1) + grid->cellText(s, 2), before[s]);
    }
    EXPECT_EQ(grid->rowCount(), 12);
    EXPECT_EQ(grid->top(), 0);
}

TEST_F(GridListTest, PageDownWithTwentyFiveRowsShowsTheLastNineAndStopsThere) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 25);
    grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    // Two pages would be row 18; the last full page starts at row 16, and top says so, so that
    // slot s keeps naming the row it shows.
    EXPECT_EQ(grid->top(), 16);
    EXPECT_EQ(grid->scrollBar()->value(), 16);
    for (int s = 0; s < 9; ++s) {
        EXPECT_EQ(shownRow(grid, s), 16 + s);
    }
    tap(grid, 0);
    ASSERT_EQ(listener.events.size(), 1u);
    EXPECT_EQ(listener.events[0]->cursor()->row(), 16);
    EXPECT_EQ(grid->selectedCursor()->row(), 16);

    grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid->top(), 16);
    EXPECT_EQ(shownRow(grid, 0), 16);
    EXPECT_EQ(grid->scrollBar()->value(), 16);

    // Page up goes back one page; page and thumb moves keep the selected row, here out of view.
    grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(grid->top(), 7);
    EXPECT_EQ(shownRow(grid, 0), 7);
    EXPECT_EQ(grid->selectedSlot(), 9);
    EXPECT_FALSE(grid->isHighlighted(0));
    grid->scrollBar()->setSliderPosition(3);  // dragging the thumb
    EXPECT_EQ(grid->top(), 3);
    EXPECT_EQ(shownRow(grid, 8), 11);
    grid->scroll(GridList::Scroll::ThumbTrack, 99);
    EXPECT_EQ(grid->top(), 16);
    grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(grid->top(), 0);
    grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(grid->top(), 0);
    EXPECT_EQ(grid->scrollBar()->value(), 0);
    EXPECT_EQ(grid->selectedCursor()->row(), 16);
}

TEST_F(GridListTest, LineScrollingKeepsTheSelectedRowSelected) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 20);
    tap(grid, 3);
    ASSERT_EQ(grid->selectedCursor()->row(), 3);

    grid->scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->top(), 1);
    EXPECT_EQ(shownRow(grid, 0), 1);
    EXPECT_EQ(grid->selectedSlot(), 2);
    EXPECT_EQ(grid->selectedCursor()->row(), 3);
    EXPECT_TRUE(grid->isHighlighted(2));
    EXPECT_FALSE(grid->isHighlighted(3));

    grid->scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(grid->top(), 0);
    EXPECT_EQ(grid->selectedSlot(), 3);
    EXPECT_EQ(grid->selectedCursor()->row(), 3);
    EXPECT_TRUE(grid->isHighlighted(3));

    // At the top, line up does nothing.
    grid->scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(grid->top(), 0);
    EXPECT_EQ(grid->selectedSlot(), 3);

    // A row scrolled away above stays selected unseen, and is highlighted again when it is back.
    tap(grid, 0);
    grid->scroll(GridList::Scroll::LineDown);
    EXPECT_EQ(grid->selectedSlot(), -1);
    EXPECT_EQ(grid->selectedCursor()->row(), 0);
    EXPECT_FALSE(grid->isHighlighted(0));
    grid->scroll(GridList::Scroll::LineUp);
    EXPECT_EQ(grid->selectedSlot(), 0);
    EXPECT_TRUE(grid->isHighlighted(0));
    // The listener hears of taps only, not of scrolling.
    EXPECT_EQ(listener.events.size(), 2u);
}

TEST_F(GridListTest, LineScrollingDoesNotInventASelection) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 20);
    grid->scroll(GridList::Scroll::LineDown);
    grid->scroll(GridList::Scroll::LineUp);
    EXPECT_EQ(grid->top(), 0);
    EXPECT_EQ(grid->selectedSlot(), -1);
    EXPECT_EQ(grid->selectedCursor(), nullptr);
    for (int s = 0; s < 9; ++s) {
        EXPECT_FALSE(grid->isHighlighted(s));
    }
}

TEST_F(GridListTest, TapBelowTheLastRowDoesNothing) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 3);
    tap(grid, 5);
    tap(grid, 3);
    EXPECT_EQ(grid->selectedSlot(), -1);
    EXPECT_TRUE(listener.events.empty());
    EXPECT_FALSE(grid->isHighlighted(5));
    // A tap on the header names no row either.
    QTest::mouseClick(grid->column(0).headerCell(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(grid->selectedSlot(), -1);
    EXPECT_TRUE(listener.events.empty());
}

TEST_F(GridListTest, TapSelectsHighlightsAndReportsTheRowWithThePointInTheCell) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 5);
    grid->select(4);
    EXPECT_TRUE(grid->isHighlighted(4));

    QTest::mouseClick(grid->cellAt(2, 1), Qt::LeftButton, {}, QPoint(7, 5));
    EXPECT_EQ(grid->selectedSlot(), 2);
    EXPECT_TRUE(grid->isHighlighted(2));
    EXPECT_TRUE(grid->labelCellAt(2, 2)->isHighlighted());
    EXPECT_FALSE(grid->isHighlighted(4));
    ASSERT_EQ(listener.events.size(), 1u);
    EXPECT_EQ(listener.events[0]->cursor()->row(), 2);
    EXPECT_EQ(listener.events[0]->point(), QPoint(7, 5));
    EXPECT_FALSE(listener.events[0]->isHold());

    // Not selectable: the row is still reported, nothing is highlighted.
    GridList* plain = makeGrid(150);
    plain->setSelectable(false);
    addRows(plain, 0, 2);
    plain->select(1);
    EXPECT_EQ(plain->selectedSlot(), -1);
    tap(plain, 1);
    EXPECT_EQ(plain->selectedSlot(), 1);
    EXPECT_FALSE(plain->isHighlighted(1));
    EXPECT_EQ(listener.events.size(), 2u);
}

TEST_F(GridListTest, RightClickAndLongPressReportAHoldWithTheScreenPoint) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 5);
    QWidget* cell = grid->cellAt(1, 2);
    QTest::mouseClick(cell, Qt::RightButton, {}, QPoint(10, 6));
    ASSERT_EQ(listener.events.size(), 1u);
    EXPECT_TRUE(listener.events[0]->isHold());
    EXPECT_EQ(listener.events[0]->point(), cell->mapToGlobal(QPoint(10, 6)));
    EXPECT_EQ(listener.events[0]->cursor()->row(), 1);
    EXPECT_TRUE(grid->isHighlighted(1));

    cell = grid->cellAt(3, 0);
    QTest::mousePress(cell, Qt::LeftButton, {}, QPoint(4, 4));
    QTRY_COMPARE_WITH_TIMEOUT(listener.events.size(), size_t(2), 2000);
    QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_EQ(listener.events.size(), 2u);  // the release adds no plain tap
    EXPECT_TRUE(listener.events[1]->isHold());
    EXPECT_EQ(listener.events[1]->point(), cell->mapToGlobal(QPoint(4, 4)));
    EXPECT_EQ(listener.events[1]->cursor()->row(), 3);
    EXPECT_EQ(grid->selectedSlot(), 3);
    EXPECT_TRUE(grid->isHighlighted(3));
    EXPECT_FALSE(grid->isHighlighted(1));
}

TEST_F(GridListTest, EditableGridOnlyRecordsTheSlotAndTakesTypedTextsOver) {
    GridList* grid = makeGrid(150, false, true, 1);
    EXPECT_EQ(grid->editCellAt(0, 0), nullptr);
    ASSERT_NE(grid->editCellAt(0, 1), nullptr);
    EXPECT_EQ(grid->editCellAt(0, 1)->slotId(), 0);
    addRows(grid, 0, 14);
    EXPECT_EQ(grid->cellText(2, 1), QStringLiteral("r2b"));

    EditCell* edit = grid->editCellAt(2, 1);
    QTest::mouseClick(edit->editor(), Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(grid->selectedSlot(), 2);
    EXPECT_TRUE(listener.events.empty());
    EXPECT_FALSE(grid->isHighlighted(2));
    tap(grid, 4);  // a label cell of an editable grid: recorded, nothing else
    EXPECT_EQ(grid->selectedSlot(), 4);
    EXPECT_TRUE(listener.events.empty());

    edit->setText(QString());
    QTest::keyClicks(edit->lineEdit(), QStringLiteral("typed"));
    EXPECT_EQ(grid->rows().row(2)->text(1), QStringLiteral("typed"));
    EXPECT_EQ(grid->rows().row(2)->text(0), QStringLiteral("r2a"));

    // Typed texts survive every kind of scrolling.
    grid->editCellAt(0, 1)->setText(QStringLiteral("first"));
    grid->scroll(GridList::Scroll::PageDown);
    EXPECT_EQ(grid->top(), 4);
    grid->editCellAt(9, 1)->setText(QStringLiteral("last"));
    grid->scroll(GridList::Scroll::ThumbTrack, 1);
    grid->scroll(GridList::Scroll::LineUp);
    EXPECT_EQ(grid->top(), 0);
    EXPECT_EQ(grid->cellText(0, 1), QStringLiteral("first"));
    EXPECT_EQ(grid->cellText(2, 1), QStringLiteral("typed"));
    EXPECT_EQ(grid->rows().row(13)->text(1), QStringLiteral("last"));
}

TEST_F(GridListTest, UpAndDownGoFromEditCellToEditCellAndScrollAtTheEdges) {
    GridList* grid = makeGrid(60, false, true, 1);  // four slots
    addRows(grid, 0, 6);
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    QLineEdit* line = grid->editCellAt(2, 1)->lineEdit();
    line->setFocus();
    line->setText(QStringLiteral("two"));
    QTest::keyClick(line, Qt::Key_Down);
    EXPECT_TRUE(grid->editCellAt(3, 1)->lineEdit()->hasFocus());
    EXPECT_EQ(grid->selectedSlot(), 3);
    QTest::keyClick(grid->editCellAt(3, 1)->lineEdit(), Qt::Key_Down);
    // Past the last slot: one line down, the focus stays in the last slot, now row 4.
    EXPECT_EQ(grid->top(), 1);
    EXPECT_TRUE(grid->editCellAt(3, 1)->lineEdit()->hasFocus());
    EXPECT_EQ(grid->cellText(3, 1), QStringLiteral("r4b"));
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("two"));
    EXPECT_TRUE(listener.events.empty());

    // Tab into another edit cell counts as tapping it.
    QTest::keyClick(grid->editCellAt(3, 1)->lineEdit(), Qt::Key_Backtab, Qt::ShiftModifier);
    grid->editCellAt(0, 1)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(grid->selectedSlot(), 0);
}

TEST_F(GridListTest, ClipboardRequestsGoToTheSelectedEditCell) {
    GridList* grid = makeGrid(150, false, true, 1);
    addRows(grid, 0, 3);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    grid->paste();  // nothing selected: nothing happens
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("r1b"));

    QTest::mouseClick(grid->editCellAt(1, 1)->editor(), Qt::LeftButton, {}, QPoint(2, 5));
    grid->editCellAt(1, 1)->lineEdit()->selectAll();
    grid->cut();
    EXPECT_EQ(grid->cellText(1, 1), QString());
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("r1b"));
    grid->paste();
    grid->paste();
    EXPECT_EQ(grid->cellText(1, 1), QStringLiteral("r1br1b"));
    grid->editCellAt(1, 1)->lineEdit()->setSelection(0, 2);
    grid->copy();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("r1"));
    EXPECT_EQ(grid->rows().row(1)->text(1), QStringLiteral("r1br1b"));

    GridList* readOnly = makeGrid(150);
    addRows(readOnly, 0, 2);
    tap(readOnly, 0);
    readOnly->paste();
    EXPECT_EQ(readOnly->cellText(0, 1), QStringLiteral("r0b"));
}

TEST_F(GridListTest, ClearLeavesNoSelectedCursorAndDestroysEveryRow) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 12);
    tap(grid, 2);
    ASSERT_NE(grid->selectedCursor(), nullptr);
    grid->scroll(GridList::Scroll::PageDown);

    grid->clear();
    EXPECT_EQ(grid->selectedCursor(), nullptr);
    EXPECT_EQ(grid->selectedSlot(), -1);
    EXPECT_EQ(grid->cursorAt(0), nullptr);
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(cursorLog.destroyedCursors(), 12);
    EXPECT_EQ(grid->top(), 0);
    EXPECT_FALSE(grid->scrollBar()->isVisible());
    for (int s = 0; s < 9; ++s) {
        EXPECT_FALSE(grid->isHighlighted(s));
        EXPECT_EQ(grid->cellText(s, 2), QString());
        EXPECT_TRUE(grid->labelCellAt(s, 2)->style().testFlag(CellStyleFlag::Border));
    }

    addRows(grid, 20, 22);
    EXPECT_EQ(shownRow(grid, 0), 20);
    EXPECT_EQ(shownRow(grid, 1), 21);
    EXPECT_EQ(grid->cursorAt(1)->row(), 21);
    EXPECT_EQ(grid->cursorAt(2), nullptr);
    EXPECT_EQ(grid->cursorAt(-1), nullptr);

    delete grid;
    EXPECT_EQ(cursorLog.destroyedCursors(), 14);
}

TEST_F(GridListTest, RelayoutKeepsTheHeaderAndRefillsFromTheTop) {
    GridList* grid = makeGrid(150);
    LabelCell* header = grid->column(0).headerCell();
    addRows(grid, 0, 6);
    tap(grid, 4);

    grid->relayout(75);
    EXPECT_EQ(grid->height(), 75);
    EXPECT_EQ(grid->visibleSlots(), 4);
    EXPECT_EQ(grid->column(0).headerCell(), header);
    EXPECT_TRUE(header->isVisible());
    EXPECT_EQ(grid->selectedSlot(), -1);
    EXPECT_EQ(grid->top(), 0);
    EXPECT_EQ(grid->scrollBar()->geometry(), QRect(205, 0, 15, 75));
    EXPECT_TRUE(grid->scrollBar()->isVisible());
    EXPECT_EQ(grid->scrollBar()->maximum(), 2);
    EXPECT_EQ(shownRow(grid, 3), 3);
    EXPECT_EQ(grid->cellAt(4, 0), nullptr);

    grid->relayout(150);
    EXPECT_EQ(grid->visibleSlots(), 9);
    EXPECT_FALSE(grid->scrollBar()->isVisible());
    EXPECT_EQ(shownRow(grid, 5), 5);
    EXPECT_EQ(shownRow(grid, 6), -1);
    // The next row goes after those already shown.
    addRows(grid, 6, 7);
    EXPECT_EQ(shownRow(grid, 5), 5);
    EXPECT_EQ(shownRow(grid, 6), 6);
    tap(grid, 6);
    EXPECT_EQ(grid->selectedCursor()->row(), 6);
}

TEST_F(GridListTest, RelayoutOfAnEditableGridKeepsTypedTexts) {
    GridList* grid = makeGrid(150, false, true, 1);
    addRows(grid, 0, 3);
    grid->editCellAt(2, 1)->setText(QStringLiteral("kept"));
    grid->relayout(60);
    EXPECT_EQ(grid->cellText(2, 1), QStringLiteral("kept"));
    EXPECT_EQ(grid->rows().row(2)->text(1), QStringLiteral("kept"));
}

TEST_F(GridListTest, KeyboardMovesTheSelectionAndScrollsItIntoView) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 25);
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->selectedSlot(), 0);
    ASSERT_EQ(listener.events.size(), 1u);
    EXPECT_EQ(listener.events[0]->cursor()->row(), 0);
    EXPECT_FALSE(listener.events[0]->isHold());

    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(grid, Qt::Key_Down);
    }
    // Row 9 is one past the last slot: the grid scrolled a line to show it.
    EXPECT_EQ(grid->top(), 1);
    EXPECT_EQ(grid->selectedSlot(), 8);
    EXPECT_EQ(grid->selectedCursor()->row(), 9);
    EXPECT_TRUE(grid->isHighlighted(8));
    EXPECT_EQ(listener.events.back()->cursor()->row(), 9);

    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(grid->selectedCursor()->row(), 8);
    EXPECT_EQ(grid->top(), 1);

    // Page, Home and End keys move the selection too, scrolling only as far as shows it, and
    // report it as a tap.
    const struct {
        Qt::Key key;
        int row;
        int top;
    } moves[] = {
        {Qt::Key_PageDown, 17, 9}, {Qt::Key_PageDown, 24, 16}, {Qt::Key_PageDown, 24, 16},
        {Qt::Key_PageUp, 15, 15},  {Qt::Key_Home, 0, 0},       {Qt::Key_End, 24, 16},
        {Qt::Key_PageUp, 15, 15},
    };
    for (const auto& m : moves) {
        QTest::keyClick(grid, m.key);
        EXPECT_EQ(grid->selectedCursor()->row(), m.row) << m.key;
        EXPECT_EQ(grid->top(), m.top) << m.key;
        EXPECT_EQ(grid->scrollBar()->value(), m.top) << m.key;
        EXPECT_TRUE(grid->isHighlighted(m.row - m.top)) << m.key;
        EXPECT_EQ(listener.events.back()->cursor()->row(), m.row) << m.key;
    }
    // The focus frame sits on the selected row while the grid has the focus.
    QWidget* mark = grid->findChild<QWidget*>(QStringLiteral("gridFocusFrame"));
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->isVisibleTo(grid));
    EXPECT_EQ(mark->y(), 15 * (grid->selectedSlot() + 1));

    const size_t before = listener.events.size();
    QTest::keyClick(grid, Qt::Key_Menu);
    ASSERT_EQ(listener.events.size(), before + 1);
    EXPECT_TRUE(listener.events.back()->isHold());
    EXPECT_EQ(listener.events.back()->cursor()->row(), 15);
}

TEST_F(GridListTest, ScrollBarArrowClickScrollsOneLine) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 12);
    QScrollBar* bar = grid->scrollBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(7, bar->height() - 4));
    EXPECT_EQ(grid->top(), 1);
    EXPECT_EQ(shownRow(grid, 0), 1);
    EXPECT_EQ(bar->value(), 1);
}

TEST_F(GridListTest, WheelScrollsLines) {
    GridList* grid = makeGrid(150);
    addRows(grid, 0, 20);
    QWheelEvent down(QPointF(20, 40), QPointF(grid->mapToGlobal(QPoint(20, 40))), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid, &down);
    EXPECT_EQ(grid->top(), 3);
    EXPECT_EQ(grid->scrollBar()->value(), 3);
}

// Renders a grid as the wine page shows it: header, a highlighted row, the scroll bar.
TEST_F(GridListTest, PictureShowsHeaderHighlightAndScrollBarInTheirColours) {
    page.setFixedSize(240, 268);
    GridList* grid = makeGrid(105);
    addRows(grid, 0, 12);
    grid->select(1);
    const QImage image = grid->grab().toImage();
    const QString snapshotDir = qEnvironmentVariable("CORKWISE_SNAPSHOT_DIR");
    if (!snapshotDir.isEmpty()) {
        page.grab().save(snapshotDir + QStringLiteral("/grid.png"));
    }
    ASSERT_EQ(image.size(), QSize(220, 105));
    EXPECT_EQ(image.pixelColor(1, 1), kHeaderColour);  // inside the "Vintage" title cell
    EXPECT_EQ(image.pixelColor(0, 7), kBorderColour);  // its border
    EXPECT_EQ(image.pixelColor(40, 15 + 15 + 12), kHighlightColour);  // slot 1
    EXPECT_EQ(image.pixelColor(40, 15 + 12), kPanelColour);           // slot 0
    EXPECT_EQ(image.pixelColor(50, 15 + 7), kBorderColour);           // line between two columns
    EXPECT_EQ(image.pixelColor(199, 70), kPanelColour);  // last column, left of the bar
    EXPECT_NE(image.pixelColor(212, 70), kPanelColour);  // the scroll bar
}

// Renders the note grid of the personal panel: no header, names beside editable values.
TEST_F(GridListTest, PictureOfAnEditableGridShowsFramedEditCells) {
    page.setFixedSize(240, 268);
    auto* grid = new GridList(
        {GridColumn(QStringLiteral("Type"), 70), GridColumn(QStringLiteral("Value"), 130)});
    grid->setHeader(false);
    grid->setSelectable(false);
    grid->setEditable(true, 1);
    ASSERT_TRUE(grid->create(QRect(10, 10, 220, 105), &page));
    grid->addRow(GridRow{QStringLiteral("VINTAGE"), QStringLiteral("1997")});
    grid->addRow(GridRow{QStringLiteral("DESIGNATION"), QStringLiteral("Reserve")});
    const QImage image = grid->grab().toImage();
    const QString snapshotDir = qEnvironmentVariable("CORKWISE_SNAPSHOT_DIR");
    if (!snapshotDir.isEmpty()) {
        page.grab().save(snapshotDir + QStringLiteral("/note-grid.png"));
    }
    EXPECT_EQ(image.pixelColor(100, 0), kBorderColour);  // top of the edit cell in slot 0
    EXPECT_EQ(image.pixelColor(219, 7), kBorderColour);  // its right edge, no scroll bar
    EXPECT_EQ(image.pixelColor(200, 7),
              grid->editCellAt(0, 1)->lineEdit()->palette().color(QPalette::Base));
    EXPECT_EQ(image.pixelColor(30, 100), kPanelColour);  // a label cell with no row
}

}  // namespace
}  // namespace corkwise
