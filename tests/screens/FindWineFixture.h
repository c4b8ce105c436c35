#pragma once
// A whole program on a Find Wine catalogue written by the test, driven as a user drives it: the
// home picture's wine search area, the pages' lists, the navigation strip and the Personal menu.

#include "FindWineCatalogue.h"
#include "app/CMainFrame.h"
#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/MainView.h"
#include "controls/GridList.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "platform/MessageBox.h"
#include "screens/FindWineCriteriaPage.h"
#include "screens/FindWineProducerPage.h"
#include "screens/FindWineWinePage.h"
#include "testsupport/GuiApp.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace corkwise::test {

class FindWineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGuiApp();
        MessageBox::clearHistory();
        MessageBox::setUnattended(true);
        cataloguePath_ = dir_.path(QStringLiteral("wcat.res"));
        personalPath_ = dir_.path(QStringLiteral("personal.res"));
        ASSERT_TRUE(writeFindWineCatalogue(cataloguePath_, wines()));
        frame_ = std::make_unique<CMainFrame>(cataloguePath_, personalPath_);
        ASSERT_TRUE(frame_->isOpened());
        ASSERT_TRUE(frame_->create());
        frame_->show();
    }
    void TearDown() override {
        frame_.reset();
        MessageBox::clearHistory();
        MessageBox::setUnattended(false);
    }

    // The wines of the catalogue; sampleWines() unless a test says otherwise.
    virtual QList<FindWineEntry> wines() const { return sampleWines(); }

    MainView* view() const { return frame_->mainView(); }
    WineGuide& guide() const { return *frame_->guide(); }
    CommandBar* bar() const { return frame_->commandBar(); }
    FindWineCriteriaPage* criteria() const {
        return static_cast<FindWineCriteriaPage*>(guide().pages(kFindWineFlow)->at(0));
    }
    FindWineProducerPage* producers() const {
        return static_cast<FindWineProducerPage*>(guide().pages(kFindWineFlow)->at(1));
    }
    FindWineWinePage* winePage() const {
        return static_cast<FindWineWinePage*>(guide().pages(kFindWineFlow)->at(2));
    }

    // A tap on the home picture's wine search area.
    void tapFindWine() { QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(90, 88)); }
    void clickStrip(const char* name) {
        auto* button = view()->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isVisible()) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void next() { clickStrip("nextButton"); }
    void back() { clickStrip("backButton"); }

    // The user picks entry INDEX of COMBO in its dropped list (even the entry already selected).
    static void pick(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        Q_EMIT combo->activated(index);
    }
    static void pick(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        pick(combo, index);
    }
    // A tap on row ROW of LIST.
    static void tapRow(QListWidget* list, int row) {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static QStringList texts(const QComboBox* combo) {
        QStringList all;
        for (int i = 0; i < combo->count(); ++i) {
            all.append(combo->itemText(i));
        }
        return all;
    }
    static QStringList texts(const QListWidget* list) {
        QStringList all;
        for (int i = 0; i < list->count(); ++i) {
            all.append(list->item(i)->text());
        }
        return all;
    }

    // Whether the Personal menu shown offers Add Bookmark usable.
    bool addBookmarkUsable() const {
        const int position = bar()->visiblePersonalPosition();
        QAction* item = bar()->item(position, command::kAddBookmark);
        return position >= 0 && item != nullptr && item->isEnabled() &&
               bar()->isButtonEnabled(position);
    }

    // Walks to the wine page of Beringer Hills (U.S., Still, Red, California, A - M).
    void walkToBeringer() {
        tapFindWine();
        next();
        next();
    }

    TempDir dir_;
    QString cataloguePath_;
    QString personalPath_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace corkwise::test
