#include "screens/SearchPage.h"

#include "catalog/Catalog.h"
#include "catalog/DisplayText.h"
#include "catalog/NodeCursor.h"
#include "guide/WineGuide.h"
#include "personal/PersonalStore.h"
#include "testsupport/GuiApp.h"
#include "testsupport/LogCapture.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>

#include <memory>

namespace corkwise {
namespace {

QStringList entries(const QComboBox& combo) {
    QStringList out;
    for (int i = 0; i < combo.count(); ++i) {
        out.append(combo.itemText(i));
    }
    return out;
}

QStringList entries(const QListWidget& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i) {
        out.append(box.item(i)->text());
    }
    return out;
}

class SearchPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        store_ = std::make_unique<PersonalStore>(dir_.path(QStringLiteral("personal.res")));
        guide_ = std::make_unique<WineGuide>(std::make_unique<Catalog>(catalogue_.writeTo(dir_)),
                                             store_.get(), nullptr);
        root_ = guide_->openFlowRoot(10001);
        ASSERT_NE(root_, nullptr);
        page_ = std::make_unique<SearchPage>(*guide_, 10001);
    }

    // Opens a bookmark whose values are the given texts of ORIGIN and SSF (empty: left out), so
    // that the guide remembers them.
    void remember(const QByteArray& origin, const QByteArray& ssf) {
        std::vector<DictValue> values;
        if (!origin.isEmpty()) {
            values.emplace_back(-1, catalogue_.origin, origin);
        }
        if (!ssf.isEmpty()) {
            values.emplace_back(-1, catalogue_.ssf, ssf);
        }
        store_->add(PersonalEntry(EntryKind::Bookmark, "b", "", values));
        ASSERT_TRUE(guide_->selectBookmark(store_->count() - 1));
    }

    // The first origin, whose children are the categories "Sparkling", "Still".
    std::unique_ptr<NodeCursor> categories() const { return root_->child(0); }

    test::TempDir dir_;
    test::ShellCatalogue catalogue_;
    std::unique_ptr<PersonalStore> store_;
    std::unique_ptr<WineGuide> guide_;
    std::unique_ptr<NodeCursor> root_;
    std::unique_ptr<SearchPage> page_;
};

TEST_F(SearchPageTest, FillsInFileOrderEachEntryCarryingItsChildAndLogsEach) {
    test::LogCapture log;
    QComboBox combo;
    EXPECT_TRUE(page_->fillList(&combo, root_.get(), true, nullptr, false));

    EXPECT_EQ(entries(combo), QStringList({QStringLiteral("France"), QStringLiteral("Italy"),
                                           QStringLiteral("U.S. California")}));
    EXPECT_EQ(combo.currentIndex(), 0);
    for (int i = 0; i < combo.count(); ++i) {
        const NodeCursor* node = SearchPage::nodeAt(&combo, true, i);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(toDisplayText(node->nodeText()), combo.itemText(i));
    }
    EXPECT_EQ(log.lines().count(QByteArray("ADD CHILD OK")), 3);
}

TEST_F(SearchPageTest, ReverseFillShowsTheLastChildFirstWithItsOwnNode) {
    QListWidget box;
    EXPECT_TRUE(page_->fillList(&box, root_.get(), false, nullptr, true));

    EXPECT_EQ(entries(box), QStringList({QStringLiteral("U.S. California"), QStringLiteral("Italy"),
                                         QStringLiteral("France")}));
    EXPECT_EQ(box.currentRow(), 0);
    for (int i = 0; i < box.count(); ++i) {
        EXPECT_EQ(toDisplayText(SearchPage::nodeAt(&box, false, i)->nodeText()),
                  box.item(i)->text());
    }
    EXPECT_EQ(SearchPage::selectedNode(&box, false)->row(), root_->child(2)->row());
}

TEST_F(SearchPageTest, WithNothingRememberedOriginPrefersUSAndCategoryPrefersStill) {
    QComboBox origins;
    EXPECT_TRUE(page_->fillList(&origins, root_.get(), true, "ORIGIN", false));
    EXPECT_EQ(origins.currentText(), QStringLiteral("U.S. California"));

    QComboBox reversed;
    EXPECT_TRUE(page_->fillList(&reversed, root_.get(), true, "ORIGIN", true));
    EXPECT_EQ(reversed.currentIndex(), 0) << "the first entry from the top that begins with U.S.";

    const std::unique_ptr<NodeCursor> cats = categories();
    QComboBox ssf;
    EXPECT_TRUE(page_->fillList(&ssf, cats.get(), true, "SSF", false));
    EXPECT_EQ(ssf.currentText(), QStringLiteral("Still"));

    // Other keys, and the defaults where no entry has the preferred beginning, take entry 0.
    QComboBox type;
    EXPECT_TRUE(page_->fillList(&type, cats.get(), true, "TYPE", false));
    EXPECT_EQ(type.currentIndex(), 0);
    QComboBox noUS;
    EXPECT_TRUE(page_->fillList(&noUS, cats.get(), true, "ORIGIN", false));
    EXPECT_EQ(noUS.currentIndex(), 0);
    EXPECT_TRUE(page_->takeMessage().isEmpty());
}

