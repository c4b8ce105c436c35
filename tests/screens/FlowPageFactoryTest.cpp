#include "screens/FlowPageFactory.h"

#include "catalog/Catalog.h"
#include "guide/WineGuide.h"
#include "screens/SearchPage.h"
#include "testsupport/GuiApp.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(FlowPageFactoryTest, MakesEveryPageOfEveryFlowOwnedByItsOwner) {
    test::ensureGuiApp();
    test::TempDir dir;
    test::ShellCatalogue catalogue;
    QWidget owner;
    FlowPageFactory factory(&owner);
    WineGuide guide(std::make_unique<Catalog>(catalogue.writeTo(dir)), nullptr, &factory);

    const QList<int> flows = {10001, 10005, 10007, 10009, 10011};
    int count = 0;
    for (int flow : flows) {
        const QList<GuidePage*>* pages = guide.pages(flow);
        ASSERT_NE(pages, nullptr);
        for (GuidePage* listed : *pages) {
            SearchPage* p = SearchPage::of(listed);
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(p->parentWidget(), &owner);
            EXPECT_EQ(p->pageId(), flow + static_cast<int>(pages->indexOf(listed)));
            ++count;
        }
    }
    EXPECT_EQ(count, 11);
    EXPECT_EQ(factory.createPage(guide, 10004), nullptr);
}

}  // namespace
}  // namespace corkwise
