// The catalogue file against SQLite: the same generated catalogue compiled to wcat.res and
// loaded into an SQLite database, read the way the screens read it. See docs/performance.md.

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogTable.h"
#include "catalog/LevelTable.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "catalog/RecordTable.h"
#include "catalogtool/CatalogCompiler.h"
#include "catalogtool/SourceGenerator.h"
#include "common/ErrorLog.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>

namespace {

using corkwise::Catalog;
using corkwise::NodeCursor;
using corkwise::RecordCursor;
namespace tool = corkwise::tool;

constexpr qint64 kLargestCatalogue = 293346;  // docs/catalogue-sources.md, "Capacity"
const std::array<int, 3> kFanOuts = {10, 1000, 50000};
// The columns the wine page and its Info box read for each wine.
const char* const kWineColumns[] = {"VINTAGE",  "SCORE",       "DESIGNATION",
                                    "PRODUCER", "APPELLATION", "VARIETY"};

void fail(const QString& what) {
    std::fprintf(stderr, "bench_sqlite: %s\n", qPrintable(what));
    std::exit(1);
}

// A prepared SQLite statement, reset after each use.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
            fail(QStringLiteral("%1: %2").arg(QLatin1String(sql),
                                              QLatin1String(sqlite3_errmsg(db))));
        }
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const { return stmt_; }
    void run() {
        if (sqlite3_step(stmt_) != SQLITE_DONE) {
            fail(QLatin1String(sqlite3_errmsg(sqlite3_db_handle(stmt_))));
        }
        sqlite3_reset(stmt_);
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

void exec(sqlite3* db, const QByteArray& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        fail(QStringLiteral("%1: %2").arg(QString::fromLatin1(sql), QLatin1String(message)));
    }
}

QByteArray columnBytes(sqlite3_stmt* stmt, int column) {
    return QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                      sqlite3_column_bytes(stmt, column));
}

// One generated catalogue in both stores.
struct Dataset {
    qint64 wines = 0;
    QString catalogue;
    QString database;
    std::array<int, 3> fanOutChild{};    // child index of each fan-out food type in FWPLevelTable0
    std::array<qint64, 3> fanOutNode{};  // the same node's id in the database
    std::vector<std::pair<int, int>> sampleWines;  // (record table, row) of wines to open
};

