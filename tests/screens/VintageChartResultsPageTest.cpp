// The chart page on compiled catalogues: its rows newest first, years left out, the rating of the
// selected row, Back and Next, and More Search handing the chart's record to the menu of
// searches.

#include "ChartFixture.h"

#include "controls/GridList.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/VintageChartResultsPage.h"

#include <QFontMetrics>
#include <QLabel>

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

}  // namespace
}  // namespace corkwise::test
