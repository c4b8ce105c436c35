#include "personal/PersonalEntry.h"

#include "common/TextCodec.h"

namespace corkwise {

QByteArray PersonalEntry::limited(const QByteArray& bytes, int limit) {
    qsizetype end = bytes.indexOf('\0');
    if (end < 0) {
        end = bytes.size();
    }
    return bytes.left(qMin<qsizetype>(end, limit));
}

QByteArray PersonalEntry::encodeLimited(const QString& text, int limit) {
    // Cut by code points before encoding, so that a surrogate pair is never split; each code
    // point becomes exactly one byte in Windows-1252 ('?' when it has none).
    qsizetype units = 0;
    int characters = 0;
    while (units < text.size() && characters < limit) {
        if (text.at(units).isNull()) {
            break;
        }
        const bool pair = text.at(units).isHighSurrogate() && units + 1 < text.size() &&
                          text.at(units + 1).isLowSurrogate();
        units += pair ? 2 : 1;
        ++characters;
    }
    return limited(toWindows1252(text.left(units)), limit);
}

PersonalEntry::PersonalEntry(EntryKind kind, const QByteArray& name, const QByteArray& text,
                             const std::vector<DictValue>& values)
    : name_(limited(name, kMaxNameLength)), kind_(kind), text_(limited(text, kMaxTextLength)) {
    setValues(values);
}

QString PersonalEntry::name() const {
    return fromWindows1252(name_);
}

QString PersonalEntry::text() const {
    return fromWindows1252(text_);
}

bool PersonalEntry::hasKnownKind() const {
    return kind_ == EntryKind::Note || kind_ == EntryKind::Bookmark;
}

void PersonalEntry::setName(const QString& name) {
    name_ = encodeLimited(name, kMaxNameLength);
    record_.clear();
}

void PersonalEntry::setText(const QString& text) {
    text_ = encodeLimited(text, kMaxTextLength);
    record_.clear();
}

void PersonalEntry::setRawName(const QByteArray& name) {
    name_ = limited(name, kMaxNameLength);
    record_.clear();
}

void PersonalEntry::setRawText(const QByteArray& text) {
    text_ = limited(text, kMaxTextLength);
    record_.clear();
}

void PersonalEntry::setKind(EntryKind kind) {
    kind_ = kind;
    record_.clear();
}

void PersonalEntry::setValues(const std::vector<DictValue>& values) {
    std::vector<DictValue> copies;
    copies.reserve(values.size());
    for (const DictValue& value : values) {
        copies.emplace_back(value.valueId(), value.dictionary(),
                            limited(value.text(), kMaxValueTextLength));
    }
    values_ = std::move(copies);
    record_.clear();
}

bool PersonalEntry::sameFields(const PersonalEntry& other) const {
    return kind_ == other.kind_ && name_ == other.name_ && text_ == other.text_ &&
           values_ == other.values_;
}

bool PersonalEntry::operator==(const PersonalEntry& other) const {
    return sameFields(other) && record_ == other.record_;
}

}  // namespace corkwise
