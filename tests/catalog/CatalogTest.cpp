#include "catalog/Catalog.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogTable.h"
#include "catalog/DictValue.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

using test::CatalogBuilder;

class CatalogTest : public ::testing::Test {
protected:
    Catalog& open(const QByteArray& bytes) {
        catalog_ = std::make_unique<Catalog>(dir_.write("wcat.res", bytes));
        return *catalog_;
    }
    test::LogCapture log_;
    test::TempDir dir_;
    std::unique_ptr<Catalog> catalog_;
};

TEST_F(CatalogTest, MissingFileHasNoTables) {
    Catalog catalog(dir_.path("missing.res"));
    EXPECT_FALSE(catalog.isOpen());
    EXPECT_EQ(catalog.openLevelTable("FWLevelTable0"), nullptr);
    EXPECT_EQ(catalog.indexOfTable("DictORIGIN"), -1);
    EXPECT_EQ(catalog.tableShortName(0), "");
    EXPECT_EQ(catalog.tableAt(0), nullptr);
}

TEST_F(CatalogTest, OpenLevelTableStandsOnTheRoot) {
    CatalogBuilder b;
    const int origin = b.addDictionary("ORIGIN", {"France"});
    b.addLevel("FWLevelTable0", 3, 2, {{0, origin, {0}}, {0, origin, {}}});
    b.addLevel("FWLevelTable1", 3, 2, {{0, origin, {}}});
    b.addLevel("Empty", 3, 0, {});
    Catalog& catalog = open(b.build());
    auto root = catalog.openLevelTable("FWLevelTable0");
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->row(), 0);
    EXPECT_EQ(root->tableNumber(), 1);
    EXPECT_EQ(root->childCount(), 1);
    EXPECT_EQ(catalog.openLevelTable("FWPLevelTable0"), nullptr);
    EXPECT_EQ(catalog.openLevelTable("fwleveltable0"), nullptr);
    EXPECT_EQ(catalog.openLevelTable("DictORIGIN"), nullptr) << "not a level table";
    EXPECT_EQ(catalog.openLevelTable("Empty"), nullptr) << "no root row";
}

TEST_F(CatalogTest, TableShortName) {
    CatalogBuilder b;
    b.addDictionary("VINTAGE", {"1999"});
    b.addRecordTable("Wines", {0}, {});
    Catalog& catalog = open(b.build());
    EXPECT_EQ(catalog.tableShortName(0), "VINTAGE");
    EXPECT_EQ(catalog.tableShortName(1), "Wines");
    EXPECT_EQ(catalog.tableShortName(2), "");
    EXPECT_EQ(catalog.tableShortName(-1), "");
    EXPECT_EQ(catalog.indexOfTable("DictVINTAGE"), 0);
}

TEST(CatalogDefaultTextTest, PlaceholdersByShortName) {
    EXPECT_EQ(Catalog::defaultText("DESIGNATION"), "No Designation Assigned");
    EXPECT_EQ(Catalog::defaultText("APPELLATION"), "No Appellation Assigned");
    EXPECT_EQ(Catalog::defaultText("VARIETY"), "No Variety Assigned");
    EXPECT_EQ(Catalog::defaultText("REGION"), "No Region Assigned");
    EXPECT_EQ(Catalog::defaultText("PRODUCER"), "-Not Available-");
    EXPECT_EQ(Catalog::defaultText("APPELLATION_VARIETY"), "-Not Available-");
    EXPECT_EQ(Catalog::defaultText("region"), "-Not Available-");
    EXPECT_EQ(Catalog::defaultText(""), "-Not Available-");
}

TEST(DisplayTextTest, CountsTheTerminator) {
    EXPECT_EQ(toDisplayText("Merlot"), 7);
    EXPECT_EQ(toDisplayText(""), 1);
    EXPECT_EQ(toDisplayText(static_cast<const char*>(nullptr)), 1);
    QString out;
    EXPECT_EQ(toDisplayText("C\xF4tes du Rh\xF4ne", &out), 15);
    EXPECT_EQ(out, QStringLiteral("C\u00F4tes du Rh\u00F4ne"));
    EXPECT_EQ(toDisplayText(QByteArray("Ros\xE9")), QStringLiteral("Ros\u00E9"));
}

TEST(DictValueTest, CopiesItsTextAndDefaultsToNothingChosen) {
    const DictValue none;
    EXPECT_EQ(none.valueId(), -1);
    EXPECT_EQ(none.dictionary(), -1);
    EXPECT_FALSE(none.text().isNull());
    EXPECT_TRUE(none.text().isEmpty());
    const DictValue fromNull(3, 4, static_cast<const char*>(nullptr));
    EXPECT_TRUE(fromNull.text().isEmpty());
    char buffer[] = "Merlot";
    const DictValue merlot(2, 7, buffer);
    buffer[0] = 'X';
    EXPECT_EQ(merlot.text(), "Merlot");
    DictValue copy = merlot;
    EXPECT_EQ(copy, merlot);
    EXPECT_EQ(copy.textCopy(), "Merlot");
    EXPECT_EQ(DictValue(1, 2, QByteArray()).text(), "");
}

}  // namespace
}  // namespace corkwise
