#pragma once
// Catalogues for the page tests compiled from CSV sources by the catalogue compiler, so that the
// pages read files laid out exactly as the program's own catalogue is. The five texts are the
// files of docs/catalogue-sources.md; each needs its header row and at least one data row, except
// that an empty text leaves its file out, so that the compiler derives it from the wines.

#include <QByteArray>
#include <QString>

namespace corkwise::test {

struct CatalogueSources {
    QByteArray wines;
    QByteArray food;
    QByteArray charts;
    QByteArray bestProducers;
    QByteArray bestValues;
};

// WINES (the text of wines.csv, header included, with a wine "W1") with the smallest other
// sources: one food paired with W1, and one chart, best producer and best value on the path
// France, Still, Red, Rhône, Gigondas. For tests about the wines alone.
CatalogueSources sourcesAroundWines(const QByteArray& wines);

// Compiles SOURCES and writes the catalogue to PATH (its sources go to a folder beside it).
// False, with the compiler's message in ERROR when given, when a source is rejected or the file
// cannot be written. RECORDSPERTABLE, when positive, spreads the records over tables of at most
// that many, as a catalogue too large for one table is.
bool compileSourceCatalogue(const CatalogueSources& sources, const QString& path,
                            QString* error = nullptr, int recordsPerTable = 0);

}  // namespace corkwise::test
