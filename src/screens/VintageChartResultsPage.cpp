#include "screens/VintageChartResultsPage.h"

#include "catalog/CatalogFormat.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"
#include "catalog/RecordCursor.h"
#include "common/ErrorLog.h"
#include "controls/GridList.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/PageHost.h"
#include "screens/VintageRating.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace corkwise {

namespace fmt = catalog_format;

using findwine::edges;

namespace {

const QString kInfoTitle = QStringLiteral("Info:");

constexpr int kScoreColumn = 1;
constexpr int kCodeColumn = 2;

// The info box's font: 13 pixels as on every page, smaller only as far as the text needs.
constexpr int kInfoFontSize = 13;
constexpr int kSmallestInfoFontSize = 9;

// Gives BOX the largest font from kInfoFontSize down that shows all of its text wrapped.
// The longest sentences take three lines, which in a 13-pixel em (not cell) height can overrun
// the box's 45 pixels.
void fitInfoFont(QLabel* box) {
    const QRect room = box->contentsRect();
    QFont font = SearchPage::pageFont(kInfoFontSize, false);
    int size = kInfoFontSize;
    for (; size > kSmallestInfoFontSize; --size) {
        font.setPixelSize(size);
        const QRect needed =
            QFontMetrics(font).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, box->text());
        if (needed.height() <= room.height() && needed.width() <= room.width()) {
            break;
        }
    }
    font.setPixelSize(size);
    box->setFont(font);
}

}  // namespace

VintageChartResultsPage::VintageChartResultsPage(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, kVintageChartSecondPage, parent) {}

VintageChartResultsPage::~VintageChartResultsPage() = default;

int VintageChartResultsPage::createControls() {
    title_ = findwine::makeLabel(this, QStringLiteral("Vintage Rating:"), edges(10, 15, 130, 30),
                                 "ratingLabel");
    moreSearch_ = findwine::makeButton(this, 1059, QStringLiteral("More Search"),
                                       edges(130, 12, 230, 33), "moreSearchButton");
    connect(moreSearch_, &QPushButton::clicked, this, &VintageChartResultsPage::onMoreSearch);

    grid_ = new GridList({GridColumn("Year", 80), GridColumn("Score", 70), GridColumn("Code", 70)},
                         this);
    grid_->setObjectName(QStringLiteral("chartGrid"));
    grid_->setProperty("controlId", 10202);
    grid_->setListener(this);
    if (!grid_->create(edges(10, 50, 230, 185), this, true)) {
        return -1;
    }

    info_ = findwine::makeInfoBox(this, kInfoTitle, edges(10, 190, 230, 235), "infoBox", true);
    findwine::labelControl(title_, grid_);
    return 0;
}

void VintageChartResultsPage::activate(bool entering) {
    if (grid_ == nullptr) {
        return;
    }
    if (entering) {
        fillChart();
    } else {
        grid_->clear();
    }
}

void VintageChartResultsPage::fillChart() {
    grid_->clear();
    const NodeCursor* chosen = input();
    std::unique_ptr<NodeCursor> chart = chosen != nullptr ? chosen->child(0) : nullptr;
    std::unique_ptr<RecordCursor> record;
    if (chart != nullptr && chart->nodeKind() == NodeCursor::kDictionaryNode) {
        logLine("VALUE IS STRING");
    } else if (chart != nullptr) {
        record = chart->openRecord();
    }

    QList<GridRow> rows;
    if (record != nullptr) {
        for (int year = kNewestYear; year >= kOldestYear; --year) {
            const QByteArray digits = QByteArray::number(year);
            const std::optional<QByteArray> score = record->columnText(digits);
            const std::optional<QByteArray> code =
                record->columnText(fmt::dict::kChartCodePrefix + digits);
            // A column the record lacks reads as not available.
            if (!score.has_value() || !code.has_value() || *score == fmt::kNotAvailable ||
                *code == fmt::kNotAvailable) {
                continue;
            }
            rows.append(
                GridRow{QString::fromLatin1(digits), toDisplayText(*score), toDisplayText(*code)});
        }
    }
    // Only the first row carries the chart's record (More Search hands it on); the moved-from
    // pointer gives every later row none.
    for (GridRow& row : rows) {
        grid_->addRow(std::move(row), std::move(record));
    }

    const bool empty = grid_->rowCount() == 0;
    if (!empty) {
        grid_->select(0);
    }
    moreSearch_->setEnabled(!empty);
    rateSelection();
}

void VintageChartResultsPage::rateSelection() {
    const int slot = grid_->selectedSlot();
    info_->setText(slot < 0 ? kInfoTitle
                            : vintageRatingText(grid_->cellText(slot, kScoreColumn),
                                                grid_->cellText(slot, kCodeColumn)));
    fitInfoFont(info_);
}

void VintageChartResultsPage::onRowEvent(std::unique_ptr<GridEvent> event) {
    if (event != nullptr) {
        onGridEvent(*event);
    }
}

void VintageChartResultsPage::onGridEvent(const GridEvent& event) {
    static_cast<void>(event);
    rateSelection();
}

void VintageChartResultsPage::onMoreSearch() {
    const RecordCursor* record = grid_->cursorAt(0);
    if (record == nullptr) {
        return;
    }
    guide().selectRecord(*record);
    if (host() != nullptr) {
        host()->moreSearch();
    }
}

}  // namespace corkwise
