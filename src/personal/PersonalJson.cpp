#include "personal/PersonalJson.h"

#include "common/SafeWrite.h"
#include "common/TextCodec.h"
#include "personal/PersonalFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>
#include <limits>

namespace corkwise {

namespace {

// TEXT as a JSON string literal, escaped by Qt's own writer.
QByteArray quoted(const QString& text) {
    QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// "note", "bookmark", or the number of a kind this program does not know.
QByteArray kindText(EntryKind kind) {
    switch (kind) {
        case EntryKind::Note:
            return "\"note\"";
        case EntryKind::Bookmark:
            return "\"bookmark\"";
    }
    return QByteArray::number(static_cast<int>(kind));
}

// Counts code points, so that a character outside the basic plane counts once.
qsizetype characterCount(const QString& text) {
    return text.toUcs4().size();
}

class EntryReader {
public:
    EntryReader(QString* error, QStringList* warnings) : error_(error), warnings_(warnings) {}

    std::optional<PersonalEntry> read(const QJsonValue& value, int index) {
        index_ = index;
        if (!value.isObject()) {
            return fail(QStringLiteral("entry %1: not an object").arg(index));
        }
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString& key = it.key();
            if (key != u"name" && key != u"kind" && key != u"text" && key != u"values" &&
                key != u"record") {
                return failField(key, QStringLiteral("unknown field"));
            }
        }
        QByteArray name;
        QByteArray text;
        if (!readText(object, QStringLiteral("name"), QStringLiteral("name"),
                      PersonalEntry::kMaxNameLength, true, &name) ||
            !readText(object, QStringLiteral("text"), QStringLiteral("text"),
                      PersonalEntry::kMaxTextLength, false, &text)) {
            return std::nullopt;
        }
        const QJsonValue kind = object.value(u"kind");
        EntryKind entryKind = EntryKind::Note;
        if (kind.isUndefined()) {
            return failField(QStringLiteral("kind"), QStringLiteral("missing"));
        }
        if (kind == QJsonValue(QStringLiteral("bookmark"))) {
            entryKind = EntryKind::Bookmark;
        } else if (kind.isDouble()) {
            int number = 0;
            if (!readInteger(object, QStringLiteral("kind"), QStringLiteral("kind"), &number)) {
                return std::nullopt;
            }
            entryKind = static_cast<EntryKind>(number);
        } else if (kind != QJsonValue(QStringLiteral("note"))) {
            return failField(QStringLiteral("kind"),
                             QStringLiteral("must be \"note\", \"bookmark\" or a number"));
        }
        std::vector<DictValue> values;
        const QJsonValue list = object.value(u"values");
        if (!list.isUndefined()) {
            if (!list.isArray()) {
                return failField(QStringLiteral("values"), QStringLiteral("must be an array"));
            }
            const QJsonArray array = list.toArray();
            for (qsizetype j = 0; j < array.size(); ++j) {
                std::optional<DictValue> dictValue = readValue(array.at(j), j);
                if (!dictValue) {
                    return std::nullopt;
                }
                values.push_back(std::move(*dictValue));
            }
        }
        PersonalEntry entry(entryKind, name, text, values);
        const QJsonValue record = object.value(u"record");
        if (!record.isUndefined() && !readRecord(record, &entry)) {
            return std::nullopt;
        }
        return entry;
    }

private:
    // Gives ENTRY, of a kind this program does not know, the record it was exported with. The
    // record must hold the same kind, name, text and values, so that an edit of those in the
    // JSON is never silently undone by the record.
    bool readRecord(const QJsonValue& value, PersonalEntry* entry) {
        const QString field = QStringLiteral("record");
        if (entry->hasKnownKind()) {
            failField(field, QStringLiteral("only for kinds other than note and bookmark"));
            return false;
        }
        const auto decoded = QByteArray::fromBase64Encoding(
            value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!value.isString() || !decoded) {
            failField(field, QStringLiteral("must be a base64 string"));
            return false;
        }
        const std::optional<PersonalEntry> stored =
            PersonalFile::parseRecord(decoded.decoded.constData(), decoded.decoded.size());
        if (!stored) {
            failField(field, QStringLiteral("too short for a record"));
            return false;
        }
        if (!stored->sameFields(*entry)) {
            failField(field, QStringLiteral("does not hold this kind, name, text and values"));
            return false;
        }
        entry->setStoredRecord(decoded.decoded);
        return true;
    }

    std::optional<DictValue> readValue(const QJsonValue& value, qsizetype j) {
        const QString prefix = QStringLiteral("values[%1]").arg(j);
        if (!value.isObject()) {
            failField(prefix, QStringLiteral("must be an object"));
            return std::nullopt;
        }
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString& key = it.key();
            if (key != u"id" && key != u"dictionary" && key != u"text") {
                failField(prefix + u'.' + key, QStringLiteral("unknown field"));
                return std::nullopt;
            }
        }
        int id = 0;
        int dictionary = 0;
        QByteArray text;
        if (!readInteger(object, QStringLiteral("id"), prefix + QStringLiteral(".id"), &id) ||
            !readInteger(object, QStringLiteral("dictionary"),
                         prefix + QStringLiteral(".dictionary"), &dictionary) ||
            !readText(object, QStringLiteral("text"), prefix + QStringLiteral(".text"),
                      PersonalEntry::kMaxValueTextLength, false, &text)) {
            return std::nullopt;
        }
        return DictValue(id, dictionary, text);
    }

