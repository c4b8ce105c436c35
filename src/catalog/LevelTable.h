#pragma once

#include "catalog/CatalogTable.h"
#include "catalog/Coding.h"

namespace corkwise {

// One level of a search tree; each row is a node: u16 value id, u8 target table number, then
// u24 row numbers of its children in the next level (the table numbered nextLevel()).
// Kind 3 levels hold dictionary nodes only; kind 2 levels also record nodes.
class LevelTable final : public IndexedTable {
public:
    // The fixed part of a node, read in one go.
    struct Node {
        int value = -1;      // value id
        int target = -1;     // target table number
        int childCount = 0;  // number of u24 child numbers
        qint64 offset = -1;  // absolute position of the row
    };

    LevelTable(CatalogFile* file, TableDescriptor descriptor);

    // Reads ROW's value id, target and child count; false when ROW is not a readable node
    // (missing, outside the block, or shorter than 3 bytes).
    bool readNode(int row, Node* node) const;
    // Row number in the next level of the K-th child of NODE (as read by readNode), or -1.
    int child(const Node& node, int k) const {
        if (k < 0 || k >= node.childCount) {
            return -1;
        }
        return file()->readU24At(node.offset + catalog_format::kNodeChildrenOffset +
                                 qint64{k} * catalog_format::kNodeChildSize);
    }

    // The node's value id (a row of its target table), or -1 when ROW is not a readable node.
    int nodeValue(int row) const;
    // The node's target table number, or -1 when ROW is not a readable node.
    int nodeTarget(int row) const;
    // (row length - 3) / 3; 0 when ROW is not a readable node.
    int childCount(int row) const;
    // Row number in the next level of the K-th child of ROW, or -1 when there is no such child.
    int child(int row, int k) const;
    // The table number of the next level: the header value H; -1 when it cannot be read.
    int nextLevel() const { return headerValue(); }
};

// Defined here, like the row index it reads, for the cursors that list children.
inline bool LevelTable::readNode(int row, Node* node) const {
    namespace fmt = catalog_format;
    qint64 offset = 0;
    int length = 0;
    if (!IndexedTable::rowSpan(row, &offset, &length) || length < fmt::kNodeChildrenOffset) {
        return false;
    }
    const uchar* head = file()->mappedBytes(offset, fmt::kNodeChildrenOffset);
    unsigned char copy[fmt::kNodeChildrenOffset];
    if (head == nullptr) {
        if (!file()->readInto(offset, reinterpret_cast<char*>(copy), fmt::kNodeChildrenOffset)) {
            return false;
        }
        head = copy;
    }
    node->value = coding::getU16(head + fmt::kNodeValueOffset);
    node->target = head[fmt::kNodeTargetOffset];
    node->childCount = (length - fmt::kNodeChildrenOffset) / fmt::kNodeChildSize;
    node->offset = offset;
    return true;
}

}  // namespace corkwise
