#include "catalog/RecordTable.h"

#include "catalog/CatalogFile.h"
#include "common/ErrorLog.h"

#include <algorithm>

namespace corkwise {

RecordTable::RecordTable(CatalogFile* file, TableDescriptor descriptor)
    : FixedTable(file, std::move(descriptor)) {
    // The column count comes from W, which is checked against the block by rowLength: a header
    // row that does not fit the block gives no columns rather than a huge allocation.
    const int headerBytes = rowLength(0);
    if (headerBytes < 2) {
        return;
    }
    const int count = headerBytes / 2;
    columns_.reserve(static_cast<size_t>(count));
    file->seek(rowOffset(0));
    for (int j = 0; j < count; ++j) {
        columns_.push_back(file->readU16());
    }
}

int RecordTable::columnDictionary(int j) const {
    if (j < 0 || j >= columnCount()) {
        return -1;
    }
    return columns_[static_cast<size_t>(j)];
}

int RecordTable::columnOf(int dictionary) const {
    const auto it = std::find(columns_.begin(), columns_.end(), dictionary);
    return it == columns_.end() ? -1 : static_cast<int>(it - columns_.begin());
}

int RecordTable::valueAt(int row, int dictionary) const {
    const int j = columnOf(dictionary);
    qint64 offset = 0;
    int length = 0;
    if (j < 0 || !rowSpan(row, &offset, &length) || length < 2 * j + 2) {
        return -1;
    }
    return file()->readU16At(offset + 2 * qint64{j});
}

int RecordTable::dictNumberByName(const QByteArray& shortName) const {
    for (int number : columns_) {
        const CatalogTable* t = file()->tableAt(number);
        if (t != nullptr && t->hasShortName(shortName)) {
            logNumber("==================> FIND DICTTIONARY ID", number);
            return number;
        }
    }
    return -1;
}

}  // namespace corkwise
