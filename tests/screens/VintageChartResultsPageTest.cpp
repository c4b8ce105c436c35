// The chart page on compiled catalogues: its rows newest first, years left out, the rating of the
// selected row, Back and Next, and More Search handing the chart's record to the menu of
// searches.

#include "ChartFixture.h"

#include "catalog/RecordCursor.h"
#include "controls/GridList.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/VintageChartResultsPage.h"
#include "screens/VintageRating.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

#include <functional>

namespace corkwise::test {
namespace {

QList<QStringList> chartRows(const GridList* grid) {
    QList<QStringList> rows;
    for (int slot = 0; slot < grid->rowCount() && slot < grid->visibleSlots(); ++slot) {
        rows.append({grid->cellText(slot, 0), grid->cellText(slot, 1), grid->cellText(slot, 2)});
    }
    return rows;
}

class VintageChartResultsPageTest : public ChartFixture {
protected:
    VintageChartResultsPage* chart() const {
        return page<VintageChartResultsPage>(kVintageChartFlow, 1);
    }
    // Opens the Vintage Chart and shows the chart of U.S., Still, Red, California, VARIETY.
    void showCalifornia(const QString& variety) {
        tapHome(kVintageChartFlow);
        pick(chartForm()->combo(CascadeFormPage::WineCategory), QStringLiteral("Still"));
        pick(chartForm()->combo(CascadeFormPage::VarietyAppellation), variety);
        next();
    }
};

TEST_F(VintageChartResultsPageTest, ThreeRatedYearsGiveThreeRowsNewestFirst) {
    showCalifornia(QStringLiteral("Cabernet Sauvignon"));
    VintageChartResultsPage* page = chart();
    ASSERT_TRUE(page->isVisible());
    EXPECT_TRUE(view()->findChild<QPushButton*>(QStringLiteral("finishButton"))->isVisible());
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("ratingLabel"))->text(),
              QStringLiteral("Vintage Rating:"));
    EXPECT_EQ(page->moreSearchButton()->text(), QStringLiteral("More Search"));
    GridList* grid = page->grid();
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->column(0).title(), QStringLiteral("Year"));
    EXPECT_EQ(grid->column(1).title(), QStringLiteral("Score"));
    EXPECT_EQ(grid->column(2).title(), QStringLiteral("Code"));

    // The code was written "w" in the sources; the catalogue holds it in capitals.
    EXPECT_EQ(chartRows(grid),
              (QList<QStringList>{{"2001", "92", "H"}, {"1997", "96", "D"}, {"1990", "85", "W"}}));
    EXPECT_EQ(grid->selectedSlot(), 0);
    EXPECT_TRUE(page->moreSearchButton()->isEnabled());
    EXPECT_EQ(page->infoBox()->text(),
              QStringLiteral("This is an excellent vintage! Hold it to improve."));
}

