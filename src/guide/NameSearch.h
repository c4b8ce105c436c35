#pragma once
// Finding wines by name: the matching shared by the name search panel and
// `corkwise-catalog find`.
//
// A query is split into words (runs of letters and digits). A wine matches when every word of
// the query starts a word of its producer, product, appellation, variety or region, with letter
// case and accents ignored and ligatures spelled out ("ecluses gig" finds "Domaine des Écluses"
// "Gigondas", "oeil" finds "Œil de Perdrix"). The words may start words of different columns.
//
// The search reads the catalogue through the reader on every query and keeps nothing between
// queries: each name dictionary's texts once, then the name columns of every record of the wine
// tables. The wine tables are the record tables the Find Wine tree's wine nodes point to, whatever
// their names and however many (the catalogue works them out once, Catalog::treeRecordTables).
// A damaged catalogue gives fewer wines, never a failure.

#include <QString>

#include <string>
#include <vector>

namespace corkwise {

class Catalog;

// One wine found: its record (the table number of its wine table and its row there) and the
// three texts a result line shows.
struct NameMatch {
    int table = -1;
    int row = -1;
    QString producer;
    QString product;
    QString vintage;
};

struct NameSearchResult {
    // The first wines in result order: by producer, then product (alphabetically, ignoring case
    // and accents), then vintage newest first (non-years last), then catalogue order.
    std::vector<NameMatch> wines;
    // How many wines match in all; at least wines.size().
    int total = 0;
};

class NameSearch {
public:
    // A query needs at least this many letters or digits before it is searched.
    static constexpr int kMinimumCharacters = 2;
    // The panel lists at most this many wines.
    static constexpr int kListLimit = 200;

    // CATALOG is not owned and must outlive the search.
    explicit NameSearch(const Catalog& catalog);

    // True when QUERY holds at least kMinimumCharacters letters or digits.
    static bool isSearchable(const QString& query);
    // The distinct words of QUERY in folded form (common/TextFolding.h): lower-case ASCII
    // letters and digits, accents dropped, ligatures spelled out.
    static std::vector<std::string> queryWords(const QString& query);
    // TEXT (Windows-1252) folded the same way, every run of other characters one space.
    static std::string foldText(const char* text, int length);

    // The wines matching QUERY, at most LIMIT of them listed (all when LIMIT is negative), with
    // the count of all. A query that is not searchable finds nothing.
    NameSearchResult find(const QString& query, int limit = kListLimit) const;

private:
    const Catalog& catalog_;
};

}  // namespace corkwise
