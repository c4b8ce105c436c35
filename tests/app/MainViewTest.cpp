// The main view's flows with scripted pages: replaying a bookmark, pre-filled starts from the menu
// of searches, More Search, Add Bookmark, and pages whose window cannot be made.

#include "app/MainView.h"

#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/HomeBannerButton.h"
#include "catalog/Catalog.h"
#include "personal/PersonalStore.h"
#include "platform/MessageBox.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/NameSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "screens/personal/CPersonal.h"
#include "testsupport/GuiApp.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/ScriptedPages.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDebug>
#include <QPushButton>
#include <QTest>

namespace corkwise {
namespace {

class MainViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        MessageBox::clearHistory();
        MessageBox::setUnattended(true);
        personalPath_ = dir_.path(QStringLiteral("personal.res"));
        store_ = std::make_unique<PersonalStore>(personalPath_);
        owner_ = std::make_unique<QWidget>();
        bar_ = std::make_unique<CommandBar>();
        factory_ = std::make_unique<test::ScriptedFactory>(owner_.get());
        guide_ = std::make_unique<WineGuide>(std::make_unique<Catalog>(catalogue_.writeTo(dir_)),
                                             store_.get(), factory_.get());
        view_ = std::make_unique<MainView>(*guide_, bar_.get());
        ASSERT_TRUE(view_->createChildren());
        view_->show();
        factory_->log.clear();
    }
    void TearDown() override {
        view_.reset();
        MessageBox::setUnattended(false);
    }

    test::ScriptedPage* page(int id) const { return factory_->pages.value(id); }
    NavigationStrip* strip() const { return view_->strip(); }
    CPersonal* panel() const { return view_->personalPanel(); }

    test::TempDir dir_;
    test::ShellCatalogue catalogue_;
    QString personalPath_;
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<CommandBar> bar_;
    std::unique_ptr<PersonalStore> store_;
    std::unique_ptr<test::ScriptedFactory> factory_;
    std::unique_ptr<WineGuide> guide_;
    std::unique_ptr<MainView> view_;
};

TEST_F(MainViewTest, NextAndBackDriveThePagesInTheDocumentedOrder) {
    view_->startFlow(10005);
    page(10005)->activate(true);
    factory_->log.clear();
    view_->goNext();
    EXPECT_EQ(factory_->log, QStringList({QStringLiteral("10005 commitSelection"),
                                          QStringLiteral("10005 activate 0"),
                                          QStringLiteral("10006 activate 1")}));
    EXPECT_TRUE(page(10006)->isVisible());
    EXPECT_FALSE(page(10005)->isVisible());

    factory_->log.clear();
    view_->closeFlow();
    EXPECT_EQ(factory_->log,
              QStringList({QStringLiteral("10005 activate 0"), QStringLiteral("10005 clearPage"),
                           QStringLiteral("10006 activate 0"), QStringLiteral("10006 clearPage")}));
    EXPECT_FALSE(page(10005)->hasWindow());
    EXPECT_EQ(page(10005)->parentWidget(), owner_.get());
}

TEST_F(MainViewTest, TapsOnAPageOverABannerDoNotStartAnotherSearch) {
    QTest::mouseClick(view_.get(), Qt::LeftButton, {}, QPoint(130, 230));
    ASSERT_EQ(view_->current(), 0);
    ASSERT_TRUE(page(10011)->isVisible());
    // The scripted page leaves presses unhandled, so they travel on to the view.
    QTest::mouseClick(page(10011), Qt::LeftButton, {}, QPoint(60, 85));
    EXPECT_EQ(guide_->currentFlow(), 10011);
    EXPECT_TRUE(page(10011)->isVisible());
    EXPECT_FALSE(page(10001)->hasWindow());
}

