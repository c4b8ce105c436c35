#include "catalogtool/CatalogChecker.h"

#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"
#include "catalogtool/CatalogSources.h"

#include <QSet>
#include <algorithm>
#include <vector>

namespace corkwise::tool {

namespace fmt = catalog_format;

namespace {

struct TableInfo {
    QByteArray name;
    int kind = -1;
    qint64 block = 0;  // D
    qint64 size = 0;   // Z
    qint64 rows = 0;
    qint64 header = 0;
    bool usable = false;                 // rows can be located safely
    std::vector<std::uint32_t> offsets;  // indexed tables: R + 1 row boundaries, block-relative
    std::vector<int> columns;            // record tables

    QByteArray shortName() const {
        return kind == fmt::kDictionary ? name.mid(fmt::kDictionaryPrefixLength) : name;
    }
};

// What the pages read from a wine record of Find Wine or Food and Wine, which share their wines.
// The Find Wine pages find a wine's choices again when a search starts from it (More Search on
// the Food and Wine list): origin, category, type, region, segment, producer, vintage and
// product. The wine page shows its vintage, score and designation, its producer, appellation
// and variety, and a bookmark keeps its designation, variety, appellation and score; the Food
// and Wine list shows its origin, region, appellation or variety. The Best Values and Best
// Producers forms started from a wine look up its appellation or variety.
QList<QByteArray> wineColumns() {
    return {fmt::dict::kOrigin,
            fmt::dict::kCategory,
            fmt::dict::kType,
            fmt::dict::kRegion,
            fmt::dict::kSegment,
            fmt::dict::kProducer,
            fmt::dict::kVintage,
            fmt::dict::kProduct,
            fmt::dict::kDesignation,
            fmt::dict::kVariety,
            fmt::dict::kAppellation,
            fmt::dict::kScore,
            fmt::dict::kAppellationVariety};
}

// A chart record: the five choices (the forms started from a chart look them up), then each
// year's score and code, which the chart page lists.
QList<QByteArray> chartColumns() {
    QList<QByteArray> columns = {fmt::dict::kOrigin, fmt::dict::kCategory, fmt::dict::kType,
                                 fmt::dict::kRegion, fmt::dict::kAppellationVariety};
    for (int year = kFirstChartYear; year <= kLastChartYear; ++year) {
        columns += QByteArray::number(year);
        columns += fmt::dict::kChartCodePrefix + QByteArray::number(year);
    }
    return columns;
}

// One search tree: where it starts, how many levels of choices lie below its root, and the
// columns every record it reaches must hold because its pages read them.
struct TreeRule {
    const char* search;   // the search as the user knows it
    const char* root;     // its first level table
    int dictionaryDepth;  // levels of dictionary nodes below the root
    bool firstChildOnly;  // its results page reads only a last choice's first child, a record
    QList<QByteArray> columns;
};

const std::vector<TreeRule>& treeRules() {
    static const std::vector<TreeRule> rules = {
        {"Find Wine", "FWLevelTable0", 8, false, wineColumns()},
        {"Food and Wine", "FWPLevelTable0", 2, false, wineColumns()},
        {"Vintage Chart", "VCHLevelTable0", 5, true, chartColumns()},
        // The results page lists each wine's description and shows producer, appellation or
        // variety and description in its info box.
        {"Best Values",
         "BVLevelTable0",
         6,
         false,
         {fmt::dict::kProducer, fmt::dict::kAppellationVariety, fmt::dict::kDescription}},
        {"Best Producers", "BPLevelTable0", 5, false, {fmt::dict::kBestProducers}},
    };
    return rules;
}

class Checker {
public:
    explicit Checker(const QByteArray& bytes)
        : data_(reinterpret_cast<const unsigned char*>(bytes.constData())), size_(bytes.size()) {}

    CheckReport run();

private:
    void problem(const QString& text) {
        ++report_.problemCount;
        if (report_.problems.size() < CheckReport::kMaxListedProblems) {
            report_.problems.append(text);
        }
    }
    void problem(const TableInfo& t, const QString& text) {
        problem(QString::fromLatin1(t.name) + QStringLiteral(": ") + text);
    }
    void problem(const TableInfo& t, qint64 row, const QString& text) {
        problem(
            QStringLiteral("%1 row %2: %3").arg(QString::fromLatin1(t.name)).arg(row).arg(text));
    }

