// A catalogue changed under the running program: cut short, written over or replaced. Reading it
// must never end the program (a cut mapped file raises SIGBUS), and the change must be noticed.

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogWalk.h"
#include "catalog/MapGuard.h"
#include "common/ErrorLog.h"
#include "testsupport/CatalogBytes.h"
#include "testsupport/TempDir.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace corkwise {
namespace {

// A catalogue of many pages, so that a cut removes whole pages of the map.
QByteArray largeCatalogue() {
    test::CatalogBuilder b;
    QStringList texts;
    for (int i = 0; i < 6000; ++i) {
        texts.append(QStringLiteral("Producer number %1 of a long list").arg(i));
    }
    const int producer = b.addDictionary("PRODUCER", texts);
    QList<QList<int>> records;
    for (int i = 0; i < 3000; ++i) {
        records.append({i, (i * 7) % 6000});
    }
    const int wines = b.addRecordTable("Wines", {producer, producer}, records, 4);
    const int level1 = b.nextTableNumber() + 1;
    b.addLevel("FWLevelTable0", 3, level1, {{0, producer, {0, 1, 2}}});
    b.addLevel("FWLevelTable1", 2, -1, {{1, wines, {}}, {2, wines, {}}, {3, producer, {}}});
    return b.build();
}

struct Change {
    const char* name;
    std::function<void(const QString& path, const QByteArray& bytes)> apply;
    bool changed;
};

class CatalogChangeTest : public ::testing::TestWithParam<Change> {
protected:
    void SetUp() override { ErrorLog::setEnabled(false); }
    void TearDown() override { ErrorLog::setEnabled(true); }
    test::TempDir dir_;
};

TEST_P(CatalogChangeTest, ReadingGoesOnAndTheChangeIsNoticed) {
    if (!map_guard::active()) {
        GTEST_SKIP() << "another SIGBUS handler (a sanitizer's) keeps the guard from working";
    }
    const QByteArray bytes = largeCatalogue();
    ASSERT_GT(bytes.size(), 200000);
    const QString path = dir_.write(QStringLiteral("wcat.res"), bytes);
    for (const CatalogFile::Access access :
         {CatalogFile::Access::Mapped, CatalogFile::Access::Positioned}) {
        dir_.write(QStringLiteral("wcat.res"), bytes);
        Catalog catalog(path);
        CatalogFile file(path, access);
        const WalkCounts before = walkCatalog(catalog);
        EXPECT_GT(before.rows, 9000);
        EXPECT_FALSE(catalog.file()->hasChangedOnDisk());

        GetParam().apply(path, bytes);
        walkCatalog(catalog);  // must not raise SIGBUS
        EXPECT_EQ(catalog.file()->hasChangedOnDisk(), GetParam().changed);
        EXPECT_EQ(file.hasChangedOnDisk(), GetParam().changed);
    }
}

void cutTo(const QString& path, qint64 size) {
    QFile file(path);
    ASSERT_TRUE(file.resize(size));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CatalogChangeTest,
    ::testing::Values(
        Change{"Untouched", [](const QString&, const QByteArray&) {}, false},
        Change{"CutToNothing", [](const QString& p, const QByteArray&) { cutTo(p, 0); }, true},
        Change{"CutToItsHeader", [](const QString& p, const QByteArray&) { cutTo(p, 6); }, true},
        Change{"CutInHalf", [](const QString& p, const QByteArray& b) { cutTo(p, b.size() / 2); },
               true},
        Change{"WrittenOverInPlace",
               [](const QString& p, const QByteArray& b) {
                   QFile file(p);
                   ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                   file.write(QByteArray(b.size() + 5000, '\x7f'));
               },
               true},
        Change{"ReplacedUnderItsName",
               [](const QString& p, const QByteArray& b) {
                   const QString other = p + QStringLiteral(".new");
                   QFile file(other);
                   ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                   file.write(b);
                   file.close();
                   ASSERT_EQ(std::rename(QFile::encodeName(other).constData(),
                                         QFile::encodeName(p).constData()),
                             0);
               },
               true}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace corkwise
