#include "catalog/LevelTable.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"

namespace corkwise {

namespace fmt = catalog_format;

LevelTable::LevelTable(CatalogFile* file, TableDescriptor descriptor)
    : IndexedTable(file, std::move(descriptor)) {}

int LevelTable::nodeValue(int row) const {
    qint64 offset = 0;
    int length = 0;
    if (!rowSpan(row, &offset, &length) || length < fmt::kNodeValueOffset + fmt::kValueIdSize) {
        return -1;
    }
    return file()->readU16At(offset + fmt::kNodeValueOffset);
}

int LevelTable::nodeTarget(int row) const {
    qint64 offset = 0;
    int length = 0;
    if (!rowSpan(row, &offset, &length) || length < fmt::kNodeTargetOffset + 1) {
        return -1;
    }
    return file()->readByteAt(offset + fmt::kNodeTargetOffset);
}

int LevelTable::childCount(int row) const {
    qint64 offset = 0;
    int length = 0;
    if (!rowSpan(row, &offset, &length) || length < fmt::kNodeChildrenOffset) {
        return 0;
    }
    return (length - fmt::kNodeChildrenOffset) / fmt::kNodeChildSize;
}

int LevelTable::child(int row, int k) const {
    Node node;
    return readNode(row, &node) ? child(node, k) : -1;
}

}  // namespace corkwise
