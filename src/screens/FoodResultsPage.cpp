#include "screens/FoodResultsPage.h"

#include "catalog/CatalogFormat.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"
#include "catalog/RecordCursor.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/PageHost.h"
#include "screens/RecordItems.h"
#include "screens/WineListKeys.h"

#include <QListWidget>
#include <QPushButton>

namespace corkwise {

namespace fmt = catalog_format;

using findwine::edges;

namespace {

// The text of SHORTNAME in WINE; the catalogue's placeholder when the record has no such column
// or its value cannot be read, as the catalogue itself writes for a value it lacks.
QByteArray columnOrPlaceholder(const RecordCursor& wine, const char* shortName) {
    return wine.columnText(QByteArray(shortName))
        .value_or(QByteArray(fmt::placeholderFor(shortName)));
}

}  // namespace

FoodResultsPage::FoodResultsPage(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, kFoodResultsPage, parent) {}

FoodResultsPage::~FoodResultsPage() = default;

int FoodResultsPage::createControls() {
    QLabel* label = findwine::makeLabel(this, QStringLiteral("Wine Types :"),
                                        edges(10, 15, 100, 30), "wineTypesLabel");
    moreSearch_ = findwine::makeButton(this, 1059, QStringLiteral("More Search"),
                                       edges(130, 12, 230, 33), "moreSearchButton");
    // Nothing is listed yet, so there is no wine to search on from.
    moreSearch_->setEnabled(false);
    wines_ = findwine::makeListBox(this, 1039, edges(10, 55, 230, 235), "wineList");
    findwine::labelControl(label, wines_);
    WineListKeys::watch(wines_, [this](int row) {
        const RecordCursor* wine = recordAt(wines_, row);
        if (wine != nullptr && host() != nullptr) {
            host()->showWineCard(*wine);
        }
    });

    connect(moreSearch_, &QPushButton::clicked, this, &FoodResultsPage::onMoreSearch);
    return 0;
}

void FoodResultsPage::activate(bool entering) {
    if (entering && wines_ != nullptr && guide().advanceTo(pageId())) {
        fillWines();
    }
}

QString FoodResultsPage::wineText(const RecordCursor& wine) {
    const QByteArray region = columnOrPlaceholder(wine, fmt::dict::kRegion);
    const QByteArray appellation = columnOrPlaceholder(wine, fmt::dict::kAppellation);
    QByteArray text = columnOrPlaceholder(wine, fmt::dict::kOrigin);
    text += ' ';
    if (region != fmt::kNoRegion) {
        text += region;
        text += ' ';
    }
    text += appellation != fmt::kNoAppellation ? appellation
                                               : columnOrPlaceholder(wine, fmt::dict::kVariety);
    return toDisplayText(text);
}

void FoodResultsPage::fillWines() {
    const std::unique_ptr<NodeCursor> food = input() != nullptr ? input()->clone() : nullptr;
    clearList(wines_, false);
    forEachRecordChild(food.get(), [this](const NodeCursor& child) {
        std::unique_ptr<RecordCursor> wine = child.openRecord();
        if (wine == nullptr) {
            // A record node whose record cannot be read gives no line.
            return;
        }
        auto* item = new QListWidgetItem(wineText(*wine), wines_);
        attachRecord(item, std::move(wine));
    });
    if (wines_->count() > 0) {
        wines_->setCurrentRow(0);
    }
    moreSearch_->setEnabled(wines_->count() > 0);
}

void FoodResultsPage::onMoreSearch() {
    const RecordCursor* wine = recordAt(wines_, wines_->currentRow());
    if (wine == nullptr) {
        // No wine listed: there is nothing to search on from.
        return;
    }
    guide().selectRecord(*wine);
    if (host() != nullptr) {
        host()->moreSearch();
    }
}

}  // namespace corkwise
