#include "catalogtool/CatalogCompiler.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogTable.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "catalogtool/CatalogChecker.h"
#include "common/ErrorLog.h"
#include "compiler/SourceFixture.h"
#include "testsupport/FailDevice.h"
#include "testsupport/FileSizeLimit.h"

#include <gtest/gtest.h>
#include <QFile>

namespace corkwise::tool {
namespace {

using test::SourceFixture;

class CatalogCompilerTest : public ::testing::Test {
protected:
    void SetUp() override { ErrorLog::setEnabled(false); }
    void TearDown() override { ErrorLog::setEnabled(true); }

    // Compiles the fixture's sources and opens the result.
    void build(const FormatLimits& limits = {}) {
        Sources sources;
        QString error;
        ASSERT_TRUE(loadSources(fixture_.dir(), &sources, &error)) << error.toStdString();
        QByteArray image;
        ASSERT_TRUE(compileCatalogue(sources, &image, &error, nullptr, {}, limits))
            << error.toStdString();
        path_ = fixture_.scratch(QStringLiteral("wcat.res"));
        ASSERT_TRUE(saveCatalogue(image, path_, &error)) << error.toStdString();
        const CheckReport report = checkCatalogue(image);
        EXPECT_TRUE(report.clean()) << report.problems.join(QLatin1Char('\n')).toStdString();
        catalog_ = std::make_unique<Catalog>(path_);
        ASSERT_TRUE(catalog_->isOpen());
    }

    // The node reached from ROOT by choosing the children with the texts of STEPS.
    std::unique_ptr<NodeCursor> descend(const char* root, const QList<QByteArray>& steps) {
        std::unique_ptr<NodeCursor> node = catalog_->openLevelTable(root);
        for (const QByteArray& step : steps) {
            std::unique_ptr<NodeCursor> next;
            for (int k = 0; node && k < node->childCount() && !next; ++k) {
                std::unique_ptr<NodeCursor> child = node->child(k);
                if (child && child->nodeText() == step) {
                    next = std::move(child);
                }
            }
            if (!next) {
                ADD_FAILURE() << "no child " << step.toStdString() << " below " << root;
                return nullptr;
            }
            node = std::move(next);
        }
        return node;
    }

    // Texts of the children of the node at STEPS below ROOT, in file order.
    QList<QByteArray> children(const char* root, const QList<QByteArray>& steps) {
        QList<QByteArray> texts;
        const std::unique_ptr<NodeCursor> node = descend(root, steps);
        for (int k = 0; node && k < node->childCount(); ++k) {
            texts.append(node->child(k)->nodeText());
        }
        return texts;
    }

    // COLUMN of each record below the node at STEPS.
    QList<QByteArray> records(const char* root, const QList<QByteArray>& steps,
                              const char* column) {
        QList<QByteArray> texts;
        const std::unique_ptr<NodeCursor> node = descend(root, steps);
        for (int k = 0; node && k < node->childCount(); ++k) {
            const std::unique_ptr<NodeCursor> child = node->child(k);
            EXPECT_EQ(child->nodeKind(), NodeCursor::kRecordNode);
            const std::unique_ptr<RecordCursor> record = child->openRecord();
            texts.append(record ? record->columnText(column).value_or("<none>") : "<no record>");
        }
        return texts;
    }

