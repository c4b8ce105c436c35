#include "catalog/CatalogFile.h"

#include "catalog/CatalogTable.h"
#include "catalog/Coding.h"
#include "catalog/DictionaryTable.h"
#include "catalog/RecordTable.h"
#include "catalog/WCATArray.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/LogCapture.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QFile>

namespace corkwise {
namespace {

using test::appendU24;
using test::CatalogBuilder;

// Every test reads its bytes from a file and from memory, each way of reading: both sources go
// through the same checks and must give the same results.
struct Source {
    CatalogFile::Access access;
    bool inMemory;
    const char* name;
};

class CatalogFileTest : public ::testing::TestWithParam<Source> {
protected:
    std::unique_ptr<CatalogFile> open(const QByteArray& bytes) {
        if (GetParam().inMemory) {
            return CatalogFile::fromBytes(bytes, GetParam().access);
        }
        return std::make_unique<CatalogFile>(dir_.write("wcat.res", bytes), GetParam().access);
    }
    test::TempDir dir_;
    test::LogCapture log_;
};

TEST_P(CatalogFileTest, MissingFileIsNotOpenAndFindsNothing) {
    CatalogFile file(dir_.path("none.res"), GetParam().access);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.tableCount(), 0);
    EXPECT_EQ(file.tables(), nullptr);
    EXPECT_EQ(file.tableByName("DictORIGIN"), nullptr);
    EXPECT_EQ(file.indexOfTable("DictORIGIN"), -1);
    EXPECT_EQ(file.tableAt(0), nullptr);
    EXPECT_EQ(file.readU24At(0), -1);
    EXPECT_EQ(log_.lines(), QList<QByteArray>({QByteArray(47, '>'), QByteArray(47, '<')}));
}

TEST_P(CatalogFileTest, ZeroLengthFileOpensWithNoTables) {
    const auto file = open(QByteArray());
    EXPECT_TRUE(file->isOpen());
    EXPECT_EQ(file->entryCount(), -1);
    EXPECT_EQ(file->tableCount(), 0);
    EXPECT_EQ(file->indexOfTable(""), -1);
}

TEST_P(CatalogFileTest, FileShorterThanItsHeaderHasNoTables) {
    const auto file = open(QByteArray("\x00\x00\x01\x00", 4));
    EXPECT_TRUE(file->isOpen());
    EXPECT_EQ(file->entryCount(), 1);
    EXPECT_EQ(file->entryStride(), -1);
    EXPECT_EQ(file->tableCount(), 0);
}

TEST_P(CatalogFileTest, OpeningWritesItsTraceLinesInOrder) {
    CatalogBuilder b;
    const int origin = b.addDictionary("ORIGIN", {"France"});
    b.addRecordTable("Wines", {origin}, {{0}});
    b.addRecordTable("Charts", {origin}, {});
    b.addLevel("FWLevelTable0", 3, 0, {{0, origin, {}}});
    const auto file = open(b.build());
    const QByteArray fixed = QByteArray(26, '=') + "INIT FIXED DB" + QByteArray(30, '=');
    EXPECT_EQ(log_.lines(), QList<QByteArray>({
                                QByteArray(47, '>'),
                                "TRY TO INIT DBS OBJECTS",
                                "CONSTRUCT WCATArray " + QByteArray(96, '~'),
                                "END CONSTRUCT WCATArray " + QByteArray(96, '~'),
                                fixed,
                                fixed,
                                QByteArray(47, '<'),
                            }));
    EXPECT_EQ(fixed, "==========================INIT FIXED DB==============================");
}

TEST_P(CatalogFileTest, UnknownKindsTakeNoTableNumber) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"France"});
    EXPECT_EQ(b.addRawEntry("Mystery", 4, QByteArray(12, '\0')), -1);
    const int records = b.addRecordTable("Wines", {0}, {{0}});
    EXPECT_EQ(b.addRawEntry("Unreadable", 0xFFFFFF, QByteArray()), -1);
    b.addLevel("FWLevelTable0", 2, 2, {{0, 0, {}}});
    const auto file = open(b.build());
    EXPECT_EQ(file->entryCount(), 5);
    ASSERT_EQ(file->tableCount(), 3);
    EXPECT_EQ(records, 1);
    EXPECT_EQ(file->tableAt(1)->name(), "Wines");
    EXPECT_NE(file->recordTableAt(1), nullptr);
    EXPECT_EQ(file->indexOfTable("Mystery"), -1);
    EXPECT_EQ(file->indexOfTable("FWLevelTable0"), 2);
    EXPECT_NE(file->levelTableAt(2), nullptr);
    EXPECT_EQ(file->levelTableAt(1), nullptr);
    EXPECT_EQ(file->dictionaryAt(0)->text(0), "France");
}

