// The name search and the Search menu driven through the whole program: typing, moving in the
// results, opening a wine on the Find Wine wine page, leaving, the Edit menu in the field, and the
// five searches started from the menu.

#include "CompiledProgramFixture.h"
#include "catalog/RecordCursor.h"
#include "controls/GridList.h"
#include "screens/FindWineWinePage.h"
#include "screens/NameSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "screens/personal/CPersonal.h"
#include "testsupport/SourceCatalogue.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace corkwise::test {
namespace {

class NameSearchPanelTest : public CompiledProgramFixture {
protected:
    CatalogueSources sources() const override {
        return sourcesAroundWines(
            "id,origin,category,type,region,producer,vintage,product,designation,variety,"
            "appellation,score\n"
            "W1,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,,Grenache,Gigondas,90\n"
            "W2,France,Still,Red,Rhône,Domaine des Écluses,2001,Gigondas,Vieilles Vignes,"
            "Grenache,Gigondas,92\n"
            "W3,France,Still,Red,Rhône,Domaine des Écluses,1999,Vacqueyras,,,Vacqueyras,88\n"
            "W4,France,Still,Red,Rhône,Aubert Frères,2000,Gigondas Cuvée,,Grenache,Gigondas,86\n"
            "W5,U.S.,Still,Red,California,Hollow Creek,1997,Merlot,,Merlot,Napa Valley,87\n");
    }

    NameSearchPanel* panel() const { return view()->nameSearchPanel(); }
    QLineEdit* field() const { return panel()->field(); }
    FindWineWinePage* winePage() const { return page<FindWineWinePage>(kFindWineFlow, 2); }

