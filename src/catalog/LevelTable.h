#pragma once

#include "catalog/CatalogTable.h"

namespace corkwise {

// One level of a search tree; each row is a node: u16 value id, u8 target table number, then
// u24 row numbers of its children in the next level (the table numbered nextLevel()).
// Kind 3 levels hold dictionary nodes only; kind 2 levels also record nodes.
class LevelTable : public IndexedTable {
public:
    LevelTable(CatalogFile* file, TableDescriptor descriptor);

    // The node's value id (a row of its target table), or -1 when ROW is not a readable node.
    int nodeValue(int row) const;
    // The node's target table number, or -1 when ROW is not a readable node.
    int nodeTarget(int row) const;
    // (row length - 3) / 3; 0 when ROW is not a readable node.
    int childCount(int row) const;
    // Row number in the next level of the K-th child of ROW, or -1 when there is no such child.
    int child(int row, int k) const;
    // The table number of the next level, read from the block header on each call; -1 when it
    // cannot be read.
    int nextLevel() const;
};

}  // namespace corkwise
