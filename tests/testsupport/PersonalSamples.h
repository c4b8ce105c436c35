#pragma once
// Personal entries and raw personal-file helpers for tests of the store, the guide and the
// personal panel.

#include "personal/PersonalEntry.h"

#include <QByteArray>
#include <QList>

#include <vector>

namespace corkwise::test {

// Big-endian u32 at OFFSET of BYTES (which must hold four bytes there).
quint32 u32At(const QByteArray& bytes, qsizetype offset);
void putU32At(QByteArray& bytes, qsizetype offset, quint32 value);

// A bookmark named NAME with values (id, dictionary, text) and TEXT.
PersonalEntry bookmark(const QByteArray& name, const std::vector<DictValue>& values,
                       const QByteArray& text = "");
// A note named NAME with TEXT and ten blank values of dictionaries 0 to 9.
PersonalEntry note(const QByteArray& name, const QByteArray& text = "");
// A note at every limit: a 31-character name, a 511-character text and ten values whose
// texts have 511 characters, all distinct.
PersonalEntry fullNote();
// Three varied entries: a bookmark, a note and a bookmark without values.
std::vector<PersonalEntry> sampleEntries();

// A record of KIND as a later version might write it: note("From later", "kept") with twelve
// bytes more behind the text that this version's writer would not produce.
QByteArray laterRecord(quint32 kind = 2);
// A whole personal file of RECORDS, laid out back to back behind their table.
QByteArray fileOfRecords(const QList<QByteArray>& records);

}  // namespace corkwise::test
