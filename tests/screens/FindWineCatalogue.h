#pragma once
// Builds Find Wine catalogues for the page tests from a list of wines, as the catalogue compiler
// lays them out: one dictionary per column, a record table of wines and the tree
// origin > wine category > wine type > region > segment > producer > vintage > product > wine,
// each level's entries in the order the wines first name them.

#include "catalog/Catalog.h"

#include <QList>
#include <QString>

#include <memory>

namespace corkwise::test {

struct FindWineEntry {
    QString origin;
    QString category;
    QString type;
    QString region;
    QString segment;
    QString producer;
    QString vintage;
    QString product;
    QString designation;
    QString variety;
    QString appellation;
    QString score;
    // When true the wine's place in the tree holds a plain value node (its score) instead of
    // the record: a product child the wine page must skip.
    bool asValueNode = false;
};

// The wines of the page tests: three origins (France, Italy, U.S.; U.S. not first), France with
// "Sparkling" listed before "Still", Windows-1252 names ("Côtes du Rhône", "Domaine Sérieux"),
// a region list with the single entry "All Regions", and a producer with three vintages whose
// wines show placeholders.
QList<FindWineEntry> sampleWines();

// Writes the catalogue of WINES to PATH; false when it cannot be written.
bool writeFindWineCatalogue(const QString& path, const QList<FindWineEntry>& wines);

}  // namespace corkwise::test
