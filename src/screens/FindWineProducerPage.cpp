#include "screens/FindWineProducerPage.h"

#include "catalog/CatalogFormat.h"
#include "catalog/NodeCursor.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FindWineControls.h"
#include "screens/PageHost.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace corkwise {

namespace fmt = catalog_format;

using findwine::edges;

FindWineProducerPage::FindWineProducerPage(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, kFindWineProducerPage, parent) {}

int FindWineProducerPage::createControls() {
    segmentLabel_ = findwine::makeLabel(this, QString(), edges(10, 10, 230, 25), "segmentLabel");
    segment_ = findwine::makeCombo(this, 1044, edges(10, 25, 230, 125), "segmentCombo");
    producerLabel_ = findwine::makeLabel(this, QString(), edges(10, 55, 230, 70), "producerLabel");
    setLabelTexts();

    producer_ = findwine::makeListBox(this, 1039, edges(10, 70, 230, 228), "producerList");
    findwine::labelControl(segmentLabel_, segment_);
    findwine::labelControl(producerLabel_, producer_);

    // activated is the user's pick, even of the segment already selected: it always refills.
    connect(segment_, &QComboBox::activated, this, &FindWineProducerPage::onSegmentPicked);
    // A producer chosen by pen or keys; the program's own filling is not reported.
    connect(producer_, &QListWidget::currentRowChanged, this,
            [this] { guide().setCurrentPage(pageId()); });
    connect(producer_, &QListWidget::itemClicked, this,
            [this] { guide().setCurrentPage(pageId()); });
    return 0;
}

void FindWineProducerPage::setLabelTexts() {
    segmentLabel_->setText(QStringLiteral("Segment :"));
    producerLabel_->setText(QStringLiteral("Producer :"));
}

void FindWineProducerPage::clearPage() {
    if (segment_ != nullptr) {
        clearList(segment_, true);
        clearList(producer_, false);
    }
}

std::unique_ptr<NodeCursor> FindWineProducerPage::commitSelection() {
    guide().setSelection(4, selectedNode(segment_, true));
    const NodeCursor* node = selectedNode(producer_, false);
    guide().setSelection(5, node);
    return node != nullptr ? node->clone() : nullptr;
}

void FindWineProducerPage::activate(bool entering) {
    if (!entering || segment_ == nullptr) {
        return;
    }
    setLabelTexts();
    if (guide().advanceTo(pageId()) && !loadLists() && host() != nullptr) {
        host()->showException();
    }
}

bool FindWineProducerPage::loadLists() {
    if (segment_ == nullptr) {
        return false;
    }
    bool result = fillList(segment_, input(), true, fmt::dict::kSegment, false);
    if (input() == nullptr) {
        // No region was handed over: segments of an earlier region would lead nowhere.
        clearList(segment_, true);
    }
    result = fillProducers(fmt::dict::kProducer) && result;
    return result;
}

bool FindWineProducerPage::fillProducers(const char* key) {
    const NodeCursor* segment = selectedNode(segment_, true);
    if (segment == nullptr) {
        clearList(producer_, false);
        return false;
    }
    return fillList(producer_, segment, false, key, false);
}

void FindWineProducerPage::onSegmentPicked() {
    fillProducers(nullptr);
    guide().setCurrentPage(pageId());
}

}  // namespace corkwise