    // Bounds-checked big-endian reads; -1 when the bytes lie outside the file.
    qint64 u24(qint64 pos) const {
        if (pos < 0 || pos > size_ - coding::kU24Size) {
            return -1;
        }
        return coding::getU24(data_ + pos);
    }
    qint64 u16(qint64 pos) const {
        if (pos < 0 || pos > size_ - coding::kU16Size) {
            return -1;
        }
        return coding::getU16(data_ + pos);
    }

    bool readDirectory();
    void checkBlock(TableInfo& t);
    void checkDictionary(const TableInfo& t);
    void checkRecordTable(TableInfo& t);
    void checkLevel(const TableInfo& t);
    void checkRecordValues(const TableInfo& t);

    const TableInfo* table(qint64 n) const {
        return n >= 0 && n < static_cast<qint64>(tables_.size()) ? &tables_[static_cast<size_t>(n)]
                                                                 : nullptr;
    }
    int indexOf(const QByteArray& name) const {
        for (size_t i = 0; i < tables_.size(); ++i) {
            if (tables_[i].name == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    qint64 rowStart(const TableInfo& t, qint64 row) const {
        return t.block + t.offsets[static_cast<size_t>(row)];
    }
    qint64 rowLength(const TableInfo& t, qint64 row) const {
        return t.offsets[static_cast<size_t>(row) + 1] - t.offsets[static_cast<size_t>(row)];
    }
    // Whether node ROW of level T is a dictionary node (the reader's rule).
    bool isDictionaryNode(const TableInfo& t, qint64 row) const {
        if (t.kind == fmt::kDictionaryLevel) {
            return true;
        }
        const TableInfo* target = table(data_[rowStart(t, row) + fmt::kNodeTargetOffset]);
        return target && target->kind == fmt::kDictionary;
    }

    void walkTree(const TreeRule& tree);
    void requireColumns(int recordTable, const TreeRule& tree);

    const unsigned char* data_;
    qint64 size_;
    std::vector<TableInfo> tables_;
    QSet<QPair<int, QByteArray>> columnsChecked_;  // record table, tree root
    CheckReport report_;
};

bool Checker::readDirectory() {
    const qint64 count = u24(0);
    const qint64 stride = u24(3);
    if (count < 0 || stride < 0) {
        problem(QStringLiteral("file: %1 bytes, too short for the 6-byte header").arg(size_));
        return false;
    }
    if (count > 0 && stride < fmt::kEntrySize) {
        problem(QStringLiteral("file: directory entries are %1 bytes apart; each needs %2")
                    .arg(stride)
                    .arg(fmt::kEntrySize));
        return false;
    }
    if (count > 0 && fmt::kFileHeaderSize + (count - 1) * stride + fmt::kEntrySize > size_) {
        problem(QStringLiteral("file: the directory of %1 entries runs past the end of the file "
                               "(%2 bytes)")
                    .arg(count)
                    .arg(size_));
        return false;
    }
    for (qint64 i = 0; i < count; ++i) {
        const qint64 e = fmt::kFileHeaderSize + i * stride;
        const qint64 kind = u24(e + fmt::kEntryKindOffset);
        if (kind < fmt::kDictionary || kind > fmt::kDictionaryLevel) {
            continue;  // the reader skips such entries; they take no table number
        }
        TableInfo t;
        t.kind = static_cast<int>(kind);
        const char* name = reinterpret_cast<const char*>(data_ + e + fmt::kEntryNameOffset);
        const qsizetype length =
            static_cast<qsizetype>(std::find(name, name + fmt::kNameFieldSize, '\0') - name);
        t.name = QByteArray(name, length);
        t.block = u24(e + fmt::kEntryBlockOffset);
        t.size = u24(e + fmt::kEntryBlockSize);
        if (length == fmt::kNameFieldSize) {
            problem(QStringLiteral("directory entry %1: the name has no terminator in its 32 bytes")
                        .arg(i));
        }
        tables_.push_back(std::move(t));
    }
    if (tables_.size() > static_cast<size_t>(fmt::kMaxTables)) {
        problem(QStringLiteral("file: %1 tables; an 8-bit table number reaches only 256")
                    .arg(tables_.size()));
    }
    return true;
}

void Checker::checkBlock(TableInfo& t) {
    if (t.block + t.size > size_) {
        problem(t, QStringLiteral("the block at byte %1 of %2 bytes runs past the end of the file "
                                  "(%3 bytes)")
                       .arg(t.block)
                       .arg(t.size)
                       .arg(size_));
        return;
    }
    if (t.size < fmt::kBlockHeaderSize) {
        problem(
            t,
            QStringLiteral("the block of %1 bytes is too small for its 6-byte header").arg(t.size));
        return;
    }
    t.rows = u24(t.block);
    t.header = u24(t.block + 3);
    if (t.kind == fmt::kRecordTable) {
        const qint64 width = t.header;
        if (width < 2) {
            problem(t, QStringLiteral("record size %1 leaves no column").arg(width));
            return;
        }
        if (t.rows < 1) {
            problem(t, QStringLiteral("no column header row"));
            return;
        }
        if (fmt::kBlockHeaderSize + t.rows * width > t.size) {
            problem(t, QStringLiteral("%1 rows of %2 bytes run past the block's %3 bytes")
                           .arg(t.rows)
                           .arg(width)
                           .arg(t.size));
            return;
        }
        t.usable = true;
        return;
    }
    const qint64 indexEnd = fmt::kBlockHeaderSize + t.rows * fmt::kRowIndexEntrySize;
    if (indexEnd > t.size) {
        problem(t, QStringLiteral("the index of %1 rows runs past the block's %2 bytes")
                       .arg(t.rows)
                       .arg(t.size));
        return;
    }
    t.offsets.resize(static_cast<size_t>(t.rows) + 1);
    qint64 previous = indexEnd;
    for (qint64 i = 0; i < t.rows; ++i) {
        const qint64 off = u24(t.block + fmt::kBlockHeaderSize + i * fmt::kRowIndexEntrySize);
        if (off < previous || off > t.size) {
            problem(t, i,
                    QStringLiteral("offset %1 out of range (must be from %2 to %3)")
                        .arg(off)
                        .arg(previous)
                        .arg(t.size));
            t.offsets.clear();
            return;
        }
        t.offsets[static_cast<size_t>(i)] = static_cast<std::uint32_t>(off);
        previous = off;
    }
    t.offsets[static_cast<size_t>(t.rows)] = static_cast<std::uint32_t>(t.size);
    t.usable = true;
}

void Checker::checkDictionary(const TableInfo& t) {
    for (qint64 i = 0; i < t.rows; ++i) {
        const qint64 length = rowLength(t, i);
        if (length > fmt::kMaxTextLength) {
            problem(t, i,
                    QStringLiteral("text of %1 bytes; at most 254 fit the reader's buffer")
                        .arg(length));
        }
        const unsigned char* text = data_ + rowStart(t, i);
        if (std::find(text, text + length, '\0') != text + length) {
            problem(t, i, QStringLiteral("the text holds a NUL byte, which would cut it short"));
        }
    }
    if (t.rows > fmt::kMaxValueIds) {
        problem(t, QStringLiteral("%1 texts; a 16-bit value id reaches only 65,536").arg(t.rows));
    }
}

void Checker::checkRecordTable(TableInfo& t) {
    const qint64 count = t.header / fmt::kValueIdSize;
    for (qint64 j = 0; j < count; ++j) {
        const qint64 c = u16(t.block + fmt::kBlockHeaderSize + j * fmt::kValueIdSize);
        const TableInfo* d = table(c);
        if (!d || d->kind != fmt::kDictionary) {
            problem(t, 0,
                    QStringLiteral("column %1 names table %2, which is not a dictionary")
                        .arg(j)
                        .arg(c));
            t.columns.push_back(-1);
        } else {
            t.columns.push_back(static_cast<int>(c));
        }
    }
}

void Checker::checkRecordValues(const TableInfo& t) {
    for (size_t j = 0; j < t.columns.size(); ++j) {
        const TableInfo* d = table(t.columns[j]);
        if (!d || !d->usable) {
            continue;
        }
        for (qint64 r = 1; r < t.rows; ++r) {
            const qint64 v = u16(t.block + fmt::kBlockHeaderSize + r * t.header +
                                 static_cast<qint64>(j) * fmt::kValueIdSize);
            if (v >= d->rows) {
                problem(t, r,
                        QStringLiteral("column %1 (%2) holds value %3 beyond the %4 texts "
                                       "of %5")
                            .arg(j)
                            .arg(QString::fromLatin1(d->shortName()))
                            .arg(v)
                            .arg(d->rows)
                            .arg(QString::fromLatin1(d->name)));
            }
        }
    }
}

void Checker::checkLevel(const TableInfo& t) {
    const TableInfo* next = table(t.header);
    bool nextUsable = next && next->usable &&
                      (next->kind == fmt::kMixedLevel || next->kind == fmt::kDictionaryLevel);
    bool reportedNext = false;
    for (qint64 i = 0; i < t.rows; ++i) {
        const qint64 length = rowLength(t, i);
        if (length < fmt::kNodeChildrenOffset ||
            (length - fmt::kNodeChildrenOffset) % fmt::kNodeChildSize != 0) {
            problem(t, i,
                    QStringLiteral("a node of %1 bytes; nodes are 3 bytes plus 3 per child")
                        .arg(length));
            continue;
        }
        const qint64 at = rowStart(t, i);
        const qint64 value = u16(at + fmt::kNodeValueOffset);
        const int targetNumber = data_[at + fmt::kNodeTargetOffset];
        const TableInfo* target = table(targetNumber);
        if (!target) {
            problem(t, i,
                    QStringLiteral("target table %1 does not exist (%2 tables)")
                        .arg(targetNumber)
                        .arg(tables_.size()));
        } else if (target->kind == fmt::kDictionary) {
            if (target->usable && value >= target->rows) {
                problem(t, i,
                        QStringLiteral("value %1 is beyond the %2 texts of %3")
                            .arg(value)
                            .arg(target->rows)
                            .arg(QString::fromLatin1(target->name)));
            }
        } else if (target->kind == fmt::kRecordTable && t.kind == fmt::kMixedLevel) {
            if (target->usable && (value < 1 || value >= target->rows)) {
                problem(t, i,
                        QStringLiteral("record %1 is not among the records 1 to %2 of %3")
                            .arg(value)
                            .arg(target->rows - 1)
                            .arg(QString::fromLatin1(target->name)));
            }
        } else {
            problem(t, i,
                    QStringLiteral("target %1 (%2) is a %3, not a dictionary%4")
                        .arg(targetNumber)
                        .arg(QString::fromLatin1(target->name))
                        .arg(target->kind == fmt::kRecordTable ? QStringLiteral("record table")
                                                               : QStringLiteral("level table"))
                        .arg(t.kind == fmt::kMixedLevel ? QStringLiteral(" or record table")
                                                        : QString()));
        }
        const qint64 children = (length - fmt::kNodeChildrenOffset) / fmt::kNodeChildSize;
        if (children == 0 || !isDictionaryNode(t, i)) {
            continue;
        }
        if (!nextUsable) {
            if (!reportedNext) {
                problem(t,
                        QStringLiteral("next level %1 is not a usable level table").arg(t.header));
                reportedNext = true;
            }
            continue;
        }
        for (qint64 k = 0; k < children; ++k) {
            const qint64 child = u24(at + fmt::kNodeChildrenOffset + k * fmt::kNodeChildSize);
            if (child >= next->rows) {
                problem(t, i,
                        QStringLiteral("child %1 is beyond the %2 rows of %3")
                            .arg(child)
                            .arg(next->rows)
                            .arg(QString::fromLatin1(next->name)));
            }
        }
    }
}

void Checker::requireColumns(int recordTable, const TreeRule& tree) {
    if (columnsChecked_.contains({recordTable, tree.root})) {
        return;
    }
    columnsChecked_.insert({recordTable, tree.root});
    const TableInfo& t = tables_[static_cast<size_t>(recordTable)];
    for (const QByteArray& name : tree.columns) {
        const bool found = std::any_of(t.columns.begin(), t.columns.end(), [&](int c) {
            const TableInfo* d = table(c);
            return d && d->shortName() == name;
        });
        if (!found) {
            problem(t, QStringLiteral("no column %1, which the %2 pages read from the records of "
                                      "%3")
                           .arg(QString::fromLatin1(name), QLatin1String(tree.search),
                                QLatin1String(tree.root)));
        }
    }
}

void Checker::walkTree(const TreeRule& tree) {
    const char* rootName = tree.root;
    const int dictionaryDepth = tree.dictionaryDepth;
    const int rootNumber = indexOf(rootName);
    if (rootNumber < 0) {
        problem(QStringLiteral("%1: the search tree's first level is missing")
                    .arg(QLatin1String(rootName)));
        return;
    }
    const TableInfo* level = &tables_[static_cast<size_t>(rootNumber)];
    if (level->kind != fmt::kMixedLevel && level->kind != fmt::kDictionaryLevel) {
        problem(*level, QStringLiteral("not a level table"));
        return;
    }
    if (!level->usable || level->rows < 1) {
        problem(*level, QStringLiteral("no root row"));
        return;
    }
    std::vector<std::uint32_t> current = {0};
    // Levels 0 .. dictionaryDepth hold dictionary nodes; the level below them the results.
    for (int depth = 0; depth <= dictionaryDepth + 1 && !current.empty(); ++depth) {
        const bool resultLevel = depth == dictionaryDepth + 1;
        const TableInfo* next = table(level->header);
        const bool nextOk = next && next->usable &&
                            (next->kind == fmt::kMixedLevel || next->kind == fmt::kDictionaryLevel);
        std::vector<char> seen(nextOk ? static_cast<size_t>(next->rows) : 0, 0);
        std::vector<std::uint32_t> below;
        for (const std::uint32_t row : current) {
            ++report_.nodes;
            const qint64 length = rowLength(*level, row);
            if (length < fmt::kNodeChildrenOffset) {
                continue;  // already reported
            }
            const qint64 at = rowStart(*level, row);
            const bool dictionary = isDictionaryNode(*level, row);
            if (resultLevel) {
                if (dictionary) {
                    problem(*level, row,
                            QStringLiteral("a dictionary node where the results of "
                                           "%1 should be records")
                                .arg(QLatin1String(rootName)));
                    continue;
                }
                const int target = data_[at + fmt::kNodeTargetOffset];
                const TableInfo* records = table(target);
                if (records && records->kind == fmt::kRecordTable && records->usable) {
                    ++report_.records;
                    requireColumns(target, tree);
                }
                continue;
            }
            if (!dictionary) {
                problem(*level, row,
                        QStringLiteral("a record node where %1 expects a dictionary "
                                       "node at depth %2")
                            .arg(QLatin1String(rootName))
                            .arg(depth));
                continue;
            }
            const qint64 children = (length - fmt::kNodeChildrenOffset) / fmt::kNodeChildSize;
            // An empty root is a search with nothing in it (a catalogue derived from wines
            // without prices has no best values); any other node must lead somewhere.
            if (children == 0 && depth > 0) {
                problem(*level, row,
                        QStringLiteral("a dictionary node without children in %1")
                            .arg(QLatin1String(rootName)));
                continue;
            }
            if (!nextOk) {
                continue;  // reported by checkLevel
            }
            if (tree.firstChildOnly && depth == dictionaryDepth) {
                // The chart page shows only the first child, which must be the chart.
                const qint64 first = u24(at + fmt::kNodeChildrenOffset);
                if (first < next->rows && rowLength(*next, first) >= fmt::kNodeChildrenOffset &&
                    isDictionaryNode(*next, first)) {
                    problem(*level, row, QStringLiteral("the first child is not a chart record"));
                }
            }
            for (qint64 k = 0; k < children; ++k) {
                const qint64 child = u24(at + fmt::kNodeChildrenOffset + k * fmt::kNodeChildSize);
                if (child < next->rows && !seen[static_cast<size_t>(child)]) {
                    seen[static_cast<size_t>(child)] = 1;
                    below.push_back(static_cast<std::uint32_t>(child));
                }
            }
        }
        if (!resultLevel && !below.empty()) {
            std::sort(below.begin(), below.end());
            level = next;
        }
        current = std::move(below);
    }
}

CheckReport Checker::run() {
    if (readDirectory()) {
        report_.tables = static_cast<int>(tables_.size());
        for (TableInfo& t : tables_) {
            checkBlock(t);
            if (t.usable && t.kind == fmt::kRecordTable) {
                checkRecordTable(t);
            }
        }
        for (const TableInfo& t : tables_) {
            if (!t.usable) {
                continue;
            }
            if (t.kind == fmt::kDictionary) {
                checkDictionary(t);
            } else if (t.kind == fmt::kRecordTable) {
                checkRecordValues(t);
            } else {
                checkLevel(t);
            }
        }
        static const char* const kNoteDictionaries[] = {
            "DictORIGIN",  "DictSSF",         "DictTYPE",    "DictREGION",      "DictPRODUCER",
            "DictVINTAGE", "DictDESIGNATION", "DictVARIETY", "DictAPPELLATION", "DictSCORE"};
        for (const char* name : kNoteDictionaries) {
            const int n = indexOf(name);
            if (n < 0 || tables_[static_cast<size_t>(n)].kind != fmt::kDictionary) {
                problem(QStringLiteral("%1: missing; a new note takes its fields from it")
                            .arg(QLatin1String(name)));
            }
        }
        for (const TreeRule& tree : treeRules()) {
            walkTree(tree);
        }
    }
    return report_;
}

}  // namespace

CheckReport checkCatalogue(const QByteArray& bytes) {
    Checker checker(bytes);
    return checker.run();
}

}  // namespace corkwise::tool
