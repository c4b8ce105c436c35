#include "testsupport/ShellCatalogue.h"

#include "testsupport/CatalogBytes.h"

namespace corkwise::test {

ShellCatalogue::ShellCatalogue() {
    CatalogBuilder b;
    origin = b.addDictionary("ORIGIN", {"France", "Italy", "U.S. California"});
    ssf = b.addDictionary("SSF", {"Sparkling", "Still"});
    type = b.addDictionary("TYPE", {"Red"});
    producer = b.addDictionary("PRODUCER", {"Domaine Aurore", "Casa Lenta"});
    // Row 0 of a record table holds its columns; the wines are rows 1 and 2.
    wines = b.addRecordTable("Wines", {producer, origin}, {{0, 0}, {1, 1}});

    const int wineLevel =
        b.addLevel("ShellLevel3", 2, -1, {{0, type, {}}, {1, wines, {}}, {2, wines, {}}});
    const int categoryLevel =
        b.addLevel("ShellLevel2", 3, wineLevel, {{0, ssf, {0, 1, 2}}, {1, ssf, {0, 1, 2}}});
    const int originLevel =
        b.addLevel("ShellLevel1", 3, categoryLevel,
                   {{0, origin, {0, 1}}, {1, origin, {0, 1}}, {2, origin, {0, 1}}});
    for (const char* root :
         {"FWLevelTable0", "FWPLevelTable0", "VCHLevelTable0", "BVLevelTable0", "BPLevelTable0"}) {
        b.addLevel(root, 3, originLevel, {{0, origin, {0, 1, 2}}});
    }
    bytes = b.build();
}

QString ShellCatalogue::writeTo(const TempDir& dir) const {
    return dir.write(QStringLiteral("wcat.res"), bytes);
}

}  // namespace corkwise::test
