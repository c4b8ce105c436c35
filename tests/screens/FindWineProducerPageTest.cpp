// The producer page: segments and producers of the chosen region, the refill on every segment
// pick, producer taps, and which of Back and Next refill the pages.

#include "FindWineFixture.h"

#include <QLabel>

namespace corkwise::test {
namespace {

using FindWineProducerPageTest = FindWineFixture;

TEST_F(FindWineProducerPageTest, ListsTheRegionsSegmentsAndProducers) {
    tapFindWine();
    next();
    FindWineProducerPage* page = producers();
    ASSERT_TRUE(page->isVisible());
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("segmentLabel"))->text(),
              QStringLiteral("Segment :"));
    EXPECT_EQ(page->findChild<QLabel*>(QStringLiteral("producerLabel"))->text(),
              QStringLiteral("Producer :"));
    EXPECT_EQ(page->segmentCombo()->property("controlId").toInt(), 1044);
    EXPECT_EQ(page->segmentCombo()->geometry().topLeft(), QPoint(10, 25));
    EXPECT_EQ(page->producerList()->property("controlId").toInt(), 1039);
    EXPECT_EQ(page->producerList()->geometry(), QRect(10, 70, 220, 158));

    EXPECT_EQ(texts(page->segmentCombo()), (QStringList{"A - M", "N - Z"}));
    EXPECT_EQ(texts(page->producerList()), (QStringList{"Beringer Hills", "Cask Ridge"}));
    EXPECT_EQ(page->producerList()->currentRow(), 0);
    EXPECT_EQ(guide().currentPage(), kFindWineProducerPage);
    EXPECT_TRUE(MessageBox::history().isEmpty());

    pick(page->segmentCombo(), QStringLiteral("N - Z"));
    EXPECT_EQ(texts(page->producerList()), QStringList{"Ridgeline Estate"});

    // Next records segment and producer after the four criteria.
    pick(page->segmentCombo(), QStringLiteral("A - M"));
    tapRow(page->producerList(), 1);
    next();
    const std::vector<DictValue>& chosen = guide().selections();
    ASSERT_GE(chosen.size(), 6U);
    EXPECT_EQ(chosen[4].text(), QByteArray("A - M"));
    EXPECT_EQ(chosen[5].text(), QByteArray("Cask Ridge"));
    EXPECT_EQ(guide().dictionaryName(chosen[4].dictionary()), QStringLiteral("SEGMENT"));
    EXPECT_EQ(texts(winePage()->productCombo()), QStringList{"Zinfandel"});
}

TEST_F(FindWineProducerPageTest, PickingASegmentAlwaysRefillsTheProducers) {
    tapFindWine();
    next();
    QListWidget* list = producers()->producerList();
    tapRow(list, 1);
    ASSERT_EQ(list->currentRow(), 1);
    guide().setCurrentPage(kFindWineWinePage);

    // The same segment again: the first producer is selected anew.
    pick(producers()->segmentCombo(), 0);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(texts(list), (QStringList{"Beringer Hills", "Cask Ridge"}));
    EXPECT_EQ(guide().currentPage(), kFindWineProducerPage);
}

TEST_F(FindWineProducerPageTest, TappingAProducerMakesTheWinePageRefill) {
    walkToBeringer();
    FindWineWinePage* wine = winePage();
    pick(wine->vintageCombo(), QStringLiteral("1997"));
    back();
    EXPECT_EQ(guide().currentPage(), kFindWineWinePage);

    // The producer already selected, tapped again: the wine page starts over on Next.
    tapRow(producers()->producerList(), 0);
    EXPECT_EQ(guide().currentPage(), kFindWineProducerPage);
    next();
    EXPECT_EQ(wine->vintageCombo()->currentText(), QStringLiteral("2001"));
}

TEST_F(FindWineProducerPageTest, BackAndNextWithoutChangesRefillNothing) {
    tapFindWine();
    next();
    tapRow(producers()->producerList(), 0);
    next();
    FindWineWinePage* wine = winePage();
    pick(wine->vintageCombo(), QStringLiteral("1999"));
    ASSERT_EQ(wine->grid()->rowCount(), 1);

    back();
    back();
    EXPECT_TRUE(criteria()->isVisible());
    EXPECT_EQ(criteria()->combo(FindWineCriteriaPage::Origin)->currentText(),
              QStringLiteral("U.S."));
    next();
    EXPECT_EQ(producers()->producerList()->currentItem()->text(), QStringLiteral("Beringer Hills"));
    next();
    // The vintage chosen before stays; the grid is rebuilt for it, first row selected.
    EXPECT_EQ(wine->vintageCombo()->currentText(), QStringLiteral("1999"));
    EXPECT_EQ(wine->grid()->rowCount(), 1);
    EXPECT_EQ(wine->grid()->selectedSlot(), 0);
    EXPECT_EQ(wine->grid()->cellText(0, 1), QStringLiteral("87"));

    // A change on the criteria page makes both later pages start over.
    back();
    back();
    pick(criteria()->combo(FindWineCriteriaPage::Origin), QStringLiteral("Italy"));
    next();
    EXPECT_EQ(texts(producers()->producerList()), QStringList{"Cantina Alba"});
    next();
    EXPECT_EQ(texts(wine->vintageCombo()), QStringList{"1997"});
    EXPECT_EQ(texts(wine->productCombo()), QStringList{"Barolo"});
}

}  // namespace
}  // namespace corkwise::test
