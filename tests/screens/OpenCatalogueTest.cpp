// The program on a catalogue built from one list of wines, and File > Open Catalogue... and
// File > Recent Catalogues switching it for another while the notes stay.

#include "CompiledProgramFixture.h"
#include "app/RecentCatalogues.h"
#include "catalog/Catalog.h"
#include "catalog/DictValue.h"
#include "controls/GridList.h"
#include "personal/PersonalStore.h"
#include "screens/SearchPage.h"

#include <QDir>
#include <QMenu>
#include <QSettings>

namespace corkwise::test {
namespace {

// Enough for every derived file: three 1997 wines on one chart, producers with two wines, prices
// and red Cabernet for the shipped food table's steak.
const char* const kWines =
    "id,origin,category,type,region,producer,vintage,product,variety,appellation,score,price,"
    "description\n"
    "A1,U.S.,Still,Red,California,Alder,1997,Cab,Cabernet Sauvignon,Napa Valley,94,40,Deep.\n"
    "A2,U.S.,Still,Red,California,Alder,1998,Cab,Cabernet Sauvignon,Napa Valley,90,30,Firm.\n"
    "B1,U.S.,Still,Red,California,Birch,1997,Cab,Cabernet Sauvignon,Napa Valley,88,20,Ripe.\n"
    "B2,U.S.,Still,Red,California,Birch,1998,Cab,Cabernet Sauvignon,Napa Valley,84,,Lean.\n"
    "C1,U.S.,Still,Red,California,Cedar,1997,Cab,Cabernet Sauvignon,Napa Valley,91,15,Bright.\n";

class OpenCatalogueTest : public CompiledProgramFixture {
protected:
    CatalogueSources sources() const override { return {kWines, {}, {}, {}, {}}; }

