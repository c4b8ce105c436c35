#pragma once

#include "catalog/DictRef.h"

#include <QByteArray>
#include <QByteArrayView>
#include <memory>
#include <optional>
#include <vector>

namespace corkwise {

class CatalogFile;
class RecordTable;

// A cursor on one record (a row of a record table) that gives the texts of its columns by the
// short name of their dictionaries. Nothing it reads is cached. It must not outlive the
// Catalog. Its column list is the table's own, which never changes once read: opening a record
// allocates nothing beyond the cursor.
class RecordCursor {
public:
    // FILE and TABLE are not owned.
    RecordCursor(CatalogFile* file, const RecordTable* table, int row);
    RecordCursor(const RecordCursor&) = delete;
    RecordCursor& operator=(const RecordCursor&) = delete;
    // Writes the "CALL TABLE ROW DATA DESTRUCTOR" and "FINISH CALL TABLE ROW DATA DESTRUCTOR"
    // trace lines.
    ~RecordCursor();

    const RecordTable* table() const { return table_; }
    int row() const { return row_; }
    // The dictionary table numbers of the columns, in column order.
    const std::vector<int>& columns() const;

    // The text of this record's value in the column whose dictionary has the short name
    // SHORTNAME. Nothing when the table has no such column or the value id cannot be read; an
    // empty text when the value id names no row of a dictionary. Writes the traces
    // "=========> DICTIONARY", "=========> DICT ID" and "=========> NODE ID".
    std::optional<QByteArray> columnText(const QByteArray& shortName) const {
        return textOf(shortName);
    }
    // The same for a C string, which is not copied into a QByteArray first.
    std::optional<QByteArray> columnText(const char* shortName) const { return textOf(shortName); }
    // The value id in that column with the dictionary's table number (value id -1 when it
    // cannot be read); nothing when there is no such column. Writes the traces
    // "==========> DICTIONARY", "==========> DICTIONARY ID" and "==========> DICTIONARY recID".
    std::optional<DictRef> columnRef(const QByteArray& shortName) const { return refOf(shortName); }
    std::optional<DictRef> columnRef(const char* shortName) const { return refOf(shortName); }
    // A cursor on the same table and row.
    std::unique_ptr<RecordCursor> clone() const;

private:
    std::optional<QByteArray> textOf(QByteArrayView shortName) const;
    std::optional<DictRef> refOf(QByteArrayView shortName) const;

    CatalogFile* file_;
    const RecordTable* table_;
    int row_;
};

}  // namespace corkwise
