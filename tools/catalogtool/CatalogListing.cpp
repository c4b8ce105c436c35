#include "catalogtool/CatalogListing.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/CatalogProblem.h"
#include "catalog/CatalogTable.h"
#include "catalog/Coding.h"
#include "catalog/DisplayText.h"
#include "catalog/LevelTable.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordTable.h"
#include "common/TextCodec.h"

#include <QSet>

namespace corkwise::tool {

namespace {

namespace fmt = catalog_format;

// Opens FILE, or says why not on ERR. A damaged file that the reader opens is shown as it
// reads: looking into such files is what these commands are for.
std::unique_ptr<Catalog> openCatalog(const QString& path, QTextStream& err) {
    auto catalog = std::make_unique<Catalog>(path);
    if (!catalog->isOpen()) {
        err << "cannot open catalogue: " << findCatalogProblem(path).text << '\n';
        return nullptr;
    }
    return catalog;
}

int usage(QTextStream& err, const char* words) {
    err << "usage: corkwise-catalog " << words << '\n';
    return 2;
}

// Names come from the command line as Unicode and are stored as Windows-1252.
QByteArray storedName(const QString& name) {
    return toWindows1252(name);
}

QString shown(const QByteArray& text) {
    return toDisplayText(text);
}

// The u16 at column J of ROW, or -1.
int cell(const CatalogTable& table, int row, int j) {
    const QByteArray bytes = table.readRowPart(row, j * fmt::kValueIdSize, fmt::kValueIdSize);
    if (bytes.size() != fmt::kValueIdSize) {
        return -1;
    }
    return coding::getU16(bytes.constData());
}

void dumpDictionary(const CatalogTable& table, QTextStream& out) {
    const int rows = table.rowCount();
    for (int r = 0; r < rows; ++r) {
        out << r << '\t' << shown(table.readRow(r)) << '\n';
    }
}

void dumpRecords(const Catalog& catalog, const RecordTable& table, QTextStream& out) {
    out << "columns";
    for (int number : table.columns()) {
        out << '\t' << shown(catalog.tableShortName(number));
    }
    out << '\n';
    const int rows = table.rowCount();
    const int columns = table.columnCount();
    for (int r = 1; r < rows; ++r) {
        out << r;
        for (int j = 0; j < columns; ++j) {
            out << '\t' << cell(table, r, j);
        }
        out << '\n';
    }
}

void dumpLevel(const LevelTable& table, QTextStream& out) {
    const int rows = table.rowCount();
    for (int r = 0; r < rows; ++r) {
        out << r << '\t' << table.nodeValue(r) << '\t' << table.nodeTarget(r) << '\t';
        const int children = table.childCount(r);
        for (int k = 0; k < children; ++k) {
            if (k > 0) {
                out << ',';
            }
            out << table.child(r, k);
        }
        out << '\n';
    }
}

// Prints the children of NODE at DEPTH (1 for the root's children, which have no indent).
// LEVELS holds the level tables of the nodes from the root down: a well-formed tree passes
// through each level once, so a level met again means the next-level chain of a damaged file
// loops, and the tree is not followed further there.
void printChildren(const Catalog& catalog, const NodeCursor& node, int depth, int maxDepth,
                   QSet<int>& levels, QTextStream& out) {
    if (maxDepth >= 0 && depth > maxDepth) {
        return;
    }
    const QString indent(2 * (depth - 1), QLatin1Char(' '));
    const int children = node.childCount();
    for (int k = 0; k < children; ++k) {
        const auto child = node.child(k);
        if (!child) {
            continue;
        }
        if (child->nodeKind() == NodeCursor::kDictionaryNode) {
            out << indent << shown(child->nodeText()) << '\n';
            const int level = child->tableNumber();
            if (!levels.contains(level)) {
                levels.insert(level);
                printChildren(catalog, *child, depth + 1, maxDepth, levels, out);
                levels.remove(level);
            }
        } else {
            const LevelTable* level = child->table();
            const int target = level != nullptr ? level->nodeTarget(child->row()) : -1;
            const int row = level != nullptr ? level->nodeValue(child->row()) : -1;
            const CatalogTable* records = catalog.tableAt(target);
            out << indent << '#' << (records != nullptr ? shown(records->name()) : QString()) << ':'
                << row << '\n';
        }
    }
}

}  // namespace

int runTables(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 1) {
        return usage(err, "tables FILE");
    }
    const auto catalog = openCatalog(args[0], err);
    if (!catalog) {
        return 1;
    }
    const int n = catalog->file()->tableCount();
    for (int t = 0; t < n; ++t) {
        const CatalogTable* table = catalog->tableAt(t);
        out << t << '\t' << table->kind() << '\t' << table->storedRowCount() << '\t'
            << shown(table->name()) << '\n';
    }
    return 0;
}

int runDump(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 2) {
        return usage(err, "dump FILE NAME");
    }
    const auto catalog = openCatalog(args[0], err);
    if (!catalog) {
        return 1;
    }
    const CatalogFile* file = catalog->file();
    const int number = file->indexOfTable(storedName(args[1]));
    if (number < 0) {
        err << "no table named " << args[1] << '\n';
        return 1;
    }
    if (const RecordTable* records = file->recordTableAt(number)) {
        dumpRecords(*catalog, *records, out);
    } else if (const LevelTable* level = file->levelTableAt(number)) {
        dumpLevel(*level, out);
    } else {
        dumpDictionary(*file->tableAt(number), out);
    }
    return 0;
}

int runTree(const QStringList& args, QTextStream& out, QTextStream& err) {
    QStringList words = args;
    int maxDepth = -1;
    const qsizetype depthAt = words.indexOf(QLatin1String("--depth"));
    if (depthAt >= 0) {
        bool ok = false;
        maxDepth = depthAt + 1 < words.size() ? words[depthAt + 1].toInt(&ok) : -1;
        if (!ok || maxDepth < 0) {
            return usage(err, "tree FILE LEVELTABLE [--depth N]");
        }
        words.remove(depthAt, 2);
    }
    if (words.size() != 2) {
        return usage(err, "tree FILE LEVELTABLE [--depth N]");
    }
    const auto catalog = openCatalog(words[0], err);
    if (!catalog) {
        return 1;
    }
    const QByteArray name = storedName(words[1]);
    const int number = catalog->indexOfTable(name);
    if (number < 0) {
        err << "no table named " << words[1] << '\n';
        return 1;
    }
    if (catalog->file()->levelTableAt(number) == nullptr) {
        err << "not a level table: " << words[1] << '\n';
        return 1;
    }
    const auto root = catalog->openLevelTable(name);
    if (root) {
        QSet<int> levels{root->tableNumber()};
        printChildren(*catalog, *root, 1, maxDepth, levels, out);
    }
    return 0;
}

}  // namespace corkwise::tool
