// Reader speed: opening a catalogue, listing a node's children with their texts, and opening a
// record to read ten columns, each through a memory map and through positioned reads.

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "common/ErrorLog.h"
#include "testsupport/CatalogBytes.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <map>

namespace {

using corkwise::Catalog;
using corkwise::CatalogFile;
using corkwise::NodeCursor;
using corkwise::test::CatalogBuilder;
using corkwise::test::LevelNode;

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

QString writeCatalogue(const QString& name, const QByteArray& bytes) {
    const QString path = scratch().filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
    return path;
}

CatalogFile::Access accessOf(const benchmark::State& state, int arg) {
    return state.range(arg) == 0 ? CatalogFile::Access::Mapped : CatalogFile::Access::Positioned;
}

// 100 tables: 60 dictionaries of 200 texts, 20 record tables of 200 records of 10 columns, and
// 20 levels of 200 nodes.
const QString& hundredTables() {
    static const QString path = [] {
        CatalogBuilder b;
        QStringList texts;
        for (int i = 0; i < 200; ++i) {
            texts << QStringLiteral("Text number %1").arg(i);
        }
        for (int d = 0; d < 60; ++d) {
            b.addDictionary("D" + QByteArray::number(d), texts);
        }
        QList<QList<int>> records(200, QList<int>(10, 3));
        for (int r = 0; r < 20; ++r) {
            b.addRecordTable("Records" + QByteArray::number(r), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                             records);
        }
        QList<LevelNode> nodes;
        for (int i = 0; i < 200; ++i) {
            nodes.append({i, 0, {i, (i + 1) % 200}});
        }
        for (int l = 0; l < 20; ++l) {
            b.addLevel("Level" + QByteArray::number(l), 3, 80 + l, nodes);
        }
        return writeCatalogue("hundred.res", b.build());
    }();
    return path;
}

void BM_OpenCatalogue100Tables(benchmark::State& state) {
    corkwise::ErrorLog::setEnabled(false);
    const QString& path = hundredTables();
    for (auto _ : state) {
        CatalogFile file(path, accessOf(state, 0));
        benchmark::DoNotOptimize(file.tableCount());
    }
}
BENCHMARK(BM_OpenCatalogue100Tables)->ArgName("positioned")->Arg(0)->Arg(1);

// A root with N children, each a dictionary node with its own text.
const QString& fanOut(int children) {
    static std::map<int, QString> paths;
    auto it = paths.find(children);
    if (it == paths.end()) {
        CatalogBuilder b;
        QStringList texts;
        QList<int> rows;
        QList<LevelNode> level;
        for (int i = 0; i < children; ++i) {
            texts << QStringLiteral("Producer %1 et Fils").arg(i);
            rows << i;
            level.append({i, 0, {}});
        }
        b.addDictionary("PRODUCER", texts);
        b.addLevel("Root", 3, 2, {{0, 0, rows}});
        b.addLevel("Children", 3, 2, level);
        it = paths
                 .emplace(children,
                          writeCatalogue(QStringLiteral("fan%1.res").arg(children), b.build()))
                 .first;
    }
    return it->second;
}

void BM_ListChildrenWithTexts(benchmark::State& state) {
    corkwise::ErrorLog::setEnabled(false);
    const int n = static_cast<int>(state.range(0));
    CatalogFile file(fanOut(n), accessOf(state, 1));
    const NodeCursor root(&file, 1, 0);
    for (auto _ : state) {
        const int count = root.childCount();
        qint64 bytes = 0;
        for (int k = 0; k < count; ++k) {
            bytes += root.child(k)->nodeText().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_ListChildrenWithTexts)
    ->ArgNames({"children", "positioned"})
    ->ArgsProduct({{10, 1000, 50000}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

const QString& tenColumns() {
    static const QString path = [] {
        CatalogBuilder b;
        QList<int> columns;
        for (int d = 0; d < 10; ++d) {
            QStringList texts;
            for (int i = 0; i < 500; ++i) {
                texts << QStringLiteral("Value %1 of column %2").arg(i).arg(d);
            }
            columns << b.addDictionary("COL" + QByteArray::number(d), texts);
        }
        QList<QList<int>> records;
        for (int r = 0; r < 5000; ++r) {
            QList<int> values;
            for (int d = 0; d < 10; ++d) {
                values << (r * 7 + d) % 500;
            }
            records << values;
        }
        const int wines = b.addRecordTable("Wines", columns, records);
        b.addLevel("Records", 2, 11, {{2500, wines, {}}});
        return writeCatalogue("records.res", b.build());
    }();
    return path;
}

void BM_OpenRecordReadTenColumns(benchmark::State& state) {
    corkwise::ErrorLog::setEnabled(false);
    CatalogFile file(tenColumns(), accessOf(state, 0));
    const NodeCursor node(&file, 11, 0);
    QList<QByteArray> names;
    for (int d = 0; d < 10; ++d) {
        names << "COL" + QByteArray::number(d);
    }
    for (auto _ : state) {
        auto record = node.openRecord();
        qint64 bytes = 0;
        for (const QByteArray& name : names) {
            bytes += record->columnText(name).value_or(QByteArray()).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_OpenRecordReadTenColumns)->ArgName("positioned")->Arg(0)->Arg(1);

}  // namespace

// The check the program makes before each step of a search: has the catalogue been changed
// under it since it was opened (docs/performance.md, "A catalogue changed under the program")?
void BM_CatalogueChangeCheck(benchmark::State& state) {
    corkwise::ErrorLog::setEnabled(false);
    CatalogFile file(hundredTables(), CatalogFile::Access::Mapped);
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.hasChangedOnDisk());
    }
}
BENCHMARK(BM_CatalogueChangeCheck);

BENCHMARK_MAIN();
