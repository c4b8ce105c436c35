#pragma once
// Writes synthetic catalogue sources of any size (docs/catalogue-sources.md): invented producers,
// regions and appellations with real variety names, spread over origins, categories, types and
// vintages like a real guide. The same wine count and generator key always give the same files.

#include "catalogtool/CatalogSources.h"

#include <QString>

namespace corkwise::tool {

// Writes wines.csv, food.csv, vintage_chart.csv, best_producers.csv and best_values.csv for
// WINES wines (at least 1) into DIR, creating it when needed. Each file is replaced only once
// complete. Returns false with the reason.
bool generateSources(qint64 wines, quint64 key, const QString& dir, QString* error,
                     const ProgressFunction& progress = {});

}  // namespace corkwise::tool