    bool readInteger(const QJsonObject& object, const QString& key, const QString& field,
                     int* out) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) {
            failField(field, QStringLiteral("missing"));
            return false;
        }
        const double number = value.toDouble();
        if (!value.isDouble() || !std::isfinite(number) || std::floor(number) != number ||
            number < std::numeric_limits<qint32>::min() ||
            number > std::numeric_limits<qint32>::max()) {
            failField(field, QStringLiteral("must be a 32-bit integer"));
            return false;
        }
        *out = static_cast<int>(number);
        return true;
    }

    bool readText(const QJsonObject& object, const QString& key, const QString& field, int limit,
                  bool required, QByteArray* out) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined()) {
            if (required) {
                failField(field, QStringLiteral("missing"));
                return false;
            }
            *out = QByteArray("");
            return true;
        }
        if (!value.isString()) {
            failField(field, QStringLiteral("must be a string"));
            return false;
        }
        const QString text = value.toString();
        if (text.contains(QChar(u'\0'))) {
            failField(field, QStringLiteral("must not contain a NUL character"));
            return false;
        }
        if (characterCount(text) > limit) {
            failField(field, QStringLiteral("longer than %1 characters").arg(limit));
            return false;
        }
        if (!isWindows1252(text) && warnings_ != nullptr) {
            warnings_->append(QStringLiteral("entry %1, field \"%2\": characters outside "
                                             "Windows-1252 stored as '?'")
                                  .arg(index_)
                                  .arg(field));
        }
        *out = toWindows1252(text);
        return true;
    }

    std::nullopt_t fail(const QString& message) {
        if (error_ != nullptr) {
            *error_ = message;
        }
        return std::nullopt;
    }

    std::nullopt_t failField(const QString& field, const QString& why) {
        return fail(QStringLiteral("entry %1, field \"%2\": %3").arg(index_).arg(field, why));
    }

    QString* error_;
    QStringList* warnings_;
    int index_ = 0;
};

}  // namespace

QByteArray PersonalJson::toJson(const std::vector<PersonalEntry>& entries) {
    if (entries.empty()) {
        return "[]\n";
    }
    QByteArray out = "[\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        const PersonalEntry& entry = entries[i];
        out += "  {\n";
        out += "    \"name\": " + quoted(entry.name()) + ",\n";
        out += "    \"kind\": " + kindText(entry.kind()) + ",\n";
        out += "    \"text\": " + quoted(entry.text()) + ",\n";
        out += "    \"values\": [";
        const std::vector<DictValue>& values = entry.values();
        for (size_t j = 0; j < values.size(); ++j) {
            const DictValue& value = values[j];
            out += j == 0 ? "\n" : ",\n";
            out += "      {\"id\": " + QByteArray::number(value.valueId()) +
                   ", \"dictionary\": " + QByteArray::number(value.dictionary()) +
                   ", \"text\": " + quoted(fromWindows1252(value.text())) + "}";
        }
        out += values.empty() ? "]" : "\n    ]";
        if (!entry.storedRecord().isEmpty()) {
            out += ",\n    \"record\": \"" + entry.storedRecord().toBase64() + "\"";
        }
        out += "\n";
        out += i + 1 < entries.size() ? "  },\n" : "  }\n";
    }
    out += "]\n";
    return out;
}

std::optional<std::vector<PersonalEntry>> PersonalJson::fromJson(const QByteArray& json,
                                                                 QString* error,
                                                                 QStringList* warnings) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error != nullptr) {
            *error = QStringLiteral("malformed JSON at offset %1: %2")
                         .arg(parseError.offset)
                         .arg(parseError.errorString());
        }
        return std::nullopt;
    }
    if (!document.isArray()) {
        if (error != nullptr) {
            *error = QStringLiteral("the JSON must be an array of entries");
        }
        return std::nullopt;
    }
    const QJsonArray array = document.array();
    std::vector<PersonalEntry> entries;
    entries.reserve(static_cast<size_t>(array.size()));
    EntryReader reader(error, warnings);
    for (qsizetype i = 0; i < array.size(); ++i) {
        std::optional<PersonalEntry> entry = reader.read(array.at(i), static_cast<int>(i));
        if (!entry) {
            return std::nullopt;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
}

bool PersonalJson::writeFile(const QString& path, const std::vector<PersonalEntry>& entries,
                             QString* error) {
    return replaceFile(path, toJson(entries), error);
}

std::optional<std::vector<PersonalEntry>> PersonalJson::readFile(const QString& path,
                                                                 QString* error,
                                                                 QStringList* warnings) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    // Far more than any store holds; a file this large is not an export of notes.
    constexpr qint64 kMaxSize = qint64{64} * 1024 * 1024;
    if (file.size() > kMaxSize) {
        if (error != nullptr) {
            *error = QStringLiteral("the file is too large to hold notes and bookmarks");
        }
        return std::nullopt;
    }
    return fromJson(file.readAll(), error, warnings);
}

}  // namespace corkwise
