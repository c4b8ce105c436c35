#pragma once
// The personal entries as JSON, for getting notes out of the program and back in.
//
// The document is an array, in store order, of objects
//   {"name": "...", "kind": "note" | "bookmark" | integer, "text": "...",
//    "values": [{"id": integer, "dictionary": integer, "text": "..."}], "record": "base64"}
// with UTF-8 texts. A kind this program does not know is given by its number, and such an entry
// read from a file carries its record as it was read ("record"), so that importing it writes
// the same bytes back. Importing what was exported gives the same entries, and exporting them
// again the same document.

#include "personal/PersonalEntry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace corkwise {

class PersonalJson {
public:
    // ENTRIES as an indented JSON document ending in a line feed; fields in the order above.
    static QByteArray toJson(const std::vector<PersonalEntry>& entries);
    // Writes toJson(ENTRIES) to the file at PATH, replacing it only once every byte is written.
    // False with *ERROR (when given) set to the reason when it cannot be written.
    static bool writeFile(const QString& path, const std::vector<PersonalEntry>& entries,
                          QString* error = nullptr);
    // Reads the JSON file at PATH with fromJson. Nothing, with *ERROR set, when the file cannot
    // be read or is not such a document.
    static std::optional<std::vector<PersonalEntry>> readFile(const QString& path, QString* error,
                                                              QStringList* warnings = nullptr);

    // Entries from JSON. On malformed JSON or a wrong field gives nothing and sets *ERROR to
    // a message naming the entry (counted from 0) and the field. "text" and "values" may be
    // left out (empty); unknown fields, wrong types, kinds other than "note", "bookmark" and a
    // number, numbers that are not 32-bit integers, texts longer than the file holds, and a
    // "record" that is not base64 of a record holding the entry's kind, name, text and values
    // (or is given for a note or bookmark) are errors.
    // A character Windows-1252 cannot hold is stored as '?' and noted in *WARNINGS.
    static std::optional<std::vector<PersonalEntry>> fromJson(const QByteArray& json,
                                                              QString* error,
                                                              QStringList* warnings = nullptr);
};

}  // namespace corkwise
