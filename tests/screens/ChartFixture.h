#pragma once
// A whole program on a catalogue compiled from chartSources() (or the sources a test gives),
// with the pages of the Vintage Chart and Best Producers searches at hand.

#include "ChartSources.h"
#include "CompiledProgramFixture.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "screens/BestProducersFormPage.h"
#include "screens/VintageChartFormPage.h"

namespace corkwise::test {

class ChartFixture : public CompiledProgramFixture {
protected:
    CatalogueSources sources() const override { return chartSources(); }

    VintageChartFormPage* chartForm() const {
        return page<VintageChartFormPage>(kVintageChartFlow, 0);
    }
    BestProducersFormPage* producersForm() const {
        return page<BestProducersFormPage>(kBestProducersFlow, 0);
    }

    // The chart record at the end of PATH (origin to variety or appellation) in the Vintage
    // Chart tree; null when the path leads nowhere.
    std::unique_ptr<RecordCursor> chartRecord(const QStringList& path) const {
        std::unique_ptr<NodeCursor> node = guide().openFlowRoot(kVintageChartFlow);
        for (const QString& text : path) {
            std::unique_ptr<NodeCursor> found;
            for (int i = 0; node != nullptr && i < node->childCount() && found == nullptr; ++i) {
                std::unique_ptr<NodeCursor> child = node->child(i);
                if (child != nullptr && toDisplayText(child->nodeText()) == text) {
                    found = std::move(child);
                }
            }
            node = std::move(found);
        }
        std::unique_ptr<NodeCursor> chart = node != nullptr ? node->child(0) : nullptr;
        return chart != nullptr ? chart->openRecord() : nullptr;
    }
};

}  // namespace corkwise::test
