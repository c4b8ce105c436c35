#pragma once
// The bookmarked wines as a list to take along: one line per bookmark with the wine's producer,
// product, vintage, score, designation, appellation, variety, region and origin and the
// bookmark's own text, written as CSV or laid out as a document to print.
//
// A bookmark holds the values of the Find Wine search that found it (origin, category, type,
// region, producer segment, producer, vintage, product) followed by the wine's designation,
// variety, appellation and score, each with the table number of its dictionary. The list takes
// each column from the value whose dictionary has the column's name. A bookmark that lacks some
// of them (one made before its wine was chosen, or typed into an imported file) is followed
// through the Find Wine tree by its search values; when that leads to exactly one wine that
// agrees with every wine value the bookmark has, the missing columns are read from that wine.
// The catalogue's placeholders ("-Not Available-", "No Designation Assigned" ...) show as empty
// cells.

#include "personal/PersonalEntry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace corkwise {

class Catalog;

// One bookmarked wine, its columns in the list's order.
struct BookmarkLine {
    QString producer;
    QString product;
    QString vintage;
    QString score;
    QString designation;
    QString appellation;
    QString variety;
    QString region;
    QString origin;
    QString note;  // the bookmark's own text

    // The ten columns in order.
    QStringList cells() const;
    friend bool operator==(const BookmarkLine&, const BookmarkLine&) = default;
};

class BookmarkList {
public:
    // The column titles: "Producer", "Product", "Vintage", "Score", "Designation",
    // "Appellation", "Variety", "Region", "Origin", "Note".
    static QStringList titles();

    // One line per bookmark of ENTRIES, in store order; notes and entries of other kinds are
    // left out. CATALOG (not owned) names the values' dictionaries and fills what a bookmark
    // lacks; without it only the note is known.
    static std::vector<BookmarkLine> lines(const std::vector<PersonalEntry>& entries,
                                           const Catalog* catalog);

    // LINES as CSV: UTF-8 with a byte-order mark (so that spreadsheets read accents right),
    // the titles first, lines ending in CR LF, cells quoted when they hold a comma, a quote or a
    // line break (a quote doubled). A cell that a spreadsheet would take for a formula
    // (beginning with =, +, -, @, a tab or a carriage return) gets a leading apostrophe.
    static QByteArray toCsv(const std::vector<BookmarkLine>& lines);

    // LINES as an HTML document for printing, under the heading TITLE: a table of one row per
    // wine, with the columns Wine (producer, then product and designation), Vintage, Score, From
    // (appellation, variety, region and origin) and Note.
    static QString toHtml(const std::vector<BookmarkLine>& lines, const QString& title);
};

}  // namespace corkwise
