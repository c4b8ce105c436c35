#include "catalogtool/CatalogCompiler.h"

#include "common/SafeWrite.h"
#include "common/TextFolding.h"

#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"
#include "catalog/Placeholders.h"

#include <QIODevice>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace corkwise::tool {

namespace fmt = catalog_format;

namespace {

QString number(qint64 n) {
    return QLocale(QLocale::English).toString(n);
}

// One level of a search tree while it is built: nodes, and all their child row numbers back to
// back (each node's children are one contiguous run).
struct LevelNode {
    std::uint16_t value = 0;
    std::uint8_t target = 0;
    std::uint32_t childBegin = 0;
    std::uint32_t childEnd = 0;
};

struct Level {
    QByteArray name;
    int kind = fmt::kDictionaryLevel;
    int next = 0;  // table number of the next level
    std::vector<LevelNode> nodes;
    std::vector<std::uint32_t> children;

    std::uint32_t add(std::uint16_t value, int target) {
        LevelNode node;
        node.value = value;
        node.target = static_cast<std::uint8_t>(target);
        node.childBegin = node.childEnd = static_cast<std::uint32_t>(children.size());
        nodes.push_back(node);
        return static_cast<std::uint32_t>(nodes.size() - 1);
    }
    void addChild(std::uint32_t row) {
        children.push_back(row);
        nodes.back().childEnd = static_cast<std::uint32_t>(children.size());
    }
};

// A table ready to be laid out: directory fields and its block.
struct Table {
    QByteArray name;
    int kind = 0;
    QByteArray block;
};

// Limits on one block, checked before anything is written into it.
bool checkBlock(const QByteArray& name, qint64 rows, qint64 size, const FormatLimits& limits,
                QString* error) {
    if (rows > limits.maxBlockSize) {
        *error = QStringLiteral("table %1 would have %2 rows; a 24-bit row count holds at most %3")
                     .arg(QString::fromLatin1(name), number(rows), number(limits.maxBlockSize));
        return false;
    }
    if (size > limits.maxBlockSize) {
        *error = QStringLiteral(
                     "table %1 would take %2 bytes; a block must be smaller than 16 MiB "
                     "(its 24-bit size holds at most %3)")
                     .arg(QString::fromLatin1(name), number(size), number(limits.maxBlockSize));
        return false;
    }
    return true;
}

// A dictionary: row i is the text of source value ORDER[i] (ORDER is a permutation of the
// pool's values).
bool dictionaryBlock(const QByteArray& name, const TextPool& pool,
                     const std::vector<std::uint16_t>& order, const FormatLimits& limits,
                     QByteArray* block, QString* error) {
    const qint64 rows = pool.size();
    qint64 size = fmt::kBlockHeaderSize + rows * fmt::kRowIndexEntrySize;
    for (const std::string& t : pool.texts()) {
        size += static_cast<qint64>(t.size());
    }
    if (!checkBlock(name, rows, size, limits, error)) {
        return false;
    }
    block->resize(static_cast<qsizetype>(size));
    char* p = block->data();
    coding::putU24(p, static_cast<std::uint32_t>(rows));
    coding::putU24(p + coding::kU24Size, 0);
    std::uint32_t offset =
        static_cast<std::uint32_t>(fmt::kBlockHeaderSize + rows * fmt::kRowIndexEntrySize);
    for (qint64 i = 0; i < rows; ++i) {
        const std::string& t = pool.texts()[order[static_cast<size_t>(i)]];
        coding::putU24(p + fmt::kBlockHeaderSize + i * fmt::kRowIndexEntrySize, offset);
        std::copy(t.begin(), t.end(), p + offset);
        offset += static_cast<std::uint32_t>(t.size());
    }
    return true;
}

bool levelBlock(const Level& level, const FormatLimits& limits, QByteArray* block, QString* error) {
    const qint64 rows = static_cast<qint64>(level.nodes.size());
    const qint64 size = fmt::kBlockHeaderSize +
                        rows * (fmt::kRowIndexEntrySize + fmt::kNodeChildrenOffset) +
                        static_cast<qint64>(level.children.size()) * fmt::kNodeChildSize;
    if (!checkBlock(level.name, rows, size, limits, error)) {
        return false;
    }
    block->resize(static_cast<qsizetype>(size));
    char* p = block->data();
    coding::putU24(p, static_cast<std::uint32_t>(rows));
    coding::putU24(p + coding::kU24Size, static_cast<std::uint32_t>(level.next));
    std::uint32_t offset =
        static_cast<std::uint32_t>(fmt::kBlockHeaderSize + rows * fmt::kRowIndexEntrySize);
    for (qint64 i = 0; i < rows; ++i) {
        const LevelNode& node = level.nodes[static_cast<size_t>(i)];
        coding::putU24(p + fmt::kBlockHeaderSize + i * fmt::kRowIndexEntrySize, offset);
        char* row = p + offset;
        coding::putU16(row + fmt::kNodeValueOffset, node.value);
        row[fmt::kNodeTargetOffset] = static_cast<char>(node.target);
        char* child = row + fmt::kNodeChildrenOffset;
        for (std::uint32_t c = node.childBegin; c < node.childEnd; ++c) {
            coding::putU24(child, level.children[c]);
            child += fmt::kNodeChildSize;
        }
        offset = static_cast<std::uint32_t>(child - p);
    }
    return true;
}

// A record table: row 0 the column dictionaries, then ROWS records of COLUMNS value ids each,
// filled by FILL(record index, destination).
template <typename Fill>
bool recordBlock(const QByteArray& name, const std::vector<int>& columns, std::uint32_t rows,
                 Fill fill, const FormatLimits& limits, QByteArray* block, QString* error) {
    const qint64 width = static_cast<qint64>(columns.size()) * fmt::kValueIdSize;
    const qint64 size = fmt::kBlockHeaderSize + (rows + 1) * width;
    if (!checkBlock(name, rows + 1, size, limits, error)) {
        return false;
    }
    block->resize(static_cast<qsizetype>(size));
    char* p = block->data();
    coding::putU24(p, rows + 1);
    coding::putU24(p + coding::kU24Size, static_cast<std::uint32_t>(width));
    char* row = p + fmt::kBlockHeaderSize;
    for (const int c : columns) {
        coding::putU16(row, static_cast<std::uint32_t>(c));
        row += fmt::kValueIdSize;
    }
    std::vector<std::uint16_t> values(columns.size());
    for (std::uint32_t r = 0; r < rows; ++r) {
        fill(r, values.data());
        for (const std::uint16_t v : values) {
            coding::putU16(row, v);
            row += fmt::kValueIdSize;
        }
    }
    return true;
}

// Sort ranks of the texts of one dictionary: alphabetical, ignoring case and accents, ties in
// byte order (common/TextFolding.h), as the name search orders its results.
std::vector<std::uint32_t> alphabeticalRanks(const TextPool& pool) {
    const auto& texts = pool.texts();
    std::vector<std::string> folded(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        folded[i] = foldWindows1252(texts[i]);
    }
    std::vector<std::uint32_t> order(texts.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return alphabeticallyBefore(folded[a], texts[a], folded[b], texts[b]);
    });
    std::vector<std::uint32_t> rank(texts.size());
    for (size_t i = 0; i < order.size(); ++i) {
        rank[order[i]] = static_cast<std::uint32_t>(i);
    }
    return rank;
}

