#pragma once
// Whether a file can serve as the program's catalogue, and if not, why, in words that name it.

#include <QString>

namespace corkwise {

class Catalog;

// Empty when CATALOG, opened on PATH, is a catalogue the program can use: the file passes
// findCatalogProblem (CatalogProblem.h), opened, and holds the root of every search tree.
// Otherwise the reason, naming PATH, without a final full stop: "PATH does not exist", "PATH is
// cut short at byte 1234", "PATH is not a Corkwise catalogue" ...
QString catalogueProblem(const QString& path, const Catalog& catalog);

}  // namespace corkwise
