#include "personal/PersonalWalk.h"

#include "personal/PersonalFile.h"
#include "personal/PersonalJson.h"

namespace corkwise {

namespace {

bool withinLimit(const QByteArray& text, int limit) {
    return text.size() <= limit && !text.contains('\0');
}

}  // namespace

bool walkPersonalFile(const QByteArray& bytes, QString* failure) {
    auto fail = [failure](const char* why) {
        if (failure != nullptr) {
            *failure = QString::fromLatin1(why);
        }
        return false;
    };
    const PersonalFileContents contents = PersonalFile::parse(bytes);
    if (!contents.damaged && !contents.problems.isEmpty()) {
        return fail("problems reported for a sound file");
    }
    for (const PersonalEntry& entry : contents.entries) {
        if (!withinLimit(entry.rawName(), PersonalEntry::kMaxNameLength) ||
            !withinLimit(entry.rawText(), PersonalEntry::kMaxTextLength)) {
            return fail("name or text beyond its limit");
        }
        if (entry.hasKnownKind() == !entry.storedRecord().isEmpty()) {
            return fail("an entry of an unknown kind without its record, or a known one with it");
        }
        for (const DictValue& value : entry.values()) {
            if (!withinLimit(value.text(), PersonalEntry::kMaxValueTextLength)) {
                return fail("value text beyond its limit");
            }
        }
    }
    const QByteArray saved = PersonalFile::serialise(contents.entries);
    const PersonalFileContents again = PersonalFile::parse(saved);
    if (again.damaged || again.entries != contents.entries) {
        return fail("saved entries do not read back unchanged");
    }
    if (!contents.damaged && saved != bytes) {
        // A sound file the writer would lay out differently is fine (the reader follows the
        // table), but saving what was read must give the writer's own layout again.
        if (PersonalFile::serialise(again.entries) != saved) {
            return fail("writer output is not stable");
        }
    }
    QString error;
    const auto fromJson = PersonalJson::fromJson(PersonalJson::toJson(contents.entries), &error);
    if (!fromJson || *fromJson != contents.entries) {
        return fail("JSON export does not import back unchanged");
    }
    return true;
}

}  // namespace corkwise
