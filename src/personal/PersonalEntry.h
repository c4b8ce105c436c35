#pragma once
// One note or bookmark: a name, a kind, a free text and a list of catalogue values.
//
// Texts are held as the 8-bit Windows-1252 bytes the personal file stores. Every way in
// cuts them to the limits the file format carries (a name of at most 31 characters, a text
// and each value text of at most 511) and at an embedded NUL, so an entry always fits its
// stored form. Unicode texts are converted at the boundary; a character Windows-1252 cannot
// hold becomes '?'.

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
    // The values in order; value texts are 8-bit.
    const std::vector<DictValue>& values() const { return values_; }

    void setName(const QString& name);
    void setText(const QString& text);
    void setRawName(const QByteArray& name);
    void setRawText(const QByteArray& text);
    void setKind(EntryKind kind) { kind_ = kind; }
    // Replaces the values by copies of VALUES, texts cut to their limit.
    void setValues(const std::vector<DictValue>& values);

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
};

}  // namespace corkwise
