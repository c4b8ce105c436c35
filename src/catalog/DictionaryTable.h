#pragma once

#include "catalog/CatalogTable.h"

namespace corkwise {

// One text per row: the text of value id v is row v. A dictionary's name is "Dict" followed by
// its short name.
class DictionaryTable final : public IndexedTable {
public:
    DictionaryTable(CatalogFile* file, TableDescriptor descriptor);

    // The text of VALUEID, or an empty text when there is no such value.
    QByteArray text(int valueId) const { return readRow(valueId); }
};

}  // namespace corkwise
