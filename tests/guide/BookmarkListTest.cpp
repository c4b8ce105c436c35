// The bookmarked wines as a list: the columns taken from a bookmark's values, what the catalogue
// fills in when a bookmark leads to exactly one wine, and the CSV a spreadsheet reads.

#include "guide/BookmarkList.h"

#include "catalog/Catalog.h"
#include "testsupport/SourceCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <utility>

namespace corkwise {
namespace {

const QByteArray kWines =
    "id,origin,category,type,region,producer,vintage,product,designation,variety,appellation,"
    "score\n"
    "W1,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,,Grenache,Gigondas,90\n"
    "W2,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,Vieilles Vignes,Grenache,"
    "Gigondas,92\n"
    "W3,U.S.,Still,White,California,Zephyr Ridge,1997,Chardonnay Carneros,,Chardonnay,"
    "Carneros,88\n";

using Values = std::vector<std::pair<const char*, const char*>>;

// The search values of Find Wine down to the product, as a bookmark holds them.
const Values kZephyrPath{{"ORIGIN", "U.S."},   {"SSF", "Still"},
                         {"TYPE", "White"},    {"REGION", "California"},
                         {"SEGMENT", "V - Z"}, {"PRODUCER", "Zephyr Ridge"},
                         {"VINTAGE", "1997"},  {"PRODUCT_STRINGAV", "Chardonnay Carneros"}};
const Values kEcluses1998{{"ORIGIN", "France"}, {"SSF", "Still"},
                          {"TYPE", "Red"},      {"REGION", "Rhône"},
                          {"SEGMENT", "D - F"}, {"PRODUCER", "Domaine des Écluses"},
                          {"VINTAGE", "1998"},  {"PRODUCT_STRINGAV", "Gigondas"}};

class BookmarkListTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString path = dir_.path(QStringLiteral("wcat.res"));
        QString error;
        ASSERT_TRUE(test::compileSourceCatalogue(test::sourcesAroundWines(kWines), path, &error))
            << error.toStdString();
        catalog_ = std::make_unique<Catalog>(path);
        ASSERT_TRUE(catalog_->isOpen());
    }

    // A bookmark of VALUES (dictionary short name, Windows-1252 text) and TEXT.
    PersonalEntry bookmark(const Values& values, const QString& text = {}) const {
        std::vector<DictValue> stored;
        for (const auto& [name, value] : values) {
            stored.emplace_back(-1, catalog_->indexOfTable(QByteArray("Dict") + name),
                                QString::fromUtf8(value).toLatin1());
        }
        PersonalEntry entry(EntryKind::Bookmark, "b", "", stored);
        entry.setText(text);
        return entry;
    }

    static Values with(Values values, const Values& more) {
        values.insert(values.end(), more.begin(), more.end());
        return values;
    }

    test::TempDir dir_;
    std::unique_ptr<Catalog> catalog_;
};

TEST_F(BookmarkListTest, LinesTakeTheBookmarkValuesAndFillOnlyWhatLeadsToOneWine) {
    const std::vector<PersonalEntry> entries{
        // As Add Bookmark stores it: the search, then the wine's own values.
        bookmark(with(kEcluses1998, {{"DESIGNATION", "Vieilles Vignes"},
                                     {"VARIETY", "Grenache"},
                                     {"APPELLATION", "Gigondas"},
                                     {"SCORE", "92"}}),
                 QStringLiteral("Buy 2, \"for Sunday\"")),
        PersonalEntry(EntryKind::Note, "a note", "not listed", {}),
        // Only the search: one wine fits, and its values fill the rest; its designation is the
        // catalogue's placeholder, shown empty.
        bookmark(kZephyrPath, QStringLiteral("=1+1")),
        // Two wines fit: nothing is guessed.
        bookmark(kEcluses1998),
        // The search leads to a wine, but it disagrees with the score the bookmark holds.
        bookmark(with(kZephyrPath, {{"SCORE", "95"}})),
    };
    const std::vector<BookmarkLine> expected{
        {"Domaine des Écluses", "Gigondas", "1998", "92", "Vieilles Vignes", "Gigondas", "Grenache",
         "Rhône", "France", "Buy 2, \"for Sunday\""},
        {"Zephyr Ridge", "Chardonnay Carneros", "1997", "88", "", "Carneros", "Chardonnay",
         "California", "U.S.", "=1+1"},
        {"Domaine des Écluses", "Gigondas", "1998", "", "", "", "", "Rhône", "France", ""},
        {"Zephyr Ridge", "Chardonnay Carneros", "1997", "95", "", "", "", "California", "U.S.", ""},
    };
    EXPECT_EQ(BookmarkList::lines(entries, catalog_.get()), expected);

    EXPECT_EQ(BookmarkList::toCsv(expected),
              QByteArray("\xEF\xBB\xBF"
                         "Producer,Product,Vintage,Score,Designation,Appellation,Variety,Region,"
                         "Origin,Note\r\n") +
                  QStringLiteral(
                      "Domaine des Écluses,Gigondas,1998,92,Vieilles Vignes,Gigondas,Grenache,"
                      "Rhône,France,\"Buy 2, \"\"for Sunday\"\"\"\r\n"
                      "Zephyr Ridge,Chardonnay Carneros,1997,88,,Carneros,Chardonnay,California,"
                      "U.S.,'=1+1\r\n"
                      "Domaine des Écluses,Gigondas,1998,,,,,Rhône,France,\r\n"
                      "Zephyr Ridge,Chardonnay Carneros,1997,95,,,,California,U.S.,\r\n")
                      .toUtf8());
}

TEST_F(BookmarkListTest, WithoutCatalogueOnlyTheNoteIsKnownAndHtmlIsEscaped) {
    const std::vector<BookmarkLine> lines =
        BookmarkList::lines({bookmark(kZephyrPath, QStringLiteral("<b>good</b>"))}, nullptr);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].cells(), QStringList({"", "", "", "", "", "", "", "", "", "<b>good</b>"}));
    const QString html = BookmarkList::toHtml(lines, QStringLiteral("A & B"));
    EXPECT_TRUE(html.contains(QStringLiteral("A &amp; B")));
    EXPECT_TRUE(html.contains(QStringLiteral("&lt;b&gt;good&lt;/b&gt;")));
}

}  // namespace
}  // namespace corkwise