// Copies every tree of the catalogue into table node, keyed by parent and position so that a
// node's children are one range of the primary key, and every record into one table per kind
// of record table (Wines, VintageCharts, BestProducers), keyed by table number * 65536 + row.
void fillDatabase(const QString& cataloguePath, const QString& databasePath) {
    sqlite3* db = nullptr;
    if (sqlite3_open(databasePath.toUtf8().constData(), &db) != SQLITE_OK) {
        fail(QStringLiteral("cannot create ") + databasePath);
    }
    exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA page_size=4096;");
    exec(db,
         "CREATE TABLE tree(name TEXT PRIMARY KEY, root INTEGER NOT NULL) WITHOUT ROWID;"
         "CREATE TABLE node(parent INTEGER NOT NULL, ord INTEGER NOT NULL, id INTEGER NOT NULL,"
         " text TEXT, rec INTEGER, PRIMARY KEY(parent, ord)) WITHOUT ROWID;");
    exec(db, "BEGIN");
    Catalog catalog(cataloguePath);
    Statement tree(db, "INSERT INTO tree VALUES (?1, ?2)");
    Statement node(db, "INSERT INTO node VALUES (?1, ?2, ?3, ?4, ?5)");
    qint64 nextId = 1;
    for (const char* name :
         {"FWLevelTable0", "FWPLevelTable0", "VCHLevelTable0", "BVLevelTable0", "BPLevelTable0"}) {
        std::deque<std::pair<std::unique_ptr<NodeCursor>, qint64>> queue;
        queue.emplace_back(catalog.openLevelTable(name), nextId++);
        sqlite3_bind_text(tree.get(), 1, name, -1, SQLITE_STATIC);
        sqlite3_bind_int64(tree.get(), 2, queue.front().second);
        tree.run();
        while (!queue.empty()) {
            auto [parent, parentId] = std::move(queue.front());
            queue.pop_front();
            for (int k = 0; k < parent->childCount(); ++k) {
                std::unique_ptr<NodeCursor> child = parent->child(k);
                const qint64 id = nextId++;
                sqlite3_bind_int64(node.get(), 1, parentId);
                sqlite3_bind_int(node.get(), 2, k);
                sqlite3_bind_int64(node.get(), 3, id);
                if (child->nodeKind() == NodeCursor::kDictionaryNode) {
                    const QByteArray text = child->nodeText();
                    sqlite3_bind_text(node.get(), 4, text.constData(),
                                      static_cast<int>(text.size()), SQLITE_TRANSIENT);
                    sqlite3_bind_null(node.get(), 5);
                    queue.emplace_back(std::move(child), id);
                } else {
                    const int row = child->row();
                    sqlite3_bind_null(node.get(), 4);
                    sqlite3_bind_int64(node.get(), 5,
                                       qint64{child->table()->nodeTarget(row)} * 65536 +
                                           child->table()->nodeValue(row));
                }
                node.run();
            }
        }
    }
    QSet<QByteArray> created;
    for (int t = 0; catalog.tableAt(t); ++t) {
        const auto* records = dynamic_cast<const corkwise::RecordTable*>(catalog.tableAt(t));
        if (!records) {
            continue;
        }
        QByteArray kind = catalog.tableShortName(t);
        while (!kind.isEmpty() && kind.back() >= '0' && kind.back() <= '9') {
            kind.chop(1);
        }
        QList<QByteArray> names;
        for (const int d : records->columns()) {
            names.append('"' + catalog.tableShortName(d) + '"');
        }
        if (!created.contains(kind)) {
            exec(db, "CREATE TABLE " + kind + "(id INTEGER PRIMARY KEY, " + names.join(" TEXT, ") +
                         " TEXT)");
            created.insert(kind);
        }
        QByteArray insert = "INSERT INTO " + kind + " VALUES (?1";
        for (qsizetype j = 0; j < names.size(); ++j) {
            insert += ", ?" + QByteArray::number(j + 2);
        }
        insert += ")";
        Statement row(db, insert.constData());
        for (int r = 1; r < records->rowCount(); ++r) {
            RecordCursor record(catalog.file(), records, r);
            sqlite3_bind_int64(row.get(), 1, qint64{t} * 65536 + r);
            for (qsizetype j = 0; j < names.size(); ++j) {
                const QByteArray text =
                    record.columnText(names[j].mid(1, names[j].size() - 2)).value_or(QByteArray());
                sqlite3_bind_text(row.get(), static_cast<int>(j + 2), text.constData(),
                                  static_cast<int>(text.size()), SQLITE_TRANSIENT);
            }
            row.run();
        }
    }
    exec(db, "COMMIT; ANALYZE;");
    sqlite3_close(db);
}

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

// Wines to open: 1,024 spread over the whole catalogue, as (record table, row).
std::vector<std::pair<int, int>> sampleWines(const Catalog& catalog, qint64 wines) {
    std::vector<std::pair<int, int>> sample;
    const int first = catalog.indexOfTable("Wines0");
    for (quint64 i = 0; i < 1024; ++i) {
        const quint64 w = ((i + 1) * 0x9E3779B97F4A7C15ull >> 20) % static_cast<quint64>(wines);
        sample.emplace_back(first + static_cast<int>(w / 65535), static_cast<int>(w % 65535) + 1);
    }
    return sample;
}

// Generates WINES wines (generator key 1). With fan-outs, three food types are added whose foods
// number 10, 1,000 and 50,000, each food paired with one wine, for the listing benchmarks.
Dataset makeDataset(qint64 wines, bool fanOuts) {
    Dataset d;
    d.wines = wines;
    const QString dir = scratch().filePath(QString::number(wines));
    QString error;
    tool::Sources sources;
    if (!tool::generateSources(wines, 1, dir, &error) ||
        !tool::loadSources(dir, &sources, &error)) {
        fail(error);
    }
    if (fanOuts) {
        for (const int n : kFanOuts) {
            tool::FoodPairing pairing;
            pairing.foodType = static_cast<std::uint16_t>(
                sources.dicts[tool::kDictFoodType].intern("Fan-out " + std::to_string(n)));
            for (int i = 0; i < n; ++i) {
                pairing.food = static_cast<std::uint16_t>(sources.dicts[tool::kDictFood].intern(
                    "Dish " + std::to_string(n) + "." + std::to_string(i)));
                pairing.wine = static_cast<std::uint32_t>(i % wines);
                sources.pairings.push_back(pairing);
            }
        }
    }
    QByteArray image;
    d.catalogue = dir + QStringLiteral("/wcat.res");
    d.database = dir + QStringLiteral("/wcat.sqlite");
    if (!tool::compileCatalogue(sources, &image, &error) ||
        !tool::saveCatalogue(image, d.catalogue, &error)) {
        fail(error);
    }
    QFile::remove(d.database);
    fillDatabase(d.catalogue, d.database);

    Catalog catalog(d.catalogue);
    d.sampleWines = sampleWines(catalog, wines);
    const std::unique_ptr<NodeCursor> food = catalog.openLevelTable("FWPLevelTable0");
    for (int k = 0; fanOuts && k < food->childCount(); ++k) {
        for (size_t f = 0; f < kFanOuts.size(); ++f) {
            if (food->child(k)->nodeText() == "Fan-out " + QByteArray::number(kFanOuts[f])) {
                d.fanOutChild[f] = k;
            }
        }
    }
    sqlite3* db = nullptr;
    sqlite3_open_v2(d.database.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    {
        Statement find(db,
                       "SELECT n.id FROM tree t JOIN node n ON n.parent = t.root "
                       "WHERE t.name = 'FWPLevelTable0' AND n.ord = ?1");
        for (size_t f = 0; fanOuts && f < kFanOuts.size(); ++f) {
            sqlite3_bind_int(find.get(), 1, d.fanOutChild[f]);
            sqlite3_step(find.get());
            d.fanOutNode[f] = sqlite3_column_int64(find.get(), 0);
            sqlite3_reset(find.get());
        }
    }
    sqlite3_close(db);
    return d;
}

const Dataset& dataset(int which) {
    static const Dataset sizes[2] = {makeDataset(100000, true),
                                     makeDataset(kLargestCatalogue, false)};
    return sizes[which];
}

const char* datasetName(int which) {
    return which == 0 ? "100k" : "largest";
}

sqlite3* openDatabase(const QString& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        fail(QStringLiteral("cannot open ") + path);
    }
    return db;
}

