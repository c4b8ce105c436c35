// The whole text of a cut list entry, combo box, label or cell as its tooltip, and the info box
// that scrolls a text running past its lines.

#include "controls/CutTextTips.h"

#include "controls/InfoBox.h"
#include "controls/LabelCell.h"
#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QTest>
#include <QToolTip>

#include <utility>

namespace corkwise {
namespace {

const QString kShort = QStringLiteral("Riesling");
const QString kLong = QStringLiteral(
    "Charming and vibrant, with orange marmalade, lime and honeyed apricot flavours that linger "
    "on the long, racy finish");

class CutTextTipsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        page.resize(240, 268);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    }

    QWidget page;
};

// Each makes a widget on PAGE showing TEXT and gives the widget that gets the tooltip request.
QWidget* makeList(QWidget* page, const QString& text) {
    auto* list = new QListWidget(page);
    list->setGeometry(10, 10, 220, 100);
    list->addItem(text);
    list->show();
    return list->viewport();
}

QWidget* makeCombo(QWidget* page, const QString& text) {
    auto* combo = new QComboBox(page);
    combo->setGeometry(10, 120, 150, 20);
    combo->addItem(text);
    combo->show();
    return combo;
}

QWidget* makeInfoBox(QWidget* page, const QString& text) {
    auto* box = new InfoBox(text, page);
    box->setGeometry(10, 150, 220, 47);
    box->show();
    return box;
}

QWidget* makeCell(QWidget* page, const QString& text) {
    auto* cell = new LabelCell;
    cell->create(text, CellStyleFlag::Visible, QRect(10, 200, 120, 15), page, 1);
    return cell;
}

TEST_F(CutTextTipsTest, OnlyACutTextHasItsWholeTextAsTooltip) {
    // One row per kind of widget: a tip is due for the long text only.
    const std::pair<const char*, QWidget* (*)(QWidget*, const QString&)> cases[] = {
        {"list entry", makeList},
        {"combo box", makeCombo},
        {"info box", makeInfoBox},
        {"grid cell", makeCell},
    };
    for (const auto& [name, make] : cases) {
        for (const QString& text : {kShort, kLong}) {
            QWidget* widget = make(&page, text);
            EXPECT_EQ(CutTextTips::cutTextAt(widget, QPoint(20, 5)),
                      text == kLong ? text : QString())
                << name << ", " << text.size() << " characters";
            delete (widget->parentWidget() == &page ? widget : widget->parentWidget());
        }
    }
}

TEST_F(CutTextTipsTest, TheInstalledFilterShowsTheTipWhereThePointerRests) {
    CutTextTips::install();
    QWidget* viewport = makeList(&page, kLong);
    page.activateWindow();
    QHelpEvent request(QEvent::ToolTip, QPoint(20, 5), viewport->mapToGlobal(QPoint(20, 5)));
    QApplication::sendEvent(viewport, &request);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("racy finish")));
    QToolTip::hideText();
}

TEST_F(CutTextTipsTest, AnInfoBoxScrollsAnOverrunningTextWithKeysAndWheel) {
    auto* box = static_cast<InfoBox*>(makeInfoBox(&page, kLong));
    ASSERT_TRUE(box->overruns());
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(box, Qt::Key_Down);
    const int oneLine = box->scrollOffset();
    EXPECT_GT(oneLine, 0);
    QTest::keyClick(box, Qt::Key_End);
    const int end = box->scrollOffset();
    EXPECT_GE(end, oneLine);
    QTest::keyClick(box, Qt::Key_PageDown);
    EXPECT_EQ(box->scrollOffset(), end) << "the end of the text is as far as it goes";
    QTest::keyClick(box, Qt::Key_Home);
    EXPECT_EQ(box->scrollOffset(), 0);

    QWheelEvent down(QPointF(20, 20), box->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &down);
    EXPECT_EQ(box->scrollOffset(), oneLine);

    box->setText(kShort);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(box->scrollOffset(), 0) << "a new text starts at its top, and one that fits stays";
    EXPECT_FALSE(box->overruns());
}

}  // namespace
}  // namespace corkwise
