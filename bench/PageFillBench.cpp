// How long the real search pages take to fill on the largest catalogue, headless. Each scenario
// names a page by its id, the depth in its flow's tree of the node the page is given as input
// (0: the root, which a first page gets by itself) and how many levels below that node the page
// reads; the input is the node at that depth with the most nodes within that reach, so that
// every page is measured on its largest lists. A fill is what the page does when the main view
// enters it with Next: activate(true) on its input, with the guide accepting the page as the
// next one. See docs/performance.md.
//
//   bench_pagefill [--catalogue FILE] [--runs N] [--zoom Z]
//
// With --zoom the program's zoom is applied first (Z from 1 to 4, as the View menu's steps),
// the page is shown, and each fill is followed by a paint of the whole page at that zoom: the
// "fill + paint" column is what the user waits for before the page is seen, and "cpu" the
// processor time of that fill and paint on this thread (what a busy machine does not inflate).
//
// Without --catalogue the largest catalogue (293,346 wines, generator key 1) is generated and
// compiled first.

#include "app/ScreenZoom.h"
#include "catalog/Catalog.h"
#include "catalog/NodeCursor.h"
#include "catalogtool/CatalogCompiler.h"
#include "catalogtool/CatalogSources.h"
#include "catalogtool/SourceGenerator.h"
#include "common/ErrorLog.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/FlowPageFactory.h"
#include "screens/PageHost.h"
#include "screens/SearchPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <vector>

