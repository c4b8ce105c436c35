#include "personal/PersonalFile.h"

#include "common/SafeWrite.h"
#include "personal/PersonalFormat.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace corkwise {

namespace pf = personal_format;

namespace {

// Reads the u32 at OFFSET; the caller has checked that four bytes lie there.
quint32 readU32(const char* data, qint64 offset) {
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(data + offset));
}

void appendU32(QByteArray& out, quint32 value) {
    uchar bytes[4];
    qToBigEndian(value, bytes);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

void putU32(QByteArray& out, qsizetype offset, quint32 value) {
    qToBigEndian(value, reinterpret_cast<uchar*>(out.data() + offset));
}

// The NUL-terminated text at OFFSET, searched for its terminator within LIMIT + 1 bytes and
// the record's SIZE. Without a terminator there, the text is cut at LIMIT or at the record's
// end and *TERMINATED is false.
QByteArray readText(const char* data, qint64 size, qint64 offset, int limit, bool* terminated) {
    const qint64 window = qMin<qint64>(size - offset, qint64{limit} + 1);
    const void* nul = std::memchr(data + offset, '\0', static_cast<size_t>(window));
    if (nul != nullptr) {
        *terminated = true;
        return QByteArray(data + offset, static_cast<const char*>(nul) - (data + offset));
    }
    *terminated = false;
    return QByteArray(data + offset, qMin<qint64>(window, limit));
}

// Reads the fields of a record of LENGTH bytes (at least its header) laid out as this version
// writes it. Returns nothing, with *WHY set, when a count or offset lies outside the record;
// clears *WHOLE when a text had no terminator and was cut.
std::optional<PersonalEntry> readFields(const char* data, qint64 length, quint32 kind, bool* whole,
                                        const char** why) {
    const qint64 textOffset = readU32(data, pf::kTextOffsetOffset);
    const qint64 valueCount = readU32(data, pf::kValueCountOffset);
    if (textOffset > length) {
        *why = "text offset outside the record";
        return std::nullopt;
    }
    // Every value needs at least its table slot, so a count that cannot fit is caught before
    // anything is reserved.
    if (valueCount > (length - pf::kRecordHeaderSize) / pf::kTableEntrySize) {
        *why = "value count larger than the record";
        return std::nullopt;
    }

    bool terminated = true;
    const QByteArray name =
        readText(data, pf::kNameFieldSize, pf::kNameOffset, pf::kMaxNameLength, &terminated);
    *whole = *whole && terminated;
    const QByteArray text = readText(data, length, textOffset, pf::kMaxTextLength, &terminated);
    *whole = *whole && terminated;

    std::vector<DictValue> values;
    values.reserve(static_cast<size_t>(valueCount));
    for (qint64 j = 0; j < valueCount; ++j) {
        const qint64 offset = readU32(data, pf::kValueTableOffset + j * pf::kTableEntrySize);
        const qint64 at = pf::kValueBase + offset;
        if (at > length - pf::kValueTextOffset) {
            *why = "value offset outside the record";
            return std::nullopt;
        }
        const auto valueId = static_cast<qint32>(readU32(data, at + pf::kValueIdOffset));
        const auto dictionary = static_cast<qint32>(readU32(data, at + pf::kValueDictionaryOffset));
        const QByteArray valueText =
            readText(data, length, at + pf::kValueTextOffset, pf::kMaxValueTextLength, &terminated);
        *whole = *whole && terminated;
        values.emplace_back(valueId, dictionary, valueText);
    }
    return PersonalEntry(static_cast<EntryKind>(kind), name, text, values);
}

}  // namespace