// Vintages: texts that are not years first (alphabetically), then years in ascending order.
std::vector<std::uint32_t> vintageRanks(const TextPool& pool) {
    std::vector<std::uint32_t> rank = alphabeticalRanks(pool);
    // Digits sort before letters, so years come first alphabetically; move them behind.
    const auto& texts = pool.texts();
    const auto isYear = [](const std::string& t) {
        return t.size() == 4 &&
               std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    for (size_t i = 0; i < texts.size(); ++i) {
        if (isYear(texts[i])) {
            rank[i] += static_cast<std::uint32_t>(texts.size());
        }
    }
    return rank;
}

class Compiler {
public:
    Compiler(const Sources& sources, const ProgressFunction& progress, const FormatLimits& limits)
        : s_(sources), progress_(progress), limits_(limits) {}

    bool run(QByteArray* image, QString* error, CompileStats* stats);

private:
    void say(const char* what, int percent) {
        if (progress_) {
            progress_(QLatin1String(what), percent);
        }
    }
    std::uint32_t rank(int dict, std::uint16_t value) const {
        return ranks_[static_cast<size_t>(dict)][value];
    }
    // The value id written for source value VALUE of DICT: its position in the dictionary's
    // sorted order.
    std::uint16_t id(int dict, std::uint16_t value) const {
        return ids_[static_cast<size_t>(dict)][value];
    }
    // Numbers the values of every dictionary in the order of their ranks (a dictionary
    // without ranks keeps its source order). The trees list children in that order, so a
    // list's texts then lie one after the other in the file instead of scattered over the
    // dictionary: a long list reads its texts as one run.
    void numberValues() {
        orders_.resize(kDictCount);
        ids_.resize(kDictCount);
        for (size_t d = 0; d < static_cast<size_t>(kDictCount); ++d) {
            const size_t n = static_cast<size_t>(s_.dicts[d].size());
            std::vector<std::uint16_t>& order = orders_[d];
            order.resize(n);
            std::iota(order.begin(), order.end(), std::uint16_t{0});
            if (!ranks_[d].empty()) {
                std::stable_sort(order.begin(), order.end(), [&](std::uint16_t a, std::uint16_t b) {
                    return ranks_[d][a] < ranks_[d][b];
                });
            }
            ids_[d].resize(n);
            for (size_t i = 0; i < n; ++i) {
                ids_[d][order[i]] = static_cast<std::uint16_t>(i);
            }
        }
    }
    bool pathLess(const ChartPath& a, const ChartPath& b) const {
        static const int kDicts[5] = {kDictOrigin, kDictSsf, kDictType, kDictRegion,
                                      kDictAppellationVariety};
        for (size_t k = 0; k < 5; ++k) {
            if (a[k] != b[k]) {
                return rank(kDicts[k], a[k]) < rank(kDicts[k], b[k]);
            }
        }
        return false;
    }
    // Number of record tables that COUNT records take (at least one, even when empty).
    int tablesFor(size_t count) const {
        return static_cast<int>(
            std::max<size_t>(1, (count + limits_.recordsPerTable - 1) / limits_.recordsPerTable));
    }
    // Adds to LEVEL the record node of record I of the records whose tables start at FIRSTTABLE.
    std::uint32_t addRecordNode(Level& level, size_t i, int firstTable) const {
        return level.add(static_cast<std::uint16_t>(i % limits_.recordsPerTable + 1),
                         firstTable + static_cast<int>(i / limits_.recordsPerTable));
    }

    // Creates the levels of a tree: LEVELS[0] gets the root, levels 1 to DEPTH one dictionary
    // node per distinct path prefix of the COUNT items (which come sorted), and the last
    // dictionary level the leaves LEAF(i) as children. PATH(i, k) is item i's value at level k
    // (1..DEPTH), drawn from dictionary DICTS[k - 1].
    template <typename Path, typename Leaf>
    void sweep(std::vector<Level>& levels, int depth, const int* dicts, size_t count, Path path,
               Leaf leaf) {
        levels[0].add(0, dicts[0]);
        std::vector<std::uint16_t> prev(static_cast<size_t>(depth) + 1);
        for (size_t i = 0; i < count; ++i) {
            int k = 1;
            if (i > 0) {
                while (k <= depth && path(i, k) == prev[static_cast<size_t>(k)]) {
                    ++k;
                }
            }
            for (; k <= depth; ++k) {
                const std::uint16_t v = path(i, k);
                prev[static_cast<size_t>(k)] = v;
                levels[static_cast<size_t>(k - 1)].addChild(
                    levels[static_cast<size_t>(k)].add(id(dicts[k - 1], v), dicts[k - 1]));
            }
            levels[static_cast<size_t>(depth)].addChild(leaf(i));
        }
    }

    // Appends the record tables PREFIX0, PREFIX1 ... holding COUNT records of COLUMNS;
    // FILL(i, destination) writes the value ids of record I.
    template <typename Fill>
    bool addRecordTables(const char* prefix, int tableCount, size_t count,
                         const std::vector<int>& columns, Fill fill, QString* error) {
        for (int k = 0; k < tableCount; ++k) {
            Table t;
            t.name = prefix + QByteArray::number(k);
            t.kind = fmt::kRecordTable;
            const size_t first = static_cast<size_t>(k) * limits_.recordsPerTable;
            const auto rows = static_cast<std::uint32_t>(
                std::min<size_t>(limits_.recordsPerTable, count - std::min(count, first)));
            if (!recordBlock(
                    t.name, columns, rows,
                    [&](std::uint32_t r, std::uint16_t* out) { fill(first + r, out); }, limits_,
                    &t.block, error)) {
                return false;
            }
            tables_.push_back(std::move(t));
        }
        return true;
    }

    void rankValues();
    void orderWines();
    bool planTables(QString* error);
    void buildFindWineTree();
    void buildFoodAndWineTree();
    void buildVintageChartTree();
    void buildBestValuesTree();
    void buildBestProducersTree();
    bool addDictionaryTables(QString* error);
    bool addWineTables(QString* error);
    bool addChartTables(QString* error);
    bool addBestProducerTables(QString* error);
    bool addLevelTables(QString* error);
    bool layOut(QByteArray* image, QString* error);

    const Sources& s_;
    const ProgressFunction& progress_;
    const FormatLimits limits_;
    std::vector<std::vector<std::uint32_t>> ranks_;
    std::vector<std::vector<std::uint16_t>> orders_;  // per dictionary: source values by id
    std::vector<std::vector<std::uint16_t>> ids_;     // per dictionary: id of each source value
    // Wines, charts and best producers in the order of their records.
    std::vector<std::uint32_t> wineOrder_;
    std::vector<std::uint32_t> positionOf_;  // wine -> record position and wine node row
    std::vector<std::uint32_t> chartOrder_;
    std::vector<std::uint32_t> bpOrder_;
    // Table numbers: dictionaries, record tables, then the levels of the five trees.
    int wineTables_ = 0;
    int chartTables_ = 0;
    int bpTables_ = 0;
    int firstWineTable_ = 0;
    int firstChartTable_ = 0;
    int firstBpTable_ = 0;
    int firstLevel_ = 0;
    std::vector<std::vector<Level>> trees_;
    std::vector<Table> tables_;  // blocks, in table-number order
    qint64 levelNodes_ = 0;
    qint64 bytes_ = 0;
};

bool Compiler::run(QByteArray* image, QString* error, CompileStats* stats) {
    say("sorting", 0);
    rankValues();
    orderWines();
    numberValues();
    say("sorting", 100);
    if (!planTables(error)) {
        return false;
    }
    say("building trees", 0);
    buildFindWineTree();
    say("building trees", 40);
    buildFoodAndWineTree();
    buildVintageChartTree();
    buildBestValuesTree();
    buildBestProducersTree();
    say("building trees", 100);
    if (!addDictionaryTables(error)) {
        return false;
    }
    say("writing", 10);
    if (!addWineTables(error) || !addChartTables(error) || !addBestProducerTables(error)) {
        return false;
    }
    say("writing", 30);
    if (!addLevelTables(error)) {
        return false;
    }
    say("writing", 60);
    if (!layOut(image, error)) {
        return false;
    }
    say("writing", 100);
    if (stats) {
        stats->tables = static_cast<int>(tables_.size());
        stats->bytes = bytes_;
        stats->wineTables = wineTables_;
        stats->levelNodes = levelNodes_;
    }
    return true;
}

// Sort ranks of every dictionary but the chart years; wines without designation first.
void Compiler::rankValues() {
    ranks_.resize(kDictCount);
    for (int d = 0; d < kDictFirstYearScore; ++d) {
        ranks_[static_cast<size_t>(d)] = d == kDictVintage
                                             ? vintageRanks(s_.dicts[static_cast<size_t>(d)])
                                             : alphabeticalRanks(s_.dicts[static_cast<size_t>(d)]);
    }
    const TextPool& pool = s_.dicts[kDictDesignation];
    auto& r = ranks_[kDictDesignation];
    for (int v = 0; v < pool.size(); ++v) {
        if (pool.texts()[static_cast<size_t>(v)] == fmt::kNoDesignation) {
            r[static_cast<size_t>(v)] = 0;
        } else {
            ++r[static_cast<size_t>(v)];
        }
    }
}

// Find Wine order, which is also the order of the wine records and of the wine nodes.
void Compiler::orderWines() {
    static const int kFindWineColumns[] = {kWineOrigin,  kWineSsf,     kWineType,
                                           kWineRegion,  kWineSegment, kWineProducer,
                                           kWineVintage, kWineProduct, kWineDesignation};
    constexpr size_t kKeys = std::size(kFindWineColumns);
    const size_t wineCount = s_.wines.size();
    std::vector<std::array<std::uint32_t, kKeys>> wineKeys(wineCount);
    for (size_t w = 0; w < wineCount; ++w) {
        for (size_t k = 0; k < kKeys; ++k) {
            const int column = kFindWineColumns[k];
            wineKeys[w][k] = rank(kWineColumnDicts[static_cast<size_t>(column)],
                                  s_.wines[w].values[static_cast<size_t>(column)]);
        }
    }
    wineOrder_.resize(wineCount);
    std::iota(wineOrder_.begin(), wineOrder_.end(), 0u);
    std::sort(wineOrder_.begin(), wineOrder_.end(), [&](std::uint32_t a, std::uint32_t b) {
        return wineKeys[a] != wineKeys[b] ? wineKeys[a] < wineKeys[b] : a < b;
    });
    wineKeys = {};
    positionOf_.resize(wineCount);
    for (size_t i = 0; i < wineCount; ++i) {
        positionOf_[wineOrder_[i]] = static_cast<std::uint32_t>(i);
    }
}

// Numbers the tables and creates the empty levels of the five trees; false when the catalogue
// would need more tables than a u8 table number reaches.
bool Compiler::planTables(QString* error) {
    wineTables_ = tablesFor(s_.wines.size());
    chartTables_ = tablesFor(s_.charts.size());
    bpTables_ = tablesFor(s_.bestProducers.size());
    firstWineTable_ = kDictCount;
    firstChartTable_ = firstWineTable_ + wineTables_;
    firstBpTable_ = firstChartTable_ + chartTables_;
    firstLevel_ = firstBpTable_ + bpTables_;
    struct TreeShape {
        const char* prefix;
        int dictLevels;     // levels of dictionary nodes, root included
        bool ownLeafLevel;  // whether a level of record nodes follows
    };
    // The Food and Wine and Best Values trees end in the Find Wine tree's wine level.
    static const TreeShape kTrees[] = {{"FWLevelTable", 9, true},
                                       {"FWPLevelTable", 3, false},
                                       {"VCHLevelTable", 6, true},
                                       {"BVLevelTable", 7, false},
                                       {"BPLevelTable", 6, true}};
    int tableCount = firstLevel_;
    for (const TreeShape& t : kTrees) {
        const int levelCount = t.dictLevels + (t.ownLeafLevel ? 1 : 0);
        std::vector<Level> levels(static_cast<size_t>(levelCount));
        for (int k = 0; k < levelCount; ++k) {
            Level& level = levels[static_cast<size_t>(k)];
            level.name = QByteArray(t.prefix) + QByteArray::number(k);
            level.next = tableCount + k + 1;
        }
        if (t.ownLeafLevel) {
            // Record nodes have no children; the level names itself as the next.
            levels.back().kind = fmt::kMixedLevel;
            levels.back().next = tableCount + levelCount - 1;
        }
        tableCount += levelCount;
        trees_.push_back(std::move(levels));
    }
    const int fwWineLevel = firstLevel_ + 9;
    trees_[1].back().next = fwWineLevel;
    trees_[3].back().next = fwWineLevel;
    if (tableCount > limits_.maxTables) {
        *error = QStringLiteral(
                     "the catalogue would need %1 tables (%2 of them for %3 wines, "
                     "%4 for %5 vintage charts, %6 for %7 best producers); tables are "
                     "numbered with 8 bits, so at most %8")
                     .arg(tableCount)
                     .arg(wineTables_)
                     .arg(number(static_cast<qint64>(s_.wines.size())))
                     .arg(chartTables_)
                     .arg(number(static_cast<qint64>(s_.charts.size())))
                     .arg(bpTables_)
                     .arg(number(static_cast<qint64>(s_.bestProducers.size())))
                     .arg(limits_.maxTables);
        return false;
    }
    tables_.reserve(static_cast<size_t>(tableCount));
    return true;
}

// Find Wine: origin .. product, then one record node per wine.
void Compiler::buildFindWineTree() {
    static const int kDicts[] = {kDictOrigin,  kDictSsf,      kDictType,    kDictRegion,
                                 kDictSegment, kDictProducer, kDictVintage, kDictProduct};
    static const int kCols[] = {kWineOrigin,  kWineSsf,      kWineType,    kWineRegion,
                                kWineSegment, kWineProducer, kWineVintage, kWineProduct};
    std::vector<Level>& levels = trees_[0];
    Level& wines = levels[9];
    wines.nodes.reserve(wineOrder_.size());
    sweep(
        levels, 8, kDicts, wineOrder_.size(),
        [&](size_t i, int k) {
            return s_.wines[wineOrder_[i]].values[static_cast<size_t>(kCols[k - 1])];
        },
        [&](size_t i) { return addRecordNode(wines, i, firstWineTable_); });
}

// Food and Wine: type of food, food, then the wines' nodes.
void Compiler::buildFoodAndWineTree() {
    std::vector<std::uint32_t> order(s_.pairings.size());
    std::iota(order.begin(), order.end(), 0u);
    const auto wineKey = [&](std::uint32_t w) {
        const auto& v = s_.wines[w].values;
        return std::array<std::uint32_t, 5>{
            rank(kDictOrigin, v[kWineOrigin]), rank(kDictRegion, v[kWineRegion]),
            rank(kDictAppellationVariety, v[kWineAppellationVariety]),
            rank(kDictProducer, v[kWineProducer]), w};
    };
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const FoodPairing& x = s_.pairings[a];
        const FoodPairing& y = s_.pairings[b];
        if (x.foodType != y.foodType) {
            return rank(kDictFoodType, x.foodType) < rank(kDictFoodType, y.foodType);
        }
        if (x.food != y.food) {
            return rank(kDictFood, x.food) < rank(kDictFood, y.food);
        }
        return wineKey(x.wine) < wineKey(y.wine);
    });
    // A wine named twice for one food is listed once.
    order.erase(std::unique(order.begin(), order.end(),
                            [&](std::uint32_t a, std::uint32_t b) {
                                const FoodPairing& x = s_.pairings[a];
                                const FoodPairing& y = s_.pairings[b];
                                return x.foodType == y.foodType && x.food == y.food &&
                                       x.wine == y.wine;
                            }),
                order.end());
    static const int kDicts[] = {kDictFoodType, kDictFood};
    sweep(
        trees_[1], 2, kDicts, order.size(),
        [&](size_t i, int k) {
            const FoodPairing& p = s_.pairings[order[i]];
            return k == 1 ? p.foodType : p.food;
        },
        [&](size_t i) { return positionOf_[s_.pairings[order[i]].wine]; });
}

