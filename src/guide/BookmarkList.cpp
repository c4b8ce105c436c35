#include "guide/BookmarkList.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFormat.h"
#include "catalog/NodeCursor.h"
#include "catalog/Placeholders.h"
#include "catalog/RecordCursor.h"
#include "common/TextCodec.h"

#include <QHash>

#include <array>
#include <memory>
#include <optional>

namespace corkwise {

namespace fmt = catalog_format;

namespace {

// The wine columns of a line, by the short names of their dictionaries.
enum Column {
    Producer,
    Product,
    Vintage,
    Score,
    Designation,
    Appellation,
    Variety,
    Region,
    Origin
};
constexpr int kColumnCount = 9;
constexpr std::array<const char*, kColumnCount> kColumnNames{
    fmt::dict::kProducer, fmt::dict::kProduct,     fmt::dict::kVintage,
    fmt::dict::kScore,    fmt::dict::kDesignation, fmt::dict::kAppellation,
    fmt::dict::kVariety,  fmt::dict::kRegion,      fmt::dict::kOrigin};

// The levels of the Find Wine tree below its root, by the short names of their dictionaries.
constexpr std::array<const char*, 8> kSearchLevels{
    fmt::dict::kOrigin,  fmt::dict::kCategory, fmt::dict::kType,    fmt::dict::kRegion,
    fmt::dict::kSegment, fmt::dict::kProducer, fmt::dict::kVintage, fmt::dict::kProduct};
// The wine's own values a bookmark carries, which a wine found in the tree must agree with.
constexpr std::array<Column, 5> kWineColumns{Vintage, Score, Designation, Appellation, Variety};

// The values of one bookmark by dictionary short name; the first value of a dictionary counts.
class BookmarkValues {
public:
    BookmarkValues(const PersonalEntry& entry, const Catalog& catalog) {
        for (const DictValue& value : entry.values()) {
            const QByteArray name = catalog.tableShortName(value.dictionary());
            if (!name.isEmpty() && !byName_.contains(name)) {
                byName_.insert(name, value.text());
            }
        }
    }
    std::optional<QByteArray> text(const char* shortName) const {
        const auto it = byName_.constFind(QByteArray(shortName));
        if (it == byName_.constEnd()) {
            return std::nullopt;
        }
        return *it;
    }

private:
    QHash<QByteArray, QByteArray> byName_;
};

// The child of NODE whose text is TEXT, or null.
std::unique_ptr<NodeCursor> childWithText(const NodeCursor& node, const QByteArray& text) {
    const int count = node.childCount();
    for (int k = 0; k < count; ++k) {
        std::unique_ptr<NodeCursor> child = node.child(k);
        if (child != nullptr && child->nodeKind() == NodeCursor::kDictionaryNode &&
            child->nodeText() == text) {
            return child;
        }
    }
    return nullptr;
}

// The one wine the bookmark's search values lead to in the Find Wine tree and that agrees with
// the bookmark's own wine values; null when they lead nowhere or to more than one wine.
std::unique_ptr<RecordCursor> followBookmark(const BookmarkValues& values, const Catalog& catalog) {
    std::unique_ptr<NodeCursor> node = catalog.openLevelTable("FWLevelTable0");
    for (const char* level : kSearchLevels) {
        const std::optional<QByteArray> text = values.text(level);
        if (node == nullptr || !text) {
            return nullptr;
        }
        node = childWithText(*node, *text);
    }
    if (node == nullptr) {
        return nullptr;
    }
    std::unique_ptr<RecordCursor> found;
    const int count = node->childCount();
    for (int k = 0; k < count; ++k) {
        std::unique_ptr<NodeCursor> child = node->child(k);
        std::unique_ptr<RecordCursor> wine = child != nullptr ? child->openRecord() : nullptr;
        if (wine == nullptr) {
            continue;
        }
        bool agrees = true;
        for (const Column column : kWineColumns) {
            const std::optional<QByteArray> wanted = values.text(kColumnNames[column]);
            if (wanted && wine->columnText(kColumnNames[column]) != wanted) {
                agrees = false;
                break;
            }
        }
        if (!agrees) {
            continue;
        }
        if (found != nullptr) {
            return nullptr;  // two wines fit: the bookmark does not say which
        }
        found = std::move(wine);
    }
    return found;
}

// TEXT as a cell: empty for the catalogue's placeholder of COLUMN.
QString cellText(const QByteArray& text, const char* column) {
    if (text == fmt::placeholderFor(column) || text == fmt::kNotAvailable) {
        return {};
    }
    return fromWindows1252(text);
}

BookmarkLine lineOf(const PersonalEntry& entry, const Catalog* catalog) {
    BookmarkLine line;
    line.note = entry.text();
    if (catalog == nullptr) {
        return line;
    }
    const BookmarkValues values(entry, *catalog);
    std::array<std::optional<QByteArray>, kColumnCount> texts;
    bool missing = false;
    for (int c = 0; c < kColumnCount; ++c) {
        texts[c] = values.text(kColumnNames[c]);
        missing = missing || !texts[c];
    }
    if (missing) {
        if (std::unique_ptr<RecordCursor> wine = followBookmark(values, *catalog)) {
            for (int c = 0; c < kColumnCount; ++c) {
                if (!texts[c]) {
                    texts[c] = wine->columnText(kColumnNames[c]);
                }
            }
        }
    }
    QString* cells[kColumnCount] = {&line.producer, &line.product,     &line.vintage,
                                    &line.score,    &line.designation, &line.appellation,
                                    &line.variety,  &line.region,      &line.origin};
    for (int c = 0; c < kColumnCount; ++c) {
        *cells[c] = cellText(texts[c].value_or(QByteArray()), kColumnNames[c]);
    }
    return line;
}

QByteArray csvCell(QString text) {
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && kFormulaStarts.contains(text.front())) {
        text.prepend(QLatin1Char('\''));
    }
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text.toUtf8();
}

QByteArray csvRow(const QStringList& cells) {
    QByteArray row;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            row += ',';
        }
        row += csvCell(cells[i]);
    }
    return row + "\r\n";
}