std::optional<PersonalEntry> PersonalFile::parseRecord(const char* data, qsizetype size,
                                                       bool* damaged, QString* problem) {
    const qint64 length = size;
    if (data == nullptr || length < pf::kRecordHeaderSize) {
        if (problem != nullptr) {
            *problem = QStringLiteral("record shorter than its header");
        }
        return std::nullopt;
    }
    const quint32 kind = readU32(data, pf::kKindOffset);
    bool whole = true;
    const char* why = nullptr;
    std::optional<PersonalEntry> entry = readFields(data, length, kind, &whole, &why);

    if (kind != pf::kNoteKind && kind != pf::kBookmarkKind) {
        // A later version's record: its layout beyond the header may differ, so whatever can be
        // read of it is only for showing in tools; the bytes themselves are what is kept.
        if (!entry) {
            bool ignored = true;
            entry = PersonalEntry(
                static_cast<EntryKind>(kind),
                readText(data, pf::kNameFieldSize, pf::kNameOffset, pf::kMaxNameLength, &ignored),
                QByteArray(""), {});
        }
        entry->setStoredRecord(QByteArray(data, size));
        return entry;
    }
    if (!entry) {
        if (problem != nullptr) {
            *problem = QString::fromLatin1(why);
        }
        return std::nullopt;
    }
    if (!whole) {
        if (damaged != nullptr) {
            *damaged = true;
        }
        if (problem != nullptr) {
            *problem = QStringLiteral("text without terminator, cut");
        }
    }
    return entry;
}

PersonalFileContents PersonalFile::parse(const QByteArray& bytes) {
    PersonalFileContents contents;
    auto damage = [&contents](const QString& why) {
        contents.damaged = true;
        contents.problems.append(why);
    };
    const char* data = bytes.constData();
    const qint64 size = bytes.size();
    if (size < pf::kCountSize) {
        damage(QStringLiteral("file shorter than its entry count"));
        return contents;
    }
    const qint64 count = readU32(data, 0);
    const qint64 tableEnd = pf::kCountSize + count * pf::kTableEntrySize;
    // Only table slots that lie inside the file are read; a count that does not fit the
    // file is damage, never a reason to allocate.
    const qint64 slots = qMin<qint64>(count, (size - pf::kCountSize) / pf::kTableEntrySize);
    if (slots < count) {
        damage(QStringLiteral("entry table larger than the file: %1 of %2 entries listed")
                   .arg(slots)
                   .arg(count));
    }
    auto slot = [data](qint64 i) {
        return qint64{readU32(data, pf::kCountSize + i * pf::kTableEntrySize)};
    };
    // A record runs up to the next record's start. The writer lays records out back to back
    // in table order, so for a sound file this is the next table entry; taking the next start
    // that lies inside the file keeps one bad offset from costing its neighbour as well.
    std::vector<qint64> starts;
    starts.reserve(static_cast<size_t>(slots));
    for (qint64 i = 0; i < slots; ++i) {
        const qint64 start = slot(i);
        if (start >= tableEnd && start <= size) {
            starts.push_back(start);
        }
    }
    std::sort(starts.begin(), starts.end());
    // The records must account for every byte after the table: a count too small, a zero count
    // over a file full of records, or a table pointing past bytes all leave bytes unexplained.
    if (starts.empty() ? size > tableEnd && slots == count : starts.front() != tableEnd) {
        damage(QStringLiteral("%1 bytes after the entry table belong to no listed entry")
                   .arg(starts.empty() ? size - tableEnd : starts.front() - tableEnd));
    }
    if (std::adjacent_find(starts.begin(), starts.end()) != starts.end()) {
        damage(QStringLiteral("two entries share one record"));
    }
    contents.entries.reserve(starts.size());
    for (qint64 i = 0; i < slots; ++i) {
        const qint64 start = slot(i);
        if (start < tableEnd || start > size) {
            damage(QStringLiteral("entry %1: record offset outside the file").arg(i));
            continue;
        }
        const auto next = std::upper_bound(starts.begin(), starts.end(), start);
        const qint64 end = next != starts.end() ? *next : size;
        bool cut = false;
        QString problem;
        std::optional<PersonalEntry> entry =
            parseRecord(data + start, static_cast<qsizetype>(end - start), &cut, &problem);
        if (!entry || cut) {
            damage(QStringLiteral("entry %1: %2").arg(i).arg(problem));
        } else if (entry->storedRecord().isEmpty()) {
            // A sound record is exactly as long as its fields laid out; any other length means
            // an offset or a count disagrees with the bytes (a flipped text offset, say).
            const qint64 laidOut = serialiseRecord(*entry).size();
            if (laidOut != end - start) {
                damage(QStringLiteral("entry %1: the record holds %2 bytes, its fields %3")
                           .arg(i)
                           .arg(end - start)
                           .arg(laidOut));
            }
        }
        if (entry) {
            contents.entries.push_back(std::move(*entry));
        }
    }
    return contents;
}