// The dictionaries of the five choices of the chart and best-of trees, then the producer.
const int kPathDicts[] = {kDictOrigin,  kDictSsf, kDictType, kDictRegion, kDictAppellationVariety,
                          kDictProducer};

// Vintage Chart: the five choices, then the chart record.
void Compiler::buildVintageChartTree() {
    chartOrder_.resize(s_.charts.size());
    std::iota(chartOrder_.begin(), chartOrder_.end(), 0u);
    std::sort(chartOrder_.begin(), chartOrder_.end(), [&](std::uint32_t a, std::uint32_t b) {
        return pathLess(s_.charts[a].path, s_.charts[b].path);
    });
    Level& records = trees_[2][6];
    sweep(
        trees_[2], 5, kPathDicts, chartOrder_.size(),
        [&](size_t i, int k) { return s_.charts[chartOrder_[i]].path[static_cast<size_t>(k - 1)]; },
        [&](size_t i) { return addRecordNode(records, i, firstChartTable_); });
}

// Best Values: the five choices, the producer, then the wines' nodes.
void Compiler::buildBestValuesTree() {
    std::vector<std::uint32_t> order(s_.bestValues.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const BestValue& x = s_.bestValues[a];
        const BestValue& y = s_.bestValues[b];
        if (x.path != y.path) {
            return pathLess(x.path, y.path);
        }
        if (x.producer != y.producer) {
            return rank(kDictProducer, x.producer) < rank(kDictProducer, y.producer);
        }
        const std::uint32_t dx = rank(kDictDescription, s_.wines[x.wine].values[kWineDescription]);
        const std::uint32_t dy = rank(kDictDescription, s_.wines[y.wine].values[kWineDescription]);
        return dx != dy ? dx < dy : a < b;
    });
    sweep(
        trees_[3], 6, kPathDicts, order.size(),
        [&](size_t i, int k) {
            const BestValue& v = s_.bestValues[order[i]];
            return k <= 5 ? v.path[static_cast<size_t>(k - 1)] : v.producer;
        },
        [&](size_t i) { return positionOf_[s_.bestValues[order[i]].wine]; });
}

