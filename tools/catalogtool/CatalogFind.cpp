#include "catalogtool/CatalogFind.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogProblem.h"
#include "guide/NameSearch.h"

namespace corkwise::tool {

int runFind(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.size() != 2) {
        err << "usage: corkwise-catalog find TEXT FILE\n";
        return 2;
    }
    const QString& text = args[0];
    if (!NameSearch::isSearchable(text)) {
        err << "find: the text needs at least " << NameSearch::kMinimumCharacters
            << " letters or digits\n";
        return 2;
    }
    // The program refuses a damaged catalogue at start; so does its search here.
    if (const CatalogProblem problem = findCatalogProblem(args[1])) {
        err << "cannot open catalogue: " << problem.text << '\n';
        return 1;
    }
    const Catalog catalog(args[1]);
    if (!catalog.isOpen()) {
        err << "cannot open catalogue: " << args[1] << '\n';
        return 1;
    }
    for (const NameMatch& wine : NameSearch(catalog).find(text, -1).wines) {
        out << wine.producer << '\t' << wine.product << '\t' << wine.vintage << '\n';
    }
    return 0;
}

}  // namespace corkwise::tool
