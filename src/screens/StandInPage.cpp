#include "screens/StandInPage.h"

#include "catalog/Catalog.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"

#include <QLabel>
#include <QListWidget>

namespace corkwise {

namespace {

// A short description of a record node: its producer, vintage and designation, where present.
QString recordText(const NodeCursor& node) {
    const std::unique_ptr<RecordCursor> record = node.openRecord();
    if (record == nullptr) {
        return QStringLiteral("(no record)");
    }
    QStringList parts;
    for (const char* column : {"PRODUCER", "VINTAGE", "DESIGNATION", "BEST_PRODUCERS"}) {
        const std::optional<QByteArray> text = record->columnText(QByteArray(column));
        if (text.has_value() && !text->isEmpty() && *text != Catalog::defaultText(column)) {
            parts.append(toDisplayText(*text));
        }
    }
    return parts.isEmpty() ? QStringLiteral("(record)") : parts.join(QStringLiteral(", "));
}

}  // namespace

StandInPage::StandInPage(WineGuide& guide, int pageId, QWidget* parent)
    : SearchPage(guide, pageId, parent) {}

QString StandInPage::heading(int pageId) {
    switch (pageId) {
        case kFindWineCriteriaPage:
            return QStringLiteral("Find Wine: choose");
        case kFindWineProducerPage:
            return QStringLiteral("Find Wine: producer");
        case kFindWineWinePage:
            return QStringLiteral("Find Wine: wine");
        case kFoodTypePage:
            return QStringLiteral("Food and Wine: food");
        case kFoodResultsPage:
            return QStringLiteral("Food and Wine: wines");
        case kVintageChartFirstPage:
            return QStringLiteral("Vintage Chart: choose");
        case kVintageChartSecondPage:
            return QStringLiteral("Vintage Chart: chart");
        case kBestValuesFormPage:
            return QStringLiteral("Best Values: choose");
        case kBestValuesResultsPage:
            return QStringLiteral("Best Values: results");
        case kBestProducersFormPage:
            return QStringLiteral("Best Producers: choose");
        case kBestProducersResultsPage:
            return QStringLiteral("Best Producers: results");
        default:
            break;
    }
    return QStringLiteral("Corkwise");
}

int StandInPage::createControls() {
    heading_ = new QLabel(heading(pageId()), this);
    heading_->setObjectName(QStringLiteral("heading"));
    heading_->setFont(pageFont(13, true));
    heading_->setGeometry(10, 10, 220, 20);

    choices_ = new QListWidget(this);
    choices_->setObjectName(QStringLiteral("choices"));
    choices_->setFont(pageFont(13, false));
    choices_->setGeometry(10, 35, 220, 195);
    return 0;
}

void StandInPage::clearPage() {
    if (choices_ != nullptr) {
        clearList(choices_, false);
    }
    SearchPage::clearPage();
}

std::unique_ptr<NodeCursor> StandInPage::commitSelection() {
    const NodeCursor* node = selectedNode(choices_, false);
    return node != nullptr ? node->clone() : nullptr;
}

void StandInPage::activate(bool entering) {
    if (entering && guide().advanceTo(pageId())) {
        refill();
    }
}

bool StandInPage::loadLists() {
    refill();
    return true;
}

void StandInPage::refill() {
    if (choices_ == nullptr) {
        return;
    }
    if (!fillList(choices_, input(), false, nullptr, false)) {
        clearList(choices_, false);
        return;
    }
    // Result steps end in records, which have no label of their own.
    for (int i = 0; i < choices_->count(); ++i) {
        const NodeCursor* node = nodeAt(choices_, false, i);
        if (node != nullptr && node->nodeKind() == NodeCursor::kRecordNode) {
            choices_->item(i)->setText(recordText(*node));
        }
    }
}

}  // namespace corkwise