// An open database with the statements the screens would use.
struct Database {
    struct Handle {
        explicit Handle(const QString& path) : db(openDatabase(path)) {}
        ~Handle() { sqlite3_close(db); }
        sqlite3* db;
    };
    explicit Database(const QString& path)
        : handle(path),
          children(handle.db, "SELECT id, text, rec FROM node WHERE parent = ?1 ORDER BY ord"),
          root(handle.db, "SELECT root FROM tree WHERE name = ?1"),
          wine(handle.db,
               "SELECT \"VINTAGE\", \"SCORE\", \"DESIGNATION\", \"PRODUCER\", "
               "\"APPELLATION\", \"VARIETY\" FROM Wines WHERE id = ?1") {}
    Handle handle;  // closed after the statements are finalised
    Statement children;
    Statement root;
    Statement wine;
};

// --- the work, the same for both stores ----------------------------------------------------------

int pick(quint64 descent, int level, int count) {
    const quint64 h = ((descent + 1) * 0x9E3779B97F4A7C15ull) ^
                      (static_cast<quint64>(level + 1) * 0xBF58476D1CE4E5B9ull);
    return static_cast<int>((h >> 17) % static_cast<quint64>(count));
}

// The children of NODE with their texts, as a choice list shows them.
int listCatalogue(const NodeCursor& node) {
    const int count = node.childCount();
    for (int k = 0; k < count; ++k) {
        QByteArray text = node.child(k)->nodeText();
        benchmark::DoNotOptimize(text.data());
    }
    return count;
}

int listSqlite(Database& d, qint64 node, std::vector<qint64>* ids = nullptr, int idColumn = 0) {
    sqlite3_stmt* stmt = d.children.get();
    sqlite3_bind_int64(stmt, 1, node);
    int count = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        if (ids) {
            ids->push_back(sqlite3_column_int64(stmt, idColumn));
        }
        QByteArray text = columnBytes(stmt, 1);
        benchmark::DoNotOptimize(text.data());
        ++count;
    }
    sqlite3_reset(stmt);
    return count;
}

void readWineColumns(const RecordCursor& record) {
    for (const char* column : kWineColumns) {
        QByteArray text = record.columnText(column).value_or(QByteArray());
        benchmark::DoNotOptimize(text.data());
    }
}

void readWineCatalogue(const Catalog& catalog, int table, int row) {
    const RecordCursor record(
        catalog.file(), static_cast<const corkwise::RecordTable*>(catalog.tableAt(table)), row);
    readWineColumns(record);
}

void readWineSqlite(Database& d, qint64 rec) {
    sqlite3_stmt* stmt = d.wine.get();
    sqlite3_bind_int64(stmt, 1, rec);
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < static_cast<int>(std::size(kWineColumns)); ++c) {
            QByteArray text = columnBytes(stmt, c);
            benchmark::DoNotOptimize(text.data());
        }
    }
    sqlite3_reset(stmt);
}

qint64 recordId(int table, int row) {
    return qint64{table} * 65536 + row;
}

