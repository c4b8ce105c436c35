#include "catalog/DictionaryTable.h"

namespace corkwise {

DictionaryTable::DictionaryTable(CatalogFile* file, TableDescriptor descriptor)
    : IndexedTable(file, std::move(descriptor)) {}

}  // namespace corkwise
