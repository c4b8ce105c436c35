#include "catalog/CatalogFile.h"
#include "catalog/CatalogTable.h"
#include "catalog/DictionaryTable.h"
#include "catalog/LevelTable.h"
#include "catalog/RecordTable.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <climits>

namespace corkwise {
namespace {

using test::appendU16;
using test::appendU24;
using test::CatalogBuilder;

class CatalogTableTest : public ::testing::Test {
protected:
    CatalogFile& open(const QByteArray& bytes) {
        file_ = std::make_unique<CatalogFile>(dir_.write("wcat.res", bytes));
        return *file_;
    }
    test::LogCapture log_;
    test::TempDir dir_;
    std::unique_ptr<CatalogFile> file_;
};

// The block of the worked example: three rows at offsets 15, 20 and 26, block size 33.
QByteArray exampleIndexedBlock() {
    QByteArray block;
    appendU24(block, 3);
    appendU24(block, 0);
    appendU24(block, 15);
    appendU24(block, 20);
    appendU24(block, 26);
    block.append("aaaaa").append("bbbbbb").append("ccccccc");
    return block;
}

TEST_F(CatalogTableTest, IndexedRowsRunToTheNextOffsetAndTheLastToTheBlockEnd) {
    CatalogBuilder b;
    b.addRawEntry("DictX", 0, exampleIndexedBlock());
    CatalogFile& file = open(b.build());
    const CatalogTable* t = file.tableAt(0);
    const qint64 d = b.blockOffset(0);
    ASSERT_EQ(t->rowCount(), 3);
    EXPECT_EQ(t->rowLength(0), 5);
    EXPECT_EQ(t->rowLength(1), 6);
    EXPECT_EQ(t->rowLength(2), 7);
    EXPECT_EQ(t->rowOffset(0), d + 15);
    EXPECT_EQ(t->rowOffset(2), d + 26);
    EXPECT_EQ(t->readRow(1), "bbbbbb");
    EXPECT_EQ(t->readRow(2), "ccccccc");
    EXPECT_EQ(t->readRowPart(2, 3, 4), "cccc");
    EXPECT_TRUE(t->readRowPart(2, 4, 4).isEmpty());
    EXPECT_EQ(t->rowLength(3), -1);
    EXPECT_EQ(t->rowOffset(-1), -1);
    EXPECT_TRUE(t->readRow(3).isEmpty());
}

TEST_F(CatalogTableTest, RowsOutsideTheBlockGiveNothing) {
    QByteArray block = exampleIndexedBlock();
    test::putU24(block, 9, 40);  // second row starts past the block end (33)
    CatalogBuilder b;
    b.addRawEntry("DictX", 0, block);
    b.addDictionary("AFTER", {"neighbour"});
    CatalogFile& file = open(b.build());
    const CatalogTable* t = file.tableAt(0);
    EXPECT_EQ(t->rowLength(0), -1) << "row 0 would run into the next table";
    EXPECT_TRUE(t->readRow(0).isEmpty());
    EXPECT_EQ(t->rowLength(1), -1);
    EXPECT_EQ(t->rowOffset(1), -1);
    EXPECT_EQ(t->readRow(2), "ccccccc");
}

TEST_F(CatalogTableTest, DescendingOffsetsGiveNoRow) {
    QByteArray block = exampleIndexedBlock();
    test::putU24(block, 9, 12);  // row 1 starts before row 0
    CatalogBuilder b;
    b.addRawEntry("DictX", 0, block);
    CatalogFile& file = open(b.build());
    EXPECT_EQ(file.tableAt(0)->rowLength(0), -1);
    EXPECT_TRUE(file.tableAt(0)->readRow(0).isEmpty());
    EXPECT_EQ(file.tableAt(0)->rowLength(1), 14);
}

TEST_F(CatalogTableTest, RowCountIsLimitedToWhatTheBlockHolds) {
    QByteArray block = exampleIndexedBlock();
    test::putU24(block, 0, 0xFFFFFF);
    CatalogBuilder b;
    b.addRawEntry("DictX", 0, block);
    b.addRecordTable("Wines", {0}, {{1}, {2}});
    CatalogFile& file = open(b.build());
    EXPECT_EQ(file.tableAt(0)->storedRowCount(), 0xFFFFFF);
    EXPECT_LE(file.tableAt(0)->rowCount(), 9);
    QByteArray bytes = b.build();
    test::putU24(bytes, b.blockOffset(1), 1000);
    CatalogFile& again = open(bytes);
    EXPECT_EQ(again.tableAt(1)->rowCount(), 3);
}

TEST_F(CatalogTableTest, RecordTableColumnsComeFromRowZero) {
    CatalogBuilder b;
    for (int i = 0; i < 10; ++i) {
        b.addDictionary(QByteArray("D") + QByteArray::number(i), {"x"});
    }
    b.addRecordTable("Wines", {4, 7, 9}, {{10, 11, 12}, {20, 21, 22}});
    CatalogFile& file = open(b.build());
    const RecordTable* t = file.recordTableAt(10);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->recordSize(), 6);
    EXPECT_EQ(t->columnCount(), 3);
    EXPECT_EQ(t->columnOf(7), 1);
    EXPECT_EQ(t->columnOf(5), -1);
    EXPECT_EQ(t->rowOffset(2), b.blockOffset(10) + 6 + 12);
    EXPECT_EQ(t->valueAt(2, 9), 22);
    EXPECT_EQ(t->valueAt(1, 4), 10);
    EXPECT_EQ(t->valueAt(1, 5), -1);
    EXPECT_EQ(t->valueAt(3, 4), -1);
    EXPECT_EQ(t->rowCount(), 3);
    EXPECT_EQ(t->rowLength(1), 6);
    // Column positions, however large, are checked against the record without overflowing.
    for (const int j : {2, 3, -1, 1 << 30, INT_MAX}) {
        EXPECT_EQ(t->valueInColumn(2, j), j == 2 ? 22 : -1) << j;
    }
}

TEST_F(CatalogTableTest, OddRecordWidthIgnoresTheLastByte) {
    CatalogBuilder b;
    b.addDictionary("A", {"x"});
    b.addDictionary("B", {"x"});
    b.addDictionary("C", {"x"});
    b.addRecordTable("Odd", {0, 1, 2}, {{5, 6, 7}, {8, 9, 10}}, 7);
    CatalogFile& file = open(b.build());
    const RecordTable* t = file.recordTableAt(3);
    EXPECT_EQ(t->recordSize(), 7);
    EXPECT_EQ(t->columnCount(), 3);
    EXPECT_EQ(t->columns(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(t->valueAt(2, 2), 10);
    EXPECT_EQ(t->rowOffset(2), b.blockOffset(3) + 6 + 14);
}

TEST_F(CatalogTableTest, RecordWidthBeyondTheBlockGivesNoColumns) {
    CatalogBuilder b;
    b.addDictionary("A", {"x"});
    QByteArray block;
    appendU24(block, 2);
    appendU24(block, 0xFFFFFE);  // 8 million columns claimed
    appendU16(block, 0);
    b.addRawEntry("Huge", 1, block);
    CatalogFile& file = open(b.build());
    const RecordTable* t = file.recordTableAt(1);
    EXPECT_EQ(t->columnCount(), 0);
    EXPECT_EQ(t->rowCount(), 0);
    EXPECT_EQ(t->columnDictionary(0), -1);
}

TEST_F(CatalogTableTest, DictNumberByNameFindsTheColumnDictionaryAndTracesIt) {
    CatalogBuilder b;
    b.addDictionary("TYPE", {"Red"});
    const int origin = b.addDictionary("ORIGIN", {"France"});
    b.addRecordTable("Wines", {0, origin}, {{0, 0}});
    b.addRecordTable("Other", {0}, {{0}});
    CatalogFile& file = open(b.build());
    log_.clear();
    EXPECT_EQ(file.recordTableAt(2)->dictNumberByName("ORIGIN"), 1);
    EXPECT_EQ(log_.lines(), QList<QByteArray>({"==================> FIND DICTTIONARY ID : 1"}));
    log_.clear();
    EXPECT_EQ(file.recordTableAt(3)->dictNumberByName("ORIGIN"), -1);
    EXPECT_EQ(file.recordTableAt(2)->dictNumberByName("origin"), -1);
    EXPECT_TRUE(log_.bytes().isEmpty());
}

TEST_F(CatalogTableTest, ShortNames) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {});
    b.addRawEntry("Dict", 0, exampleIndexedBlock());
    b.addRawEntry("Dic", 0, exampleIndexedBlock());
    b.addRecordTable("DictLooking", {}, {});
    b.addLevel("FWLevelTable0", 3, 0, {});
    CatalogFile& file = open(b.build());
    EXPECT_EQ(file.tableAt(0)->shortName(), "ORIGIN");
    EXPECT_EQ(file.tableAt(1)->shortName(), "");
    EXPECT_EQ(file.tableAt(2)->shortName(), "");
    EXPECT_EQ(file.tableAt(3)->shortName(), "DictLooking");
    EXPECT_EQ(file.tableAt(4)->shortName(), "FWLevelTable0");
    for (int t = 0; t < file.tableCount(); ++t) {
        const CatalogTable* table = file.tableAt(t);
        EXPECT_TRUE(table->hasShortName(table->shortName())) << t;
    }
    EXPECT_FALSE(file.tableAt(0)->hasShortName("DictORIGIN"));
    EXPECT_FALSE(file.tableAt(0)->hasShortName("ORIGI"));
    EXPECT_FALSE(file.tableAt(1)->hasShortName("x"));
    EXPECT_FALSE(file.tableAt(3)->hasShortName("Looking"));
}

TEST_F(CatalogTableTest, LevelRowsHoldValueTargetAndChildren) {
    CatalogBuilder b;
    b.addLevel("L", 3, 1, {{7, 0, {}}, {300, 2, {5, 2}}, {1, 0, {9, 8, 0x123456}}});
    b.addLevel("M", 3, 0, {});
    CatalogFile& file = open(b.build());
    const LevelTable* t = file.levelTableAt(0);
    EXPECT_EQ(t->rowLength(0), 3);
    EXPECT_EQ(t->childCount(0), 0);
    EXPECT_EQ(t->child(0, 0), -1);
    EXPECT_EQ(t->nodeValue(0), 7);
    EXPECT_EQ(t->rowLength(1), 9);
    EXPECT_EQ(t->childCount(1), 2);
    EXPECT_EQ(t->nodeValue(1), 300);
    EXPECT_EQ(t->nodeTarget(1), 2);
    EXPECT_EQ(t->child(1, 0), 5);
    EXPECT_EQ(t->child(1, 1), 2);
    EXPECT_EQ(t->childCount(2), 3);
    EXPECT_EQ(t->child(2, 2), 0x123456);
    EXPECT_EQ(t->child(2, 3), -1);
    EXPECT_EQ(t->nextLevel(), 1);
    EXPECT_EQ(t->nodeValue(3), -1);
    EXPECT_EQ(t->nodeTarget(3), -1);
    EXPECT_EQ(t->childCount(3), 0);
}

TEST_F(CatalogTableTest, ShortLevelRowsHaveNoTargetOrChildren) {
    CatalogBuilder b;
    b.addIndexedTable(
        "L", 2, 0,
        {QByteArray("\x00", 1), QByteArray("\x00\x05", 2), QByteArray("\x00\x05\x01\x00\x00", 5)});
    CatalogFile& file = open(b.build());
    const LevelTable* t = file.levelTableAt(0);
    EXPECT_EQ(t->nodeValue(0), -1);
    EXPECT_EQ(t->nodeValue(1), 5);
    EXPECT_EQ(t->nodeTarget(1), -1);
    EXPECT_EQ(t->childCount(1), 0);
    EXPECT_EQ(t->nodeTarget(2), 1);
    EXPECT_EQ(t->childCount(2), 0) << "two stray bytes are no child";
}

TEST_F(CatalogTableTest, UnreadableBlockOffsetReadsNothingNearTheFileStart) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"France"});
    QByteArray bytes = b.build();
    bytes.truncate(6 + 40);  // the entry loses D and Z
    CatalogFile& file = open(bytes);
    ASSERT_EQ(file.tableCount(), 1);
    const CatalogTable* t = file.tableAt(0);
    EXPECT_EQ(t->descriptor().blockOffset, -1);
    EXPECT_EQ(t->storedRowCount(), -1);
    EXPECT_EQ(t->headerValue(), -1);
    EXPECT_EQ(t->rowCount(), 0);
}

}  // namespace
}  // namespace corkwise