namespace {

using namespace corkwise;

constexpr qint64 kLargestCatalogue = 293346;  // docs/catalogue-sources.md, "Capacity"

struct Scenario {
    const char* name;
    int pageId;
    int depth;  // depth of the input node in the flow's tree; 0 is the root
    int reach;  // levels below the input that the page lists
};

// One line per page. The input of a page after the first is the node its flow's previous page
// hands on with Next.
const Scenario kScenarios[] = {
    {"Find Wine criteria (origin to region)", kFindWineCriteriaPage, 0, 4},
    {"Find Wine producers of a region", kFindWineProducerPage, 4, 2},
    {"Find Wine wines of a producer", kFindWineWinePage, 6, 3},
    {"Food and Wine form", kFoodTypePage, 0, 2},
    {"Food and Wine results of a food", kFoodResultsPage, 2, 1},
    {"Vintage Chart form", kVintageChartFirstPage, 0, 5},
    {"Vintage Chart chart", kVintageChartSecondPage, 5, 1},
    {"Best Values form", kBestValuesFormPage, 0, 5},
    {"Best Values producers and wines", kBestValuesResultsPage, 5, 2},
    {"Best Producers form", kBestProducersFormPage, 0, 5},
    {"Best Producers results", kBestProducersResultsPage, 5, 1},
};

void fail(const QString& what) {
    std::fprintf(stderr, "bench_pagefill: %s\n", qPrintable(what));
    std::exit(1);
}

// Nodes within REACH levels below NODE (its children, their children, ...).
qint64 nodesWithin(const NodeCursor& node, int reach) {
    if (reach <= 0) {
        return 0;
    }
    qint64 count = 0;
    const int children = node.childCount();
    for (int k = 0; k < children; ++k) {
        ++count;
        if (const std::unique_ptr<NodeCursor> child = node.child(k)) {
            count += nodesWithin(*child, reach - 1);
        }
    }
    return count;
}

// The node at DEPTH below ROOT with the most nodes within REACH levels; SIZE gets that count.
std::unique_ptr<NodeCursor> largestAt(const NodeCursor& root, int depth, int reach, qint64* size) {
    std::vector<std::unique_ptr<NodeCursor>> level;
    level.push_back(root.clone());
    for (int d = 0; d < depth; ++d) {
        std::vector<std::unique_ptr<NodeCursor>> next;
        for (const auto& node : level) {
            for (int k = 0; k < node->childCount(); ++k) {
                if (std::unique_ptr<NodeCursor> child = node->child(k)) {
                    next.push_back(std::move(child));
                }
            }
        }
        level = std::move(next);
    }
    std::unique_ptr<NodeCursor> best;
    *size = -1;
    for (auto& node : level) {
        const qint64 n = nodesWithin(*node, reach);
        if (n > *size) {
            *size = n;
            best = std::move(node);
        }
    }
    return best;
}

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The pages ask nothing of their host while they fill.
class QuietHost : public PageHost {
public:
    void goNext() override {}
    void goBack() override {}
    void closeFlow() override {}
    void moreSearch() override {}
    bool startPrefilled(int, bool) override { return false; }
    void startSearch(int) override {}
    void addBookmark(const QString&) override {}
    void leavePersonal() override {}
    void allowAddBookmark(bool) override {}
    void showException() override {}
    bool savePersonal() override { return true; }
};

SearchPage* findPage(const WineGuide& guide, int pageId) {
    const SearchFlow* flow = SearchFlow::ofPage(pageId);
    const QList<GuidePage*>* pages = flow != nullptr ? guide.pages(flow->id) : nullptr;
    for (GuidePage* page : pages != nullptr ? *pages : QList<GuidePage*>()) {
        if (page->pageId() == pageId) {
            return SearchPage::of(page);
        }
    }
    return nullptr;
}

QString generateLargest(const QTemporaryDir& dir) {
    std::fprintf(stderr, "bench_pagefill: generating the largest catalogue...\n");
    QString error;
    tool::Sources sources;
    QByteArray image;
    const QString path = dir.filePath(QStringLiteral("wcat.res"));
    if (!tool::generateSources(kLargestCatalogue, 1, dir.filePath(QStringLiteral("src")), &error) ||
        !tool::loadSources(dir.filePath(QStringLiteral("src")), &sources, &error) ||
        !tool::compileCatalogue(sources, &image, &error) ||
        !tool::saveCatalogue(image, path, &error)) {
        fail(error);
    }
    return path;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ErrorLog::setEnabled(false);
    QString path;
    int runs = 31;
    double zoom = 0.0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--catalogue") == 0 && i + 1 < argc) {
            path = QString::fromLocal8Bit(argv[++i]);
        } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--zoom") == 0 && i + 1 < argc) {
            zoom = std::clamp(std::atof(argv[++i]), 1.0, 4.0);
        } else {
            fail(QStringLiteral("usage: bench_pagefill [--catalogue FILE] [--runs N] [--zoom Z]"));
        }
    }
    QTemporaryDir scratch;
    if (path.isEmpty()) {
        path = generateLargest(scratch);
    }

    if (zoom > 0) {
        screenzoom::apply(zoom);
    }
    QWidget owner;
    QWidget view;
    view.resize(240, 268);
    if (zoom > 0) {
        view.show();
    }
    QuietHost host;
    FlowPageFactory factory(&owner);
    WineGuide guide(std::make_unique<Catalog>(path), nullptr, &factory);
    if (guide.catalog() == nullptr || !guide.catalog()->isOpen()) {
        fail(QStringLiteral("cannot open ") + path);
    }

    std::printf("%-40s %8s %8s %10s %10s %10s", "page", "page id", "nodes", "median ms", "min ms",
                "max ms");
    if (zoom > 0) {
        std::printf(" %12s %12s %10s %10s  (zoom %.2f, ratio %.2f)", "+paint med", "+paint max",
                    "cpu med", "cpu max", zoom, view.devicePixelRatioF());
    }
    std::printf("\n");
    for (const Scenario& s : kScenarios) {
        SearchPage* page = findPage(guide, s.pageId);
        const SearchFlow* flow = SearchFlow::ofPage(s.pageId);
        const std::unique_ptr<NodeCursor> root =
            flow != nullptr ? guide.catalog()->openLevelTable(flow->levelTable) : nullptr;
        if (page == nullptr || root == nullptr ||
            !page->createWindow(&host, &view, QRect(0, 0, 240, 238))) {
            std::printf("%-40s %8d   (no page or tree)\n", s.name, s.pageId);
            continue;
        }
        qint64 nodes = 0;
        const std::unique_ptr<NodeCursor> input = largestAt(*root, s.depth, s.reach, &nodes);
        page->setInput(input.get());
        std::vector<double> times;
        std::vector<double> withPaint;
        std::vector<double> cpu;
        if (zoom > 0) {
            page->show();
        }
        for (int r = 0; r < runs; ++r) {
            // A flow just chosen has no current page, so the guide accepts the page's arrival
            // and the page fills as it does after Next.
            guide.selectFlow(flow->id);
            page->activate(false);
            page->clearPage();
            QElapsedTimer timer;
            timer.start();
            const double cpuStart = threadCpuMs();
            page->activate(true);
            times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            if (zoom > 0) {
                // The whole page drawn at the zoom's device pixel ratio, as the window shows it.
                const double ratio = view.devicePixelRatioF();
                QImage picture(page->size() * ratio, QImage::Format_ARGB32_Premultiplied);
                picture.setDevicePixelRatio(ratio);
                page->render(&picture);
                withPaint.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                cpu.push_back(threadCpuMs() - cpuStart);
            }
        }
        page->activate(false);
        page->clearPage();
        page->destroyWindow();
        std::sort(times.begin(), times.end());
        std::printf("%-40s %8d %8lld %10.3f %10.3f %10.3f", s.name, s.pageId,
                    static_cast<long long>(nodes), times[times.size() / 2], times.front(),
                    times.back());
        if (!withPaint.empty()) {
            std::sort(withPaint.begin(), withPaint.end());
            std::sort(cpu.begin(), cpu.end());
            std::printf(" %12.3f %12.3f %10.3f %10.3f", withPaint[withPaint.size() / 2],
                        withPaint.back(), cpu[cpu.size() / 2], cpu.back());
        }
        std::printf("\n");
    }
    return 0;
}
