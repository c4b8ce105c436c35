#include "screens/BestValuesResultsPage.h"

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

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace corkwise {

namespace fmt = catalog_format;

using findwine::edges;

namespace {

// Whether TEXT is one of the texts the catalogue puts in the APPELLATION_VARIETY column where a
// wine has no name there: its own placeholder and those of the two columns it is made from.
bool isAppellationVarietyPlaceholder(const QByteArray& text) {
    return text == fmt::placeholderFor(fmt::dict::kAppellationVariety) ||
           text == fmt::kNoAppellation || text == fmt::kNoVariety;
}

// The "Producer :" label has only the room left of the producer list. Where the face in use
// runs wider than that, its condensed cut keeps the whole text in sight.
void fitWidth(QLabel* label) {
    if (label->fontMetrics().horizontalAdvance(label->text()) > label->width()) {
        QFont narrower = label->font();
        narrower.setStretch(QFont::Condensed);
        label->setFont(narrower);
    }
}

}  // namespace

const QString BestValuesResultsPage::kInfoTitle = QStringLiteral("Info:");

BestValuesResultsPage::BestValuesResultsPage(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, kBestValuesResultsPage, parent) {}

int BestValuesResultsPage::createControls() {
    producerLabel_ = findwine::makeLabel(this, QStringLiteral("Producer :"), edges(10, 15, 80, 35),
                                         "producerLabel");
    fitWidth(producerLabel_);
    producer_ = findwine::makeCombo(this, 1034, edges(80, 15, 230, 134), "producerCombo");
    winesLabel_ = findwine::makeLabel(this, QStringLiteral("Appellation/Description :"),
                                      edges(10, 40, 230, 55), "wineLabel");
    wines_ = findwine::makeListBox(this, 1039, edges(10, 55, 230, 182), "wineList");
    WineListKeys::watch(wines_, [this](int row) {
        const RecordCursor* wine = recordAt(wines_, row);
        if (wine != nullptr && host() != nullptr) {
            host()->showWineCard(*wine);
        }
    });
    info_ = findwine::makeInfoBox(this, kInfoTitle, edges(10, 188, 230, 235), "infoBox", true);
    findwine::labelControl(producerLabel_, producer_);
    findwine::labelControl(winesLabel_, wines_);
    // A description may run past the box's three lines: the producer and the name, which come
    // first, stay in sight and the end is cut instead.
    info_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    // activated is the user's pick, even of the producer already selected: it always rebuilds.
    connect(producer_, &QComboBox::activated, this, &BestValuesResultsPage::rebuildWines);
    // The page's own filling blocks the list's signals; this is the user choosing a wine.
    connect(wines_, &QListWidget::currentRowChanged, this, &BestValuesResultsPage::rebuildInfo);
    return 0;
}

void BestValuesResultsPage::clearPage() {
    if (producer_ != nullptr) {
        clearList(producer_, true);
        clearList(wines_, false);
    }
    SearchPage::clearPage();
}

void BestValuesResultsPage::activate(bool entering) {
    if (entering && producer_ != nullptr && guide().advanceTo(pageId())) {
        refill();
    }
}

void BestValuesResultsPage::refill() {
    if (!fillList(producer_, input(), true, nullptr, false)) {
        // No variety or appellation was handed over: producers of an earlier one would lead to
        // wines that are not the user's choice.
        clearList(producer_, true);
    }
    rebuildWines();
}

void BestValuesResultsPage::rebuildWines() {
    const NodeCursor* selected = selectedNode(producer_, true);
    const std::unique_ptr<NodeCursor> producer = selected != nullptr ? selected->clone() : nullptr;
    {
        const QSignalBlocker blocker(wines_);
        clearList(wines_, false);
        forEachRecordChild(producer.get(), [this](const NodeCursor& child) {
            // A wine whose record or description cannot be read is still listed, under the
            // catalogue's placeholder; without a record it has nothing for the info box.
            std::unique_ptr<RecordCursor> record = child.openRecord();
            const QByteArray text = listedText(record.get(), fmt::dict::kDescription);
            attachRecord(new QListWidgetItem(toDisplayText(text), wines_), std::move(record));
        });
        if (wines_->count() > 0) {
            wines_->setCurrentRow(0);
        }
    }
    rebuildInfo();
}

void BestValuesResultsPage::rebuildInfo() {
    const RecordCursor* wine = wineAt(wines_->currentRow());
    info_->setText(wine != nullptr ? infoText(*wine) : kInfoTitle);
}

const RecordCursor* BestValuesResultsPage::wineAt(int row) const {
    if (wines_ == nullptr || row < 0 || row >= wines_->count()) {
        return nullptr;
    }
    return recordAt(wines_, row);
}

QString BestValuesResultsPage::infoText(const RecordCursor& wine) {
    // listedText gives a part that cannot be read as its placeholder, which is left out below.
    const QByteArray producer = listedText(&wine, fmt::dict::kProducer);
    const QByteArray appellationVariety = listedText(&wine, fmt::dict::kAppellationVariety);
    const QByteArray description = listedText(&wine, fmt::dict::kDescription);
    QByteArray text;
    if (producer != fmt::placeholderFor(fmt::dict::kProducer)) {
        text = producer;
    }
    if (!isAppellationVarietyPlaceholder(appellationVariety)) {
        text += ' ';
        text += appellationVariety;
    }
    if (description != fmt::placeholderFor(fmt::dict::kDescription) &&
        description != appellationVariety) {
        text += ' ';
        text += description;
    }
    return toDisplayText(text);
}

}  // namespace corkwise