TEST_P(CatalogFileTest, StrideAboveFortyFourSkipsTheExtraBytes) {
    CatalogBuilder b;
    b.setStride(61);
    b.addDictionary("ORIGIN", {"France", "Italy"});
    b.addDictionary("TYPE", {"Red"});
    const QByteArray bytes = b.build();
    EXPECT_EQ(bytes.mid(6 + 44, 17), QByteArray(17, '\xEE'));
    const auto file = open(bytes);
    EXPECT_EQ(file->entryStride(), 61);
    ASSERT_EQ(file->tableCount(), 2);
    EXPECT_EQ(file->tableAt(1)->name(), "DictTYPE");
    EXPECT_EQ(file->dictionaryAt(1)->text(0), "Red");
    EXPECT_EQ(file->dictionaryAt(0)->text(1), "Italy");
}

// The directory is read in windows of 16 KB: entries on either side of a window's edge, and
// entries each larger than a window, keep their names, numbers and blocks.
TEST_P(CatalogFileTest, DirectoryLongerThanOneReadKeepsEveryTable) {
    struct Case {
        int tables;
        int stride;
    };
    for (const Case c : {Case{600, 44}, Case{300, 61}, Case{3, 20000}}) {
        CatalogBuilder b;
        b.setStride(c.stride);
        for (int i = 0; i < c.tables; ++i) {
            b.addDictionary("T" + QByteArray::number(i), {QString::number(i * 7)});
        }
        const auto file = open(b.build());
        ASSERT_EQ(file->tableCount(), c.tables) << c.stride;
        for (int i = 0; i < c.tables; ++i) {
            ASSERT_EQ(file->tableAt(i)->name(), "DictT" + QByteArray::number(i)) << c.stride;
            ASSERT_EQ(file->dictionaryAt(i)->text(0), QByteArray::number(i * 7)) << c.stride;
        }
    }
}

// Table headers are read on first use; whatever is asked first, and however the file is cut,
// they hold what the bytes at the block say.
TEST_P(CatalogFileTest, HeadersReadOnFirstUseMatchTheBytesAtEveryCut) {
    CatalogBuilder b;
    const int origin = b.addDictionary("ORIGIN", {"France", "Italy"});
    b.addRecordTable("Wines", {origin, origin}, {{1, 0}, {0, 1}});
    b.addLevel("FWLevelTable0", 3, 0, {{0, origin, {0, 1}}});
    const QByteArray whole = b.build();
    const auto u24 = [](const QByteArray& bytes, qint64 at) {
        if (at < 0 || at + coding::kU24Size > bytes.size()) {
            return -1;
        }
        return coding::getU24(bytes.constData() + at);
    };
    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        const QByteArray bytes = whole.left(cut);
        const auto file = open(bytes);
        for (int t = 0; t < file->tableCount(); ++t) {
            const CatalogTable* table = file->tableAt(t);
            const qint64 d = table->descriptor().blockOffset;
            // Odd tables are asked for a row first, even ones for their header.
            if (t % 2 == 1) {
                table->readRow(0);
            }
            EXPECT_EQ(table->storedRowCount(), d < 0 ? -1 : u24(bytes, d)) << cut << " " << t;
            EXPECT_EQ(table->headerValue(), d < 0 ? -1 : u24(bytes, d + 3)) << cut << " " << t;
        }
        if (const RecordTable* wines = file->recordTableAt(1)) {
            const std::vector<int> expected =
                wines->rowCount() > 0 ? std::vector<int>{origin, origin} : std::vector<int>{};
            EXPECT_EQ(wines->columns(), expected) << cut;
        }
    }
}

TEST_P(CatalogFileTest, StrideBelowEntrySizeLeavesTheDirectoryEmpty) {
    // Entries would overlap; with stride 0 a tiny file could claim 16 million copies of one table.
    QByteArray bytes;
    appendU24(bytes, 0xFFFFFF);
    appendU24(bytes, 0);
    bytes.append(QByteArray(44, '\0'));
    const auto file = open(bytes);
    EXPECT_TRUE(file->isOpen());
    EXPECT_EQ(file->tableCount(), 0);
}

TEST_P(CatalogFileTest, EntryCountBeyondTheFileStopsAtItsEnd) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"France"});
    QByteArray bytes = b.build();
    test::putU24(bytes, 0, 0xFFFFFF);
    const auto file = open(bytes);
    EXPECT_EQ(file->entryCount(), 0xFFFFFF);
    // The block and the following bytes read as entries of kind 0 or junk; none may crash and
    // the real table stays first.
    ASSERT_GE(file->tableCount(), 1);
    EXPECT_EQ(file->tableAt(0)->name(), "DictORIGIN");
    EXPECT_LE(file->tableCount(), bytes.size() / 44 + 1);
}

TEST_P(CatalogFileTest, DuplicateNamesFindTheLowerNumber) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"first"});
    b.addDictionary("ORIGIN", {"second"});
    const auto file = open(b.build());
    EXPECT_EQ(file->indexOfTable("DictORIGIN"), 0);
    EXPECT_EQ(file->tableByName("DictORIGIN"), file->tableAt(0));
    EXPECT_EQ(file->tableAt(1)->catalogueIndex(), 0);
}

