#include "testsupport/PersonalSamples.h"

#include "personal/PersonalFile.h"

#include <QtEndian>

namespace corkwise::test {

quint32 u32At(const QByteArray& bytes, qsizetype offset) {
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData() + offset));
}

void putU32At(QByteArray& bytes, qsizetype offset, quint32 value) {
    qToBigEndian(value, reinterpret_cast<uchar*>(bytes.data() + offset));
}

PersonalEntry bookmark(const QByteArray& name, const std::vector<DictValue>& values,
                       const QByteArray& text) {
    return PersonalEntry(EntryKind::Bookmark, name, text, values);
}

PersonalEntry note(const QByteArray& name, const QByteArray& text) {
    std::vector<DictValue> values;
    for (int d = 0; d < 10; ++d) {
        values.emplace_back(-1, d, QByteArray(""));
    }
    return PersonalEntry(EntryKind::Note, name, text, values);
}

PersonalEntry fullNote() {
    std::vector<DictValue> values;
    for (int d = 0; d < 10; ++d) {
        values.emplace_back(-1, d, QByteArray(511, static_cast<char>('a' + d)));
    }
    QByteArray text(511, 'x');
    text[0] = '\xe9';  // e acute in Windows-1252
    return PersonalEntry(EntryKind::Note, QByteArray(31, 'N'), text, values);
}

std::vector<PersonalEntry> sampleEntries() {
    return {
        bookmark("Chateau Rouge", {{3, 1, "France"}, {7, 2, "Still"}, {0, 4, "Red"}}, "Buy two"),
        note("Dinner", "Lovely with lamb\r\nSecond line"),
        bookmark("Empty", {}),
    };
}

QByteArray laterRecord(quint32 kind) {
    QByteArray record = PersonalFile::serialiseRecord(note("From later", "kept"));
    putU32At(record, 32, kind);
    return record.append(QByteArray::fromHex("0000000765787472610000ff"));
}

QByteArray fileOfRecords(const QList<QByteArray>& records) {
    QByteArray file(4 + 4 * records.size(), '\0');
    putU32At(file, 0, static_cast<quint32>(records.size()));
    for (qsizetype i = 0; i < records.size(); ++i) {
        putU32At(file, 4 + 4 * i, static_cast<quint32>(file.size()));
        file.append(records[i]);
    }
    return file;
}

}  // namespace corkwise::test
