#include "catalog/CatalogWalk.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogTable.h"
#include "catalog/DisplayText.h"
#include "catalog/LevelTable.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "catalog/RecordTable.h"

#include <algorithm>

namespace corkwise {

namespace {

// Column lookups cost a scan of the columns each; a damaged header can claim thousands of them.
// Reading this many per record exercises every path without making the walk quadratic in the
// file size.
constexpr int kColumnsPerRecord = 32;

void readRecord(const Catalog& catalog, const RecordCursor& record, WalkCounts& counts) {
    const auto& columns = record.columns();
    const int n = std::min<int>(static_cast<int>(columns.size()), kColumnsPerRecord);
    for (int j = 0; j < n; ++j) {
        const QByteArray name = catalog.tableShortName(columns[static_cast<size_t>(j)]);
        if (const auto text = record.columnText(name)) {
            counts.textBytes += toDisplayText(*text).size();
        }
        if (const auto ref = record.columnRef(name)) {
            counts.textBytes += ref->valueId() >= 0 ? 1 : 0;
        }
    }
    // A name that is no column's.
    counts.textBytes += record.columnText("\x01").has_value() ? 1 : 0;
    ++counts.records;
}

void visitNode(const Catalog& catalog, const NodeCursor& node, WalkCounts& counts) {
    ++counts.nodes;
    if (node.nodeKind() == NodeCursor::kDictionaryNode) {
        const QByteArray text = node.nodeText();
        counts.textBytes += toDisplayText(text.constData()) - 1;
        if (const auto ref = node.valueRef()) {
            counts.textBytes += ref->dictionary() >= 0 ? 1 : 0;
        }
        const int children = node.childCount();
        for (int k = 0; k < children; ++k) {
            if (auto child = node.child(k)) {
                // Children are visited on their own row; here only what a list shows of them.
                counts.textBytes += child->nodeText().size() + child->nodeKind();
            }
        }
        counts.textBytes += node.child(children) == nullptr ? 0 : 1;
    } else if (auto record = node.openRecord()) {
        readRecord(catalog, *record, counts);
        auto copy = record->clone();
        counts.textBytes += copy->row();
    }
}

}  // namespace

WalkCounts walkCatalog(const Catalog& catalog) {
    WalkCounts counts;
    const CatalogFile* file = catalog.file();
    const int tables = file->tableCount();
    counts.tables = tables;
    for (int t = 0; t < tables; ++t) {
        const CatalogTable* table = catalog.tableAt(t);
        counts.textBytes += table->catalogueIndex() + catalog.tableShortName(t).size();
        counts.textBytes += catalog.indexOfTable(table->name()) == t ? 0 : 1;
        const int rows = table->rowCount();
        for (int r = 0; r < rows; ++r) {
            ++counts.rows;
            counts.textBytes += table->readRow(r).size() + table->readRowPart(r, 1, 2).size();
        }
        counts.textBytes += table->readRow(rows).size() + table->readRow(-1).size();

        if (file->recordTableAt(t) != nullptr) {
            const auto* records = file->recordTableAt(t);
            for (int r = 1; r < rows; ++r) {
                const RecordCursor record(catalog.file(), records, r);
                readRecord(catalog, record, counts);
            }
        } else if (const LevelTable* level = file->levelTableAt(t)) {
            counts.textBytes += level->nextLevel();
            if (auto root = catalog.openLevelTable(table->name())) {
                auto copy = root->clone();
                counts.textBytes += copy->childCount();
            }
            for (int r = 0; r < rows; ++r) {
                visitNode(catalog, NodeCursor(catalog.file(), t, r), counts);
            }
        }
    }
    return counts;
}

}  // namespace corkwise
