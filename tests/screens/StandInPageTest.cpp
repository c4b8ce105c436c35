#include "screens/StandInPage.h"

#include "catalog/Catalog.h"
#include "catalog/NodeCursor.h"
#include "guide/WineGuide.h"
#include "screens/FlowPageFactory.h"
#include "testsupport/GuiApp.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QListWidget>

namespace corkwise {
namespace {

class StandInPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        owner_ = std::make_unique<QWidget>();
        view_ = std::make_unique<QWidget>();
        factory_ = std::make_unique<FlowPageFactory>(owner_.get());
        guide_ = std::make_unique<WineGuide>(std::make_unique<Catalog>(catalogue_.writeTo(dir_)),
                                             nullptr, factory_.get());
    }

    // A stand-in for PAGEID, owned by the owner widget.
    StandInPage* standIn(int pageId) const {
        return new StandInPage(*guide_, pageId, owner_.get());
    }

    test::TempDir dir_;
    test::ShellCatalogue catalogue_;
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<QWidget> view_;
    std::unique_ptr<FlowPageFactory> factory_;
    std::unique_ptr<WineGuide> guide_;
};

TEST_F(StandInPageTest, FactoryMakesEveryPageOfEveryFlowOwnedByItsOwner) {
    const QList<int> flows = {10001, 10005, 10007, 10009, 10011};
    int count = 0;
    for (int flow : flows) {
        const QList<SearchPage*>* pages = guide_->pages(flow);
        ASSERT_NE(pages, nullptr);
        for (SearchPage* p : *pages) {
            EXPECT_EQ(p->parentWidget(), owner_.get());
            EXPECT_EQ(p->pageId(), flow + static_cast<int>(pages->indexOf(p)));
            ++count;
        }
    }
    EXPECT_EQ(count, 11);
    EXPECT_EQ(factory_->createPage(*guide_, 10004), nullptr);
}

TEST_F(StandInPageTest, ListsItsInputOnceReachedAndHandsTheChosenChildOn) {
    SearchPage* first = standIn(10009);
    SearchPage* second = standIn(10010);
    ASSERT_TRUE(first->createWindow(nullptr, view_.get(), QRect(0, 0, 240, 238)));
    ASSERT_TRUE(second->createWindow(nullptr, view_.get(), QRect(0, 0, 240, 238)));
    auto* choices = first->findChild<QListWidget*>(QStringLiteral("choices"));
    ASSERT_NE(choices, nullptr);
    EXPECT_EQ(first->findChild<QLabel*>(QStringLiteral("heading"))->text(),
              QStringLiteral("Best Values: choose"));

    guide_->selectFlow(10009);
    first->activate(true);
    ASSERT_EQ(choices->count(), 3);
    EXPECT_EQ(choices->item(1)->text(), QStringLiteral("Italy"));
    choices->setCurrentRow(1);

    const std::unique_ptr<NodeCursor> chosen = first->commitSelection();
    ASSERT_NE(chosen, nullptr);
    second->setInput(chosen.get());
    second->activate(true);
    auto* results = second->findChild<QListWidget*>(QStringLiteral("choices"));
    // Under a category: the type "Red", then two wines described by their record.
    ASSERT_EQ(results->count(), 2);
    EXPECT_EQ(results->item(0)->text(), QStringLiteral("Sparkling"));

    first->clearPage();
    EXPECT_EQ(choices->count(), 0);
    first->destroyWindow();
    second->destroyWindow();
}

TEST_F(StandInPageTest, RecordNodesAreDescribedByTheirColumns) {
    SearchPage* last = standIn(10003);
    ASSERT_TRUE(last->createWindow(nullptr, view_.get(), QRect(0, 0, 240, 238)));
    const std::unique_ptr<NodeCursor> root = guide_->openFlowRoot(10001);
    const std::unique_ptr<NodeCursor> category = root->child(0)->child(1);
    last->setInput(category.get());
    EXPECT_TRUE(last->loadLists());
    auto* list = last->findChild<QListWidget*>(QStringLiteral("choices"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Red"));
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Domaine Aurore"));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Casa Lenta"));
    last->destroyWindow();
}

}  // namespace
}  // namespace corkwise
