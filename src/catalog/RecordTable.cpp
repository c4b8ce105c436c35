#include "catalog/RecordTable.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"
#include "catalog/Coding.h"
#include "common/ErrorLog.h"

#include <algorithm>
#include <cstring>

namespace corkwise {

namespace fmt = catalog_format;

RecordTable::RecordTable(CatalogFile* file, TableDescriptor descriptor)
    : FixedTable(file, std::move(descriptor)) {}

void RecordTable::readHeader() const {
    FixedTable::readHeader();
    // The column count comes from W, which is checked against the block by rowLength: a header
    // row that does not fit the block gives no columns rather than a huge allocation.
    const int headerBytes = rowLength(0);
    if (headerBytes < fmt::kValueIdSize) {
        return;
    }
    const int count = headerBytes / fmt::kValueIdSize;
    const qint64 at = rowOffset(0);
    QByteArray bytes(qsizetype{count} * fmt::kValueIdSize, Qt::Uninitialized);
    const qint64 got = file()->readDirect(at, bytes.data(), bytes.size());
    columns_.reserve(static_cast<size_t>(count));
    columnNames_.resize(static_cast<size_t>(count));
    columnNamed_.resize(static_cast<size_t>(count));
    for (int j = 0; j < count; ++j) {
        const qint64 end = qint64{j + 1} * fmt::kValueIdSize;
        const int number =
            end <= got ? coding::getU16(bytes.constData() + j * fmt::kValueIdSize) : -1;
        columns_.push_back(number);
        if (const CatalogTable* t = file()->tableAt(number)) {
            columnNames_[static_cast<size_t>(j)] = t->shortName();
            columnNamed_[static_cast<size_t>(j)] = true;
        }
    }
}

int RecordTable::columnDictionary(int j) const {
    if (j < 0 || j >= columnCount()) {
        return -1;
    }
    return columns_[static_cast<size_t>(j)];
}

int RecordTable::columnOf(int dictionary) const {
    const std::vector<int>& all = columns();
    const auto it = std::find(all.begin(), all.end(), dictionary);
    return it == all.end() ? -1 : static_cast<int>(it - all.begin());
}

int RecordTable::valueInColumn(int row, int j) const {
    qint64 offset = 0;
    int length = 0;
    if (j < 0 || !rowSpan(row, &offset, &length) || length < (qint64{j} + 1) * fmt::kValueIdSize) {
        return -1;
    }
    return file()->readU16At(offset + qint64{j} * fmt::kValueIdSize);
}

int RecordTable::valueAt(int row, int dictionary) const {
    return valueInColumn(row, columnOf(dictionary));
}

int RecordTable::columnByName(QByteArrayView shortName) const {
    const size_t count = columns().size();
    for (size_t j = 0; j < count; ++j) {
        const QByteArray& name = columnNames_[j];
        if (columnNamed_[j] && name.size() == shortName.size() &&
            (name.isEmpty() || std::memcmp(name.constData(), shortName.data(),
                                           static_cast<size_t>(name.size())) == 0)) {
            return static_cast<int>(j);
        }
    }
    return -1;
}

int RecordTable::dictNumberByName(const QByteArray& shortName) const {
    const int j = columnByName(shortName);
    if (j < 0) {
        return -1;
    }
    const int number = columns_[static_cast<size_t>(j)];
    logNumber("==================> FIND DICTTIONARY ID", number);
    return number;
}

}  // namespace corkwise
