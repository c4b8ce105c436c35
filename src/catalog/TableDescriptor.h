#pragma once
// One kept entry of the catalogue's table directory.

#include <QByteArray>

namespace corkwise {

struct TableDescriptor {
    int entryId = -1;  // kept with the table, not interpreted
    int kind = -1;     // catalog_format::TableKind, 0 to 3
    // The name as stored, without its NUL padding: at most 31 bytes.
    QByteArray name;
    int blockOffset = -1;  // D: absolute offset of the table's block; -1 when unreadable
    int blockSize = -1;    // Z: size of the block in bytes; -1 when unreadable
};

}  // namespace corkwise