QByteArray PersonalFile::serialiseRecord(const PersonalEntry& entry) {
    if (!entry.storedRecord().isEmpty()) {
        return entry.storedRecord();
    }
    const std::vector<DictValue>& values = entry.values();
    const auto valueCount = static_cast<qsizetype>(values.size());
    QByteArray record(pf::kRecordHeaderSize + valueCount * pf::kTableEntrySize, '\0');

    // Value offsets count from the P field at 40; the first value lies right after the table.
    qsizetype r = pf::kTableEntrySize * (valueCount + 1);
    for (qsizetype j = 0; j < valueCount; ++j) {
        const DictValue& value = values[static_cast<size_t>(j)];
        putU32(record, pf::kValueTableOffset + j * pf::kTableEntrySize, static_cast<quint32>(r));
        appendU32(record, static_cast<quint32>(value.valueId()));
        appendU32(record, static_cast<quint32>(value.dictionary()));
        const QByteArray text =
            PersonalEntry::limited(value.text(), PersonalEntry::kMaxValueTextLength);
        record.append(text);
        record.append('\0');
        r += pf::kValueTextOffset + text.size() + 1;
    }
    const QByteArray name = PersonalEntry::limited(entry.rawName(), pf::kMaxNameLength);
    std::memcpy(record.data() + pf::kNameOffset, name.constData(),
                static_cast<size_t>(name.size()));
    putU32(record, pf::kKindOffset, static_cast<quint32>(entry.kind()));
    putU32(record, pf::kTextOffsetOffset, static_cast<quint32>(pf::kValueBase + r));
    putU32(record, pf::kValueCountOffset, static_cast<quint32>(valueCount));
    record.append(PersonalEntry::limited(entry.rawText(), pf::kMaxTextLength));
    record.append('\0');
    return record;
}

QByteArray PersonalFile::serialise(const std::vector<PersonalEntry>& entries) {
    const auto count = static_cast<qsizetype>(entries.size());
    QByteArray out(pf::kCountSize + count * pf::kTableEntrySize, '\0');
    putU32(out, 0, static_cast<quint32>(count));
    for (qsizetype i = 0; i < count; ++i) {
        putU32(out, pf::kCountSize + i * pf::kTableEntrySize, static_cast<quint32>(out.size()));
        out.append(serialiseRecord(entries[static_cast<size_t>(i)]));
    }
    return out;
}

bool PersonalFile::write(QIODevice* device, const std::vector<PersonalEntry>& entries,
                         QString* error) {
    return writeWhole(device, serialise(entries), error);
}

bool PersonalFile::writeAtomically(const QString& path, const std::vector<PersonalEntry>& entries,
                                   QString* error, const DeviceFilter& filter) {
    return replaceFile(
        path,
        [&entries, &filter](QIODevice& file, QString* why) {
            const DeviceWrite fill = [&entries, why](QIODevice& device) {
                return write(&device, entries, why);
            };
            return filter ? filter(file, fill) : fill(file);
        },
        error);
}

std::optional<QByteArray> PersonalFile::readAll(const QString& path, QString* error) {
    // A FIFO or a device would block or never end; only a plain file is opened.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error != nullptr) {
            *error = info.isDir() ? QStringLiteral("it is a folder, not a file")
                                  : QStringLiteral("it is not a regular file");
        }
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    return bytes;
}

}  // namespace corkwise
