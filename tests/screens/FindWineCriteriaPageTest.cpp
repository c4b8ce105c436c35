// The criteria page: its controls, the preselection of "U.S." and "Still", the cascades, the
// "All" label, picks that change nothing, and a remembered value missing on activation.

#include "FindWineFixture.h"

#include "catalog/Catalog.h"
#include "personal/PersonalStore.h"
#include "testsupport/LogCapture.h"

#include <QLabel>

namespace corkwise::test {
namespace {

class FindWineCriteriaPageTest : public FindWineFixture {
protected:
    QComboBox* combo(FindWineCriteriaPage::Level level) const { return criteria()->combo(level); }
};

using Level = FindWineCriteriaPage::Level;

TEST_F(FindWineCriteriaPageTest, DestructionIsTraced) {
    LogCapture log;
    { FindWineCriteriaPage page(guide()); }
    EXPECT_EQ(log.lines(), QList<QByteArray>{"Destruct FindWine Windows 0"});
}

TEST_F(FindWineCriteriaPageTest, ControlsSitWhereTheProgramPutsThem) {
    tapFindWine();
    FindWineCriteriaPage* page = criteria();
    ASSERT_TRUE(page->isVisible());
    EXPECT_EQ(page->geometry(), QRect(0, 0, 240, 238));

    const QList<QPair<const char*, int>> labels{{"originLabel", 19},
                                                {"wineCategoryLabel", 69},
                                                {"wineTypeLabel", 119},
                                                {"regionLabel", 169}};
    const QStringList labelTexts{"Origin:", "Wine Category:", "Wine Type:", "Region:"};
    const QList<int> ids{1029, 1032, 1030, 1035};
    for (int i = 0; i < FindWineCriteriaPage::kLevels; ++i) {
        auto* label = page->findChild<QLabel*>(QString::fromLatin1(labels[i].first));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), labelTexts[i]);
        EXPECT_EQ(label->geometry(), QRect(10, labels[i].second, 220, 15));
        EXPECT_EQ(label->font().family(), QStringLiteral("Verdana"));
        EXPECT_EQ(label->font().weight(), QFont::Bold);

        QComboBox* box = combo(static_cast<Level>(i));
        EXPECT_EQ(box->property("controlId").toInt(), ids[i]);
        EXPECT_EQ(box->geometry().topLeft(), QPoint(10, labels[i].second + 15));
        EXPECT_EQ(box->width(), 220);
        EXPECT_FALSE(box->isEditable());
        EXPECT_EQ(box->font().pixelSize(), 13);
        EXPECT_EQ(box->font().weight(), QFont::Light);
    }
    EXPECT_EQ(page->regionLabel()->geometry(), QRect(10, 184, 220, 20));
    EXPECT_FALSE(page->regionLabel()->isVisible());
    // The replacement lies under the region list and is read between its label and the list.
    const QObjectList& children = page->children();
    const auto region = children.indexOf(page->findChild<QLabel*>(QStringLiteral("regionLabel")));
    EXPECT_LT(region, children.indexOf(page->regionLabel()));
    EXPECT_EQ(children.indexOf(page->regionLabel()) + 1, children.indexOf(combo(Level::Region)));
}

TEST_F(FindWineCriteriaPageTest, StartPreselectsUSAndStillAndCascadesFromTheTop) {
    tapFindWine();
    EXPECT_EQ(texts(combo(Level::Origin)), (QStringList{"France", "Italy", "U.S."}));
    EXPECT_EQ(combo(Level::Origin)->currentText(), QStringLiteral("U.S."));
    EXPECT_EQ(texts(combo(Level::WineCategory)), (QStringList{"Still", "Sparkling"}));
    EXPECT_EQ(combo(Level::WineCategory)->currentText(), QStringLiteral("Still"));
    EXPECT_EQ(combo(Level::WineType)->currentText(), QStringLiteral("Red"));
    EXPECT_EQ(texts(combo(Level::Region)), (QStringList{"California", "Oregon"}));
    EXPECT_EQ(combo(Level::Region)->currentText(), QStringLiteral("California"));
    EXPECT_EQ(guide().currentPage(), kFindWineCriteriaPage);

    // France lists "Sparkling" first; "Still" is still the one preselected, and the lists
    // below follow it, with the catalogue's Windows-1252 names shown as they are.
    guide().setCurrentPage(kNoPage);
    pick(combo(Level::Origin), QStringLiteral("France"));
    EXPECT_EQ(texts(combo(Level::WineCategory)), (QStringList{"Sparkling", "Still"}));
    EXPECT_EQ(combo(Level::WineCategory)->currentText(), QStringLiteral("Still"));
    EXPECT_EQ(texts(combo(Level::Region)),
              (QStringList{QString::fromUtf8("Côtes du Rhône"), "Bordeaux"}));
    EXPECT_EQ(guide().currentPage(), kFindWineCriteriaPage);

    pick(combo(Level::WineCategory), QStringLiteral("Sparkling"));
    EXPECT_EQ(texts(combo(Level::WineType)), QStringList{"White"});
    EXPECT_EQ(texts(combo(Level::Region)), QStringList{"Champagne"});
    EXPECT_TRUE(combo(Level::Region)->isVisible());
}