// Best Producers: the five choices, then the producer records.
void Compiler::buildBestProducersTree() {
    bpOrder_.resize(s_.bestProducers.size());
    std::iota(bpOrder_.begin(), bpOrder_.end(), 0u);
    std::sort(bpOrder_.begin(), bpOrder_.end(), [&](std::uint32_t a, std::uint32_t b) {
        const BestProducer& x = s_.bestProducers[a];
        const BestProducer& y = s_.bestProducers[b];
        if (x.path != y.path) {
            return pathLess(x.path, y.path);
        }
        return rank(kDictBestProducers, x.text) < rank(kDictBestProducers, y.text);
    });
    Level& records = trees_[4][6];
    sweep(
        trees_[4], 5, kPathDicts, bpOrder_.size(),
        [&](size_t i, int k) {
            return s_.bestProducers[bpOrder_[i]].path[static_cast<size_t>(k - 1)];
        },
        [&](size_t i) { return addRecordNode(records, i, firstBpTable_); });
}

bool Compiler::addDictionaryTables(QString* error) {
    for (int d = 0; d < kDictCount; ++d) {
        Table t;
        t.name = QByteArray(fmt::kDictionaryPrefix) + dictShortName(d).toLatin1();
        t.kind = fmt::kDictionary;
        if (!dictionaryBlock(t.name, s_.dicts[static_cast<size_t>(d)],
                             orders_[static_cast<size_t>(d)], limits_, &t.block, error)) {
            return false;
        }
        tables_.push_back(std::move(t));
    }
    return true;
}

