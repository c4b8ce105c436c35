#pragma once
// A small catalogue with a tree for each of the five searches, for tests of the main view and the
// screens:
//
//   every tree's root lists the origins "France", "Italy", "U.S. California";
//   each origin lists the categories "Sparkling", "Still";
//   each category lists the wine type "Red" (a dictionary node) and two wines (record nodes).
//
// All five level tables ("FWLevelTable0", "FWPLevelTable0", "VCHLevelTable0", "BVLevelTable0",
// "BPLevelTable0") share the levels below their root.

#include "testsupport/TempDir.h"

#include <QByteArray>
#include <QString>

namespace corkwise::test {

struct ShellCatalogue {
    // The table numbers of the dictionaries.
    int origin = -1;
    int ssf = -1;
    int type = -1;
    int producer = -1;
    int wines = -1;

    // The catalogue file's bytes.
    QByteArray bytes;

    ShellCatalogue();
    // Writes the catalogue as "wcat.res" in DIR and returns its path.
    QString writeTo(const TempDir& dir) const;
};

}  // namespace corkwise::test