TEST_F(MainViewTest, ReplayedBookmarkThatEveryPageFollowsEndsOnTheLastPage) {
    store_->add(test::bookmark("b", {}));
    ASSERT_TRUE(guide_->selectBookmark(0));
    view_->startSearch(10001);
    EXPECT_EQ(view_->current(), 2);
    EXPECT_TRUE(page(10003)->isVisible());
    EXPECT_TRUE(strip()->finishButton()->isVisible());
    EXPECT_FALSE(guide_->hasSelection()) << "the record is cleared after the replay";
    EXPECT_FALSE(factory_->log.contains(QStringLiteral("10003 activate 1")))
        << "the last page is shown without being activated";
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST_F(MainViewTest, BookmarkThatAPageCannotFollowMayBecomeANote) {
    store_->add(test::bookmark("b", {}));
    ASSERT_TRUE(guide_->selectBookmark(0));
    page(10002)->loads = false;
    MessageBox::setNextAnswer(MessageBox::Yes);
    view_->startSearch(10001);

    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text,
              QStringLiteral("Do you want to convert Bookmark to a Note?"));
    EXPECT_EQ(MessageBox::history()[0].icon, MessageBox::Icon::Question);
    EXPECT_EQ(MessageBox::history()[0].buttons, MessageBox::Yes | MessageBox::No);
    EXPECT_EQ(view_->current(), 0) << "the page before the failing one";
    EXPECT_TRUE(page(10001)->isVisible());
    EXPECT_TRUE(strip()->nextButton()->isVisible());
    EXPECT_TRUE(page(10002)->takeMessage().isEmpty()) << "the page's message was taken";

    PersonalStore reread(personalPath_);
    ASSERT_TRUE(reread.load());
    EXPECT_EQ(reread.entryAt(0)->kind(), EntryKind::Note);
}

TEST_F(MainViewTest, AnsweringNoKeepsTheBookmarkAndSavesNothing) {
    store_->add(test::bookmark("b", {}));
    ASSERT_TRUE(guide_->selectBookmark(0));
    page(10001)->loads = false;
    MessageBox::setNextAnswer(MessageBox::No);
    view_->startSearch(10001);
    EXPECT_EQ(view_->current(), 0);
    EXPECT_EQ(store_->entryAt(0)->kind(), EntryKind::Bookmark);
    EXPECT_FALSE(QFile::exists(personalPath_));
}

TEST_F(MainViewTest, PrefilledBestProducersLandsOnItsResultsWithFinish) {
    EXPECT_TRUE(view_->startPrefilled(10011, true));
    EXPECT_EQ(view_->current(), 1);
    EXPECT_TRUE(page(10012)->isVisible());
    EXPECT_TRUE(strip()->finishButton()->isVisible());
    EXPECT_EQ(guide_->currentPage(), 10011);
    EXPECT_TRUE(factory_->log.contains(QStringLiteral("10012 activate 1")));
}

TEST_F(MainViewTest, PrefilledPowerSearchLandsOnTheProducerPageWithNext) {
    EXPECT_TRUE(view_->startPrefilled(10001, true));
    EXPECT_EQ(view_->current(), 1);
    EXPECT_TRUE(page(10002)->isVisible());
    EXPECT_TRUE(strip()->nextButton()->isVisible());
}

TEST_F(MainViewTest, PrefilledStartThatCannotFollowShowsTheFirstPage) {
    page(10009)->loads = false;
    EXPECT_FALSE(view_->startPrefilled(10009, true));
    EXPECT_EQ(view_->current(), 0);
    EXPECT_TRUE(page(10009)->isVisible());
    EXPECT_TRUE(strip()->nextButton()->isVisible());
    EXPECT_TRUE(page(10009)->takeMessage().isEmpty());
}

TEST_F(MainViewTest, TestRunOfAPrefilledStartLeavesNothingVisible) {
    page(10009)->loads = false;
    EXPECT_TRUE(view_->startPrefilled(10011, false));
    EXPECT_FALSE(view_->startPrefilled(10009, false));
    EXPECT_EQ(view_->current(), -1);
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_FALSE(page(10011)->hasWindow());
    EXPECT_FALSE(page(10012)->isVisible());
}

