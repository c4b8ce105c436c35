#pragma once
// The tables of the catalogue. Table objects hold their directory entry and the header values of
// their block; every row is read from the file when it is asked for. The header values (and a
// record table's column header) are read the first time anything about the rows is asked, not
// when the table is built, so that opening the catalogue reads only its directory; the values
// are the same either way, the file being read-only.
//
// Nothing in the file is trusted: a row number that does not exist, or a row whose bytes do not
// lie inside the table's block and the file, gives the failure value (-1 for a position, a
// length or a number, an empty text). rowCount() never exceeds what the block can hold.

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"
#include "catalog/TableDescriptor.h"

#include <QByteArray>
#include <QtGlobal>

namespace corkwise {

class CatalogTable {
public:
    // Keeps DESCRIPTOR; FILE is not owned and must outlive the table.
    CatalogTable(CatalogFile* file, TableDescriptor descriptor);
    CatalogTable(const CatalogTable&) = delete;
    CatalogTable& operator=(const CatalogTable&) = delete;
    virtual ~CatalogTable();

    // Absolute file position of ROW, or -1 when ROW does not exist or lies outside the block.
    virtual qint64 rowOffset(int row) const;
    // Length of ROW in bytes, or -1 when ROW does not exist or lies outside the block.
    virtual int rowLength(int row) const;
    // Number of rows: the stored row count R, limited to the rows the block can hold.
    virtual int rowCount() const;
    // Where ROW lies: its absolute position and its length, in one look at the row index.
    // False when ROW does not exist or lies outside the block (OFFSET and LENGTH untouched).
    virtual bool rowSpan(int row, qint64* offset, int* length) const;

    // The whole of ROW, or an empty array when it cannot be read in full.
    QByteArray readRow(int row) const;
    // LENGTH bytes of ROW starting AT bytes into it, or an empty array when they do not lie
    // inside the row or cannot be read.
    QByteArray readRowPart(int row, int at, int length) const;

    // The number of the first table carrying this table's name (which may be another table when
    // two share one name), or -1.
    int catalogueIndex() const;

    // The descriptor's kind, 0 to 3.
    int kind() const { return descriptor_.kind; }
    // The whole name.
    const QByteArray& name() const { return descriptor_.name; }
    // For a dictionary the name without its first four characters ("DictORIGIN" gives
    // "ORIGIN", a name of four characters or fewer gives an empty text); the whole name for
    // every other table.
    QByteArray shortName() const;
    // Whether the short name equals NAME (exactly), without building it.
    bool hasShortName(const QByteArray& name) const;
    const TableDescriptor& descriptor() const { return descriptor_; }
    // The header value H: the record size of a record table, the next level of a level table
    // (-1 when it could not be read or the table has no header).
    int headerValue() const {
        loadHeader();
        return headerValue_;
    }
    // The row count R as stored (-1 when it could not be read).
    int storedRowCount() const {
        loadHeader();
        return storedRowCount_;
    }

protected:
    CatalogFile* file() const { return file_; }
    // First position past the block, limited to the end of the file; -1 when the block
    // does not start inside the file.
    qint64 blockEnd() const { return blockEnd_; }
    // Reads the header the first time it is needed; every accessor of rows calls it first.
    void loadHeader() const {
        if (!headerLoaded_) {
            headerLoaded_ = true;
            readHeader();
        }
    }
    // Reads what the table holds of its block into the fields below. The base reads nothing:
    // a bare table has no header.
    virtual void readHeader() const;
    // Reads R and H from the block header (each -1 when it cannot be read in full).
    void readBlockHeader() const;

    TableDescriptor descriptor_;
    // Filled by readHeader on first use.
    mutable int headerValue_ = -1;
    mutable int storedRowCount_ = -1;

private:
    CatalogFile* file_;
    qint64 blockEnd_ = -1;
    mutable bool headerLoaded_ = false;
};

// Rows of a fixed size W, the header value.
class FixedTable : public CatalogTable {
public:
    // Writes the "INIT FIXED DB" trace line; R and W are read from the block header on first
    // use.
    FixedTable(CatalogFile* file, TableDescriptor descriptor);

    qint64 rowOffset(int row) const override;
    int rowLength(int row) const override;
    int rowCount() const override;
    bool rowSpan(int row, qint64* offset, int* length) const override;

    // The record size W, or -1 when it could not be read.
    int recordSize() const { return headerValue(); }

protected:
    void readHeader() const override;

private:
    mutable int usableRows_ = 0;
};

// Rows of any size, located through a row index of u24 offsets after the block header.
class IndexedTable : public CatalogTable {
public:
    // R and H are read from the block header on first use.
    IndexedTable(CatalogFile* file, TableDescriptor descriptor);

    qint64 rowOffset(int row) const override;
    int rowLength(int row) const override;
    int rowCount() const override {
        loadHeader();
        return usableRows_;
    }
    // Defined here so that the tables built on this one read their rows without a call.
    bool rowSpan(int row, qint64* offset, int* length) const override;

protected:
    void readHeader() const override;

private:
    mutable int usableRows_ = 0;
};

inline bool IndexedTable::rowSpan(int row, qint64* offset, int* length) const {
    namespace fmt = catalog_format;
    loadHeader();
    if (row < 0 || row >= usableRows_) {
        return false;
    }
    const qint64 d = descriptor_.blockOffset;
    // The row's own index entry and, except for the last row, the next one that ends it: both
    // lie inside the block (usableRows_ sees to that) and are read at once, in place when the
    // file is mapped.
    const bool last = row == storedRowCount_ - 1;
    const int wanted = last ? fmt::kRowIndexEntrySize : 2 * fmt::kRowIndexEntrySize;
    const qint64 at = d + fmt::kBlockHeaderSize + qint64{row} * fmt::kRowIndexEntrySize;
    const uchar* entries = file()->mappedBytes(at, wanted);
    unsigned char copy[2 * fmt::kRowIndexEntrySize];
    if (entries == nullptr) {
        if (!file()->readInto(at, reinterpret_cast<char*>(copy), wanted)) {
            return false;
        }
        entries = copy;
    }
    const qint64 start = coding::getU24(entries);
    const qint64 end =
        last ? qint64{descriptor_.blockSize} : coding::getU24(entries + fmt::kRowIndexEntrySize);
    if (end < start || d + end > blockEnd()) {
        return false;
    }
    *offset = d + start;
    *length = static_cast<int>(end - start);
    return true;
}

}  // namespace corkwise
