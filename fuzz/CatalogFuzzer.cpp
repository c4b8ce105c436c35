// Opens arbitrary bytes as a catalogue and reads everything in it through the public tables
// and cursors, with both ways of reading the file. The bytes are read in place, from memory:
// a read past their end is one past libFuzzer's own buffer, which the sanitizer reports.

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogWalk.h"
#include "common/ErrorLog.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corkwise::ErrorLog::setEnabled(false);
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const corkwise::Catalog catalog(corkwise::CatalogFile::fromBytes(bytes));
    (void)corkwise::walkCatalog(catalog);
    // The positioned reader goes through the same checks with real short reads.
    const auto positioned =
        corkwise::CatalogFile::fromBytes(bytes, corkwise::CatalogFile::Access::Positioned);
    if (positioned->tableCount() != catalog.file()->tableCount()) {
        __builtin_trap();
    }
    return 0;
}
