#include "catalog/LevelTable.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"

namespace corkwise {

namespace fmt = catalog_format;

LevelTable::LevelTable(CatalogFile* file, TableDescriptor descriptor)
    : IndexedTable(file, std::move(descriptor)) {}

int LevelTable::nodeValue(int row) const {
    if (rowLength(row) < fmt::kNodeValueOffset + 2) {
        return -1;
    }
    return file()->readU16At(rowOffset(row) + fmt::kNodeValueOffset);
}

int LevelTable::nodeTarget(int row) const {
    if (rowLength(row) < fmt::kNodeTargetOffset + 1) {
        return -1;
    }
    return file()->readByteAt(rowOffset(row) + fmt::kNodeTargetOffset);
}

int LevelTable::childCount(int row) const {
    const int length = rowLength(row);
    if (length < fmt::kNodeChildrenOffset) {
        return 0;
    }
    return (length - fmt::kNodeChildrenOffset) / fmt::kNodeChildSize;
}

int LevelTable::child(int row, int k) const {
    if (k < 0 || k >= childCount(row)) {
        return -1;
    }
    return file()->readU24At(rowOffset(row) + fmt::kNodeChildrenOffset +
                             qint64{k} * fmt::kNodeChildSize);
}

int LevelTable::nextLevel() const {
    if (descriptor_.blockOffset < 0) {
        return -1;
    }
    return file()->readU24At(qint64{descriptor_.blockOffset} + 3);
}

}  // namespace corkwise