TEST_F(SearchPageTest, RememberedValueSelectsFirstEntryThatBeginsWithItIgnoringCase) {
    remember("it", "STI");
    QComboBox origins;
    EXPECT_TRUE(page_->fillList(&origins, root_.get(), true, "ORIGIN", false));
    EXPECT_EQ(origins.currentText(), QStringLiteral("Italy"));

    const std::unique_ptr<NodeCursor> cats = categories();
    QListWidget ssf;
    EXPECT_TRUE(page_->fillList(&ssf, cats.get(), false, "SSF", false));
    EXPECT_EQ(ssf.currentItem()->text(), QStringLiteral("Still"));

    // A remembered value overrides the "U.S." preference, and a short value takes the first
    // entry it begins, from the top.
    remember("", "S");
    QListWidget again;
    EXPECT_TRUE(page_->fillList(&again, cats.get(), false, "SSF", false));
    EXPECT_EQ(again.currentRow(), 0);
    EXPECT_TRUE(page_->takeMessage().isEmpty());
}

TEST_F(SearchPageTest, MissingRememberedValueSelectsFirstAndKeepsOnlyTheFirstMessage) {
    remember("Spain", "Rose");
    QComboBox origins;
    EXPECT_FALSE(page_->fillList(&origins, root_.get(), true, "ORIGIN", false));
    EXPECT_EQ(origins.currentIndex(), 0);

    const std::unique_ptr<NodeCursor> cats = categories();
    QComboBox ssf;
    EXPECT_FALSE(page_->fillList(&ssf, cats.get(), true, "SSF", false));
    EXPECT_EQ(ssf.currentIndex(), 0);

    EXPECT_EQ(
        page_->takeMessage(),
        QStringLiteral("No data available for Origin : \"Spain\" Please choose another Origin."));
    EXPECT_TRUE(page_->takeMessage().isEmpty()) << "taking the message leaves it empty";

    QComboBox again;
    EXPECT_FALSE(page_->fillList(&again, cats.get(), true, "SSF", false));
    EXPECT_EQ(page_->takeMessage(),
              QStringLiteral("No data available for Wine Category : \"Rose\" Please choose "
                             "another Wine Category."));
}

TEST_F(SearchPageTest, KeyWithoutRememberedValueInTheBookmarkSelectsFirstWithoutMessage) {
    remember("Italy", "");
    const std::unique_ptr<NodeCursor> cats = categories();
    QComboBox ssf;
    // The bookmark holds no SSF value: its text is empty, which every entry begins with.
    EXPECT_TRUE(page_->fillList(&ssf, cats.get(), true, "SSF", false));
    EXPECT_EQ(ssf.currentIndex(), 0);
    EXPECT_TRUE(page_->takeMessage().isEmpty());
}

TEST_F(SearchPageTest, NullNodeLeavesTheListAsItWas) {
    QComboBox combo;
    ASSERT_TRUE(page_->fillList(&combo, root_.get(), true, nullptr, false));
    combo.setCurrentIndex(2);
    EXPECT_FALSE(page_->fillList(&combo, nullptr, true, "ORIGIN", false));
    EXPECT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.currentIndex(), 2);
}

TEST_F(SearchPageTest, NodeWithoutChildrenEmptiesTheListAndFailsOnlyForARememberedValue) {
    // "Red" under a category: a dictionary node without children.
    const std::unique_ptr<NodeCursor> red = categories()->child(0)->child(0);
    ASSERT_NE(red, nullptr);
    ASSERT_EQ(red->childCount(), 0);

    QComboBox combo;
    ASSERT_TRUE(page_->fillList(&combo, root_.get(), true, nullptr, false));
    EXPECT_TRUE(page_->fillList(&combo, red.get(), true, "ORIGIN", false));
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(combo.currentIndex(), -1);

    remember("France", "");
    EXPECT_FALSE(page_->fillList(&combo, red.get(), true, "ORIGIN", false));
    EXPECT_FALSE(page_->takeMessage().isEmpty());
}

