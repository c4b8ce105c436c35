#pragma once
// The user's notes and bookmarks, in memory and in the personal file (docs/personal-format.md).
//
// The store is loaded lazily and rewritten whole on save. It never hands out its own
// entries: reads return copies, changes go through an index. Index arguments outside
// 0 .. count()-1 are ignored by every changing operation. Entries of a kind this program does
// not know are kept in their place and written back unchanged.
//
// The store never loses what the file held: a damaged file is copied aside before anything is
// written, a file that cannot be read is never overwritten, a file another program changed since
// it was read is not overwritten without the caller's say (saveKeepingBoth), and a save that
// fails keeps the changes in memory for the next one.

#include "personal/EntryKind.h"
#include "personal/PersonalEntry.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace corkwise {

class PersonalStore {
public:
    // Keeps PATH, the full path of the personal file; no file access.
    explicit PersonalStore(QString path);

    const QString& path() const { return path_; }

    // Reads the file into the store the first time; later calls read nothing and return
    // isLoaded(). Returns false when the file is missing (the store then starts empty and counts
    // as loaded) or cannot be read (permissions, a folder, a FIFO: not loaded, and never
    // overwritten). A damaged file loads every intact record, is copied to a backup at once
    // and returns true. takeMessage() then has a sentence for the user.
    bool load();
    // True once the file was read, or found missing so that the store starts empty.
    bool isLoaded() const { return loaded_; }
    // Rewrites the whole file when something changed since it was read or written, atomically:
    // the previous file survives any failure. Returns true without writing when nothing changed.
    // Returns false with *ERROR (when given) set to a sentence for the user when the file cannot
    // be written, could not be read, was changed by someone else since (changedOnDisk()), or is
    // damaged and no copy of it could be kept; the entries stay in memory.
    bool save(QString* error = nullptr);
    // After a save refused because the file was changed by another program: keeps the other
    // version beside the file (its name in *KEPTAS) and then saves over it.
    bool saveKeepingBoth(QString* error = nullptr, QString* keptAs = nullptr);
    // True when the last save was refused because the file changed on disk since it was read.
    bool changedOnDisk() const { return changedOnDisk_; }
    // True when the last load found damage and no save has happened since.
    bool isDamaged() const { return damaged_; }
    // True when the entries differ from what the file held when it was last read or written:
    // something was added, removed or changed since. Setting what is already there is no
    // change.
    bool isModified() const { return modified_; }
    // The sentence for the user that the last load left (damage found and where its copy is, or
    // why the file cannot be read); empty when there is none. Given once.
    QString takeMessage();

    int count() const { return static_cast<int>(entries_.size()); }
    // A copy of entry I, or nullopt when I is out of range.
    std::optional<PersonalEntry> entryAt(int i) const;
    // All entries in store order (for tools and tests).
    const std::vector<PersonalEntry>& entries() const { return entries_; }

    // Appends a copy of ENTRY.
    void add(const PersonalEntry& entry);
    // Puts a copy of ENTRY at index I (0 .. count()); for undoing a removal.
    void insertAt(int i, const PersonalEntry& entry);
    void removeAt(int i);
    void setText(int i, const QString& text);
    void setName(int i, const QString& name);
    void setValues(int i, const std::vector<DictValue>& values);
    void setKind(int i, EntryKind kind);

    // Called after every change to the entries (the program's autosave listens).
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Backup path of a damaged file.
    static QString backupPath(const QString& path);

private:
    // What the file on disk was when this store last read or wrote it.
    struct DiskState {
        bool exists = false;
        QByteArray hash;
    };

    bool inRange(int i) const { return i >= 0 && i < count(); }
    // Applies CHANGE to entry I and notes whether it changed anything.
    template <typename Change>
    void change(int i, Change&& apply);
    // Copies BYTES, the damaged file as read, to a backup that holds nothing else yet.
    bool keepBackup(const QByteArray& bytes, QString* why);
    // Reads the file as it is now; false with *WHY set when it exists but cannot be read.
    bool currentDiskState(DiskState* state, QByteArray* bytes, QString* why) const;
    bool write(QString* error);
    void markModified();

    QString path_;
    std::vector<PersonalEntry> entries_;
    DiskState disk_;
    QByteArray damagedBytes_;  // the damaged file while no copy of it could be kept
    QString message_;
    QString unreadable_;  // why the file cannot be read; it is then never written
    std::function<void()> listener_;
    bool loaded_ = false;
    bool damaged_ = false;
    bool backupPending_ = false;
    bool modified_ = false;
    bool changedOnDisk_ = false;
};

}  // namespace corkwise
