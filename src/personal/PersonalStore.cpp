#include "personal/PersonalStore.h"

#include "personal/PersonalFile.h"

#include <QDir>
#include <QFile>

#include <utility>

namespace corkwise {

PersonalStore::PersonalStore(QString path) : path_(std::move(path)) {}

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
    return true;
}

std::optional<PersonalEntry> PersonalStore::entryAt(int i) const {
    if (!inRange(i)) {
        return std::nullopt;
    }
    return entries_[static_cast<size_t>(i)];
}

void PersonalStore::add(const PersonalEntry& entry) {
    entries_.push_back(entry);
}

void PersonalStore::removeAt(int i) {
    if (inRange(i)) {
        entries_.erase(entries_.begin() + i);
    }
}

void PersonalStore::setText(int i, const QString& text) {
    if (inRange(i)) {
        entries_[static_cast<size_t>(i)].setText(text);
    }
}

void PersonalStore::setName(int i, const QString& name) {
    if (inRange(i)) {
        entries_[static_cast<size_t>(i)].setName(name);
    }
}

void PersonalStore::setValues(int i, const std::vector<DictValue>& values) {
    if (inRange(i)) {
        entries_[static_cast<size_t>(i)].setValues(values);
    }
}

void PersonalStore::setKind(int i, EntryKind kind) {
    if (inRange(i)) {
        entries_[static_cast<size_t>(i)].setKind(kind);
    }
}

}  // namespace corkwise
