#pragma once
// One note or bookmark: a name, a kind, a free text and a list of catalogue values.
//
// Texts are held as the 8-bit Windows-1252 bytes the personal file stores. Every way in
// cuts them to the limits the file format carries (a name of at most 31 characters, a text
// and each value text of at most 511) and at an embedded NUL, so an entry always fits its
// stored form. Unicode texts are converted at the boundary; a character Windows-1252 cannot
// hold becomes '?'.
//
// The kind is usually a note or a bookmark; an entry read from a record of another kind (written
// by a later version) also keeps that record's bytes, so that it is written back unchanged.

#include "catalog/DictValue.h"
#include "personal/EntryKind.h"
#include "personal/PersonalFormat.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace corkwise {

class PersonalEntry {
public:
    static constexpr int kMaxNameLength = personal_format::kMaxNameLength;
    static constexpr int kMaxTextLength = personal_format::kMaxTextLength;
    static constexpr int kMaxValueTextLength = personal_format::kMaxValueTextLength;

    // An empty note without values.
    PersonalEntry() = default;
    // Copies NAME, TEXT (8-bit) and every value, each cut to its limit.
    PersonalEntry(EntryKind kind, const QByteArray& name, const QByteArray& text,
                  const std::vector<DictValue>& values);

    QString name() const;
    QString text() const;
    const QByteArray& rawName() const { return name_; }
    const QByteArray& rawText() const { return text_; }
    EntryKind kind() const { return kind_; }
    // True for a note or a bookmark, the kinds this program shows and edits.
    bool hasKnownKind() const;
    // The values in order; value texts are 8-bit.
    const std::vector<DictValue>& values() const { return values_; }

    void setName(const QString& name);
    void setText(const QString& text);
    void setRawName(const QByteArray& name);
    void setRawText(const QByteArray& text);
    void setKind(EntryKind kind);
    // Replaces the values by copies of VALUES, texts cut to their limit.
    void setValues(const std::vector<DictValue>& values);
    // Every setter above drops the kept record: a changed entry is written from its fields.

    // The record as read, kept for an entry of a kind this program does not know so that it is
    // written back byte for byte; empty for every other entry.
    const QByteArray& storedRecord() const { return record_; }
    void setStoredRecord(const QByteArray& record) { record_ = record; }

    // Same kind, name, text and values; the kept record is not compared.
    bool sameFields(const PersonalEntry& other) const;
    // Same fields and the same kept record.
    bool operator==(const PersonalEntry& other) const;

    // BYTES up to the first NUL and at most LIMIT bytes. Windows-1252 has one byte per
    // character, so the cut never falls inside a character.
    static QByteArray limited(const QByteArray& bytes, int limit);
    // TEXT in Windows-1252, cut to at most LIMIT characters and at an embedded NUL.
    static QByteArray encodeLimited(const QString& text, int limit);

private:
    std::vector<DictValue> values_;
    QByteArray name_;
    EntryKind kind_ = EntryKind::Note;
    QByteArray text_;
    QByteArray record_;
};

}  // namespace corkwise