TEST_F(SearchPageTest, FillingAndClearingDoNotNotifyTheListsListeners) {
    QComboBox combo;
    QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);
    ASSERT_TRUE(page_->fillList(&combo, root_.get(), true, "ORIGIN", false));
    ASSERT_TRUE(page_->fillList(&combo, root_.get(), true, nullptr, true));
    page_->clearList(&combo, true);
    EXPECT_EQ(combo.count(), 0);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(SearchPageTest, MismatchedListKindIsLeftAlone) {
    QComboBox combo;
    ASSERT_TRUE(page_->fillList(&combo, root_.get(), true, nullptr, false));
    page_->clearList(&combo, false);
    EXPECT_EQ(combo.count(), 3);
    EXPECT_FALSE(page_->fillList(&combo, root_.get(), false, nullptr, false));
    EXPECT_EQ(SearchPage::nodeAt(&combo, false, 0), nullptr);
    EXPECT_EQ(SearchPage::nodeAt(&combo, true, 3), nullptr);
}

TEST_F(SearchPageTest, FirstPagesStartFromTheirTreeRootAndOthersFromNothing) {
    EXPECT_NE(page_->input(), nullptr);
    EXPECT_EQ(page_->input()->row(), root_->row());
    EXPECT_EQ(page_->pageId(), 10001);

    SearchPage second(*guide_, 10002);
    EXPECT_EQ(second.input(), nullptr);
    const std::unique_ptr<NodeCursor> italy = root_->child(1);
    second.setInput(italy.get());
    ASSERT_NE(second.input(), nullptr);
    EXPECT_NE(second.input(), italy.get()) << "the page keeps its own copy";
    EXPECT_EQ(second.input()->row(), italy->row());
    second.setInput(nullptr);
    EXPECT_EQ(second.input(), nullptr);
}

TEST_F(SearchPageTest, SelectionsAreCopiedOverwrittenAndClearedWithThePage) {
    StringMap incoming;
    incoming.set(QStringLiteral("a"), QStringLiteral("1"));
    incoming.set(QStringLiteral("b"), QStringLiteral("2"));
    page_->copySelections(incoming);
    StringMap newer;
    newer.set(QStringLiteral("b"), QStringLiteral("3"));
    page_->copySelections(newer);

    EXPECT_EQ(page_->lookupSelection(QStringLiteral("a")), QStringLiteral("1"));
    EXPECT_EQ(page_->lookupSelection(QStringLiteral("b")), QStringLiteral("3"));
    EXPECT_EQ(page_->lookupSelection(QStringLiteral("c")), std::nullopt);
    page_->clearPage();
    EXPECT_TRUE(page_->selections().isEmpty());
}

TEST_F(SearchPageTest, PageFontIsVerdanaThirteenBoldOrLight) {
    const QFont bold = SearchPage::pageFont(13, true);
    EXPECT_EQ(bold.family(), QStringLiteral("Verdana"));
    EXPECT_EQ(bold.pixelSize(), 13);
    EXPECT_EQ(bold.weight(), QFont::Bold);
    EXPECT_EQ(SearchPage::pageFont(13, false).weight(), QFont::Light);
}

class FailingPage : public SearchPage {
public:
    using SearchPage::SearchPage;
    int createControls() override {
        ++calls;
        return fail ? -1 : 0;
    }
    int calls = 0;
    bool fail = true;
};

TEST_F(SearchPageTest, WindowIsNotCreatedWhenControlsFailAndControlsAreMadeOnce) {
    QWidget owner;
    QWidget view;
    auto* page = new FailingPage(*guide_, 10005, &owner);
    EXPECT_FALSE(page->createWindow(nullptr, &view, QRect(0, 0, 240, 238)));
    EXPECT_FALSE(page->hasWindow());
    EXPECT_EQ(page->parentWidget(), &owner);

    page->fail = false;
    ASSERT_TRUE(page->createWindow(nullptr, &view, QRect(0, 0, 240, 238)));
    EXPECT_EQ(page->parentWidget(), &view);
    EXPECT_EQ(page->geometry(), QRect(0, 0, 240, 238));
    EXPECT_TRUE(page->isHidden());
    page->destroyWindow();
    EXPECT_EQ(page->parentWidget(), &owner);
    ASSERT_TRUE(page->createWindow(nullptr, &view, QRect(0, 0, 240, 238)));
    EXPECT_EQ(page->calls, 2) << "a failed attempt, then one successful creation";
    page->destroyWindow();
}

}  // namespace
}  // namespace corkwise
