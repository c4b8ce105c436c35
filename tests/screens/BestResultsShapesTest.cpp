// The Best Producers and Best Values results pages on trees the catalogue compiler never makes:
// value nodes among the records, records without the column the page reads, record nodes on
// rows that do not exist, a producer without wines, and no input at all.

#include "screens/BestProducersResultsPage.h"
#include "screens/BestValuesResultsPage.h"

#include "catalog/Catalog.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "guide/WineGuide.h"
#include "screens/RecordingHost.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/GuiApp.h"
#include "testsupport/LogCapture.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>

namespace corkwise {
namespace {

QStringList entries(const QListWidget* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) {
        out.append(box->item(i)->text());
    }
    return out;
}

class BestResultsShapesTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        parent_ = std::make_unique<QWidget>();
        test::CatalogBuilder b;
        const int bp = b.addDictionary("BEST_PRODUCERS", {"Alpha", "Beta"});
        const int producer = b.addDictionary("PRODUCER", {"Hill", "Empty"});
        const int av = b.addDictionary("APPELLATION_VARIETY", {"Merlot"});
        const int description = b.addDictionary("DESCRIPTION", {"Crisp."});
        const int best = b.addRecordTable("BestProducers0", {bp}, {{0}, {1}});
        const int wines = b.addRecordTable("Wines0", {producer, av, description}, {{0, 0, 0}});
        // A table with neither BEST_PRODUCERS nor DESCRIPTION.
        const int bare = b.addRecordTable("Bare0", {av}, {{0}});

        // Best producers: Alpha, a value node, a record without the column, a record node on a
        // row the table lacks, Beta.
        const int p1 = b.nextTableNumber() + 1;
        b.addLevel("P0", 3, p1, {{0, av, {0, 1, 2, 3, 4}}});
        b.addLevel("P1", 2, -1,
                   {{1, best, {}}, {0, av, {}}, {1, bare, {}}, {7, best, {}}, {2, best, {}}});

        // Best values: producer Hill with a wine, a value node and a record without the
        // columns; producer Empty without wines.
        const int v1 = b.nextTableNumber() + 1;
        b.addLevel("V0", 3, v1, {{0, av, {0, 1}}});
        b.addLevel("V1", 3, v1 + 1, {{0, producer, {0, 1, 2}}, {1, producer, {}}});
        b.addLevel("V2", 2, -1, {{1, wines, {}}, {0, av, {}}, {1, bare, {}}});

        guide_ = std::make_unique<WineGuide>(
            std::make_unique<Catalog>(dir_.write("wcat.res", b.build())), nullptr, nullptr);
        ASSERT_TRUE(guide_->catalog()->isOpen());
    }

    // Opens PAGE's window and makes it current in a newly chosen FLOWID with INPUT.
    void enter(SearchPage& page, int flowId, const NodeCursor* input) {
        if (!page.hasWindow()) {
            ASSERT_TRUE(page.createWindow(&host_, parent_.get(), QRect(0, 0, 240, 238)));
        }
        guide_->selectFlow(flowId);
        page.setInput(input);
        page.activate(true);
    }

    test::TempDir dir_;
    std::unique_ptr<WineGuide> guide_;
    test::RecordingHost host_;
    // Declared last: destroyed first, before the guide whose catalogue its pages read.
    std::unique_ptr<QWidget> parent_;
};

TEST_F(BestResultsShapesTest, ProducersListsUnreadableEntriesAsNotAvailable) {
    test::LogCapture log;
    BestProducersResultsPage page(*guide_);
    const std::unique_ptr<NodeCursor> merlot = guide_->catalog()->openLevelTable("P0");
    enter(page, kBestProducersFlow, merlot.get());
    EXPECT_EQ(page.titleLabel()->text(), QStringLiteral("Best Producers for Merlot:"));
    EXPECT_EQ(entries(page.producerList()),
              (QStringList{"Alpha", "-Not Available-", "-Not Available-", "Beta"}));
    EXPECT_EQ(log.lines().count("VALUE IS STRING"), 1);
    EXPECT_TRUE(log.lines().contains("==============> ADD ITEM IN LIST : -Not Available-"));

    // No input: an empty list rather than the producers of an earlier choice.
    enter(page, kBestProducersFlow, nullptr);
    EXPECT_EQ(page.producerList()->count(), 0);
    EXPECT_EQ(page.titleLabel()->text(), QStringLiteral("Best Producers for :"));
}

TEST_F(BestResultsShapesTest, ValuesWithoutWinesOrInputShowEmptyListsAndInfo) {
    test::LogCapture log;
    BestValuesResultsPage page(*guide_);
    const std::unique_ptr<NodeCursor> merlot = guide_->catalog()->openLevelTable("V0");
    enter(page, kBestValuesFlow, merlot.get());
    EXPECT_EQ(page.producerCombo()->count(), 2);
    EXPECT_EQ(entries(page.wineList()), (QStringList{"Crisp.", "-Not Available-"}));
    EXPECT_EQ(log.lines().count("VALUE IS STRING"), 1);
    EXPECT_EQ(page.infoBox()->text(), QStringLiteral("Hill Merlot Crisp."));
    ASSERT_NE(page.wineAt(1), nullptr);
    EXPECT_EQ(page.wineAt(1)->columnText("DESCRIPTION"), std::nullopt);

    // A producer without wines.
    page.producerCombo()->setCurrentIndex(1);
    Q_EMIT page.producerCombo()->activated(1);
    EXPECT_EQ(page.wineList()->count(), 0);
    EXPECT_EQ(page.infoBox()->text(), QStringLiteral("Info:"));
    EXPECT_EQ(page.wineAt(0), nullptr);

    // No input, after a fill with one: both lists empty.
    enter(page, kBestValuesFlow, merlot.get());
    ASSERT_EQ(page.wineList()->count(), 2);
    enter(page, kBestValuesFlow, nullptr);
    EXPECT_EQ(page.producerCombo()->count(), 0);
    EXPECT_EQ(page.wineList()->count(), 0);
    EXPECT_EQ(page.infoBox()->text(), QStringLiteral("Info:"));
}

TEST(BestValuesInfoTextTest, JoinsWhatIsPresentAndLeavesPlaceholdersOut) {
    using Text = std::optional<QByteArray>;
    struct Case {
        Text producer, appellationVariety, description;
        const char* info;
    };
    const Case cases[] = {
        {"Hill", "Merlot", "Crisp.", "Hill Merlot Crisp."},
        {"Hill", "Merlot", "Merlot", "Hill Merlot"},
        {"-Not Available-", "No Appellation Assigned", "Crisp.", " Crisp."},
        {"Hill", "No Variety Assigned", "Crisp.", "Hill Crisp."},
        {"Hill", "-Not Available-", "-Not Available-", "Hill"},
        // Comparisons are exact.
        {"Hill", "merlot", "Merlot", "Hill merlot Merlot"},
        // Columns the record lacks add nothing.
        {std::nullopt, "Merlot", std::nullopt, " Merlot"},
        {std::nullopt, std::nullopt, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BestValuesResultsPage::infoText(c.producer, c.appellationVariety, c.description),
                  QString::fromLatin1(c.info));
    }
}

}  // namespace
}  // namespace corkwise