    SourceFixture fixture_;
    QString path_;
    std::unique_ptr<Catalog> catalog_;
};

TEST_F(CatalogCompilerTest, FindWineTreeListsChoicesInTheOrderAUserExpects) {
    build();
    EXPECT_EQ(children("FWLevelTable0", {}), (QList<QByteArray>{"France", "U.S."}));
    EXPECT_EQ(children("FWLevelTable0", {"U.S.", "Still"}), (QList<QByteArray>{"Red", "White"}));
    // Segments hold producers by first letter, accents and case ignored; none is empty.
    EXPECT_EQ(children("FWLevelTable0", {"U.S.", "Still", "Red", "California"}),
              (QList<QByteArray>{"A - C", "V - Z"}));
    EXPECT_EQ(children("FWLevelTable0", {"U.S.", "Still", "Red", "California", "A - C"}),
              (QList<QByteArray>{"\xC1lvarez Cellars", "apex vineyards"}));
    // Vintages oldest first.
    EXPECT_EQ(
        children("FWLevelTable0", {"U.S.", "Still", "Red", "California", "V - Z", "Zephyr Ridge"}),
        (QList<QByteArray>{"1995", "1997"}));
    // An absent region is the placeholder node.
    EXPECT_EQ(children("FWLevelTable0", {"U.S.", "Still", "White"}),
              (QList<QByteArray>{"No Region Assigned"}));
    // The wines of a product: without designation first.
    const QList<QByteArray> product = {
        "U.S.",  "Still",        "Red",  "California",
        "V - Z", "Zephyr Ridge", "1997", "Cabernet Sauvignon Napa Valley"};
    EXPECT_EQ(records("FWLevelTable0", product, "DESIGNATION"),
              (QList<QByteArray>{"No Designation Assigned", "Reserve"}));
    EXPECT_EQ(records("FWLevelTable0", product, "SCORE"), (QList<QByteArray>{"91", "93"}));
    // The levels of choices are of kind 3, the level of wines of kind 2.
    EXPECT_EQ(catalog_->tableAt(catalog_->indexOfTable("FWLevelTable8"))->kind(), 3);
    EXPECT_EQ(catalog_->tableAt(catalog_->indexOfTable("FWLevelTable9"))->kind(), 2);
}

// Listing a node reads its children's texts one after the other in the file: every list of
// dictionary nodes, in every tree, names values of one dictionary in ascending id order.
TEST_F(CatalogCompilerTest, ListsNameTheirValuesInTheDictionaryOrder) {
    build();
    int lists = 0;
    for (const char* root :
         {"FWLevelTable0", "FWPLevelTable0", "VCHLevelTable0", "BVLevelTable0", "BPLevelTable0"}) {
        std::vector<std::unique_ptr<NodeCursor>> level;
        level.push_back(catalog_->openLevelTable(root));
        while (!level.empty()) {
            std::vector<std::unique_ptr<NodeCursor>> next;
            for (const auto& node : level) {
                std::optional<DictRef> previous;
                for (int k = 0; k < node->childCount(); ++k) {
                    std::unique_ptr<NodeCursor> child = node->child(k);
                    const std::optional<DictRef> ref = child->valueRef();
                    if (!ref) {
                        continue;
                    }
                    if (previous) {
                        EXPECT_EQ(ref->dictionary(), previous->dictionary()) << root;
                        EXPECT_GT(ref->valueId(), previous->valueId())
                            << root << ": " << child->nodeText().toStdString();
                    }
                    previous = ref;
                    next.push_back(std::move(child));
                }
                lists += node->childCount() > 1 ? 1 : 0;
            }
            level = std::move(next);
        }
    }
    EXPECT_GT(lists, 10);
}

TEST_F(CatalogCompilerTest, WineRecordsCarryEveryColumnTheScreensRead) {
    build();
    const std::unique_ptr<NodeCursor> product =
        descend("FWLevelTable0", {"U.S.", "Still", "White", "No Region Assigned", "A - C",
                                  "Bramble Hill", "1999", "Chardonnay"});
    ASSERT_TRUE(product);
    const std::unique_ptr<RecordCursor> wine = product->child(0)->openRecord();
    ASSERT_TRUE(wine);
    const std::pair<const char*, const char*> expected[] = {
        {"ORIGIN", "U.S."},
        {"SSF", "Still"},
        {"TYPE", "White"},
        {"REGION", "No Region Assigned"},
        {"SEGMENT", "A - C"},
        {"PRODUCER", "Bramble Hill"},
        {"VINTAGE", "1999"},
        {"PRODUCT_STRINGAV", "Chardonnay"},
        {"DESIGNATION", "No Designation Assigned"},
        {"VARIETY", "Chardonnay"},
        {"APPELLATION", "No Appellation Assigned"},
        {"SCORE", "85"},
        {"APPELLATION_VARIETY", "Chardonnay"},
        {"DESCRIPTION", "Ripe pear."},
    };
    for (const auto& [column, text] : expected) {
        EXPECT_EQ(wine->columnText(column).value_or("<none>"), QByteArray(text)) << column;
    }
}

TEST_F(CatalogCompilerTest, OtherTreesEndInTheirResults) {
    build();
    // Food and Wine: a wine named twice for one food is listed once; the wines come by origin,
    // region, then appellation or variety ("-Not Available-" before "Napa Valley").
    EXPECT_EQ(children("FWPLevelTable0", {}), (QList<QByteArray>{"Fish", "Meat"}));
    EXPECT_EQ(records("FWPLevelTable0", {"Meat", "Grilled Lamb"}, "PRODUCER"),
              (QList<QByteArray>{"\xC1lvarez Cellars", "Zephyr Ridge"}));
    // Vintage chart: the first child of the appellation or variety is the chart record.
    const QList<QByteArray> chartPath = {"U.S.", "Still", "Red", "California",
                                         "Cabernet Sauvignon"};
    EXPECT_EQ(records("VCHLevelTable0", chartPath, "1997"), (QList<QByteArray>{"96"}));
    EXPECT_EQ(records("VCHLevelTable0", chartPath, "COMMENT1997"), (QList<QByteArray>{"H"}));
    EXPECT_EQ(records("VCHLevelTable0", chartPath, "2003"), (QList<QByteArray>{"-Not Available-"}));
    EXPECT_EQ(records("VCHLevelTable0", chartPath, "ORIGIN"), (QList<QByteArray>{"U.S."}));
    // Best producers, alphabetically.
    EXPECT_EQ(records("BPLevelTable0", chartPath, "BEST_PRODUCERS"),
              (QList<QByteArray>{"Bramble Hill", "Zephyr Ridge"}));
    // Best values: a producer node, then the wines.
    EXPECT_EQ(
        children("BVLevelTable0", {"U.S.", "Still", "White", "No Region Assigned", "Chardonnay"}),
        (QList<QByteArray>{"Other Heading"}));
    EXPECT_EQ(records("BVLevelTable0",
                      {"U.S.", "Still", "Red", "California", "Napa Valley", "Zephyr Ridge"},
                      "DESCRIPTION"),
              (QList<QByteArray>{"-Not Available-"}));
}

TEST_F(CatalogCompilerTest, WinesSpreadOverRecordTables) {
    FormatLimits limits;
    limits.recordsPerTable = 2;
    build(limits);
    EXPECT_GE(catalog_->indexOfTable("Wines3"), 0);
    EXPECT_LT(catalog_->indexOfTable("Wines4"), 0);
    // Every wine is still reached with its own columns.
    EXPECT_EQ(records("FWPLevelTable0", {"Fish", "Oysters"}, "PRODUCT_STRINGAV"),
              (QList<QByteArray>{"Brut R\xE9serve"}));
}

TEST_F(CatalogCompilerTest, FormatLimitsAreNamedAndNothingIsWritten) {
    Sources sources;
    QString error;
    ASSERT_TRUE(loadSources(fixture_.dir(), &sources, &error));
    QByteArray image;

    FormatLimits tables;
    tables.recordsPerTable = 1;  // 55 dictionaries, 11 record tables, 34 level tables
    tables.maxTables = 99;
    EXPECT_FALSE(compileCatalogue(sources, &image, &error, nullptr, {}, tables));
    EXPECT_EQ(error, QStringLiteral("the catalogue would need 100 tables (7 of them for 7 wines, 2 "
                                    "for 2 vintage charts, 2 for 2 best producers); tables are "
                                    "numbered with 8 bits, so at most 99"));
    tables.maxTables = 100;
    EXPECT_TRUE(compileCatalogue(sources, &image, &error, nullptr, {}, tables));

    FormatLimits block;
    block.maxBlockSize = 100;
    EXPECT_FALSE(compileCatalogue(sources, &image, &error, nullptr, {}, block));
    EXPECT_TRUE(error.contains(QStringLiteral("a block must be smaller than 16 MiB")))
        << error.toStdString();

    FormatLimits position;
    position.maxPosition = 5000;  // the directory alone takes 4,054 bytes
    EXPECT_FALSE(compileCatalogue(sources, &image, &error, nullptr, {}, position));
    EXPECT_TRUE(error.contains(QStringLiteral("would start at byte"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("beyond 5,000"))) << error.toStdString();
}

TEST_F(CatalogCompilerTest, SaveReplacesAFileOnlyWhenComplete) {
    const QString path = fixture_.scratch(QStringLiteral("out.res"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old catalogue");
    old.close();
    QString error;
    // A folder that does not exist: nothing is written anywhere.
    EXPECT_FALSE(saveCatalogue("new", fixture_.scratch(QStringLiteral("missing/out.res")), &error));
    EXPECT_FALSE(QFile::exists(fixture_.scratch(QStringLiteral("missing/out.res"))));
    // A device that fails part way reports the failure.
    test::FailDevice device(4);
    EXPECT_FALSE(writeCatalogue(QByteArray(64, 'x'), &device, &error));
    EXPECT_FALSE(error.isEmpty());
    // A disk that fills part way: the old file stays whole and the reason is the system's.
    {
        test::FileSizeLimit fullDisk(8);
        ASSERT_TRUE(fullDisk.isSet());
        EXPECT_FALSE(saveCatalogue(QByteArray(4096, 'x'), path, &error));
    }
    EXPECT_TRUE(error.contains(QStringLiteral("too large"))) << error.toStdString();
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old catalogue"));
    ASSERT_TRUE(saveCatalogue("new catalogue", path, &error));
    QFile replaced(path);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.readAll(), QByteArray("new catalogue"));
}

}  // namespace
}  // namespace corkwise::tool
