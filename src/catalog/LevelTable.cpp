#include "catalog/LevelTable.h"

#include "catalog/CatalogFile.h"
#include "catalog/CatalogFormat.h"

namespace corkwise {

namespace fmt = catalog_format;

LevelTable::LevelTable(CatalogFile* file, TableDescriptor descriptor)
    : IndexedTable(file, std::move(descriptor)) {}

bool LevelTable::readNode(int row, Node* node) const {
    qint64 offset = 0;
    int length = 0;
    unsigned char head[fmt::kNodeChildrenOffset];
    if (!rowSpan(row, &offset, &length) || length < fmt::kNodeChildrenOffset ||
        !file()->readInto(offset, reinterpret_cast<char*>(head), fmt::kNodeChildrenOffset)) {
        return false;
    }
    node->value = (head[fmt::kNodeValueOffset] << 8) | head[fmt::kNodeValueOffset + 1];
    node->target = head[fmt::kNodeTargetOffset];
    node->childCount = (length - fmt::kNodeChildrenOffset) / fmt::kNodeChildSize;
    node->offset = offset;
    return true;
}

int LevelTable::child(const Node& node, int k) const {
    if (k < 0 || k >= node.childCount) {
        return -1;
    }
    return file()->readU24At(node.offset + fmt::kNodeChildrenOffset +
                             qint64{k} * fmt::kNodeChildSize);
}

int LevelTable::nodeValue(int row) const {
    qint64 offset = 0;
    int length = 0;
    if (!rowSpan(row, &offset, &length) || length < fmt::kNodeValueOffset + 2) {
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

int LevelTable::nextLevel() const {
    if (descriptor_.blockOffset < 0) {
        return -1;
    }
    return file()->readU24At(qint64{descriptor_.blockOffset} + 3);
}

}  // namespace corkwise
