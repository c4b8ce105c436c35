#pragma once
// Reading and writing the personal file (docs/personal-format.md).
//
// The reader never trusts the bytes: every offset and count is checked against what the file
// and the record hold, a damaged record is skipped, and the intact ones are kept.

#include "personal/PersonalEntry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QIODevice;

namespace corkwise {

// What the reader made of a personal file.
struct PersonalFileContents {
    std::vector<PersonalEntry> entries;  // the intact records, in file order
    bool damaged = false;                // something was skipped, cut or out of place
    QStringList problems;                // one sentence per defect found, for tools
};

class PersonalFile {
public:
    // Parses a whole file. Never fails: a damaged file gives the records that are intact.
    static PersonalFileContents parse(const QByteArray& bytes);
    // Parses one record of SIZE bytes at DATA. Returns nothing when the record cannot be read
    // (shorter than its header; for a note or bookmark also counts or offsets outside it). A
    // text without its terminator is taken up to its limit or the record's end and sets
    // *DAMAGED (when given). A record of another kind is never damage: the entry keeps its
    // bytes (storedRecord) with whatever name, text and values could be read from them.
    static std::optional<PersonalEntry> parseRecord(const char* data, qsizetype size,
                                                    bool* damaged = nullptr,
                                                    QString* problem = nullptr);

    // The stored form of ENTRY: its kept record when it has one, else laid out from its fields
    // with zeros after the name's terminator.
    static QByteArray serialiseRecord(const PersonalEntry& entry);
    // The whole file for ENTRIES, records in store order.
    static QByteArray serialise(const std::vector<PersonalEntry>& entries);

    // Writes ENTRIES to DEVICE (open for writing). Returns false with *ERROR set when the
    // device does not take every byte.
    static bool write(QIODevice* device, const std::vector<PersonalEntry>& entries,
                      QString* error = nullptr);

    // Saves ENTRIES as the whole file at PATH: replaceFile (common/SafeWrite.h) opens a
    // temporary file beside it and write() above fills it, so PATH changes only once every byte
    // is on the disk; on any failure PATH is left as it was and *ERROR holds the system's
    // reason. FILTER, when given, stands between the temporary file and write(): it calls WRITE
    // with the device write() is to fill (tests hand it one that fails midway).
    using DeviceWrite = std::function<bool(QIODevice& device)>;
    using DeviceFilter = std::function<bool(QIODevice& file, const DeviceWrite& write)>;
    static bool writeAtomically(const QString& path, const std::vector<PersonalEntry>& entries,
                                QString* error, const DeviceFilter& filter = {});

    // Reads the whole file at PATH; nothing when it cannot be opened or is not a regular file
    // (a FIFO would block the reader).
    static std::optional<QByteArray> readAll(const QString& path, QString* error = nullptr);
};

}  // namespace corkwise
