#pragma once
// The user's notes and bookmarks, in memory and in the personal file (docs/personal-format.md).
//
// The store is loaded lazily and rewritten whole on save. It never hands out its own
// entries: reads return copies, changes go through an index. Index arguments outside
// 0 .. count()-1 are ignored by every changing operation. Entries of a kind this program does
// not know are kept in their place and written back unchanged.

#include "personal/EntryKind.h"
#include "personal/PersonalEntry.h"

#include <QString>

#include <optional>
#include <vector>

namespace corkwise {

class PersonalStore {
public:
    // Keeps PATH, the full path of the personal file; no file access.
    explicit PersonalStore(QString path);

    const QString& path() const { return path_; }

    // Reads the file into the store. Returns true at once when the store already holds an
    // entry. Returns false, leaving the store empty, when the file cannot be opened (a missing
    // file is no error). A damaged file still loads every intact record and returns true;
    // isDamaged() then tells, and the next save first keeps the damaged file as PATH + ".bak".
    bool load();
    // Rewrites the whole file atomically: the previous file survives any failure. Returns
    // false with *ERROR (when given) set to a sentence for the user when the file (or the
    // backup of a damaged file) cannot be written; the entries stay in memory.
    bool save(QString* error = nullptr);
    // True when the last load found damage whose backup no save has made yet.
    bool isDamaged() const { return damaged_; }
    // True when the entries differ from what the file held when it was last read or written:
    // something was added, removed or changed since. Setting what is already there is no
    // change.
    bool isModified() const { return modified_; }

    int count() const { return static_cast<int>(entries_.size()); }
    // A copy of entry I, or nullopt when I is out of range.
    std::optional<PersonalEntry> entryAt(int i) const;
    // All entries in store order (for tools and tests).
    const std::vector<PersonalEntry>& entries() const { return entries_; }

    // Appends a copy of ENTRY.
    void add(const PersonalEntry& entry);
    void removeAt(int i);
    void setText(int i, const QString& text);
    void setName(int i, const QString& name);
    void setValues(int i, const std::vector<DictValue>& values);
    void setKind(int i, EntryKind kind);

    // Backup path of a damaged file.
    static QString backupPath(const QString& path);

private:
    bool inRange(int i) const { return i >= 0 && i < count(); }
    // Applies CHANGE to entry I and notes whether it changed anything.
    template <typename Change>
    void change(int i, Change&& apply);

    QString path_;
    std::vector<PersonalEntry> entries_;
    bool damaged_ = false;
    bool modified_ = false;
};

}  // namespace corkwise
