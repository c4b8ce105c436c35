// Opens arbitrary bytes as a catalogue and reads everything in it through the public tables
// and cursors, with both ways of reading the file.

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/CatalogWalk.h"
#include "common/ErrorLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// One scratch file for the whole run; each input overwrites it. Memory-backed when the system
// has such a directory, so the disk does not set the pace.
const QString& scratchPath() {
    static QTemporaryDir dir(QFile::exists(QStringLiteral("/dev/shm"))
                                 ? QStringLiteral("/dev/shm/corkwise-fuzz-XXXXXX")
                                 : QString());
    static const QString path = dir.filePath(QStringLiteral("wcat.res"));
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corkwise::ErrorLog::setEnabled(false);
    {
        QFile file(scratchPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    const corkwise::Catalog catalog(scratchPath());
    (void)corkwise::walkCatalog(catalog);
    // The positioned reader goes through the same checks with real short reads.
    corkwise::CatalogFile positioned(scratchPath(), corkwise::CatalogFile::Access::Positioned);
    if (positioned.tableCount() != catalog.file()->tableCount()) {
        __builtin_trap();
    }
    return 0;
}
