#include "personal/PersonalStore.h"

#include "personal/PersonalFile.h"
#include "personal/PersonalFormat.h"

#include <QDir>
#include <QFile>

#include <utility>

namespace corkwise {

PersonalStore::PersonalStore(QString path) : path_(std::move(path)) {}

QString PersonalStore::backupPath(const QString& path) {
    return path + QLatin1String(personal_format::kBackupSuffix);
}

bool PersonalStore::load() {
    if (!entries_.empty()) {
        return true;
    }
    std::optional<QByteArray> bytes = PersonalFile::readAll(path_);
    if (!bytes) {
        // A file that exists but cannot be read is kept aside before a save replaces it.
        damaged_ = QFile::exists(path_);
        return false;
    }
    PersonalFileContents contents = PersonalFile::parse(*bytes);
    entries_ = std::move(contents.entries);
    damaged_ = contents.damaged;
    modified_ = false;
    return true;
}

bool PersonalStore::save(QString* error) {
    const QString shown = QDir::toNativeSeparators(path_);
    if (damaged_ && QFile::exists(path_)) {
        // The damaged file may hold more than the records that could be read; keep it whole
        // before it is replaced.
        QString why;
        std::optional<QByteArray> old = PersonalFile::readAll(path_, &why);
        const QString backup = backupPath(path_);
        if (!old || !PersonalFile::writeAtomically(backup, *old, &why)) {
            if (error != nullptr) {
                *error = QStringLiteral("Could not keep a copy of the damaged file %1 as %2: %3")
                             .arg(shown, QDir::toNativeSeparators(backup), why);
            }
            return false;
        }
    }
    damaged_ = false;
    QString why;
    if (!PersonalFile::writeAtomically(path_, PersonalFile::serialise(entries_), &why)) {
        if (error != nullptr) {
            *error = QStringLiteral("Could not save notes and bookmarks to %1: %2").arg(shown, why);
        }
        return false;
    }
    modified_ = false;
    return true;
}

std::optional<PersonalEntry> PersonalStore::entryAt(int i) const {
    if (!inRange(i)) {
        return std::nullopt;
    }
    return entries_[static_cast<size_t>(i)];
}

template <typename Change>
void PersonalStore::change(int i, Change&& apply) {
    if (!inRange(i)) {
        return;
    }
    PersonalEntry& entry = entries_[static_cast<size_t>(i)];
    PersonalEntry before = entry;
    apply(entry);
    if (entry.sameFields(before)) {
        // Nothing changed: the entry keeps what it was, including a record kept as read.
        entry = std::move(before);
    } else {
        modified_ = true;
    }
}

void PersonalStore::add(const PersonalEntry& entry) {
    entries_.push_back(entry);
    modified_ = true;
}

void PersonalStore::removeAt(int i) {
    if (inRange(i)) {
        entries_.erase(entries_.begin() + i);
        modified_ = true;
    }
}

void PersonalStore::setText(int i, const QString& text) {
    change(i, [&text](PersonalEntry& entry) { entry.setText(text); });
}

void PersonalStore::setName(int i, const QString& name) {
    change(i, [&name](PersonalEntry& entry) { entry.setName(name); });
}

void PersonalStore::setValues(int i, const std::vector<DictValue>& values) {
    change(i, [&values](PersonalEntry& entry) { entry.setValues(values); });
}

void PersonalStore::setKind(int i, EntryKind kind) {
    change(i, [kind](PersonalEntry& entry) { entry.setKind(kind); });
}

}  // namespace corkwise