// Wines0 ...: every wine column, in Find Wine order.
bool Compiler::addWineTables(QString* error) {
    // Dictionary d is table d.
    const std::vector<int> columns(std::begin(kWineColumnDicts), std::end(kWineColumnDicts));
    return addRecordTables(
        "Wines", wineTables_, wineOrder_.size(), columns,
        [&](size_t i, std::uint16_t* out) {
            const Wine& w = s_.wines[wineOrder_[i]];
            for (size_t c = 0; c < w.values.size(); ++c) {
                out[c] = id(kWineColumnDicts[c], w.values[c]);
            }
        },
        error);
}

// VintageCharts0 ...: the five choices, the year scores, then the year codes.
bool Compiler::addChartTables(QString* error) {
    std::vector<int> columns = {kDictOrigin, kDictSsf, kDictType, kDictRegion,
                                kDictAppellationVariety};
    for (int y = 0; y < kChartYears; ++y) {
        columns.push_back(kDictFirstYearScore + y);
    }
    for (int y = 0; y < kChartYears; ++y) {
        columns.push_back(kDictFirstYearCode + y);
    }
    return addRecordTables(
        "VintageCharts", chartTables_, chartOrder_.size(), columns,
        [&](size_t i, std::uint16_t* out) {
            const VintageChart& c = s_.charts[chartOrder_[i]];
            size_t j = 0;
            for (const std::uint16_t v : c.path) {
                *out++ = id(columns[j++], v);
            }
            for (const std::uint16_t v : c.scores) {
                *out++ = id(columns[j++], v);
            }
            for (const std::uint16_t v : c.codes) {
                *out++ = id(columns[j++], v);
            }
        },
        error);
}