    // A second catalogue, with one wine of its own, at NAME.
    QString otherCatalogue(const QString& name) {
        const QString path = dir_.path(name);
        QString error;
        EXPECT_TRUE(compileSourceCatalogue(
            sourcesAroundWines(
                "id,origin,category,type,region,producer,vintage,product,appellation\n"
                "W1,France,Still,Red,Rh\xC3\xB4ne,Ormeau,1998,Rouge,Gigondas\n"),
            path, &error))
            << error.toStdString();
        return path;
    }
    // Open Catalogue... answered with PATH.
    void openFromMenu(const QString& path) {
        frame_->setFileChooser([path](QWidget*, const QString&) { return path; });
        bar()->item(CommandBar::kFilePosition, command::kOpenCatalogue)->trigger();
    }
    // The rows the results page of FLOWID shows once reached from the home picture by Next.
    int resultRows(int flowId) {
        tapHome(flowId);
        for (int step = 0; step < 3; ++step) {
            auto* nextButton = view()->findChild<QPushButton*>(QStringLiteral("nextButton"));
            if (nextButton == nullptr || !nextButton->isVisible()) {
                break;
            }
            next();
        }
        SearchPage* page = view()->currentPage();
        int rows = 0;
        for (const auto* list : page->findChildren<QListWidget*>()) {
            rows += list->count();
        }
        for (const auto* grid : page->findChildren<GridList*>()) {
            rows += grid->rowCount();
        }
        view()->closeFlow();
        return rows;
    }
};

TEST_F(OpenCatalogueTest, EverySearchFindsSomethingInACatalogueBuiltFromWinesAlone) {
    for (const int flow : {kFindWineFlow, kFoodAndWineFlow, kVintageChartFlow, kBestValuesFlow,
                           kBestProducersFlow}) {
        EXPECT_GT(resultRows(flow), 0) << "flow " << flow;
    }
}

TEST_F(OpenCatalogueTest, WithoutPricesBestValuesIsEmptyAndTheOtherSearchesStillWork) {
    QByteArray unpriced;
    for (const QByteArray& line : QByteArray(kWines).split('\n')) {
        if (!line.isEmpty()) {
            QList<QByteArray> cells = line.split(',');
            cells.removeAt(11);  // price
            unpriced += cells.join(',') + '\n';
        }
    }
    const QString path = dir_.path(QStringLiteral("unpriced.res"));
    QString error;
    ASSERT_TRUE(compileSourceCatalogue({unpriced, {}, {}, {}, {}}, path, &error))
        << error.toStdString();
    openFromMenu(path);
    ASSERT_EQ(frame_->cataloguePath(), path);
    EXPECT_EQ(resultRows(kBestValuesFlow), 0);
    EXPECT_GT(resultRows(kBestProducersFlow), 0);
    EXPECT_GT(resultRows(kFoodAndWineFlow), 0);
}

TEST_F(OpenCatalogueTest, AFileThatIsNoCatalogueIsRefusedAndTheOldOneStays) {
    const QString text = dir_.write(QStringLiteral("notes.txt"), "just some notes\n");
    const QString empty = dir_.write(QStringLiteral("empty.res"), "");
    QDir(dir_.path(QStringLiteral("."))).mkdir(QStringLiteral("folder.res"));
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {text, "is not a Corkwise catalogue"},
        {empty, "is empty"},
        {dir_.path(QStringLiteral("folder.res")), "is a folder, not a catalogue"},
        {dir_.path(QStringLiteral("gone.res")), "does not exist"},
    };
    MainView* before = view();
    for (const auto& c : cases) {
        MessageBox::clearHistory();
        openFromMenu(c.path);
        ASSERT_EQ(MessageBox::history().size(), 1) << c.path.toStdString();
        EXPECT_EQ(MessageBox::history().first().text,
                  QStringLiteral("%1 %2. The catalogue in use stays open.")
                      .arg(QFileInfo(c.path).absoluteFilePath(), QLatin1String(c.reason)));
        EXPECT_EQ(view(), before);
        EXPECT_EQ(frame_->cataloguePath(), cataloguePath_);
    }
    EXPECT_GT(resultRows(kBestProducersFlow), 0);  // the old catalogue still answers
}

TEST_F(OpenCatalogueTest, SwitchingRebuildsTheScreensKeepsTheNotesAndFillsTheRecentList) {
    frame_->store()->load();
    frame_->store()->add(PersonalEntry(EntryKind::Bookmark, "Cab", "", {}));
    const QString other = otherCatalogue(QStringLiteral("other.res"));
    tapHome(kFindWineFlow);
    openFromMenu(other);
    EXPECT_TRUE(MessageBox::history().isEmpty());
    EXPECT_EQ(frame_->cataloguePath(), other);
    EXPECT_EQ(view()->current(), -1);  // the home picture
    EXPECT_EQ(frame_->store()->count(), 1);
    tapHome(kFindWineFlow);
    QStringList shown;
    for (const auto* combo : view()->currentPage()->findChildren<QComboBox*>()) {
        shown += texts(combo);
    }
    EXPECT_TRUE(shown.contains(QStringLiteral("France"))) << shown.join(',').toStdString();
    EXPECT_FALSE(shown.contains(QStringLiteral("U.S.")));
    view()->closeFlow();

    const QList<QAction*> recent = bar()->recentCataloguesMenu()->actions();
    ASSERT_EQ(recent.size(), 2);
    EXPECT_TRUE(recent[0]->text().startsWith(QStringLiteral("&1 ")));
    EXPECT_EQ(recent[0]->toolTip(), other);
    EXPECT_EQ(recent[1]->toolTip(), QFileInfo(cataloguePath_).absoluteFilePath());
    recent[1]->trigger();
    EXPECT_EQ(frame_->cataloguePath(), QFileInfo(cataloguePath_).absoluteFilePath());
    EXPECT_GT(resultRows(kVintageChartFlow), 0);
}

TEST_F(OpenCatalogueTest, ABookmarkTheNewCatalogueCannotFollowSaysSoAndIsKept) {
    std::vector<DictValue> values;
    for (const auto& [name, text] :
         std::initializer_list<std::pair<QByteArray, QByteArray>>{{"ORIGIN", "U.S."},
                                                                  {"SSF", "Still"},
                                                                  {"TYPE", "Red"},
                                                                  {"REGION", "California"},
                                                                  {"SEGMENT", "A - C"},
                                                                  {"PRODUCER", "Alder"},
                                                                  {"VINTAGE", "1997"},
                                                                  {"PRODUCT_STRINGAV", "Cab"}}) {
        values.emplace_back(0, guide().catalog()->indexOfTable("Dict" + name), text);
    }
    frame_->store()->add(PersonalEntry(EntryKind::Bookmark, "Alder Cab", "", values));
    const auto replay = [this] {
        MessageBox::clearHistory();
        MessageBox::setNextAnswer(MessageBox::No);
        EXPECT_TRUE(guide().selectBookmark(0));
        view()->startSearch(kFindWineFlow);
        const qsizetype said = MessageBox::history().size();
        view()->closeFlow();
        return said;
    };
    EXPECT_EQ(replay(), 0);

    openFromMenu(otherCatalogue(QStringLiteral("other.res")));
    EXPECT_EQ(replay(), 1);
    EXPECT_EQ(guide().personalEntryAt(0)->kind(), EntryKind::Bookmark);

    bar()->recentCataloguesMenu()->actions()[1]->trigger();  // back to the first
    EXPECT_EQ(replay(), 0);
}

TEST_F(OpenCatalogueTest, TheChoiceIsRememberedInTheSettings) {
    const QString file = dir_.path(QStringLiteral("settings.ini"));
    const QString other = otherCatalogue(QStringLiteral("other.res"));
    {
        QSettings settings(file, QSettings::IniFormat);
        frame_->setRecentCatalogues(std::make_unique<RecentCatalogues>(&settings));
        openFromMenu(other);
        frame_->setRecentCatalogues(nullptr);
    }
    QSettings settings(file, QSettings::IniFormat);
    const RecentCatalogues next(&settings);
    EXPECT_EQ(next.lastOpened(), other);
    EXPECT_EQ(next.paths(), (QStringList{other, QFileInfo(cataloguePath_).absoluteFilePath()}));
}

}  // namespace
}  // namespace corkwise::test
