#pragma once
// Catalogue sources for the tests of the cascading form and the vintage chart: charts under three
// origins ("U.S." last), "Sparkling" listed before "Still" under U.S., and best producers along
// the same paths except Oregon.

#include "SourceCatalogue.h"

namespace corkwise::test {

// The charts' years, scores and codes are given per test where it matters; these are the paths.
CatalogueSources chartSources();

// SOURCES with the chart rows CHARTS (no header) in place of the sample charts.
CatalogueSources withCharts(CatalogueSources sources, const QByteArray& charts);

}  // namespace corkwise::test
