#pragma once
// Catalogue sources for the tests of the cascading form and the vintage chart: charts under three
// origins ("U.S." last), "Sparkling" listed before "Still" under U.S., and best producers along
// the same paths except Oregon. The California Cabernet Sauvignon chart rates three years, the
// California Merlot chart one year with a score and another without, and Pauillac 2000 has 100.

#include "testsupport/SourceCatalogue.h"

namespace corkwise::test {

CatalogueSources chartSources();

}  // namespace corkwise::test
