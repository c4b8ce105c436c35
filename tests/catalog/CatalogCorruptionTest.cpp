// Damaged catalogues: whatever the bytes, opening and walking everything through the public
// tables and cursors must neither crash nor read outside the file.

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogWalk.h"
#include "common/ErrorLog.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace corkwise {
namespace {

using test::CatalogBuilder;

// A small catalogue with every kind of table, an unknown entry and a wide stride.
QByteArray wellFormed() {
    CatalogBuilder b;
    b.setStride(47);
    const int origin = b.addDictionary("ORIGIN", {"root", "France", "U.S."});
    const int region =
        b.addDictionary("REGION", {"No Region Assigned", "C\u00F4tes du Rh\u00F4ne"});
    b.addRawEntry("Skipped", 7, QByteArray("\x00\x00\x01\x00\x00\x00", 6));
    const int wines = b.addRecordTable("Wines", {origin, region}, {{1, 1}, {2, 0}}, 5);
    const int level1 = b.nextTableNumber() + 1;
    b.addLevel("FWLevelTable0", 3, level1, {{0, origin, {0, 1}}});
    b.addLevel("FWLevelTable1", 3, level1 + 1, {{1, origin, {0, 1}}, {2, origin, {1}}});
    b.addLevel("FWLevelTable2", 2, level1 + 1, {{1, wines, {}}, {1, region, {0}}, {2, wines, {}}});
    return b.build();
}

class CatalogCorruptionTest : public ::testing::Test {
protected:
    void SetUp() override { ErrorLog::setEnabled(false); }
    void TearDown() override { ErrorLog::setEnabled(true); }

    // Walks BYTES read from memory, as the fuzz target does: no file is written per input.
    static WalkCounts walk(const QByteArray& bytes, CatalogFile::Access access) {
        Catalog catalog(CatalogFile::fromBytes(bytes));
        WalkCounts counts = walkCatalog(catalog);
        // The other reader must see exactly what the mapped one sees.
        const auto other = CatalogFile::fromBytes(bytes, access);
        EXPECT_EQ(other->tableCount(), catalog.file()->tableCount());
        return counts;
    }
    // The same with BYTES written to a file.
    WalkCounts walkFile(const QByteArray& bytes, CatalogFile::Access access) {
        const QString path = dir_.write("wcat.res", bytes);
        Catalog catalog(path);
        WalkCounts counts = walkCatalog(catalog);
        CatalogFile other(path, access);
        EXPECT_EQ(other.tableCount(), catalog.file()->tableCount());
        return counts;
    }
    test::TempDir dir_;
};

bool operator==(const WalkCounts& a, const WalkCounts& b) {
    return a.tables == b.tables && a.rows == b.rows && a.nodes == b.nodes &&
           a.records == b.records && a.textBytes == b.textBytes;
}

TEST_F(CatalogCorruptionTest, WellFormedCatalogueWalksCompletely) {
    const WalkCounts counts = walkFile(wellFormed(), CatalogFile::Access::Positioned);
    EXPECT_EQ(counts.tables, 6);
    EXPECT_EQ(counts.nodes, 6);
    // Two records from the table walk, two from the tree's record nodes.
    EXPECT_EQ(counts.records, 4);
    EXPECT_EQ(counts.rows, 3 + 2 + 3 + 1 + 2 + 3);
}

// A file cut short and the same bytes in memory walk alike, through either reader.
TEST_F(CatalogCorruptionTest, ACutFileWalksAsTheSameBytesInMemory) {
    const QByteArray bytes = wellFormed();
    struct Cut {
        qsizetype length;
        CatalogFile::Access access;
    };
    const qsizetype size = bytes.size();
    for (const Cut cut :
         {Cut{0, CatalogFile::Access::Mapped}, Cut{5, CatalogFile::Access::Mapped},
          Cut{6 + 47, CatalogFile::Access::Positioned}, Cut{size / 2, CatalogFile::Access::Mapped},
          Cut{size / 2, CatalogFile::Access::Positioned},
          Cut{size - 1, CatalogFile::Access::Positioned}, Cut{size, CatalogFile::Access::Mapped}}) {
        const QByteArray cutBytes = bytes.left(cut.length);
        EXPECT_TRUE(walkFile(cutBytes, cut.access) == walk(cutBytes, cut.access))
            << "cut at " << cut.length;
    }
}

TEST_F(CatalogCorruptionTest, TruncatedAtEveryByteNeverCrashes) {
    const QByteArray bytes = wellFormed();
    qint64 lastNodes = -1;
    for (qsizetype n = 0; n <= bytes.size(); ++n) {
        const WalkCounts counts = walk(bytes.left(n), CatalogFile::Access::Positioned);
        EXPECT_LE(counts.tables, 6) << "prefix " << n;
        lastNodes = counts.nodes;
    }
    EXPECT_EQ(lastNodes, 6);
}

TEST_F(CatalogCorruptionTest, EverySingleByteChangeNeverCrashes) {
    const QByteArray bytes = wellFormed();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char original = bytes[i];
        for (char replacement : {'\x00', '\xFF', static_cast<char>(original ^ 0x80),
                                 static_cast<char>(original + 1)}) {
            if (replacement == original) {
                continue;
            }
            QByteArray changed = bytes;
            changed[i] = replacement;
            const WalkCounts counts = walk(changed, CatalogFile::Access::Mapped);
            EXPECT_LE(counts.rows, changed.size()) << "byte " << i;
        }
    }
}

// The fuzz target starts from this catalogue; keep the saved copy in step with the builder.
// CORKWISE_UPDATE_SEEDS=1 rewrites it.
TEST_F(CatalogCorruptionTest, FuzzSeedMatchesTheWellFormedCatalogue) {
    const QString path = QStringLiteral(CORKWISE_TEST_DATA_DIR "/catalog-corpus/well-formed.res");
    if (qEnvironmentVariableIsSet("CORKWISE_UPDATE_SEEDS")) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(wellFormed());
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(file.readAll(), wellFormed());
}

TEST_F(CatalogCorruptionTest, SavedCrashInputsReplaySafely) {
    const QDir crashes(QStringLiteral(CORKWISE_TEST_DATA_DIR "/catalog-crashes"));
    const QStringList names = crashes.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty()) << "no saved inputs in " << crashes.path().toStdString();
    for (const QString& name : names) {
        QFile file(crashes.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        SCOPED_TRACE(name.toStdString());
        walk(file.readAll(), CatalogFile::Access::Positioned);
    }
}

}  // namespace
}  // namespace corkwise
