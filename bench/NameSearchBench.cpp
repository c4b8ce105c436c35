// Name search speed on the largest catalogue the format holds: one query as the panel runs it on
// every keystroke, results sorted and the first 200 read out. See docs/performance.md.
//
// The catalogue is generated and compiled at start (about half a minute); set
// CORKWISE_BENCH_CATALOGUE to the path of one already built to skip that.

#include "catalog/Catalog.h"
#include "catalogtool/CatalogCompiler.h"
#include "catalogtool/SourceGenerator.h"
#include "common/ErrorLog.h"
#include "guide/NameSearch.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using corkwise::Catalog;
using corkwise::NameSearch;
namespace tool = corkwise::tool;

constexpr qint64 kLargestCatalogue = 293346;  // docs/catalogue-sources.md, "Capacity"

// What users type, keystroke by keystroke from two characters on, and a few whole queries: a
// producer and a product word, a variety, an accented product, a word found nowhere.
const char* const kQueries[] = {"ri",
                                "rid",
                                "ridg",
                                "ridge",
                                "ridgep",
                                "ridgepo",
                                "ridgepoint",
                                "ridgepoint c",
                                "ridgepoint ca",
                                "ridgepoint cab",
                                "pinot noir",
                                "semillon jess",
                                "ironridge 3",
                                "albarino brisa",
                                "mourvedre rosmer",
                                "heronwood",
                                "cabernet franc orvelle bench",
                                "zinfandel 1997",
                                "quailbend rose"};

const Catalog& largestCatalogue() {
    static QTemporaryDir dir;
    static const std::unique_ptr<Catalog> catalog = [] {
        corkwise::ErrorLog::setEnabled(false);
        QString path = qEnvironmentVariable("CORKWISE_BENCH_CATALOGUE");
        if (path.isEmpty()) {
            path = dir.filePath(QStringLiteral("wcat.res"));
            QString error;
            tool::Sources sources;
            QByteArray image;
            if (!tool::generateSources(kLargestCatalogue, 1, dir.path(), &error) ||
                !tool::loadSources(dir.path(), &sources, &error) ||
                !tool::compileCatalogue(sources, &image, &error) ||
                !tool::saveCatalogue(image, path, &error)) {
                std::fprintf(stderr, "bench_name_search: %s\n", qPrintable(error));
                std::exit(1);
            }
        }
        auto opened = std::make_unique<Catalog>(path);
        if (!opened->isOpen()) {
            std::fprintf(stderr, "bench_name_search: cannot open %s\n", qPrintable(path));
            std::exit(1);
        }
        return opened;
    }();
    return *catalog;
}

void BM_NameSearch(benchmark::State& state, const char* query) {
    const NameSearch search(largestCatalogue());
    const QString text = QString::fromUtf8(query);
    int total = 0;
    for (auto _ : state) {
        const corkwise::NameSearchResult result = search.find(text);
        total = result.total;
        benchmark::DoNotOptimize(result.wines.data());
    }
    state.counters["matches"] = total;
}

const bool kRegistered = [] {
    for (const char* query : kQueries) {
        benchmark::RegisterBenchmark((std::string("find/") + query).c_str(), BM_NameSearch, query)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