TEST_P(CatalogFileTest, NamesCompareExactlyAndCaseSensitively) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"France"});
    const auto file = open(b.build());
    EXPECT_EQ(file->indexOfTable("DictORIGIN"), 0);
    EXPECT_EQ(file->indexOfTable("DictOrigin"), -1);
    EXPECT_EQ(file->indexOfTable("dictORIGIN"), -1);
    EXPECT_EQ(file->indexOfTable("DictORIGI"), -1);
    EXPECT_EQ(file->indexOfTable("DictORIGIN "), -1);
}

TEST_P(CatalogFileTest, NameFieldWithoutTerminatorIsCutToThirtyOne) {
    CatalogBuilder b;
    b.addRawEntry(QByteArray(32, 'N'), 0, QByteArray("\0\0\0\0\0\0", 6));
    const auto file = open(b.build());
    ASSERT_EQ(file->tableCount(), 1);
    EXPECT_EQ(file->tableAt(0)->name(), QByteArray(31, 'N'));
}

TEST_P(CatalogFileTest, PrimitivesReadBigEndianAndComeBackShortAtTheEnd) {
    const QByteArray bytes("\x01\x02\x03\xFE\xFF\x80", 6);
    const auto file = open(bytes);
    EXPECT_EQ(file->readU24At(0), 0x010203);
    EXPECT_EQ(file->readU16(), 0xFEFF);
    EXPECT_EQ(file->readU16At(3), 0xFEFF);
    EXPECT_EQ(file->readU24At(3), 0xFEFF80);
    EXPECT_EQ(file->readByteAt(5), 0x80);
    EXPECT_EQ(file->readU24At(4), -1);
    EXPECT_EQ(file->readU16At(5), -1);
    EXPECT_EQ(file->readByteAt(6), -1);
    EXPECT_EQ(file->readByteAt(-1), -1);
    EXPECT_EQ(file->readU24At(-2), -1);
    EXPECT_EQ(file->readBytesAt(1, 3), QByteArray("\x02\x03\xFE", 3));
    EXPECT_TRUE(file->readBytesAt(4, 3).isEmpty());
    EXPECT_TRUE(file->readBytesAt(1 << 30, 3).isEmpty());
    EXPECT_TRUE(file->readBytesAt(0, -1).isEmpty());
    file->seek(4);
    EXPECT_EQ(file->readName(), QByteArray("\xFF\x80", 2));
}

// A catalogue in memory has no path and, never being on disk, never changes there.
TEST_P(CatalogFileTest, OnlyAFileHasAPathThatCanChange) {
    CatalogBuilder b;
    b.addDictionary("ORIGIN", {"France"});
    const auto file = open(b.build());
    EXPECT_EQ(file->path().isEmpty(), GetParam().inMemory);
    EXPECT_FALSE(file->hasChangedOnDisk());
    if (!GetParam().inMemory) {
        QFile::remove(file->path());
        EXPECT_TRUE(file->hasChangedOnDisk());
    }
    EXPECT_EQ(file->dictionaryAt(0)->text(0), "France");
}

INSTANTIATE_TEST_SUITE_P(
    Access, CatalogFileTest,
    ::testing::Values(Source{CatalogFile::Access::Mapped, false, "Mapped"},
                      Source{CatalogFile::Access::Positioned, false, "Positioned"},
                      Source{CatalogFile::Access::Mapped, true, "MappedInMemory"},
                      Source{CatalogFile::Access::Positioned, true, "PositionedInMemory"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(WCATArrayTest, GrowsByDoublingAndKeepsItsTables) {
    test::LogCapture log;
    test::TempDir dir;
    CatalogFile file(dir.path("none.res"));
    std::vector<std::unique_ptr<CatalogTable>> tables;
    for (int i = 0; i < 41; ++i) {
        TableDescriptor d;
        d.name = QByteArray::number(i);
        tables.push_back(std::make_unique<CatalogTable>(&file, d));
    }
    log.clear();
    WCATArray array;
    EXPECT_EQ(log.lines(), QList<QByteArray>({"CONSTRUCT WCATArray " + QByteArray(96, '~'),
                                              "END CONSTRUCT WCATArray " + QByteArray(96, '~')}));
    EXPECT_EQ(array.capacity(), 10);
    EXPECT_EQ(array.size(), 0);
    for (int i = 0; i < 10; ++i) {
        array.add(tables[i].get());
    }
    EXPECT_EQ(array.capacity(), 10);
    array.add(tables[10].get());
    EXPECT_EQ(array.capacity(), 20);
    for (int i = 11; i < 21; ++i) {
        array.add(tables[i].get());
    }
    EXPECT_EQ(array.capacity(), 40);
    ASSERT_EQ(array.size(), 21);
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(array.at(i), tables[i].get());
    }
    EXPECT_EQ(array.at(21), nullptr);
    EXPECT_EQ(array.at(-1), nullptr);
}

}  // namespace
}  // namespace corkwise