// BestProducers0 ...: the five choices, then the text.
bool Compiler::addBestProducerTables(QString* error) {
    const std::vector<int> columns = {
        kDictOrigin, kDictSsf, kDictType, kDictRegion, kDictAppellationVariety, kDictBestProducers};
    return addRecordTables(
        "BestProducers", bpTables_, bpOrder_.size(), columns,
        [&](size_t i, std::uint16_t* out) {
            const BestProducer& b = s_.bestProducers[bpOrder_[i]];
            size_t j = 0;
            for (const std::uint16_t v : b.path) {
                *out++ = id(columns[j++], v);
            }
            *out = id(columns[j], b.text);
        },
        error);
}

// The levels of the five trees, each freed once its block is made.
bool Compiler::addLevelTables(QString* error) {
    for (auto& levels : trees_) {
        for (Level& level : levels) {
            Table t;
            t.name = level.name;
            t.kind = level.kind;
            if (!levelBlock(level, limits_, &t.block, error)) {
                return false;
            }
            levelNodes_ += static_cast<qint64>(level.nodes.size());
            level = Level();
            tables_.push_back(std::move(t));
        }
    }
    return true;
}

// Header, directory, then the blocks in table order except the largest, which goes last: only a
// block's start must fit in 24 bits, so the largest may run past 16 MiB.
bool Compiler::layOut(QByteArray* image, QString* error) {
    const qint64 count = static_cast<qint64>(tables_.size());
    std::vector<size_t> placement(tables_.size());
    std::iota(placement.begin(), placement.end(), size_t{0});
    const auto largest = std::max_element(
        placement.begin(), placement.end(),
        [&](size_t a, size_t b) { return tables_[a].block.size() < tables_[b].block.size(); });
    std::rotate(largest, largest + 1, placement.end());
    std::vector<qint64> start(tables_.size());
    qint64 position = fmt::kFileHeaderSize + count * fmt::kEntrySize;
    for (const size_t i : placement) {
        if (position > limits_.maxPosition) {
            qint64 total = fmt::kFileHeaderSize + count * fmt::kEntrySize;
            for (const Table& t : tables_) {
                total += t.block.size();
            }
            *error = QStringLiteral(
                         "table %1 would start at byte %2, beyond %3, the last position a "
                         "24-bit offset can hold (the catalogue would take %4 bytes)")
                         .arg(QString::fromLatin1(tables_[i].name), number(position),
                              number(limits_.maxPosition), number(total));
            return false;
        }
        start[i] = position;
        position += tables_[i].block.size();
    }
    image->clear();
    image->resize(static_cast<qsizetype>(position));
    char* p = image->data();
    coding::putU24(p, static_cast<std::uint32_t>(count));
    coding::putU24(p + coding::kU24Size, fmt::kEntrySize);
    for (qint64 i = 0; i < count; ++i) {
        const Table& t = tables_[static_cast<size_t>(i)];
        char* e = p + fmt::kFileHeaderSize + i * fmt::kEntrySize;
        std::fill(e, e + fmt::kEntrySize, '\0');
        coding::putU24(e + fmt::kEntryIdOffset, static_cast<std::uint32_t>(i));
        coding::putU24(e + fmt::kEntryKindOffset, static_cast<std::uint32_t>(t.kind));
        std::copy(t.name.begin(), t.name.end(), e + fmt::kEntryNameOffset);
        coding::putU24(e + fmt::kEntryBlockOffset,
                       static_cast<std::uint32_t>(start[static_cast<size_t>(i)]));
        coding::putU24(e + fmt::kEntryBlockSize, static_cast<std::uint32_t>(t.block.size()));
    }
    for (size_t i = 0; i < tables_.size(); ++i) {
        std::copy(tables_[i].block.begin(), tables_[i].block.end(), p + start[i]);
        tables_[i].block = QByteArray();
    }
    bytes_ = position;
    return true;
}

}  // namespace

bool compileCatalogue(const Sources& sources, QByteArray* image, QString* error,
                      CompileStats* stats, const ProgressFunction& progress,
                      const FormatLimits& limits) {
    Compiler compiler(sources, progress, limits);
    return compiler.run(image, error, stats);
}

bool writeCatalogue(const QByteArray& image, QIODevice* device, QString* error) {
    qint64 done = 0;
    while (done < image.size()) {
        const qint64 n = device->write(image.constData() + done, image.size() - done);
        if (n <= 0) {
            *error = QStringLiteral("cannot write the catalogue: %1").arg(device->errorString());
            return false;
        }
        done += n;
    }
    return true;
}

bool saveCatalogue(const QByteArray& image, const QString& path, QString* error) {
    // Through replaceFile, which sees a full disk at the write that hits it: a buffered save
    // could report success and leave a catalogue cut short.
    QString why;
    const bool written = replaceFile(
        path,
        [&image](QIODevice& device, QString* reason) {
            return writeCatalogue(image, &device, reason);
        },
        &why);
    if (!written) {
        *error = QStringLiteral("%1: %2").arg(path, why);
    }
    return written;
}

}  // namespace corkwise::tool
