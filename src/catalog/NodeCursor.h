#pragma once

#include "catalog/DictRef.h"
#include "catalog/LevelTable.h"

#include <QByteArray>
#include <memory>
#include <optional>

namespace corkwise {

class CatalogFile;
class RecordCursor;

// A cursor on one node of a search tree: a row of a level table. A cursor refers to the
// CatalogFile and its tables and must not outlive the Catalog. Cursors on rows that do not exist
// are invalid: they are record nodes without children, text or record.
class NodeCursor {
public:
    static constexpr int kDictionaryNode = 0;
    static constexpr int kRecordNode = 1;

    // A cursor on ROW of the level table numbered TABLENUMBER in FILE (not owned).
    NodeCursor(CatalogFile* file, int tableNumber, int row);

    // Whether the table is a level table and ROW one of its rows.
    bool isValid() const;
    int tableNumber() const { return tableNumber_; }
    int row() const { return row_; }
    // The level table, or null when the table number names none. Not owned.
    const LevelTable* table() const { return table_; }

    // Writes a trace line of 92 '*', then returns a cursor on the same table and row.
    std::unique_ptr<NodeCursor> clone() const;
    // kDictionaryNode when the level is of kind 3, or of kind 2 and the node's target is a
    // dictionary; kRecordNode otherwise.
    int nodeKind() const;
    // Number of children of a dictionary node; 0 for a record node.
    int childCount() const;
    // A cursor on the K-th child (file order, k = 0 first) of a dictionary node; null when K is
    // not below childCount(), or the child row does not exist in the next level.
    std::unique_ptr<NodeCursor> child(int k) const;
    // The text of a dictionary node's value (8-bit), cut to 254 bytes; empty for a record node
    // or when the value cannot be read.
    QByteArray nodeText() const;
    // For a record node, a cursor on its record; writes the traces "=========> TABLE DB ID" and
    // "=========> TABLE DB ROW". Null for a dictionary node, or when the target is not a record
    // table or the row is not one of its records.
    std::unique_ptr<RecordCursor> openRecord() const;
    // For a dictionary node its value id and target table number; nothing for a record node.
    std::optional<DictRef> valueRef() const;

private:
    // A cursor on ROW of TABLE, the level table numbered TABLENUMBER in FILE, as looked up by
    // the caller.
    NodeCursor(CatalogFile* file, int tableNumber, int row, LevelTable* table)
        : file_(file), tableNumber_(tableNumber), row_(row), table_(table) {}

    // The node's kind; reads the node into NODE and says in READABLE whether that worked.
    int readKind(LevelTable::Node* node, bool* readable) const;

    CatalogFile* file_;
    int tableNumber_;
    int row_;
    LevelTable* table_;
};

}  // namespace corkwise
