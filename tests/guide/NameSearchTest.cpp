#include "guide/NameSearch.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/RecordCursor.h"
#include "catalog/RecordTable.h"
#include "common/ErrorLog.h"
#include "testsupport/SourceCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

using test::CatalogueSources;

const QByteArray kHeader =
    "id,origin,category,type,region,producer,vintage,product,designation,variety,appellation,"
    "score\n";

CatalogueSources sourcesWith(const QByteArray& wines) {
    return test::sourcesAroundWines(kHeader + wines);
}

const QByteArray kWines =
    "W1,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,,Grenache,Gigondas,90\n"
    "W2,France,Still,Red,Rhône,Domaine des Écluses,2001,Gigondas,Vieilles Vignes,Grenache,"
    "Gigondas,92\n"
    "W3,France,Still,Red,Rhône,Domaine des Écluses,NV,Vin de Table,,,,80\n"
    "W4,France,Still,Red,Bordeaux,Château Œillet,2000,Pauillac Grand Vin,,,Pauillac,94\n"
    "W5,U.S.,Still,Red,California,apex vineyards,1999,Merlot,,Merlot,,87\n"
    "W6,U.S.,Still,White,California,Zephyr Ridge,1997,Chardonnay Carneros,,Chardonnay,"
    "Carneros,88\n"
    "W7,Germany,Still,White,Mosel,Weingut Straße,2001,Riesling Kabinett,,Riesling,,89\n"
    "W8,France,Still,Red,Rhône,Domaine des Écluses,2001,Gigondas,,Grenache,Gigondas,91\n";

class NameSearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ErrorLog::setEnabled(false); }
    static void TearDownTestSuite() { ErrorLog::setEnabled(true); }

    void open(const QByteArray& wines, int recordsPerTable = 0) {
        const QString path = dir_.path(QStringLiteral("wcat.res"));
        QString error;
        ASSERT_TRUE(test::compileSourceCatalogue(sourcesWith(wines), path, &error, recordsPerTable))
            << error.toStdString();
        catalog_ = std::make_unique<Catalog>(path);
        ASSERT_TRUE(catalog_->isOpen());
    }

    // The result lines "Producer, Product Vintage" of QUERY.
    QStringList lines(const QString& query, int limit = NameSearch::kListLimit) const {
        QStringList out;
        for (const NameMatch& wine : NameSearch(*catalog_).find(query, limit).wines) {
            out.append(wine.producer + QStringLiteral(", ") + wine.product + QLatin1Char(' ') +
                       wine.vintage);
        }
        return out;
    }

    test::TempDir dir_;
    std::unique_ptr<Catalog> catalog_;
};

TEST(NameSearchWords, FoldCaseAccentsLigaturesAndDropImpliedWords) {
    const struct {
        const char* query;
        std::vector<std::string> words;
    } cases[] = {
        {"Château d'Yquem", {"chateau", "d", "yquem"}},
        {"  ÉCLUSES,gig ", {"ecluses", "gig"}},
        {"Œil STRASSE straße", {"oeil", "strasse"}},
        {"gig gigondas GIG", {"gigondas"}},
        {"e\u0301cluses", {"ecluses"}},  // an accent typed after its letter
        {"Ørsted Þór", {"orsted", "thor"}},
        {"\u03b1\u03b2", {"\x7f\x7f"}},  // letters without an ASCII form match nothing
        {"-- ' ", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameSearch::queryWords(QString::fromUtf8(c.query)), c.words) << c.query;
    }
    EXPECT_FALSE(NameSearch::isSearchable(QStringLiteral("é")));
    EXPECT_FALSE(NameSearch::isSearchable(QStringLiteral(" a - ")));
    EXPECT_TRUE(NameSearch::isSearchable(QStringLiteral("a b")));
    EXPECT_TRUE(NameSearch::isSearchable(QStringLiteral("ß")));
    // The catalogue's own bytes fold the same way.
    EXPECT_EQ(NameSearch::foldText("Ch\xE2teau \x8C"
                                   "il--de Perdrix",
                                   23),
              "chateau oeil de perdrix");
}

