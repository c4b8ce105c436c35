#include "personal/PersonalStore.h"

#include "common/SafeWrite.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalFormat.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <utility>

namespace corkwise {

namespace {

constexpr int kMaxCopies = 100;

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString entriesRead(int count) {
    return count == 1 ? QStringLiteral("1 note or bookmark")
                      : QStringLiteral("%1 notes and bookmarks").arg(count);
}

QByteArray hashOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Writes BYTES to the first of BASE, BASE.1, BASE.2, ... that is free or already holds exactly
// BYTES, so that no earlier copy is ever replaced. *WHERE gets the name used.
bool keepCopy(const QString& base, const QByteArray& bytes, QString* where, QString* why) {
    for (int n = 0; n < kMaxCopies; ++n) {
        const QString name = n == 0 ? base : base + QLatin1Char('.') + QString::number(n);
        const QFileInfo info(name);
        if (info.exists() || info.isSymLink()) {
            if (PersonalFile::readAll(name) == bytes) {
                *where = name;
                return true;
            }
            continue;
        }
        *where = name;
        return replaceFile(name, bytes, why);
    }
    *why = QStringLiteral("%1 and %2 copies beside it are taken").arg(shown(base)).arg(kMaxCopies);
    return false;
}

}  // namespace

PersonalStore::PersonalStore(QString path) : path_(std::move(path)) {}

QString PersonalStore::backupPath(const QString& path) {
    return path + QLatin1String(personal_format::kBackupSuffix);
}

QString PersonalStore::takeMessage() {
    return std::exchange(message_, QString());
}

bool PersonalStore::load() {
    if (loaded_) {
        return true;
    }
    if (!QFileInfo::exists(path_)) {
        loaded_ = true;
        disk_ = DiskState{};
        return false;
    }
    QString why;
    const std::optional<QByteArray> bytes = PersonalFile::readAll(path_, &why);
    if (!bytes) {
        if (unreadable_ != why) {
            message_ = QStringLiteral(
                           "Cannot read notes and bookmarks from %1: %2. The file is "
                           "left as it is and nothing is saved to it.")
                           .arg(shown(path_), why);
        }
        unreadable_ = why;
        return false;
    }
    unreadable_.clear();
    PersonalFileContents contents = PersonalFile::parse(*bytes);
    // Entries added while the file could not be read stay, behind the file's own.
    const bool hadEntries = !entries_.empty();
    std::vector<PersonalEntry> added = std::move(entries_);
    entries_ = std::move(contents.entries);
    const auto readable = static_cast<int>(entries_.size());
    entries_.insert(entries_.end(), added.begin(), added.end());
    disk_ = DiskState{true, hashOf(*bytes)};
    loaded_ = true;
    modified_ = hadEntries;
    damaged_ = contents.damaged;
    if (damaged_) {
        QString backup;
        if (keepCopy(backupPath(path_), *bytes, &backup, &why)) {
            message_ =
                QStringLiteral("%1 is damaged: %2 could be read. The file as it was is kept as %3.")
                    .arg(shown(path_), entriesRead(readable), shown(backup));
        } else {
            backupPending_ = true;
            damagedBytes_ = *bytes;
            message_ = QStringLiteral(
                           "%1 is damaged: %2 could be read. No copy of it could be kept "
                           "(%3), so nothing is saved to it.")
                           .arg(shown(path_), entriesRead(readable), why);
        }
    }
    return true;
}

bool PersonalStore::currentDiskState(DiskState* state, QByteArray* bytes, QString* why) const {
    if (!QFileInfo::exists(path_)) {
        *state = DiskState{};
        return true;
    }
    const std::optional<QByteArray> now = PersonalFile::readAll(path_, why);
    if (!now) {
        return false;
    }
    *bytes = *now;
    *state = DiskState{true, hashOf(*now)};
    return true;
}

bool PersonalStore::save(QString* error) {
    changedOnDisk_ = false;
    auto fail = [error](const QString& why) {
        if (error != nullptr) {
            *error = why;
        }
        return false;
    };
    if (!unreadable_.isEmpty()) {
        return fail(QStringLiteral("Your notes and bookmarks are not saved: %1 cannot be read "
                                   "(%2), so it is left as it is.")
                        .arg(shown(path_), unreadable_));
    }
    if (!modified_) {
        return true;
    }
    QString why;
    if (backupPending_) {
        QString backup;
        if (!keepCopy(backupPath(path_), damagedBytes_, &backup, &why)) {
            return fail(QStringLiteral("Could not keep a copy of the damaged file %1 as %2: %3")
                            .arg(shown(path_), shown(backupPath(path_)), why));
        }
        backupPending_ = false;
        damagedBytes_.clear();
    }
    DiskState now;
    QByteArray bytes;
    if (!currentDiskState(&now, &bytes, &why)) {
        return fail(
            QStringLiteral("Could not save notes and bookmarks to %1: %2").arg(shown(path_), why));
    }
    if (now.exists != disk_.exists || now.hash != disk_.hash) {
        changedOnDisk_ = true;
        return fail(QStringLiteral("%1 was changed by another program since Corkwise read it.")
                        .arg(shown(path_)));
    }
    return write(error);
}

bool PersonalStore::saveKeepingBoth(QString* error, QString* keptAs) {
    DiskState now;
    QByteArray bytes;
    QString why;
    if (!currentDiskState(&now, &bytes, &why)) {
        if (error != nullptr) {
            *error = QStringLiteral("Could not read %1: %2").arg(shown(path_), why);
        }
        return false;
    }
    if (now.exists) {
        QString where;
        if (!keepCopy(path_ + QStringLiteral(".other"), bytes, &where, &why)) {
            if (error != nullptr) {
                *error = QStringLiteral("Could not keep the other version of %1: %2")
                             .arg(shown(path_), why);
            }
            return false;
        }
        if (keptAs != nullptr) {
            *keptAs = where;
        }
    }
    disk_ = now;
    changedOnDisk_ = false;
    return write(error);
}

bool PersonalStore::write(QString* error) {
    QString why;
    if (!PersonalFile::writeAtomically(path_, entries_, &why)) {
        if (error != nullptr) {
            *error = QStringLiteral("Could not save notes and bookmarks to %1: %2")
                         .arg(shown(path_), why);
        }
        return false;
    }
    // The bytes write() laid out for these entries, which is what the file now holds.
    disk_ = DiskState{true, hashOf(PersonalFile::serialise(entries_))};
    loaded_ = true;
    modified_ = false;
    damaged_ = false;
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
        markModified();
    }
}

void PersonalStore::markModified() {
    modified_ = true;
    if (listener_) {
        listener_();
    }
}

void PersonalStore::add(const PersonalEntry& entry) {
    entries_.push_back(entry);
    markModified();
}

void PersonalStore::insertAt(int i, const PersonalEntry& entry) {
    if (i >= 0 && i <= count()) {
        entries_.insert(entries_.begin() + i, entry);
        markModified();
    }
}

void PersonalStore::removeAt(int i) {
    if (inRange(i)) {
        entries_.erase(entries_.begin() + i);
        markModified();
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
