#pragma once

#include "catalog/CatalogTable.h"

#include <QByteArray>
#include <vector>

namespace corkwise {

// A table of fixed-size records of u16 values. Row 0 is the column header: entry j is the table
// number of the dictionary that column j draws its values from. Every other row is a record.
class RecordTable : public FixedTable {
public:
    // Reads the column header (row 0) at once. When row 0 does not lie wholly inside the block
    // the table has no columns.
    RecordTable(CatalogFile* file, TableDescriptor descriptor);

    // W / 2, rounded towards zero; 0 when the table has no usable column header.
    int columnCount() const { return static_cast<int>(columns_.size()); }
    // The dictionary table number of column J, or -1 when J is not a column.
    int columnDictionary(int j) const;
    const std::vector<int>& columns() const { return columns_; }

    // The first column position holding DICTIONARY, or -1.
    int columnOf(int dictionary) const;
    // The u16 value id in ROW's column for DICTIONARY, or -1 when DICTIONARY is not a column or
    // the value cannot be read.
    int valueAt(int row, int dictionary) const;
    // The table number of the first column dictionary whose short name is SHORTNAME, or -1.
    // On a match writes the trace "==================> FIND DICTTIONARY ID" with the number.
    int dictNumberByName(const QByteArray& shortName) const;

private:
    std::vector<int> columns_;
};

}  // namespace corkwise