// A whole Find Wine descent: eight choice lists (origin .. product), each listed whole with its
// texts, one child picked by a fixed rule, then every wine of the product opened for the grid
// and the Info box. Both stores follow the same path. Returns the number of wines.
int descendCatalogue(const Catalog& catalog, quint64 descent) {
    std::unique_ptr<NodeCursor> node = catalog.openLevelTable("FWLevelTable0");
    for (int level = 0; level < 8; ++level) {
        node = node->child(pick(descent, level, listCatalogue(*node)));
    }
    const int wines = node->childCount();
    for (int k = 0; k < wines; ++k) {
        readWineColumns(*node->child(k)->openRecord());
    }
    return wines;
}

int descendSqlite(Database& d, quint64 descent) {
    sqlite3_bind_text(d.root.get(), 1, "FWLevelTable0", -1, SQLITE_STATIC);
    sqlite3_step(d.root.get());
    qint64 node = sqlite3_column_int64(d.root.get(), 0);
    sqlite3_reset(d.root.get());
    std::vector<qint64> ids;
    for (int level = 0; level < 8; ++level) {
        ids.clear();
        const int count = listSqlite(d, node, &ids);
        node = ids[static_cast<size_t>(pick(descent, level, count))];
    }
    ids.clear();
    listSqlite(d, node, &ids, 2);
    for (const qint64 rec : ids) {
        readWineSqlite(d, rec);
    }
    return static_cast<int>(ids.size());
}

// The stores opened once per dataset for the benchmarks that do not measure opening.
struct Stores {
    explicit Stores(const Dataset& d) : catalog(d.catalogue), database(d.database) {}
    Catalog catalog;
    Database database;
};

Stores& stores(int which) {
    static std::unique_ptr<Stores> open[2];
    if (!open[which]) {
        open[which] = std::make_unique<Stores>(dataset(which));
    }
    return *open[which];
}

// --- benchmarks --------------------------------------------------------------------------------

void BM_Open_Catalogue(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const Dataset& d = dataset(which);
    for (auto _ : state) {
        Catalog catalog(d.catalogue);
        const std::unique_ptr<NodeCursor> root = catalog.openLevelTable("FWLevelTable0");
        benchmark::DoNotOptimize(root.get());
    }
    state.counters["file_kb"] = static_cast<double>(QFileInfo(d.catalogue).size() / 1024);
    state.SetLabel(datasetName(which));
}

void BM_Open_Sqlite(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    const Dataset& d = dataset(which);
    for (auto _ : state) {
        Database database(d.database);
        sqlite3_bind_text(database.root.get(), 1, "FWLevelTable0", -1, SQLITE_STATIC);
        sqlite3_step(database.root.get());
        benchmark::DoNotOptimize(sqlite3_column_int64(database.root.get(), 0));
        sqlite3_reset(database.root.get());
    }
    state.counters["file_kb"] = static_cast<double>(QFileInfo(d.database).size() / 1024);
    state.SetLabel(datasetName(which));
}

void BM_List_Catalogue(benchmark::State& state) {
    Stores& s = stores(0);
    const std::unique_ptr<NodeCursor> node =
        s.catalog.openLevelTable("FWPLevelTable0")
            ->child(dataset(0).fanOutChild[static_cast<size_t>(state.range(0))]);
    int count = 0;
    for (auto _ : state) {
        count = listCatalogue(*node);
    }
    state.SetLabel(std::to_string(count) + " children");
}

void BM_List_Sqlite(benchmark::State& state) {
    Stores& s = stores(0);
    const qint64 node = dataset(0).fanOutNode[static_cast<size_t>(state.range(0))];
    int count = 0;
    for (auto _ : state) {
        count = listSqlite(s.database, node);
    }
    state.SetLabel(std::to_string(count) + " children");
}

void BM_Wine_Catalogue(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    Stores& s = stores(which);
    const auto& wines = dataset(which).sampleWines;
    size_t i = 0;
    for (auto _ : state) {
        const auto& [table, row] = wines[i++ % wines.size()];
        readWineCatalogue(s.catalog, table, row);
    }
    state.SetLabel(datasetName(which));
}

void BM_Wine_Sqlite(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    Stores& s = stores(which);
    const auto& wines = dataset(which).sampleWines;
    size_t i = 0;
    for (auto _ : state) {
        const auto& [table, row] = wines[i++ % wines.size()];
        readWineSqlite(s.database, recordId(table, row));
    }
    state.SetLabel(datasetName(which));
}

void BM_Descent_Catalogue(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    Stores& s = stores(which);
    quint64 descent = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(descendCatalogue(s.catalog, descent++ % 256));
    }
    state.SetLabel(datasetName(which));
}

