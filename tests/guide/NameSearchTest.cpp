#include "guide/NameSearch.h"

#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/Coding.h"
#include "catalog/NodeCursor.h"
#include "catalog/RecordCursor.h"
#include "catalog/RecordTable.h"
#include "common/ErrorLog.h"
#include "common/TextCodec.h"
#include "testsupport/SourceCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

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

// The texts of the nodes at the end of PATH below the Find Wine root, in catalogue order: each
// step names a child, "*" stands for every child in turn.
QStringList treeList(const Catalog& catalog, const QStringList& path) {
    QStringList texts;
    const std::function<void(const NodeCursor&, qsizetype)> walk = [&](const NodeCursor& node,
                                                                       qsizetype depth) {
        for (int k = 0; k < node.childCount(); ++k) {
            const std::unique_ptr<NodeCursor> child = node.child(k);
            const QString text = fromWindows1252(child->nodeText());
            if (depth == path.size()) {
                texts.append(text);
            } else if (path[depth] == QLatin1String("*") || path[depth] == text) {
                walk(*child, depth + 1);
            }
        }
    };
    if (const std::unique_ptr<NodeCursor> root = catalog.openLevelTable("FWLevelTable0")) {
        walk(*root, 0);
    }
    return texts;
}

TEST_F(NameSearchTest, ResultsComeInTheOrderOfTheCataloguesLists) {
    // Ligatures spelled out, accented capitals with their base letters, equal folded texts in
    // byte order; each name once as a producer and once as a product of "Maison Ordre".
    const QStringList names = {"Ofu",  "Œuf",  "Odet",  "Straße", "Strasse",
                               "Æble", "Aebi", "Éclat", "eclair"};
    const QStringList alphabetical = {"Aebi", "Æble", "eclair",  "Éclat", "Odet",
                                      "Œuf",  "Ofu",  "Strasse", "Straße"};
    QString wines = QString::fromUtf8(kWines);
    for (qsizetype i = 0; i < names.size(); ++i) {
        wines += QStringLiteral(
                     "P%1,France,Still,Red,Loire,%2,2000,Cuvée,,,,85\n"
                     "Q%1,France,Still,Red,Loire,Maison Ordre,2001,%2,,,,85\n")
                     .arg(i)
                     .arg(names[i]);
    }
    open(wines.toUtf8());
    const QStringList loire = {"France", "Still", "Red", "Loire"};

    QStringList producers;
    for (const NameMatch& wine : NameSearch(*catalog_).find(QStringLiteral("loire"), -1).wines) {
        if (producers.isEmpty() || producers.back() != wine.producer) {
            producers.append(wine.producer);
        }
    }
    // The producer lists of the segments, one after another.
    EXPECT_EQ(producers, treeList(*catalog_, loire + QStringList{"*"}));
    producers.removeOne(QStringLiteral("Maison Ordre"));
    EXPECT_EQ(producers, alphabetical);

    QStringList products;
    for (const NameMatch& wine : NameSearch(*catalog_).find(QStringLiteral("ordre"), -1).wines) {
        products.append(wine.product);
    }
    EXPECT_EQ(products, treeList(*catalog_, loire + QStringList{"*", "Maison Ordre", "2001"}));
    EXPECT_EQ(products, alphabetical);
}

// The compiled catalogue with its wine tables renamed: the format gives record tables no fixed
// names, so another tool may call them anything.
struct RenamedTables {
    const char* name;
    int recordsPerTable;           // 0: all wines in one table
    QList<QByteArray> wineTables;  // the new names of "Wines0", "Wines1", ...
};

// Test names and failure messages show the row's name, not its bytes.
void PrintTo(const RenamedTables& row, std::ostream* out) {
    *out << row.name;
}

class NameSearchRenamedTest : public NameSearchTest,
                              public ::testing::WithParamInterface<RenamedTables> {};

// Overwrites the name field of the directory entry named FROM.
void renameTable(QByteArray& bytes, const QByteArray& from, const QByteArray& to) {
    const int count = coding::getU24(bytes.constData());
    const int stride = coding::getU24(bytes.constData() + coding::kU24Size);
    for (int i = 0; i < count; ++i) {
        const int name = 6 + i * stride + 6;
        if (bytes.mid(name, 32) == QByteArray(from).leftJustified(32, '\0')) {
            bytes.replace(name, 32, QByteArray(to).leftJustified(32, '\0'));
            return;
        }
    }
    FAIL() << "no table " << from.constData();
}

TEST_P(NameSearchRenamedTest, FindsTheWinesWhereverTheTreePointsWhateverTheirTablesAreCalled) {
    const RenamedTables& c = GetParam();
    open(kWines, c.recordsPerTable);
    const QStringList queries = {QStringLiteral("ecluses gig"), QStringLiteral("california"),
                                 QStringLiteral("oeil"), QStringLiteral("rhone")};
    std::vector<NameSearchResult> before;
    for (const QString& query : queries) {
        before.push_back(NameSearch(*catalog_).find(query));
    }

    QByteArray bytes = dir_.read(QStringLiteral("wcat.res"));
    // From the last, so that a new name may be an old one of a later table.
    for (qsizetype k = c.wineTables.size() - 1; k >= 0; --k) {
        renameTable(bytes, "Wines" + QByteArray::number(k), c.wineTables[k]);
    }
    ASSERT_EQ(catalog_->indexOfTable("Wines" + QByteArray::number(c.wineTables.size())), -1)
        << "every wine table is renamed";
    catalog_ = std::make_unique<Catalog>(dir_.write(QStringLiteral("renamed.res"), bytes));
    ASSERT_EQ(catalog_->treeRecordTables("FWLevelTable0").size(),
              static_cast<size_t>(c.wineTables.size()));
    for (size_t q = 0; q < before.size(); ++q) {
        const NameSearchResult after = NameSearch(*catalog_).find(queries[q]);
        EXPECT_GT(after.total, 0) << queries[q].toStdString();
        ASSERT_EQ(after.total, before[q].total) << queries[q].toStdString();
        for (size_t w = 0; w < after.wines.size(); ++w) {
            EXPECT_EQ(after.wines[w].table, before[q].wines[w].table);
            EXPECT_EQ(after.wines[w].row, before[q].wines[w].row);
            EXPECT_EQ(after.wines[w].producer, before[q].wines[w].producer);
            EXPECT_EQ(after.wines[w].vintage, before[q].wines[w].vintage);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, NameSearchRenamedTest,
    ::testing::Values(RenamedTables{"OneTableOfAnotherName", 0, {"Cellar"}},
                      RenamedTables{"TwoTables", 4, {"Reds", "Whites"}},
                      RenamedTables{"TwoTablesOfTheOldNamesOutOfOrder", 4, {"Wines1", "Wines3"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace corkwise
