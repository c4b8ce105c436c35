#pragma once
// A main view with the real personal panel over a small catalogue and a personal file written by
// the test, and Find Wine pages that record what the guide holds when they load.

#include "app/CommandBar.h"
#include "app/MainView.h"
#include "guide/PageFactory.h"
#include "guide/WineGuide.h"
#include "personal/PersonalStore.h"
#include "platform/MessageBox.h"
#include "screens/SearchPage.h"
#include "screens/personal/CPersonal.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>
#include <vector>

namespace corkwise::test {

// A Find Wine page that notes, at each loadLists, whether the guide replays a bookmark and the
// ORIGIN and VINTAGE it holds.
class ReplayPage : public SearchPage {
public:
    ReplayPage(WineGuide& guide, int pageId, QWidget* owner, QStringList* log)
        : SearchPage(guide, pageId, owner), log_(log) {}
    bool loadLists() override;

    bool loads = true;

private:
    QStringList* log_;
};

class ReplayFactory : public PageFactory {
public:
    explicit ReplayFactory(QWidget* owner) : owner_(owner) {}
    SearchPage* createPage(WineGuide& guide, int pageId) override;

    std::vector<ReplayPage*> findWine;
    QStringList log;

private:
    QWidget* owner_;
};

class PanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Dictionary table numbers of the test catalogue.
    int origin = -1;
    int vintage = -1;
    int score = -1;
    int product = -1;
    int segment = -1;

    // Writes ENTRIES as the personal file.
    void writePersonal(const std::vector<PersonalEntry>& entries);
    // Builds the store, guide, command bar and main view, which makes its CPersonal.
    void start();
    // The entries the personal file holds now (empty when it is missing).
    std::vector<PersonalEntry> fileEntries() const;
    QByteArray fileBytes() const;
    QString personalPath() const { return dir_.path(QStringLiteral("personal.res")); }
    // Makes the personal file impossible to rewrite: read-only, in a read-only directory, and
    // for a superuser (whom permissions do not stop) replaced by a directory.
    void makePersonalUnwritable();

    // A bookmark of an origin, a product, a segment and a vintage, with TEXT.
    PersonalEntry bookmark(const QByteArray& name, const QByteArray& text = "") const;
    // A note with the ten catalogue fields, each text given.
    PersonalEntry note(const QByteArray& name, const QByteArray& text = "") const;

    // The names listed now.
    QStringList listed() const;
    // Number of message boxes put to the user with ICON.
    static int boxes(MessageBox::Icon icon);

    TempDir dir_;
    QString cataloguePath_;
    std::unique_ptr<PersonalStore> store_;
    std::unique_ptr<QWidget> pageOwner_;
    std::unique_ptr<ReplayFactory> factory_;
    std::unique_ptr<WineGuide> guide_;
    std::unique_ptr<QWidget> frame_;
    CommandBar* bar_ = nullptr;
    MainView* view_ = nullptr;
    CPersonal* panel_ = nullptr;
    bool unwritable_ = false;
};

}  // namespace corkwise::test