// The non-empty TEXTS joined by ", ".
QString joined(const QStringList& texts) {
    QStringList kept;
    for (const QString& text : texts) {
        if (!text.isEmpty()) {
            kept.append(text);
        }
    }
    return kept.join(QStringLiteral(", "));
}

}  // namespace

QStringList BookmarkLine::cells() const {
    return {producer,    product, vintage, score,  designation,
            appellation, variety, region,  origin, note};
}

QStringList BookmarkList::titles() {
    return {QStringLiteral("Producer"),    QStringLiteral("Product"),
            QStringLiteral("Vintage"),     QStringLiteral("Score"),
            QStringLiteral("Designation"), QStringLiteral("Appellation"),
            QStringLiteral("Variety"),     QStringLiteral("Region"),
            QStringLiteral("Origin"),      QStringLiteral("Note")};
}

std::vector<BookmarkLine> BookmarkList::lines(const std::vector<PersonalEntry>& entries,
                                              const Catalog* catalog) {
    std::vector<BookmarkLine> lines;
    for (const PersonalEntry& entry : entries) {
        if (entry.kind() == EntryKind::Bookmark) {
            lines.push_back(lineOf(entry, catalog));
        }
    }
    return lines;
}

QByteArray BookmarkList::toCsv(const std::vector<BookmarkLine>& lines) {
    QByteArray csv = "\xEF\xBB\xBF" + csvRow(titles());
    for (const BookmarkLine& line : lines) {
        csv += csvRow(line.cells());
    }
    return csv;
}

QString BookmarkList::toHtml(const std::vector<BookmarkLine>& lines, const QString& title) {
    QString html = QStringLiteral(
                       "<html><body><h2>%1</h2>"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
                       "<tr><th width=\"27%\">Wine</th><th width=\"11%\">Vintage</th>"
                       "<th width=\"9%\">Score</th><th width=\"28%\">From</th>"
                       "<th width=\"25%\">Note</th></tr>")
                       .arg(title.toHtmlEscaped());
    for (const BookmarkLine& line : lines) {
        html +=
            QStringLiteral(
                "<tr><td><b>%1</b><br>%2</td><td>%3</td><td>%4</td><td>%5</td>"
                "<td>%6</td></tr>")
                .arg(line.producer.toHtmlEscaped(),
                     joined({line.product, line.designation}).toHtmlEscaped(),
                     line.vintage.toHtmlEscaped(), line.score.toHtmlEscaped(),
                     joined({line.appellation, line.variety, line.region, line.origin})
                         .toHtmlEscaped(),
                     line.note.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

}  // namespace corkwise