TEST_F(FindWineCriteriaPageTest, ASingleAllRegionShowsAsALabelInTheListsPlace) {
    tapFindWine();
    pick(combo(Level::WineType), QStringLiteral("White"));
    QLabel* replacement = criteria()->regionLabel();
    EXPECT_EQ(texts(combo(Level::Region)), QStringList{"All Regions"});
    EXPECT_TRUE(replacement->isVisible());
    EXPECT_EQ(replacement->text(), QStringLiteral("All Regions"));
    EXPECT_FALSE(combo(Level::Region)->isVisible());

    // Next goes on with the region behind the label.
    next();
    EXPECT_EQ(texts(producers()->producerList()), QStringList{"Beringer Hills"});
    back();

    // Two regions, or one without "All", show the list again.
    pick(combo(Level::WineType), QStringLiteral("Red"));
    EXPECT_FALSE(replacement->isVisible());
    EXPECT_TRUE(combo(Level::Region)->isVisible());
    pick(combo(Level::Origin), QStringLiteral("Italy"));
    EXPECT_EQ(texts(combo(Level::Region)), QStringList{"Piedmont"});
    EXPECT_FALSE(replacement->isVisible());
    EXPECT_TRUE(combo(Level::Region)->isVisible());
}

TEST_F(FindWineCriteriaPageTest, PickingTheSelectedEntryChangesNothing) {
    tapFindWine();
    next();
    back();
    ASSERT_EQ(guide().currentPage(), kFindWineProducerPage);
    const NodeCursor* region = FindWineCriteriaPage::selectedNode(combo(Level::Region), true);

    for (Level level : {Level::Origin, Level::WineCategory, Level::WineType}) {
        pick(combo(level), combo(level)->currentIndex());
    }
    // No list was refilled (the region entry still carries the same node) and the producer
    // page is still the one reached last.
    EXPECT_EQ(FindWineCriteriaPage::selectedNode(combo(Level::Region), true), region);
    EXPECT_EQ(guide().currentPage(), kFindWineProducerPage);

    // After a cascade the lists below remember their new selection: picking it again does
    // nothing, picking another entry cascades.
    pick(combo(Level::Origin), QStringLiteral("France"));
    EXPECT_EQ(criteria()->rememberedIndex(Level::WineCategory), 1);
    guide().setCurrentPage(kFindWineProducerPage);
    pick(combo(Level::WineCategory), 1);
    EXPECT_EQ(guide().currentPage(), kFindWineProducerPage);
    pick(combo(Level::WineCategory), 0);
    EXPECT_EQ(combo(Level::Region)->currentText(), QStringLiteral("Champagne"));
    EXPECT_EQ(guide().currentPage(), kFindWineCriteriaPage);
}

TEST_F(FindWineCriteriaPageTest, ChoosingARegionOnlyMakesThePageCurrent) {
    tapFindWine();
    next();
    back();
    const NodeCursor* type = FindWineCriteriaPage::selectedNode(combo(Level::WineType), true);
    pick(combo(Level::Region), QStringLiteral("Oregon"));
    EXPECT_EQ(guide().currentPage(), kFindWineCriteriaPage);
    EXPECT_EQ(FindWineCriteriaPage::selectedNode(combo(Level::WineType), true), type);

    // So the producer page refills from the new region on Next.
    next();
    EXPECT_EQ(texts(producers()->producerList()), QStringList{"Eola Hills Cellars"});
}

TEST_F(FindWineCriteriaPageTest, NextRecordsTheFourChoices) {
    tapFindWine();
    pick(combo(Level::Region), QStringLiteral("Oregon"));
    next();
    const std::vector<DictValue>& chosen = guide().selections();
    ASSERT_GE(chosen.size(), 4U);
    EXPECT_EQ(chosen[0].text(), QByteArray("U.S."));
    EXPECT_EQ(chosen[1].text(), QByteArray("Still"));
    EXPECT_EQ(chosen[2].text(), QByteArray("Red"));
    EXPECT_EQ(chosen[3].text(), QByteArray("Oregon"));
    EXPECT_EQ(guide().dictionaryName(chosen[3].dictionary()), QStringLiteral("REGION"));
}

TEST_F(FindWineCriteriaPageTest, MissingRememberedOriginShowsTheExceptionBox) {
    // An opened bookmark whose origin the catalogue does not have.
    PersonalStore* store = frame_->store();
    const int originTable = guide().catalog()->indexOfTable("DictORIGIN");
    store->add(PersonalEntry(EntryKind::Bookmark, "Rioja", "",
                             {DictValue(0, originTable, QByteArray("Spain"))}));
    ASSERT_TRUE(guide().selectBookmark(0));

    tapFindWine();
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("Exception !!!"));
    EXPECT_EQ(MessageBox::history()[0].caption, QStringLiteral("Corkwise"));
    EXPECT_TRUE(MessageBox::history()[0].hadOwner);
    // The first origin is shown, and the page keeps the reason for whoever asks.
    EXPECT_EQ(combo(Level::Origin)->currentIndex(), 0);
    EXPECT_EQ(criteria()->takeMessage(),
              QStringLiteral("No data available for Origin : \"Spain\" Please choose another "
                             "Origin."));
}

TEST_F(FindWineCriteriaPageTest, CatalogueWithoutTheTreeListsNothingAndSaysSo) {
    // An empty Find Wine tree: the origin list is empty and so is every list below it.
    frame_.reset();
    ASSERT_TRUE(writeFindWineCatalogue(cataloguePath_, {}));
    frame_ = std::make_unique<CMainFrame>(cataloguePath_, personalPath_);
    ASSERT_TRUE(frame_->create());
    frame_->show();
    tapFindWine();
    for (int i = 0; i < FindWineCriteriaPage::kLevels; ++i) {
        EXPECT_EQ(combo(static_cast<Level>(i))->count(), 0);
    }
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("Exception !!!"));
    next();
    EXPECT_EQ(producers()->segmentCombo()->count(), 0);
    EXPECT_EQ(producers()->producerList()->count(), 0);
    next();
    EXPECT_EQ(winePage()->grid()->rowCount(), 0);
    EXPECT_EQ(winePage()->infoBox()->text(), QStringLiteral("Info:"));
}

}  // namespace
}  // namespace corkwise::test
