// The wine card: what it shows of a record, where a wine opens it, how it closes, and its
// Add Bookmark. With it the window title that names the place.

#include "DesktopFixture.h"
#include "catalog/Catalog.h"
#include "catalog/CatalogFile.h"
#include "catalog/RecordCursor.h"
#include "controls/GridList.h"
#include "controls/LabelCell.h"
#include "guide/NameSearch.h"
#include "screens/BestValuesResultsPage.h"
#include "screens/FindWineWinePage.h"
#include "screens/FoodResultsPage.h"
#include "screens/WineCard.h"
#include "screens/personal/CPersonal.h"

#include <QLabel>

#include <functional>

namespace corkwise::test {
namespace {

class WineCardTest : public DesktopFixture {
protected:
    // The record of the wine whose producer starts with PRODUCER.
    std::unique_ptr<RecordCursor> wine(const QString& producer) const {
        const NameSearchResult found = NameSearch(*guide().catalog()).find(producer);
        EXPECT_EQ(found.wines.size(), 1u) << producer.toStdString();
        if (found.wines.empty()) {
            return nullptr;
        }
        CatalogFile* file = guide().catalog()->file();
        return std::make_unique<RecordCursor>(file, file->recordTableAt(found.wines[0].table),
                                              found.wines[0].row);
    }
    WineCard* openCard() const {
        for (WineCard* card : view()->findChildren<WineCard*>()) {
            if (card->isVisible()) {
                return card;
            }
        }
        return nullptr;
    }
    // A double-click as the user makes it: a click, then the second press.
    static void doubleClick(QWidget* widget, QPoint at) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    }
    // The list or grid of wines of FLOW, reached from the home page as a user does.
    QWidget* reachWines(int flow) {
        tapHome(flow);
        next();
        if (flow == kFindWineFlow) {
            next();
            return page<FindWineWinePage>(flow, 2)->grid();
        }
        if (flow == kBestValuesFlow) {
            return page<BestValuesResultsPage>(flow, 1)->wineList();
        }
        return page<FoodResultsPage>(flow, 1)->wineList();
    }
    // A double-click on the first wine: a list's first entry, or a grid's first wine cell.
    static void doubleClickFirstWine(QWidget* wines) {
        if (auto* list = qobject_cast<QListWidget*>(wines)) {
            doubleClick(list->viewport(), list->visualItemRect(list->item(0)).center());
            return;
        }
        for (LabelCell* cell : wines->findChildren<LabelCell*>()) {
            if (cell->isVisible() && cell->slotId() == 1) {
                doubleClick(cell, QPoint(5, 5));
                return;
            }
        }
        ADD_FAILURE() << "no wine cell in sight";
    }
    // The texts the open card shows, top to bottom.
    QStringList cardTexts() const {
        QStringList shown;
        if (WineCard* card = openCard()) {
            for (const QLabel* label : card->findChildren<QLabel*>()) {
                shown.append(label->text());
            }
        }
        return shown;
    }
};

TEST_F(WineCardTest, TheCardShowsEveryColumnInPlainWordsAndLeavesPlaceholdersOut) {
    using Rows = std::vector<WineCardRow>;
    const auto row = [](const char* what, const char* value) {
        return WineCardRow(QString::fromUtf8(what), QString::fromUtf8(value));
    };
    struct Case {
        const char* producer;
        Rows rows;
    } const cases[] = {
        {"Domaine",  // no designation
         {row("Producer", "Domaine des Écluses"), row("Product", "Gigondas"),
          row("Vintage", "1998"), row("Score", "90 (excellent)"), row("Appellation", "Gigondas"),
          row("Variety", "Grenache"), row("Category", "Still"), row("Type", "Red"),
          row("Region", "Rhône"), row("Origin", "France"),
          row("Tasting note",
              "Dark plum and garrigue; firm tannins that want a few more years in the cellar")}},
        {"Hollow",  // no appellation, no tasting note
         {row("Producer", "Hollow Creek"), row("Product", "Merlot"), row("Vintage", "1997"),
          row("Score", "84 (fair)"), row("Designation", "Reserve"), row("Variety", "Merlot"),
          row("Category", "Still"), row("Type", "Red"), row("Region", "California"),
          row("Origin", "U.S.")}},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<RecordCursor> record = wine(QString::fromUtf8(c.producer));
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(wineCardRows(*record), c.rows) << c.producer;
    }
}

TEST_F(WineCardTest, EveryListOfWinesOpensTheCardOnDoubleClickOrEnterAndEscapeClosesIt) {
    struct Case {
        const char* where;
        int flow;
        Qt::Key key;  // Qt::Key_unknown: a double-click
        const char* producer;
    } const cases[] = {
        {"Best Values, double-click", kBestValuesFlow, Qt::Key_unknown, "Domaine des Écluses"},
        {"Best Values, Enter", kBestValuesFlow, Qt::Key_Return, "Domaine des Écluses"},
        {"Food & Wine, Enter", kFoodAndWineFlow, Qt::Key_Enter, "Domaine des Écluses"},
        {"Wine Search grid, double-click", kFindWineFlow, Qt::Key_unknown, "Hollow Creek"},
        {"Wine Search grid, Enter", kFindWineFlow, Qt::Key_Return, "Hollow Creek"},
    };
    for (const Case& c : cases) {
        QWidget* wines = reachWines(c.flow);
        if (c.key == Qt::Key_unknown) {
            doubleClickFirstWine(wines);
        } else {
            wines->setFocus();
            QTest::keyClick(wines, c.key);
        }
        WineCard* card = openCard();
        ASSERT_NE(card, nullptr) << c.where;
        EXPECT_TRUE(cardTexts().contains(QString::fromUtf8(c.producer))) << c.where;
        QTest::keyClick(card, Qt::Key_Escape);
        QTRY_COMPARE(openCard(), nullptr);
        view()->closeFlow();
    }
}

TEST_F(WineCardTest, AddBookmarkOnTheCardBookmarksTheWineAsWineSearchFindsIt) {
    doubleClickFirstWine(reachWines(kFoodAndWineFlow));
    WineCard* card = openCard();
    ASSERT_NE(card, nullptr);
    auto* bookmark = card->findChild<QPushButton*>(QStringLiteral("wineCardBookmark"));
    ASSERT_NE(bookmark, nullptr);
    QTest::mouseClick(bookmark, Qt::LeftButton);
    QTRY_COMPARE(openCard(), nullptr);
    EXPECT_TRUE(view()->personalPanel()->isVisible());
    EXPECT_EQ(view()->personalPanel()->shownKind(), EntryKind::Bookmark);
    EXPECT_TRUE(guide().hasEntryOfKind(EntryKind::Bookmark));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Bookmarks — Corkwise"));
}

TEST_F(WineCardTest, TheWindowTitleNamesThePlace) {
    struct Case {
        const char* where;
        std::function<void()> go;
        const char* title;
    };
    const Case cases[] = {
        {"home", [] {}, "Corkwise"},
        {"Food & Wine", [this] { tapHome(kFoodAndWineFlow); }, "Food & Wine — Corkwise"},
        {"back home", [this] { back(); }, "Corkwise"},
        {"Wine Search", [this] { tapHome(kFindWineFlow); }, "Wine Search — Corkwise"},
        {"its next page", [this] { next(); }, "Wine Search — Corkwise"},
        {"cancelled", [this] { click("cancelButton"); }, "Corkwise"},
        {"Vintage Chart", [this] { tapHome(kVintageChartFlow); }, "Vintage Chart — Corkwise"},
        {"closed", [this] { view()->closeFlow(); }, "Corkwise"},
        {"Best Values", [this] { tapHome(kBestValuesFlow); }, "Best Values — Corkwise"},
        {"Best Producers",
         [this] {
             view()->closeFlow();
             tapHome(kBestProducersFlow);
         },
         "Best Producers — Corkwise"},
        {"Notes", [this] { view()->handleCommand(command::kAddNote); }, "Notes — Corkwise"},
        {"left", [this] { view()->leavePersonal(); }, "Best Producers — Corkwise"},
        {"Find by Name", [this] { view()->handleCommand(command::kFindByName); },
         "Find by Name — Corkwise"},
        {"name search closed", [this] { view()->closeNameSearch(); }, "Best Producers — Corkwise"},
    };
    for (const Case& c : cases) {
        c.go();
        EXPECT_EQ(frame_->windowTitle(), QString::fromUtf8(c.title)) << c.where;
    }
}

}  // namespace
}  // namespace corkwise::test