TEST_F(NameSearchTest, EveryQueryWordMustStartAWordOfAnyNameColumn) {
    open(kWines);
    const struct {
        const char* query;
        QStringList expected;
    } cases[] = {
        {"ecluses gig",
         {"Domaine des Écluses, Gigondas 2001", "Domaine des Écluses, Gigondas 2001",
          "Domaine des Écluses, Gigondas 1998"}},
        {"GIG écluses",
         {"Domaine des Écluses, Gigondas 2001", "Domaine des Écluses, Gigondas 2001",
          "Domaine des Écluses, Gigondas 1998"}},
        {"cluses", {}},          // inside a word, not at its start
        {"ecluses zephyr", {}},  // both words must match the same wine
        {"oeil", {"Château Œillet, Pauillac Grand Vin 2000"}},
        {"strasse", {"Weingut Straße, Riesling Kabinett 2001"}},
        {"merlot apex", {"apex vineyards, Merlot 1999"}},           // product and producer
        {"grenache vieilles", {}},                                  // designations are not searched
        {"carn", {"Zephyr Ridge, Chardonnay Carneros 1997"}},       // appellation
        {"mosel kab", {"Weingut Straße, Riesling Kabinett 2001"}},  // region
        {"california", {"apex vineyards, Merlot 1999", "Zephyr Ridge, Chardonnay Carneros 1997"}},
        {"g", {}},  // one character is not searched
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lines(QString::fromUtf8(c.query)), c.expected) << c.query;
    }
}

TEST_F(NameSearchTest, SortsByProducerProductThenNewestVintageWithOtherVintagesLast) {
    open(kWines +
         "W9,France,Still,Red,Rhône,domaine des écluses,1995,Gigondas,,Grenache,Gigondas,90\n"
         "W10,France,Still,Red,Rhône,Domaine des Écluses,1985,Cairanne,,,,85\n"
         "W11,France,Still,Red,Rhône,Aubert Frères,2003,Rasteau,,,,86\n");
    EXPECT_EQ(
        lines(QStringLiteral("rhone")),
        QStringList({"Aubert Frères, Rasteau 2003", "Domaine des Écluses, Cairanne 1985",
                     "Domaine des Écluses, Gigondas 2001", "Domaine des Écluses, Gigondas 2001",
                     "Domaine des Écluses, Gigondas 1998", "Domaine des Écluses, Vin de Table NV",
                     "domaine des écluses, Gigondas 1995"}));
}

TEST_F(NameSearchTest, ListsTheFirstWinesAndCountsAll) {
    QByteArray wines = kWines;
    for (int i = 0; i < 260; ++i) {
        wines +=
            QStringLiteral("B%1,U.S.,Still,Red,California,Bulk Cellars %2,%3,Table Red,,,,80\n")
                .arg(i)
                .arg(QChar(u'A' + i % 26))
                .arg(1985 + i % 19)
                .toUtf8();
    }
    open(wines, 100);  // over three wine tables
    const NameSearchResult all = NameSearch(*catalog_).find(QStringLiteral("bulk"), -1);
    ASSERT_EQ(all.total, 260);
    ASSERT_EQ(all.wines.size(), 260u);
    const NameSearchResult first = NameSearch(*catalog_).find(QStringLiteral("bulk"));
    EXPECT_EQ(first.total, 260);
    ASSERT_EQ(first.wines.size(), 200u);
    for (size_t i = 0; i < first.wines.size(); ++i) {
        EXPECT_EQ(first.wines[i].producer, all.wines[i].producer) << i;
        EXPECT_EQ(first.wines[i].vintage, all.wines[i].vintage) << i;
    }
    EXPECT_EQ(first.wines.front().producer, QStringLiteral("Bulk Cellars A"));
    EXPECT_EQ(first.wines.back().producer, QStringLiteral("Bulk Cellars T"));
    EXPECT_EQ(all.wines.front().vintage, QStringLiteral("2003"));

    // The record of each wine found is the wine itself.
    for (const NameMatch& wine : {all.wines.front(), all.wines.back()}) {
        const RecordTable* table = catalog_->file()->recordTableAt(wine.table);
        ASSERT_NE(table, nullptr);
        const RecordCursor record(catalog_->file(), table, wine.row);
        EXPECT_EQ(record.columnText("PRODUCER"), wine.producer.toLatin1());
        EXPECT_EQ(record.columnText("VINTAGE"), wine.vintage.toLatin1());
    }
}

TEST_F(NameSearchTest, QueriesOfMoreThanSixtyFourWordsNeedThemAll) {
    QString product;
    for (int i = 0; i < 70; ++i) {
        product += QChar(u'a' + i / 26) + QChar(u'a' + i % 26) + QLatin1Char(' ');
    }
    open(kWines + "W9,U.S.,Still,Red,California,Long Name,2000," + product.trimmed().toLatin1() +
         ",,,,80\n");
    EXPECT_EQ(NameSearch(*catalog_).find(product).total, 1);
    // Words past the first 64 narrow the wines the first 64 found.
    EXPECT_EQ(NameSearch(*catalog_).find(product + QStringLiteral("zz")).total, 0);
    EXPECT_EQ(NameSearch(*catalog_).find(QStringLiteral("zz ") + product).total, 0);

    const Catalog missing(dir_.path(QStringLiteral("none.res")));
    EXPECT_EQ(NameSearch(missing).find(QStringLiteral("ecluses")).total, 0);
}

}  // namespace
}  // namespace corkwise