    void trigger(int position, int commandId) {
        QAction* item = bar()->item(position, commandId);
        ASSERT_NE(item, nullptr) << commandId;
        item->trigger();
    }
    // Ctrl+F, then QUERY typed into the field.
    void findByName(const QString& query) {
        frame_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
        QTest::keyClick(frame_.get(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(panel()->isVisible());
        ASSERT_TRUE(field()->hasFocus());
        QTest::keyClicks(field(), query);
    }
};

TEST_F(NameSearchPanelTest, TypingListsTheMatchesAndEnterOpensTheWinePage) {
    findByName(QStringLiteral("e"));
    EXPECT_EQ(panel()->results()->count(), 0);
    QTest::keyClicks(field(), QStringLiteral("cluses GIG"));
    EXPECT_EQ(texts(panel()->results()), QStringList({"Domaine des Écluses, Gigondas 2001",
                                                      "Domaine des Écluses, Gigondas 1998"}));
    EXPECT_EQ(panel()->countLine()->text(), QStringLiteral("2 wines match."));
    EXPECT_TRUE(bar()->isButtonVisible(CommandBar::kEditPosition));
    // Five buttons on the bar, and the frame keeps the view's width.
    QApplication::processEvents();
    EXPECT_EQ(frame_->width(), MainView::kWidth);

    QTest::keyClick(field(), Qt::Key_Down);
    QTest::keyClick(field(), Qt::Key_Down);  // stays on the last
    EXPECT_EQ(panel()->results()->currentRow(), 1);
    QTest::keyClick(field(), Qt::Key_Return);

    EXPECT_FALSE(panel()->isVisible());
    ASSERT_EQ(view()->current(), 2);
    EXPECT_TRUE(winePage()->isVisible());
    EXPECT_EQ(winePage()->vintageCombo()->currentText(), QStringLiteral("1998"));
    EXPECT_EQ(winePage()->productCombo()->currentText(), QStringLiteral("Gigondas"));
    EXPECT_EQ(winePage()->infoBox()->text(),
              QStringLiteral("Domaine des Écluses Gigondas Grenache "));
    EXPECT_TRUE(view()->findChild<QPushButton*>(QStringLiteral("finishButton"))->isVisible());
    EXPECT_FALSE(guide().hasSelection());
    EXPECT_FALSE(bar()->isButtonVisible(CommandBar::kEditPosition));
    EXPECT_TRUE(MessageBox::history().isEmpty());

    // The pages were walked as a user walks them: Back shows the wine's producer.
    back();
    EXPECT_EQ(view()->current(), 1);
    EXPECT_EQ(view()->currentPage()->findChild<QListWidget*>()->currentItem()->text(),
              QStringLiteral("Domaine des Écluses"));
}

TEST_F(NameSearchPanelTest, ATapOnAResultOpensIt) {
    view()->showNameSearch();
    QTest::keyClicks(field(), QStringLiteral("gigondas"));
    ASSERT_EQ(panel()->results()->count(), 3);
    EXPECT_EQ(panel()->results()->item(0)->text(),
              QStringLiteral("Aubert Frères, Gigondas Cuvée 2000"));
    tapRow(panel()->results(), 0);
    ASSERT_EQ(view()->current(), 2);
    EXPECT_EQ(winePage()->productCombo()->currentText(), QStringLiteral("Gigondas Cuvée"));
    EXPECT_EQ(winePage()->infoBox()->text(), QStringLiteral("Aubert Frères Gigondas Grenache "));
}

TEST_F(NameSearchPanelTest, EscapeAndCancelReturnToWhereTheUserWas) {
    // From a page of a flow, with Escape.
    tapHome(kFindWineFlow);
    next();
    ASSERT_EQ(view()->current(), 1);
    QWidget* producers = view()->currentPage();
    findByName(QStringLiteral("merlot"));
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(view()->current(), 1);
    EXPECT_TRUE(producers->isVisible());
    EXPECT_TRUE(view()->strip()->isVisible());
    EXPECT_FALSE(bar()->isButtonVisible(CommandBar::kEditPosition));

    // From the home picture, with Cancel.
    view()->closeFlow();
    view()->showNameSearch();
    EXPECT_TRUE(field()->text().isEmpty());  // every search starts afresh
    click("nameCancelButton");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(view()->current(), -1);
}

TEST_F(NameSearchPanelTest, AQueryThatMatchesNothingSaysSoAndEnterDoesNothing) {
    view()->showNameSearch();
    QTest::keyClicks(field(), QStringLiteral("ecluses merlot"));
    EXPECT_EQ(panel()->results()->count(), 0);
    EXPECT_EQ(panel()->countLine()->text(), QStringLiteral("No wine matches."));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(view()->current(), -1);
    // Past the list's limit the line counts all and says how many are listed.
    EXPECT_EQ(NameSearchPanel::countText(12345, 200),
              QStringLiteral("12,345 wines match, 200 listed."));
}

TEST_F(NameSearchPanelTest, EditMenuCutsCopiesAndPastesInTheField) {
    view()->showNameSearch();
    QTest::keyClicks(field(), QStringLiteral("hollow"));
    field()->selectAll();
    trigger(CommandBar::kEditPosition, command::kCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hollow"));
    trigger(CommandBar::kEditPosition, command::kCut);
    EXPECT_TRUE(field()->text().isEmpty());
    EXPECT_EQ(panel()->results()->count(), 0);
    trigger(CommandBar::kEditPosition, command::kPaste);
    EXPECT_EQ(field()->text(), QStringLiteral("hollow"));
    EXPECT_EQ(texts(panel()->results()), QStringList{"Hollow Creek, Merlot 1997"});
}

TEST_F(NameSearchPanelTest, SearchMenuStartsEachFlowFromAnywhere) {
    const struct {
        int command;
        QList<int> pageIds;
    } cases[] = {
        {command::kSearchFindWine, {10001, 10002, 10003}},
        {command::kSearchFoodAndWine, {10005, 10006}},
        {command::kSearchVintageChart, {10007, 10008}},
        {command::kSearchBestValues, {10009, 10010}},
        {command::kSearchBestProducers, {10011, 10012}},
    };
    QStringList items;
    for (QAction* action : bar()->popup(CommandBar::kSearchPosition)->actions()) {
        items.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    // The home picture's words, each with the letter that chooses it.
    EXPECT_EQ(items, QStringList({"&Find by Name...", "-", "&Wine Search", "F&ood && Wine",
                                  "&Vintage Chart", "&Best Values", "Best &Producers"}));

    for (const auto& c : cases) {
        // Started over an open flow and an open name search alike.
        tapHome(kFindWineFlow);
        view()->showNameSearch();
        trigger(CommandBar::kSearchPosition, c.command);
        QList<int> ids;
        for (SearchPage* page : view()->pages()) {
            ids.append(page->pageId());
        }
        EXPECT_EQ(ids, c.pageIds) << c.command;
        EXPECT_EQ(view()->current(), 0);
        EXPECT_TRUE(view()->currentPage()->isVisible());
        EXPECT_FALSE(panel()->isVisible());
        EXPECT_EQ(guide().currentFlow(), c.pageIds.front());
        view()->closeFlow();
    }
}

TEST_F(NameSearchPanelTest, SearchMenuIsGreyedWhileThePersonalPanelIsUp) {
    EXPECT_TRUE(bar()->isButtonEnabled(CommandBar::kSearchPosition));
    trigger(bar()->visiblePersonalPosition(), command::kAddNote);
    ASSERT_TRUE(view()->personalPanel()->isVisible());
    EXPECT_FALSE(bar()->isButtonEnabled(CommandBar::kSearchPosition));
    // Ctrl+F and the flows' commands do nothing meanwhile.
    EXPECT_TRUE(view()->handleCommand(command::kFindByName));
    EXPECT_TRUE(view()->handleCommand(command::kSearchBestValues));
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(view()->current(), -1);
    view()->leavePersonal();
    EXPECT_TRUE(bar()->isButtonEnabled(CommandBar::kSearchPosition));
}

TEST_F(NameSearchPanelTest, GoToABookmarkFromOverTheNameSearchLeavesIt) {
    findByName(QStringLiteral("aubert"));
    QTest::keyClick(field(), Qt::Key_Return);
    ASSERT_EQ(view()->current(), 2);
    trigger(bar()->visiblePersonalPosition(), command::kAddBookmark);
    click("doneButton");

    findByName(QStringLiteral("hollow"));
    trigger(bar()->visiblePersonalPosition(), command::kBookmarks);
    ASSERT_TRUE(view()->personalPanel()->isVisible());
    click("goToButton");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_FALSE(bar()->isButtonVisible(CommandBar::kEditPosition));
    ASSERT_EQ(view()->current(), 2);
    EXPECT_TRUE(winePage()->isVisible());
    EXPECT_EQ(winePage()->productCombo()->currentText(), QStringLiteral("Gigondas Cuvée"));
}

// Two wines of one producer, vintage and product, told apart by their designation.
class TwinWinesTest : public NameSearchPanelTest {
protected:
    CatalogueSources sources() const override {
        return sourcesAroundWines(
            "id,origin,category,type,region,producer,vintage,product,designation,variety,"
            "appellation,score\n"
            "W1,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,,Grenache,Gigondas,90\n"
            "W2,France,Still,Red,Rhône,Domaine des Écluses,1998,Gigondas,Vieilles Vignes,"
            "Grenache,Gigondas,92\n");
    }
};

TEST_F(TwinWinesTest, EachResultOpensTheWinePageOnItsOwnWine) {
    QList<int> opened;
    for (int chosen : {0, 1}) {
        findByName(QStringLiteral("gigondas"));
        ASSERT_EQ(panel()->results()->count(), 2);
        tapRow(panel()->results(), chosen);
        ASSERT_EQ(view()->current(), 2);
        const RecordCursor* selected = winePage()->grid()->selectedCursor();
        ASSERT_NE(selected, nullptr);
        // The info box describes the selected row.
        EXPECT_EQ(winePage()->infoBox()->text().endsWith(QStringLiteral("Vieilles Vignes ")),
                  selected->columnText("DESIGNATION") == "Vieilles Vignes");
        opened.append(winePage()->grid()->selectedSlot());
        click("cancelButton");
    }
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, QList<int>({0, 1}));
}

}  // namespace
}  // namespace corkwise::test