void BM_Descent_Sqlite(benchmark::State& state) {
    const int which = static_cast<int>(state.range(0));
    Stores& s = stores(which);
    quint64 descent = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(descendSqlite(s.database, descent++ % 256));
    }
    state.SetLabel(datasetName(which));
}

// Resident memory: a fresh process (this program started with --resident) opens one store,
// runs 256 descents and opens 1,024 wines, and reports how much its resident memory grew, in
// all and in anonymous (heap) pages. Mapped catalogue pages count as resident while mapped.

qint64 residentKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<qsizetype>(std::strlen(field)))
                .trimmed()
                .split(' ')
                .first()
                .toLongLong();
        }
    }
    return -1;
}

int measureResident(const QString& store, const QString& cataloguePath, const QString& databasePath,
                    qint64 wineCount) {
    std::vector<std::pair<int, int>> wines;
    {
        const Catalog catalog(cataloguePath);
        wines = sampleWines(catalog, wineCount);
    }
    const qint64 before = residentKb("VmRSS:");
    const qint64 anonBefore = residentKb("RssAnon:");
    qint64 grown = 0;
    qint64 anonGrown = 0;
    if (store == QLatin1String("sqlite")) {
        Database database(databasePath);
        for (quint64 descent = 0; descent < 256; ++descent) {
            descendSqlite(database, descent);
        }
        for (const auto& [table, row] : wines) {
            readWineSqlite(database, recordId(table, row));
        }
        grown = residentKb("VmRSS:") - before;
        anonGrown = residentKb("RssAnon:") - anonBefore;
    } else {
        const Catalog catalog(cataloguePath);
        for (quint64 descent = 0; descent < 256; ++descent) {
            descendCatalogue(catalog, descent);
        }
        for (const auto& [table, row] : wines) {
            readWineCatalogue(catalog, table, row);
        }
        grown = residentKb("VmRSS:") - before;
        anonGrown = residentKb("RssAnon:") - anonBefore;
    }
    std::printf("%lld %lld\n", static_cast<long long>(grown), static_cast<long long>(anonGrown));
    return 0;
}

QString& selfPath() {
    static QString path;
    return path;
}

void BM_Memory(benchmark::State& state, const char* store) {
    const int which = static_cast<int>(state.range(0));
    const Dataset& d = dataset(which);
    QList<QByteArray> numbers;
    for (auto _ : state) {
        QProcess process;
        process.start(selfPath(), {QStringLiteral("--resident"), QLatin1String(store), d.catalogue,
                                   d.database, QString::number(d.wines)});
        process.waitForFinished(-1);
        numbers = process.readAllStandardOutput().trimmed().split(' ');
    }
    if (numbers.size() != 2) {
        state.SkipWithError("the measuring process failed");
        return;
    }
    state.counters["rss_kb"] = numbers[0].toDouble();
    state.counters["anon_kb"] = numbers[1].toDouble();
    state.SetLabel(datasetName(which));
}

void BM_Memory_Catalogue(benchmark::State& state) {
    BM_Memory(state, "catalogue");
}
void BM_Memory_Sqlite(benchmark::State& state) {
    BM_Memory(state, "sqlite");
}

BENCHMARK(BM_Open_Catalogue)->ArgName("largest")->Arg(0)->Arg(1);
BENCHMARK(BM_Open_Sqlite)->ArgName("largest")->Arg(0)->Arg(1);
BENCHMARK(BM_List_Catalogue)->ArgName("fanout")->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_List_Sqlite)->ArgName("fanout")->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_Wine_Catalogue)->ArgName("largest")->Arg(0)->Arg(1);
BENCHMARK(BM_Wine_Sqlite)->ArgName("largest")->Arg(0)->Arg(1);
BENCHMARK(BM_Descent_Catalogue)->ArgName("largest")->Arg(0)->Arg(1);
BENCHMARK(BM_Descent_Sqlite)->ArgName("largest")->Arg(0)->Arg(1);
BENCHMARK(BM_Memory_Catalogue)->ArgName("largest")->Arg(0)->Arg(1)->Iterations(1);
BENCHMARK(BM_Memory_Sqlite)->ArgName("largest")->Arg(0)->Arg(1)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    corkwise::ErrorLog::setEnabled(false);
    if (argc == 6 && std::strcmp(argv[1], "--resident") == 0) {
        return measureResident(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                               QString::fromLocal8Bit(argv[4]), std::atoll(argv[5]));
    }
    selfPath() = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    std::fprintf(stderr, "bench_sqlite: building both catalogues in both stores...\n");
    dataset(0);
    dataset(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