TEST_F(MainViewTest, MoreSearchClosesTheFlowAndOffersOnlySearchesThatCanFollow) {
    page(10009)->loads = false;
    view_->startFlow(10007);
    view_->moreSearch();
    EXPECT_EQ(view_->current(), -1);
    EXPECT_TRUE(view_->advancedPanel()->isVisible());
    EXPECT_TRUE(view_->advancedPanel()->bestProducersButton()->isEnabled());
    EXPECT_FALSE(view_->advancedPanel()->bestValuesButton()->isEnabled());
    EXPECT_TRUE(view_->advancedPanel()->powerSearchButton()->isEnabled());

    QTest::mouseClick(view_->advancedPanel()->bestProducersButton(), Qt::LeftButton);
    EXPECT_FALSE(view_->advancedPanel()->isVisible());
    EXPECT_TRUE(page(10012)->isVisible());
}

TEST_F(MainViewTest, FollowingABookmarkFromTheMenuOfSearchesLeavesTheMenu) {
    view_->startFlow(10005);
    view_->moreSearch();
    ASSERT_TRUE(view_->advancedPanel()->isVisible());
    store_->add(test::bookmark("b", {}));
    ASSERT_TRUE(guide_->selectBookmark(0));
    view_->startSearch(10001);
    EXPECT_FALSE(view_->advancedPanel()->isVisible());
    EXPECT_TRUE(page(10003)->isVisible());

    // Cancel goes home, not back to a menu whose buttons were worked out for another wine.
    QTest::mouseClick(strip()->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(view_->current(), -1);
    EXPECT_FALSE(view_->advancedPanel()->isVisible());
}

TEST_F(MainViewTest, AddBookmarkStoresItAndCoversTheWinePageUntilThePanelIsLeft) {
    store_->add(test::note("n"));
    view_->updatePersonalMenu();
    view_->startFlow(10001);
    view_->goNext();
    view_->goNext();
    ASSERT_EQ(view_->current(), 2);
    EXPECT_EQ(bar_->visiblePersonalPosition(), 9) << "notes only, with Add Bookmark";

    page(10003)->bookmarkName = QStringLiteral("Grand Vin");
    factory_->log.clear();
    view_->handleCommand(command::kAddBookmark);
    ASSERT_EQ(store_->count(), 2);
    EXPECT_EQ(store_->entryAt(1)->name(), QStringLiteral("Grand Vin"));
    EXPECT_EQ(store_->entryAt(1)->kind(), EntryKind::Bookmark);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(panel()->shownKind(), EntryKind::Bookmark);
    EXPECT_EQ(panel()->entryList()->currentText(), QStringLiteral("Grand Vin"));
    EXPECT_FALSE(page(10003)->isVisible());
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_TRUE(factory_->log.contains(QStringLiteral("10003 activate 0")));
    EXPECT_FALSE(bar_->isButtonEnabled(bar_->visiblePersonalPosition()));

    view_->leavePersonal();
    EXPECT_TRUE(page(10003)->isVisible());
    EXPECT_TRUE(strip()->isVisible());
    EXPECT_EQ(bar_->visiblePersonalPosition(), 6) << "both kinds stored, Add Bookmark usable";
    EXPECT_TRUE(bar_->isButtonEnabled(6));
}

TEST_F(MainViewTest, AddBookmarkWithoutANameDoesNothing) {
    view_->startFlow(10001);
    view_->handleCommand(command::kAddBookmark);
    EXPECT_EQ(store_->count(), 0);
    EXPECT_FALSE(panel()->isVisible());
}

TEST_F(MainViewTest, PersonalPanelOverAFlowKeepsThePageUnderneathActive) {
    store_->add(test::note("n"));
    view_->startFlow(10005);
    factory_->log.clear();
    view_->handleCommand(command::kNotes);
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_TRUE(factory_->log.isEmpty()) << "only Add Bookmark deactivates the page";
}

TEST_F(MainViewTest, FlowStopsAtThePageWhoseWindowCannotBeMade) {
    page(10002)->createFails = true;
    view_->startFlow(10001);
    ASSERT_EQ(view_->pages().size(), 1);
    EXPECT_FALSE(page(10003)->hasWindow());
    view_->goNext();
    EXPECT_EQ(view_->current(), 0);
    EXPECT_TRUE(strip()->finishButton()->isVisible());
    view_->closeFlow();
    EXPECT_FALSE(page(10001)->hasWindow());
}

TEST_F(MainViewTest, EveryScreenCoversTheOthersAndTheCommandBarFollowsIt) {
    using Overlay = MainView::Overlay;
    using Step = std::function<void()>;
    // The wine page, reached as a followed bookmark reaches it.
    const Step wine = [this] { view_->startSearch(kFindWineFlow); };
    const Step find = [this] { view_->handleCommand(command::kFindByName); };
    const Step note = [this] { view_->handleCommand(command::kAddNote); };
    const Step leave = [this] { view_->leavePersonal(); };
    const Step unfind = [this] { view_->closeNameSearch(); };
    const Step more = [this] { view_->moreSearch(); };
    const Step home = [this] { view_->goHome(); };
    const struct {
        QList<Step> steps;
        Overlay overlay;
        QStringList shown;
        const char* title;
    } cases[] = {
        {{}, Overlay::None, {"home"}, ""},
        {{wine}, Overlay::None, {"10003", "strip"}, "Wine Search"},
        {{wine, find}, Overlay::NameSearch, {"name search"}, "Find by Name"},
        {{wine, find, note}, Overlay::Personal, {"personal"}, "Notes"},
        {{wine, find, note, leave}, Overlay::NameSearch, {"name search"}, "Find by Name"},
        {{wine, find, unfind}, Overlay::None, {"10003", "strip"}, "Wine Search"},
        {{wine, more}, Overlay::Menu, {"menu"}, "More Search"},
        {{more, note, leave}, Overlay::Menu, {"menu"}, "More Search"},
        {{more, find, unfind}, Overlay::Menu, {"menu"}, "More Search"},
        {{more, find, note, home}, Overlay::None, {"home"}, ""},
    };
    int row = 0;
    for (const auto& c : cases) {
        view_->goHome();
        for (const Step& step : c.steps) {
            step();
        }
        QStringList shown;
        for (test::ScriptedPage* page : factory_->pages) {
            if (page->isVisible()) {
                shown.append(QString::number(page->pageId()));
            }
        }
        for (const auto& [name, screen] :
             {std::pair<const char*, QWidget*>{"menu", view_->advancedPanel()},
              {"name search", view_->nameSearchPanel()},
              {"personal", panel()},
              {"strip", strip()},
              {"home", view_->banners().first()}}) {
            if (screen->isVisible()) {
                shown.append(QString::fromLatin1(name));
            }
        }
        EXPECT_EQ(view_->overlay(), c.overlay) << "row " << row;
        EXPECT_EQ(shown, c.shown) << "row " << row;
        EXPECT_EQ(view_->placeTitle().section(QStringLiteral(" — "), -2, -2),
                  QLatin1String(c.title))
            << "row " << row;
        const bool personal = c.overlay == Overlay::Personal;
        const bool edit = personal || c.overlay == Overlay::NameSearch;
        EXPECT_EQ(bar_->isButtonVisible(CommandBar::kEditPosition), edit) << "row " << row;
        EXPECT_EQ(bar_->isButtonEnabled(bar_->visiblePersonalPosition()), !personal)
            << "row " << row;
        EXPECT_EQ(bar_->isButtonEnabled(CommandBar::kSearchPosition), !personal) << "row " << row;
        ++row;
    }
}

TEST_F(MainViewTest, ShowExceptionTellsTheUser) {
    view_->showException();
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("Exception !!!"));
    EXPECT_EQ(MessageBox::history()[0].caption, QStringLiteral("Corkwise"));
    EXPECT_TRUE(MessageBox::history()[0].hadOwner);
}

}  // namespace
}  // namespace corkwise
