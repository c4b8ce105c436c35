#pragma once
// Turns catalogue sources (CatalogSources.h) into the bytes of a catalogue file: the
// dictionaries, the record tables and the five search trees, laid out in one buffer that is
// then written in one go. docs/catalogue-sources.md says what goes where.

#include "catalogtool/CatalogSources.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

class QIODevice;

namespace corkwise::tool {

struct CompileStats {
    int tables = 0;
    qint64 bytes = 0;
    int wineTables = 0;
    qint64 levelNodes = 0;
};

// What the format can address. Tests lower these to reach the limits with small sources.
struct FormatLimits {
    qint64 maxPosition = 0xFFFFFF;          // last byte a 24-bit block offset can name
    qint64 maxBlockSize = 0xFFFFFF;         // largest 24-bit block size, and row count
    int maxTables = 256;                    // 8-bit table numbers
    std::uint32_t recordsPerTable = 65535;  // 16-bit row numbers; row 0 is the column header
};

// Compiles SOURCES into IMAGE, the whole catalogue file. Returns false, with a message naming
// the limit and what exceeded it, when the format cannot address the result (more than 256
// tables, a block of 16 MiB or more, a block starting at or beyond 16 MiB).
bool compileCatalogue(const Sources& sources, QByteArray* image, QString* error,
                      CompileStats* stats = nullptr, const ProgressFunction& progress = {},
                      const FormatLimits& limits = {});

// Writes IMAGE to DEVICE, which must be open for writing. False with the device's error.
bool writeCatalogue(const QByteArray& image, QIODevice* device, QString* error);

// Writes IMAGE to PATH through a temporary file that replaces PATH only once complete, so an
// error never leaves a partial file or damages an existing one.
bool saveCatalogue(const QByteArray& image, const QString& path, QString* error);

}  // namespace corkwise::tool
