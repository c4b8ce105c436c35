#pragma once
// Reads everything a catalogue holds through the public tables and cursors: every row of every
// table, every tree from its root and every record column. Used by the fuzz target and the
// corruption tests, so any byte pattern that can crash the reader gets exercised.

#include <QtGlobal>

namespace corkwise {

class Catalog;

struct WalkCounts {
    int tables = 0;
    qint64 rows = 0;
    qint64 nodes = 0;
    qint64 records = 0;
    qint64 textBytes = 0;  // keeps the reads from being optimised away
};

// Walks CATALOG. Each tree node is visited once even when rows are shared or refer back, so the
// work is bounded by the file's size.
WalkCounts walkCatalog(const Catalog& catalog);

}  // namespace corkwise
