#pragma once

#include "catalog/CatalogTable.h"

#include <QByteArray>
#include <vector>

namespace corkwise {

// A table of fixed-size records of u16 values. Row 0 is the column header: entry j is the table
// number of the dictionary that column j draws its values from. Every other row is a record.
class RecordTable : public FixedTable {
public:
    // The column header (row 0) is read with the block header, on first use. When row 0 does
    // not lie wholly inside the block the table has no columns.
    RecordTable(CatalogFile* file, TableDescriptor descriptor);

    // W / 2, rounded towards zero; 0 when the table has no usable column header.
    int columnCount() const { return static_cast<int>(columns().size()); }
    // The dictionary table number of column J, or -1 when J is not a column.
    int columnDictionary(int j) const;
    const std::vector<int>& columns() const {
        loadHeader();
        return columns_;
    }

    // The first column position holding DICTIONARY, or -1.
    int columnOf(int dictionary) const;
    // The u16 value id in ROW's column for DICTIONARY, or -1 when DICTIONARY is not a column or
    // the value cannot be read.
    int valueAt(int row, int dictionary) const;
    // The table number of the first column dictionary whose short name is SHORTNAME, or -1.
    // On a match writes the trace "==================> FIND DICTTIONARY ID" with the number.
    int dictNumberByName(const QByteArray& shortName) const;
    // The first column whose dictionary has the short name SHORTNAME, or -1; writes no trace.
    // Its dictionary is columnDictionary() of it, the table dictNumberByName gives.
    int columnByName(QByteArrayView shortName) const;
    // The u16 value id in column J of ROW, or -1 when J is not a column or the value cannot be
    // read.
    int valueInColumn(int row, int j) const;

protected:
    void readHeader() const override;

private:
    mutable std::vector<int> columns_;
    // The short name of each column's dictionary, looked up once with the columns: reading a
    // column by name then compares names without finding tables. Empty for a column whose
    // number names no table, which no name matches.
    mutable std::vector<QByteArray> columnNames_;
    mutable std::vector<bool> columnNamed_;
};

}  // namespace corkwise