TEST_F(VintageChartResultsPageTest, TappingOrHoldingARowRatesIt) {
    showCalifornia(QStringLiteral("Cabernet Sauvignon"));
    VintageChartResultsPage* page = chart();
    QTest::mouseClick(page->grid()->cellAt(2, 0), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(page->grid()->selectedSlot(), 2);
    EXPECT_EQ(page->infoBox()->text(),
              QStringLiteral("This is a very good vintage! Warning, may be too old."));

    // A hold (the pen's second button is one at once) rates the row as well.
    QWidget* cell = page->grid()->cellAt(1, 2);
    QTest::mousePress(cell, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(cell, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(page->grid()->selectedSlot(), 1);
    EXPECT_EQ(page->infoBox()->text(),
              QStringLiteral(
                  "This is an exceptional vintage! Drink it now or hold it to improve quality."));
    // The longest sentence shows whole in the box.
    const QLabel* info = page->infoBox();
    const QRect needed =
        QFontMetrics(info->font())
            .boundingRect(info->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, info->text());
    EXPECT_LE(needed.height(), info->contentsRect().height());
}

TEST_F(VintageChartResultsPageTest, BackThenNextRebuildsTheSameChart) {
    showCalifornia(QStringLiteral("Cabernet Sauvignon"));
    VintageChartResultsPage* page = chart();
    const QList<QStringList> first = chartRows(page->grid());
    QTest::mouseClick(page->grid()->cellAt(2, 0), Qt::LeftButton, {}, QPoint(5, 5));

    back();
    // Leaving empties the grid.
    EXPECT_EQ(page->grid()->rowCount(), 0);
    EXPECT_EQ(chartForm()->combo(CascadeFormPage::VarietyAppellation)->currentText(),
              QStringLiteral("Cabernet Sauvignon"));
    next();
    EXPECT_EQ(chartRows(page->grid()), first);
    EXPECT_EQ(page->grid()->selectedSlot(), 0);
    EXPECT_EQ(page->infoBox()->text(),
              QStringLiteral("This is an excellent vintage! Hold it to improve."));
}

TEST_F(VintageChartResultsPageTest, AYearWithoutAScoreIsLeftOut) {
    showCalifornia(QStringLiteral("Merlot"));
    EXPECT_EQ(chartRows(chart()->grid()), (QList<QStringList>{{"1999", "88", "D"}}));
}

TEST_F(VintageChartResultsPageTest, AHundredPointYearIsExceptional) {
    tapHome(kVintageChartFlow);
    pick(chartForm()->combo(CascadeFormPage::Origin), QStringLiteral("France"));
    next();
    EXPECT_EQ(chartRows(chart()->grid()), (QList<QStringList>{{"2000", "100", "H"}}));
    EXPECT_EQ(chart()->infoBox()->text(),
              QStringLiteral("This is an exceptional vintage! Hold it to improve."));
}

TEST_F(VintageChartResultsPageTest, MoreSearchMakesTheChartsRecordCurrentAndShowsTheMenu) {
    showCalifornia(QStringLiteral("Cabernet Sauvignon"));
    // The row tapped does not matter: the chart has one record.
    QTest::mouseClick(chart()->grid()->cellAt(1, 0), Qt::LeftButton, {}, QPoint(5, 5));
    click("moreSearchButton");

    const RecordCursor* record = guide().currentRecord();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->columnText("APPELLATION_VARIETY"), QByteArray("Cabernet Sauvignon"));
    EXPECT_EQ(record->columnText("2001"), QByteArray("92"));
    AdvancedSearchPanel* menu = view()->advancedPanel();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(chart()->isVisible());
    EXPECT_EQ(chart()->grid()->rowCount(), 0);
    // Best Producers can follow this chart's path.
    EXPECT_TRUE(menu->bestProducersButton()->isEnabled());
    // A chart names no producer: Power Search leaves the choice of one to the user.
    click("powerSearchButton");
    EXPECT_EQ(view()->current(), 1);
    EXPECT_TRUE(view()->findChild<QPushButton*>(QStringLiteral("nextButton"))->isVisible());
    click("cancelButton");
    showCalifornia(QStringLiteral("Cabernet Sauvignon"));
    click("moreSearchButton");

    // Oregon has no best producers: from its chart the menu greys them.
    click("bestProducersButton");
    click("cancelButton");
    tapHome(kVintageChartFlow);
    pick(chartForm()->combo(CascadeFormPage::WineCategory), QStringLiteral("Still"));
    pick(chartForm()->combo(CascadeFormPage::Region), QStringLiteral("Oregon"));
    next();
    click("moreSearchButton");
    EXPECT_EQ(guide().currentRecord()->columnText("REGION"), QByteArray("Oregon"));
    EXPECT_FALSE(menu->bestProducersButton()->isEnabled());
}

// A chart of sixteen years, more than the grid shows at once.
class LongChartTest : public VintageChartResultsPageTest {
protected:
    CatalogueSources sources() const override {
        CatalogueSources s = chartSources();
        const char* codes[] = {"H", "D", "W", "A"};
        for (int year = 1988; year <= 2003; ++year) {
            s.charts += QStringLiteral("U.S.,Still,Red,California,Zinfandel,%1,%2,%3\n")
                            .arg(year)
                            .arg(80 + year % 20)
                            .arg(QLatin1String(codes[year % 4]))
                            .toLatin1();
        }
        return s;
    }
};

void wheel(GridList* grid, int notches) {
    QWheelEvent event(QPointF(20, 20), grid->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(grid, &event);
}

TEST_F(LongChartTest, EveryScrollKeepsTheHighlightOnTheRowTheSentenceRates) {
    showCalifornia(QStringLiteral("Zinfandel"));
    GridList* grid = chart()->grid();
    ASSERT_EQ(grid->rowCount(), 16);
    ASSERT_EQ(grid->visibleSlots(), 8);
    // The row number, not the cursor: More Search closes the chart, and the grid's cursors go.
    ASSERT_NE(grid->cursorAt(0), nullptr);
    const int recordRow = grid->cursorAt(0)->row();
    const std::function<void()> scrolls[] = {
        [&] { wheel(grid, 1); },   // three lines: the row reaches the first slot
        [&] { wheel(grid, 1); },   // and goes out of view above
        [&] { wheel(grid, -2); },  // and back
        [&] { grid->scrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); },
        [&] { grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd); },
        [&] { grid->scrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub); },
        [&] { grid->scrollBar()->setSliderPosition(5); },
        [&] { grid->scrollBar()->setSliderPosition(2); },
        // The thumb to the end (the End key moves the selection to the last row instead).
        [&] { grid->scrollBar()->setSliderPosition(grid->scrollBar()->maximum()); },
    };
    // 2000 sits in the fourth slot at first.
    QTest::mouseClick(grid->cellAt(3, 0), Qt::LeftButton, {}, QPoint(5, 5));
    const QString sentence = chart()->infoBox()->text();
    ASSERT_EQ(sentence, vintageRatingText(QStringLiteral("80"), QStringLiteral("H")));
    for (size_t i = 0; i < std::size(scrolls); ++i) {
        scrolls[i]();
        SCOPED_TRACE(testing::Message() << "scroll " << i << ", top " << grid->top());
        EXPECT_EQ(chart()->infoBox()->text(), sentence);
        EXPECT_EQ(grid->top() + grid->selectedSlot(), 3) << "the selected row is still 2000";
        for (int slot = 0; slot < grid->visibleSlots(); ++slot) {
            EXPECT_EQ(grid->isHighlighted(slot), grid->cellText(slot, 0) == QStringLiteral("2000"))
                << "slot " << slot << " shows " << grid->cellText(slot, 0).toStdString();
        }
    }
    // More Search hands on the chart's record, whichever row is selected.
    click("moreSearchButton");
    EXPECT_EQ(guide().currentRecord()->row(), recordRow);
}

}  // namespace
}  // namespace corkwise::test
