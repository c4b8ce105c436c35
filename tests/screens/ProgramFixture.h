#pragma once
// A whole program on a catalogue written by the test, driven as a user drives it: the home
// picture's search areas, the pages' lists, the navigation strip and the Personal menu. A test
// class derives from it and says which catalogue to write.

#include "app/CMainFrame.h"
#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/HomePicture.h"
#include "app/MainView.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "platform/MessageBox.h"
#include "testsupport/GuiApp.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace corkwise::test {

class ProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ensureGuiApp();
        MessageBox::clearHistory();
        MessageBox::setUnattended(true);
        cataloguePath_ = dir_.path(QStringLiteral("wcat.res"));
        personalPath_ = dir_.path(QStringLiteral("personal.res"));
        ASSERT_TRUE(writeCatalogue(cataloguePath_));
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

    // Writes the test's catalogue to PATH; false when it cannot.
    virtual bool writeCatalogue(const QString& path) = 0;

    MainView* view() const { return frame_->mainView(); }
    WineGuide& guide() const { return *frame_->guide(); }
    CommandBar* bar() const { return frame_->commandBar(); }
    // Page INDEX of flow FLOWID, as the type the test expects.
    template <typename Page>
    Page* page(int flowId, int index) const {
        return static_cast<Page*>(guide().pages(flowId)->at(index));
    }

    // A tap in the middle of the home picture's search area of FLOWID.
    void tapHome(int flowId) {
        for (const HomeBanner& banner : kHomeBanners) {
            if (banner.flowId == flowId) {
                QTest::mouseClick(view(), Qt::LeftButton, {}, banner.rect().center());
                return;
            }
        }
        ADD_FAILURE() << "no home banner for flow " << flowId;
    }
    // A click on the visible button named NAME (the strip's "nextButton", "backButton",
    // "finishButton", "cancelButton", a page's or the menu of searches' buttons).
    void click(const char* name) {
        QPushButton* button = nullptr;
        for (auto* candidate : view()->findChildren<QPushButton*>(QString::fromLatin1(name))) {
            if (candidate->isVisible()) {
                button = candidate;
            }
        }
        ASSERT_NE(button, nullptr) << "no visible button " << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void next() { click("nextButton"); }
    void back() { click("backButton"); }

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

    TempDir dir_;
    QString cataloguePath_;
    QString personalPath_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace corkwise::test
