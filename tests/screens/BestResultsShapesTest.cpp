// The Best Producers and Best Values results pages on trees the catalogue compiler never makes:
// value nodes among the records, records without the column the page reads, on rows the table
// lacks or with a value naming no text, a producer without wines, and no input at all.

#include "screens/BestProducersResultsPage.h"
#include "screens/BestValuesResultsPage.h"

#include "catalog/Catalog.h"
#include "catalog/NodeCursor.h"
#include "guide/WineGuide.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/GuiApp.h"
#include "testsupport/LogCapture.h"
#include "testsupport/RecordingHost.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace corkwise {
namespace {

QStringList texts(const QListWidget* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) {
        out.append(box->item(i)->text());
    }
    return out;
}

TEST(BestResultsShapesTest, ListUnreadableEntriesAsNotAvailableAndNothingWithoutInput) {
    test::ensureGuiApp();
    test::CatalogBuilder b;
    const int bp = b.addDictionary("BEST_PRODUCERS", {"Alpha", "Beta"});
    const int producer = b.addDictionary("PRODUCER", {"Hill", "Empty"});
    const int av = b.addDictionary("APPELLATION_VARIETY", {"Merlot"});
    const int description = b.addDictionary("DESCRIPTION", {"Crisp."});
    const int best = b.addRecordTable("BestProducers0", {bp}, {{0}, {1}, {9}});
    const int wines =
        b.addRecordTable("Wines0", {producer, av, description}, {{0, 0, 0}, {0, 0, 9}});
    const int bare = b.addRecordTable("Bare0", {av}, {{0}});  // neither column the pages read
    const int p1 = b.nextTableNumber() + 1;
    b.addLevel("P0", 3, p1, {{0, av, {0, 1, 2, 3, 4, 5}}});
    b.addLevel("P1", 2, -1, {{1, best}, {0, av}, {1, bare}, {7, best}, {3, best}, {2, best}});
    const int v1 = b.nextTableNumber() + 1;
    b.addLevel("V0", 3, v1, {{0, av, {0, 1}}});
    b.addLevel("V1", 3, v1 + 1, {{0, producer, {0, 1, 2, 3}}, {1, producer, {}}});
    b.addLevel("V2", 2, -1, {{1, wines}, {0, av}, {1, bare}, {2, wines}});

    test::TempDir dir;
    WineGuide guide(std::make_unique<Catalog>(dir.write("wcat.res", b.build())), nullptr, nullptr);
    test::RecordingHost host;
    QWidget parent;
    BestProducersResultsPage producers(guide);
    BestValuesResultsPage values(guide);
    const auto enter = [&](SearchPage& page, int flowId, const char* level) {
        ASSERT_TRUE(page.hasWindow() || page.createWindow(&host, &parent, QRect(0, 0, 240, 238)));
        guide.selectFlow(flowId);
        page.setInput(level != nullptr ? guide.catalog()->openLevelTable(level).get() : nullptr);
        page.activate(true);
    };

    test::LogCapture log;
    enter(producers, kBestProducersFlow, "P0");
    EXPECT_EQ(producers.titleLabel()->text(), "Best Producers for Merlot:");
    EXPECT_EQ(
        texts(producers.producerList()),
        (QStringList{"Alpha", "-Not Available-", "-Not Available-", "-Not Available-", "Beta"}));
    enter(values, kBestValuesFlow, "V0");
    EXPECT_EQ(texts(values.wineList()),
              (QStringList{"Crisp.", "-Not Available-", "-Not Available-"}));
    EXPECT_EQ(values.infoBox()->text(), "Hill Merlot Crisp.");
    EXPECT_EQ(log.lines().count("VALUE IS STRING"), 2);

    values.wineList()->setCurrentRow(2);
    EXPECT_EQ(values.infoBox()->text(), "Hill Merlot");

    values.producerCombo()->setCurrentIndex(1);
    Q_EMIT values.producerCombo()->activated(1);
    EXPECT_EQ(values.wineList()->count(), 0);
    EXPECT_EQ(values.infoBox()->text(), "Info:");

    // No input: empty lists rather than those of an earlier choice.
    enter(producers, kBestProducersFlow, nullptr);
    enter(values, kBestValuesFlow, nullptr);
    EXPECT_EQ(producers.producerList()->count() + values.producerCombo()->count(), 0);
    EXPECT_EQ(values.infoBox()->text(), "Info:");
}

}  // namespace
}  // namespace corkwise
