#include "catalog/RecordCursor.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordTable.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

using test::CatalogBuilder;

// Tables: 0 DictSCORE, 1 DictVINTAGE, 2 DictREGION, 3 Wines (SCORE, VINTAGE, REGION; width 7).
class RecordCursorTest : public ::testing::Test {
protected:
    void SetUp() override {
        CatalogBuilder b;
        b.addDictionary("SCORE", {"88", "91", "95"});
        b.addDictionary("VINTAGE", {"1997", "1998"});
        b.addDictionary("REGION", {"No Region Assigned", "Rh\u00F4ne"});
        b.addRecordTable("Wines", {0, 1, 2}, {{2, 1, 1}, {0, 0, 0}, {1, 9, 0}}, 7);
        catalog_ = std::make_unique<Catalog>(dir_.write("wcat.res", b.build()));
        table_ = catalog_->file()->recordTableAt(3);
        log_.clear();
    }
    test::LogCapture log_;
    test::TempDir dir_;
    std::unique_ptr<Catalog> catalog_;
    const RecordTable* table_ = nullptr;
};

TEST_F(RecordCursorTest, ColumnTextReadsTheDictionaryOfTheColumn) {
    RecordCursor record(catalog_->file(), table_, 1);
    EXPECT_EQ(record.columnText("SCORE"), QByteArray("95"));
    EXPECT_EQ(record.columnText("VINTAGE"), QByteArray("1998"));
    EXPECT_EQ(record.columnText("REGION"), QByteArray("Rh\xF4ne"));
    RecordCursor other(catalog_->file(), table_, 2);
    EXPECT_EQ(other.columnText("REGION"), Catalog::defaultText("REGION"));
}

TEST_F(RecordCursorTest, ColumnTextTraces) {
    RecordCursor record(catalog_->file(), table_, 1);
    log_.clear();
    (void)record.columnText("VINTAGE");
    EXPECT_EQ(log_.lines(),
              QList<QByteArray>({"=========> DICTIONARY : VINTAGE",
                                 "==================> FIND DICTTIONARY ID : 1",
                                 "=========> DICT ID : 1", "=========> NODE ID : 1"}));
    log_.clear();
    EXPECT_FALSE(record.columnText("PRODUCER").has_value());
    EXPECT_EQ(log_.lines(),
              QList<QByteArray>({"=========> DICTIONARY : PRODUCER", "=========> DICT ID : -1"}));
}

TEST_F(RecordCursorTest, ValueIdBeyondTheDictionaryGivesAnEmptyText) {
    RecordCursor record(catalog_->file(), table_, 3);
    const auto text = record.columnText("VINTAGE");
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(text->isEmpty());
    EXPECT_EQ(record.columnRef("VINTAGE"), DictRef(9, 1));
}

TEST_F(RecordCursorTest, ColumnRefTraces) {
    RecordCursor record(catalog_->file(), table_, 1);
    log_.clear();
    EXPECT_EQ(record.columnRef("SCORE"), DictRef(2, 0));
    EXPECT_EQ(log_.lines(),
              QList<QByteArray>(
                  {"==========> DICTIONARY : SCORE", "==================> FIND DICTTIONARY ID : 0",
                   "==========> DICTIONARY ID : 0", "==========> DICTIONARY recID : 2"}));
    log_.clear();
    EXPECT_FALSE(record.columnRef("COLOUR").has_value());
    EXPECT_EQ(log_.lines(), QList<QByteArray>({"==========> DICTIONARY : COLOUR",
                                               "==========> DICTIONARY ID : -1",
                                               "==========> DICTIONARY recID : -1"}));
}

TEST_F(RecordCursorTest, DestructorTraces) {
    { RecordCursor record(catalog_->file(), table_, 1); }
    EXPECT_EQ(log_.lines(),
              QList<QByteArray>(
                  {"======================= CALL TABLE ROW DATA DESTRUCTOR ====================",
                   "======================= FINISH CALL TABLE ROW DATA DESTRUCTOR "
                   "===================="}));
}

TEST_F(RecordCursorTest, CloneCopiesTheColumnsAndStaysValidOnItsOwn) {
    auto record = std::make_unique<RecordCursor>(catalog_->file(), table_, 2);
    auto copy = record->clone();
    record.reset();
    EXPECT_EQ(copy->columns(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(copy->columnText("SCORE"), QByteArray("88"));
}

TEST_F(RecordCursorTest, RowBeyondTheTableReadsNoValue) {
    RecordCursor record(catalog_->file(), table_, 40);
    EXPECT_FALSE(record.columnText("SCORE").has_value());
    EXPECT_EQ(record.columnRef("SCORE"), DictRef(-1, 0));
    RecordCursor none(catalog_->file(), nullptr, 1);
    EXPECT_FALSE(none.columnText("SCORE").has_value());
    EXPECT_TRUE(none.columns().empty());
}

// Column names are looked up once per table; the first column whose dictionary has the name
// wins, and a column naming no table matches no name.
TEST(RecordCursorDamageTest, ColumnsByNameTakeTheFirstMatchAndSkipMissingTables) {
    test::LogCapture log;
    test::TempDir dir;
    CatalogBuilder b;
    const int origin = b.addDictionary("ORIGIN", {"France", "Italy"});
    const int type = b.addDictionary("TYPE", {"Red", "White"});
    b.addRecordTable("Wines", {7, type, origin, origin}, {{0, 1, 0, 1}});
    Catalog catalog(dir.write("wcat.res", b.build()));
    const RecordCursor record(catalog.file(), catalog.file()->recordTableAt(2), 1);
    EXPECT_EQ(record.columns(), (std::vector<int>{7, type, origin, origin}));
    EXPECT_EQ(record.columnText("ORIGIN"), QByteArray("France"));
    EXPECT_EQ(record.columnText("TYPE"), QByteArray("White"));
    EXPECT_EQ(record.columnRef("ORIGIN"), DictRef(0, origin));
    EXPECT_EQ(record.columnText(""), std::nullopt);
    EXPECT_EQ(record.columnRef("Wines"), std::nullopt);
    EXPECT_EQ(log.lines().count(QByteArray("==================> FIND DICTTIONARY ID : ") +
                                QByteArray::number(origin)),
              2);
}

TEST(RecordCursorDamageTest, ColumnNamingARecordTableGivesNoDictionaryText) {
    test::LogCapture log;
    test::TempDir dir;
    CatalogBuilder b;
    b.addRecordTable("SCORE", {0}, {{1}});
    Catalog catalog(dir.write("wcat.res", b.build()));
    RecordCursor record(catalog.file(), catalog.file()->recordTableAt(0), 1);
    // The column's table is found by name but is no dictionary: its rows are not texts.
    EXPECT_EQ(record.columnText("SCORE"), QByteArray(""));
}

}  // namespace
}  // namespace corkwise
