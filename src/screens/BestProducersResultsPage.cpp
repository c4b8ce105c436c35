#include "screens/BestProducersResultsPage.h"

#include "catalog/CatalogFormat.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "common/ErrorLog.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/RecordItems.h"

#include <QLabel>
#include <QListWidget>

namespace corkwise {

namespace fmt = catalog_format;

using findwine::edges;

BestProducersResultsPage::BestProducersResultsPage(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, kBestProducersResultsPage, parent) {}

int BestProducersResultsPage::createControls() {
    title_ = findwine::makeLabel(this, QStringLiteral("Best Producers for"), edges(10, 15, 230, 45),
                                 "titleLabel");
    // Two lines of room: a long name wraps instead of running off the page.
    title_->setWordWrap(true);
    list_ = findwine::makeListBox(this, 1039, edges(10, 50, 230, 228), "producerList");
    // The title above names the choice too, which changes; the list is what it lists.
    list_->setAccessibleName(QStringLiteral("Best Producers"));
    return 0;
}

QString BestProducersResultsPage::titleText(const QByteArray& name) {
    return toDisplayText(QByteArray("Best Producers for ") + name + ':');
}

void BestProducersResultsPage::activate(bool entering) {
    if (entering && list_ != nullptr && guide().advanceTo(pageId())) {
        refill();
    }
}

void BestProducersResultsPage::refill() {
    const NodeCursor* node = input();
    title_->setText(titleText(node != nullptr ? node->nodeText() : QByteArray()));
    list_->clear();

    forEachRecordChild(node, [this](const NodeCursor& child) {
        // A record or value that cannot be read still takes its place in the list, under the
        // catalogue's own placeholder, rather than vanishing or showing as an empty line.
        const std::unique_ptr<RecordCursor> record = child.openRecord();
        const QByteArray text = listedText(record.get(), fmt::dict::kBestProducers);
        logPair("==============> ADD ITEM IN LIST", text);
        list_->addItem(toDisplayText(text));
    });
    if (list_->count() > 0) {
        list_->setCurrentRow(0);
    }
}

}  // namespace corkwise
