#include "catalog/CatalogTable.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"
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

void CatalogTable::readHeader() const {}

void CatalogTable::readBlockHeader() const {
    const qint64 d = descriptor_.blockOffset;
    if (d < 0) {
        return;  // an unreadable offset must not turn into a read near the file's start
    }
    // One plain read for both values: a header is read once, and a read through the map would
    // fault in a page of it for six bytes.
    char header[fmt::kBlockHeaderSize];
    const qint64 got = file_->readDirect(d, header, fmt::kBlockHeaderSize);
    const auto u24 = [&](int at) {
        return got >= at + coding::kU24Size ? coding::getU24(header + at) : -1;
    };
    storedRowCount_ = u24(0);
    headerValue_ = u24(coding::kU24Size);
}

qint64 CatalogTable::rowOffset(int) const {
    return 0;
}

int CatalogTable::rowLength(int) const {
    return 0;
}

int CatalogTable::rowCount() const {
    return 0;
}

bool CatalogTable::rowSpan(int, qint64*, int*) const {
    return false;
}

QByteArray CatalogTable::readRow(int row) const {
    qint64 offset = 0;
    int length = 0;
    if (!rowSpan(row, &offset, &length) || length <= 0) {
        return QByteArray();
    }
    return file_->readBytesAt(offset, length);
}

QByteArray CatalogTable::readRowPart(int row, int at, int length) const {
    qint64 offset = 0;
    int rowBytes = 0;
    if (!rowSpan(row, &offset, &rowBytes) || at < 0 || length <= 0 || at > rowBytes ||
        length > rowBytes - at) {
        return QByteArray();
    }
    return file_->readBytesAt(offset + at, length);
}

int CatalogTable::catalogueIndex() const {
    return file_->indexOfTable(descriptor_.name);
}

bool CatalogTable::hasShortName(const QByteArray& name) const {
    if (descriptor_.kind != fmt::kDictionary) {
        return descriptor_.name == name;
    }
    const QByteArray& whole = descriptor_.name;
    if (whole.size() <= fmt::kDictionaryPrefixLength) {
        return name.isEmpty();
    }
    return QByteArrayView(whole).sliced(fmt::kDictionaryPrefixLength) == QByteArrayView(name);
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
}

void FixedTable::readHeader() const {
    readBlockHeader();
    const qint64 d = descriptor_.blockOffset;
    const qint64 w = headerValue_;
    if (storedRowCount_ > 0 && w > 0 && blockEnd() >= 0) {
        const qint64 room = blockEnd() - (d + fmt::kBlockHeaderSize);
        if (room > 0) {
            usableRows_ = static_cast<int>(std::min<qint64>(storedRowCount_, room / w));
        }
    }
}

bool FixedTable::rowSpan(int row, qint64* offset, int* length) const {
    loadHeader();
    if (row < 0 || row >= usableRows_) {
        return false;
    }
    *offset = descriptor_.blockOffset + fmt::kBlockHeaderSize + qint64{row} * headerValue_;
    *length = headerValue_;
    return true;
}

qint64 FixedTable::rowOffset(int row) const {
    qint64 offset = -1;
    int length = 0;
    return rowSpan(row, &offset, &length) ? offset : -1;
}

int FixedTable::rowLength(int row) const {
    qint64 offset = 0;
    int length = -1;
    return rowSpan(row, &offset, &length) ? length : -1;
}

int FixedTable::rowCount() const {
    loadHeader();
    return usableRows_;
}

// --- IndexedTable ---

IndexedTable::IndexedTable(CatalogFile* file, TableDescriptor descriptor)
    : CatalogTable(file, std::move(descriptor)) {}

void IndexedTable::readHeader() const {
    readBlockHeader();
    const qint64 d = descriptor_.blockOffset;
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

qint64 IndexedTable::rowOffset(int row) const {
    qint64 offset = -1;
    int length = 0;
    return rowSpan(row, &offset, &length) ? offset : -1;
}

int IndexedTable::rowLength(int row) const {
    qint64 offset = 0;
    int length = -1;
    return rowSpan(row, &offset, &length) ? length : -1;
}

}  // namespace corkwise
