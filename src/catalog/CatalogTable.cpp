#include "catalog/CatalogTable.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "common/ErrorLog.h"

#include <algorithm>

namespace corkwise {

namespace fmt = catalog_format;

CatalogTable::CatalogTable(CatalogFile* file, TableDescriptor descriptor)
    : descriptor_(std::move(descriptor)), file_(file) {
    const qint64 d = descriptor_.blockOffset;
    const qint64 z = descriptor_.blockSize;
    if (d >= 0 && z >= 0 && d <= file_->size()) {
        blockEnd_ = std::min(d + z, file_->size());
    }
}

CatalogTable::~CatalogTable() = default;

qint64 CatalogTable::rowOffset(int) const {
    return 0;
}

int CatalogTable::rowLength(int) const {
    return 0;
}

int CatalogTable::rowCount() const {
    return 0;
}

QByteArray CatalogTable::readRow(int row) const {
    const int length = rowLength(row);
    if (length <= 0) {
        return QByteArray();
    }
    return file_->readBytesAt(rowOffset(row), length);
}

QByteArray CatalogTable::readRowPart(int row, int at, int length) const {
    const int rowBytes = rowLength(row);
    if (rowBytes < 0 || at < 0 || length <= 0 || at > rowBytes || length > rowBytes - at) {
        return QByteArray();
    }
    return file_->readBytesAt(rowOffset(row) + at, length);
}

int CatalogTable::catalogueIndex() const {
    return file_->indexOfTable(descriptor_.name);
}

QByteArray CatalogTable::shortName() const {
    if (descriptor_.kind != fmt::kDictionary) {
        return descriptor_.name;
    }
    if (descriptor_.name.size() <= fmt::kDictionaryPrefixLength) {
        return QByteArray("");
    }
    return descriptor_.name.mid(fmt::kDictionaryPrefixLength);
}

// --- FixedTable ---

FixedTable::FixedTable(CatalogFile* file, TableDescriptor descriptor)
    : CatalogTable(file, std::move(descriptor)) {
    logLine(QByteArray(26, '=') + "INIT FIXED DB" + QByteArray(30, '='));
    const qint64 d = descriptor_.blockOffset;
    if (d < 0) {
        return;  // an unreadable offset must not turn into a read near the file's start
    }
    storedRowCount_ = file->readU24At(d);
    headerValue_ = file->readU24At(d + 3);
    const qint64 w = headerValue_;
    if (storedRowCount_ > 0 && w > 0 && blockEnd() >= 0) {
        const qint64 room = blockEnd() - (d + fmt::kBlockHeaderSize);
        if (room > 0) {
            usableRows_ = static_cast<int>(std::min<qint64>(storedRowCount_, room / w));
        }
    }
}

qint64 FixedTable::rowOffset(int row) const {
    if (row < 0 || row >= usableRows_) {
        return -1;
    }
    return descriptor_.blockOffset + fmt::kBlockHeaderSize + qint64{row} * headerValue_;
}

int FixedTable::rowLength(int row) const {
    if (row < 0 || row >= usableRows_) {
        return -1;
    }
    return headerValue_;
}

int FixedTable::rowCount() const {
    return usableRows_;
}

// --- IndexedTable ---

IndexedTable::IndexedTable(CatalogFile* file, TableDescriptor descriptor)
    : CatalogTable(file, std::move(descriptor)) {
    const qint64 d = descriptor_.blockOffset;
    if (d < 0) {
        return;
    }
    storedRowCount_ = file->readU24At(d);
    headerValue_ = file->readU24();
    if (storedRowCount_ > 0 && blockEnd() >= 0) {
        const qint64 room = blockEnd() - (d + fmt::kBlockHeaderSize);
        const qint64 entries = room > 0 ? room / fmt::kRowIndexEntrySize : 0;
        if (entries >= storedRowCount_) {
            usableRows_ = storedRowCount_;
        } else if (entries > 1) {
            // The index is cut short by the block: a row is usable only while the entry after
            // its own, which ends it, is there too.
            usableRows_ = static_cast<int>(entries - 1);
        }
    }
}

qint64 IndexedTable::checkedStart(int row) const {
    if (row < 0 || row >= usableRows_) {
        return -1;
    }
    const qint64 d = descriptor_.blockOffset;
    const qint64 start =
        file()->readU24At(d + fmt::kBlockHeaderSize + qint64{row} * fmt::kRowIndexEntrySize);
    if (start < 0 || d + start > blockEnd()) {
        return -1;
    }
    return start;
}

qint64 IndexedTable::rowOffset(int row) const {
    const qint64 start = checkedStart(row);
    return start < 0 ? -1 : descriptor_.blockOffset + start;
}

int IndexedTable::rowLength(int row) const {
    const qint64 start = checkedStart(row);
    if (start < 0) {
        return -1;
    }
    // The next entry follows the one just read; the last row ends with the block.
    const qint64 end = row < storedRowCount_ - 1 ? file()->readU24() : descriptor_.blockSize;
    if (end < start || descriptor_.blockOffset + end > blockEnd()) {
        return -1;
    }
    return static_cast<int>(end - start);
}

int IndexedTable::rowCount() const {
    return usableRows_;
}

}  // namespace corkwise
