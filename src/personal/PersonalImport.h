#pragma once
// Merging notes and bookmarks from elsewhere (an exported JSON document) into the store.
//
// An import only ever adds: the entries already in the store are never changed or removed. An
// incoming entry the store already holds exactly (same kind, name, text and values) is left
// out, so importing the same document twice adds nothing the second time. An entry whose name
// the store already has, with other contents, is added beside it.

#include "personal/PersonalEntry.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace corkwise {

class PersonalStore;

// What importing a list of entries into a store would add.
struct ImportPlan {
    std::vector<PersonalEntry> added;  // the entries to append, in the order they came
    int notes = 0;                     // among ADDED
    int bookmarks = 0;
    int others = 0;             // kinds this program does not show; kept as they came
    QStringList existingNames;  // names of ADDED entries the store already uses, once each
    int alreadyPresent = 0;     // incoming entries left out as the store holds them
};

class PersonalImport {
public:
    // What importing INCOMING into a store holding EXISTING would add. An incoming entry equal
    // to an existing one, or to an incoming one before it, is left out.
    static ImportPlan plan(const std::vector<PersonalEntry>& existing,
                           const std::vector<PersonalEntry>& incoming);

    // Appends PLAN's entries to STORE and saves it with the store's own save. When the save
    // fails the appended entries are taken out again, so that the store holds what it held
    // before and the file keeps what it had; returns false with *ERROR (when given) set to the
    // save's reason. A plan that adds nothing changes nothing and returns true.
    static bool apply(PersonalStore& store, const ImportPlan& plan, QString* error = nullptr);

    // A sentence for the user that says what PLAN adds, for example "It adds 2 notes and 1
    // bookmark." followed by what already exists.
    static QString describe(const ImportPlan& plan);
};

}  // namespace corkwise
