// The main frame end to end, through the real widgets: the home picture's taps, the navigation
// strip, the Personal menu variants, the Edit commands and the accelerators, and what leaving
// the program keeps of the notes.

#include "app/CMainFrame.h"

#include "app/CommandBar.h"
#include "app/CommandIds.h"
#include "app/HomePicture.h"
#include "app/MainView.h"
#include "controls/EditCell.h"
#include "guide/WineGuide.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalStore.h"
#include "platform/MessageBox.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"
#include "screens/personal/CPersonal.h"
#include "screens/personal/NotesPage.h"
#include "screens/personal/TabPanel.h"
#include "testsupport/GuiApp.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QWindow>

#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace corkwise {
namespace {

using command::kAddNote;

class CMainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        MessageBox::clearHistory();
        MessageBox::setUnattended(true);
        cataloguePath_ = catalogue_.writeTo(dir_);
        personalPath_ = dir_.path(QStringLiteral("personal.res"));
    }
    void TearDown() override { MessageBox::setUnattended(false); }

    // Stores ENTRIES in the personal file before the frame starts.
    void storeEntries(const std::vector<PersonalEntry>& entries) {
        PersonalStore store(personalPath_);
        for (const PersonalEntry& e : entries) {
            store.add(e);
        }
        ASSERT_TRUE(store.save());
    }

    void start() {
        frame_ = std::make_unique<CMainFrame>(cataloguePath_, personalPath_);
        ASSERT_TRUE(frame_->isOpened());
        ASSERT_TRUE(frame_->create());
        frame_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
        QTRY_VERIFY(view()->firstPaintDone());
    }

    MainView* view() const { return frame_->mainView(); }
    CommandBar* bar() const { return frame_->commandBar(); }
    NavigationStrip* strip() const { return view()->strip(); }

    void tap(int x, int y) { QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(x, y)); }

    // The page of the open flow that the user sees, or null.
    SearchPage* visiblePage() const {
        for (SearchPage* p : view()->pages()) {
            if (p->isVisible()) {
                return p;
            }
        }
        return nullptr;
    }

    bool itemUsable(int position, int commandId) const {
        QAction* a = bar()->item(position, commandId);
        return a != nullptr && a->isEnabled();
    }

    test::TempDir dir_;
    test::ShellCatalogue catalogue_;
    QString cataloguePath_;
    QString personalPath_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(CMainFrameTest, WindowIsTitledCorkwiseWithTheViewOverTheCommandBar) {
    start();
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("Corkwise"));
    EXPECT_EQ(view()->size(), QSize(240, 268));
    EXPECT_EQ(view()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_GE(bar()->geometry().top(), view()->geometry().bottom());
    // "&" marks the letter that chooses the item from the keyboard.
    QStringList file;
    for (const QAction* action : bar()->popup(CommandBar::kFilePosition)->actions()) {
        file << action->text();
    }
    EXPECT_EQ(
        file,
        (QStringList{QStringLiteral("&Open Catalogue..."), QStringLiteral("Recent &Catalogues"),
                     QString(), QStringLiteral("&Export Notes and Bookmarks..."),
                     QStringLiteral("&Import Notes and Bookmarks..."),
                     QStringLiteral("Export Bookmarks as a &List..."),
                     QStringLiteral("&Print Bookmarks..."), QString(), QStringLiteral("E&xit")}));
    ASSERT_EQ(bar()->popup(CommandBar::kHelpPosition)->actions().size(), 2);
    EXPECT_EQ(bar()->popup(CommandBar::kHelpPosition)->actions()[0]->text(),
              QStringLiteral("Corkwise &Help"));
    EXPECT_EQ(bar()->popup(CommandBar::kHelpPosition)->actions()[1]->text().remove(u'&'),
              QStringLiteral("About Corkwise..."));
}

TEST_F(CMainFrameTest, EachCaptionStartsItsSearchAndTheEdgesFollowTheTapRule) {
    start();
    for (const HomeBanner& b : kHomeBanners) {
        SCOPED_TRACE(b.caption);
        // Left and top are inside, right and bottom outside.
        for (QPoint outside : {QPoint(b.left - 1, b.top), QPoint(b.left, b.top - 1),
                               QPoint(b.right, b.bottom - 1), QPoint(b.right - 1, b.bottom)}) {
            tap(outside.x(), outside.y());
            EXPECT_EQ(view()->current(), -1) << outside.x() << "," << outside.y();
        }
        for (QPoint inside : {QPoint(b.left, b.top), QPoint(b.right - 1, b.bottom - 1)}) {
            tap(inside.x(), inside.y());
            ASSERT_EQ(view()->current(), 0);
            ASSERT_NE(visiblePage(), nullptr);
            EXPECT_EQ(visiblePage()->pageId(), b.flowId);
            EXPECT_TRUE(strip()->isVisible());
            EXPECT_TRUE(strip()->nextButton()->isVisible());
            QTest::mouseClick(strip()->cancelButton(), Qt::LeftButton);
            EXPECT_EQ(view()->current(), -1);
        }
    }
    tap(105, 32);
    EXPECT_EQ(visiblePage()->pageId(), 10005);
    QTest::mouseClick(strip()->cancelButton(), Qt::LeftButton);
    tap(232, 46);
    EXPECT_EQ(view()->current(), -1);
}

TEST_F(CMainFrameTest, NextBackAndFinishWalkAThreePageFlowWithFinishOnlyOnTheLast) {
    start();
    tap(60, 85);  // Wine Search
    SearchPage* first = visiblePage();
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(first->pageId(), 10001);
    EXPECT_TRUE(strip()->nextButton()->isVisible());

    QTest::mouseClick(strip()->nextButton(), Qt::LeftButton);
    SearchPage* second = visiblePage();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->pageId(), 10002);
    EXPECT_FALSE(first->isVisible());
    EXPECT_TRUE(strip()->nextButton()->isVisible());
    EXPECT_FALSE(strip()->finishButton()->isVisible());

    QTest::mouseClick(strip()->nextButton(), Qt::LeftButton);
    ASSERT_NE(visiblePage(), nullptr);
    EXPECT_EQ(visiblePage()->pageId(), 10003);
    EXPECT_FALSE(strip()->nextButton()->isVisible());
    EXPECT_TRUE(strip()->finishButton()->isVisible());

    QTest::mouseClick(strip()->backButton(), Qt::LeftButton);
    EXPECT_EQ(visiblePage()->pageId(), 10002);
    EXPECT_TRUE(strip()->nextButton()->isVisible());
    EXPECT_FALSE(strip()->finishButton()->isVisible());

    QTest::mouseClick(strip()->nextButton(), Qt::LeftButton);
    QTest::mouseClick(strip()->finishButton(), Qt::LeftButton);
    EXPECT_EQ(view()->current(), -1);
    EXPECT_FALSE(strip()->isVisible());
    EXPECT_TRUE(view()->pages().isEmpty());
    EXPECT_EQ(visiblePage(), nullptr);
    EXPECT_NE(first->parentWidget(), view()) << "closed pages leave the view";
}

TEST_F(CMainFrameTest, BackOnTheFirstPageReturnsHome) {
    start();
    tap(130, 230);  // Best Producers
    ASSERT_EQ(view()->current(), 0);
    QTest::mouseClick(strip()->backButton(), Qt::LeftButton);
    EXPECT_EQ(view()->current(), -1);
    EXPECT_FALSE(strip()->isVisible());

    tap(130, 230);
    QTest::mouseClick(strip()->nextButton(), Qt::LeftButton);
    EXPECT_TRUE(strip()->finishButton()->isVisible()) << "a two-page flow";
    QTest::mouseClick(strip()->backButton(), Qt::LeftButton);
    QTest::mouseClick(strip()->backButton(), Qt::LeftButton);
    EXPECT_EQ(view()->current(), -1);
}

TEST_F(CMainFrameTest, WithNoPersonalFileOnlyAddNoteIsUsableUntilANoteIsStored) {
    start();
    EXPECT_EQ(bar()->visiblePersonalPosition(), 3);
    EXPECT_FALSE(bar()->isButtonVisible(CommandBar::kEditPosition));
    EXPECT_TRUE(itemUsable(3, kAddNote));
    EXPECT_FALSE(itemUsable(3, command::kAddBookmarkGreyed));
    EXPECT_FALSE(itemUsable(3, command::kNotesGreyed));
    EXPECT_FALSE(itemUsable(3, command::kBookmarksGreyed));

    // A greyed item does nothing.
    bar()->item(3, command::kNotesGreyed)->trigger();
    EXPECT_TRUE(MessageBox::history().isEmpty());

    bar()->item(3, kAddNote)->trigger();
    EXPECT_TRUE(view()->personalPanel()->isVisible());
    EXPECT_FALSE(bar()->isButtonEnabled(3)) << "Personal is greyed while the panel is up";
    EXPECT_TRUE(bar()->isButtonVisible(CommandBar::kEditPosition));
    for (QAction* button : bar()->actions()) {
        if (button->isVisible()) {
            EXPECT_LE(bar()->actionGeometry(button).right(), bar()->width() - 1)
                << "all six buttons fit the bar: " << button->text().toStdString();
        }
    }

    auto* done = view()->personalPanel()->findChild<QPushButton*>(QStringLiteral("doneButton"));
    ASSERT_NE(done, nullptr);
    QTest::mouseClick(done, Qt::LeftButton);
    EXPECT_FALSE(view()->personalPanel()->isVisible());
    EXPECT_EQ(bar()->visiblePersonalPosition(), 5);
    EXPECT_TRUE(bar()->isButtonEnabled(5));
    EXPECT_TRUE(itemUsable(5, command::kNotes));
    EXPECT_FALSE(itemUsable(5, command::kBookmarksGreyed));
    EXPECT_FALSE(bar()->isButtonVisible(CommandBar::kEditPosition));
    EXPECT_EQ(bar()->font().pixelSize(), 13) << "five buttons fit in the full face";

    PersonalStore reread(personalPath_);
    ASSERT_TRUE(reread.load());
    ASSERT_EQ(reread.count(), 1);
    EXPECT_EQ(reread.entryAt(0)->name(), QStringLiteral("New Note"));
}

class PersonalVariantTest : public CMainFrameTest,
                            public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(PersonalVariantTest, StoredEntriesPickTheVariantAndAddBookmarkShiftsItByFour) {
    const auto [kinds, expected] = GetParam();
    std::vector<PersonalEntry> entries;
    if ((kinds & 1) != 0) {
        entries.push_back(test::note("n"));
    }
    if ((kinds & 2) != 0) {
        entries.push_back(test::bookmark("b", {}));
    }
    storeEntries(entries);
    start();
    EXPECT_EQ(bar()->visiblePersonalPosition(), expected);
    EXPECT_EQ(itemUsable(expected, command::kNotes), (kinds & 1) != 0);
    EXPECT_EQ(itemUsable(expected, command::kBookmarks), (kinds & 2) != 0);

    view()->allowAddBookmark(true);
    view()->allowAddBookmark(true);
    EXPECT_EQ(bar()->visiblePersonalPosition(), expected + 4) << "asking twice stays in range";
    EXPECT_TRUE(itemUsable(expected + 4, command::kAddBookmark));
    EXPECT_EQ(itemUsable(expected + 4, command::kNotes), (kinds & 1) != 0);
    view()->allowAddBookmark(false);
    EXPECT_EQ(bar()->visiblePersonalPosition(), expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PersonalVariantTest,
                         ::testing::Values(std::pair(1, 5), std::pair(2, 4), std::pair(3, 2)));

TEST_F(CMainFrameTest, NotesAndBookmarksWithNothingStoredTellTheUser) {
    storeEntries({test::note("only a note")});
    start();
    frame_->routeCommand(command::kBookmarks);
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("Not have stored bookmarks."));
    EXPECT_EQ(MessageBox::history()[0].caption, QStringLiteral("Corkwise"));
    EXPECT_FALSE(view()->personalPanel()->isVisible());
    EXPECT_TRUE(bar()->isButtonEnabled(bar()->visiblePersonalPosition()));
}

TEST_F(CMainFrameTest, EditCommandsReachThePanelOnlyWhileItIsShown) {
    storeEntries({test::note("n", "Lovely with lamb")});
    start();
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    CPersonal* panel = view()->personalPanel();
    QPlainTextEdit* notes = panel->notesPage()->edit()->textEdit();
    QClipboard* clipboard = QApplication::clipboard();
    const QString text = QStringLiteral("Lovely with lamb");
    const QString held = QStringLiteral("held");

    // Hidden, the panel takes no paste: its notes edit stays empty.
    clipboard->setText(held);
    frame_->routeCommand(command::kPaste);
    QTest::keyClick(frame_.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(notes->toPlainText().isEmpty());

    frame_->routeCommand(command::kNotes);
    ASSERT_TRUE(panel->isVisible());
    panel->tabPanel()->chooseTab(TabPanel::kFirstLabelId + 2);
    ASSERT_EQ(notes->toPlainText(), text);

    // Each command acts on the whole text of the note, selected first. A copy or cut must put
    // the text on the clipboard, which holds something else before; a paste brings it back.
    struct Step {
        const char* what;
        std::function<void()> run;
        QString clipboardBefore;
        QString textAfter;
    };
    const Step steps[] = {
        {"Copy", [&] { frame_->routeCommand(command::kCopy); }, held, text},
        {"Cut", [&] { frame_->routeCommand(command::kCut); }, held, QString()},
        {"Paste", [&] { frame_->routeCommand(command::kPaste); }, text, text},
        {"Edit > Copy", [&] { bar()->item(CommandBar::kEditPosition, command::kCopy)->trigger(); },
         held, text},
        {"Ctrl+X", [&] { QTest::keyClick(frame_.get(), Qt::Key_X, Qt::ControlModifier); }, held,
         QString()},
        {"Ctrl+V", [&] { QTest::keyClick(frame_.get(), Qt::Key_V, Qt::ControlModifier); }, text,
         text},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        clipboard->setText(step.clipboardBefore);
        notes->selectAll();
        step.run();
        EXPECT_EQ(notes->toPlainText(), step.textAfter);
        EXPECT_EQ(clipboard->text(), text);
    }

    // Left, it takes none again.
    view()->leavePersonal();
    notes->selectAll();
    clipboard->setText(held);
    frame_->routeCommand(command::kPaste);
    frame_->routeCommand(command::kCut);
    EXPECT_EQ(notes->toPlainText(), text);
    EXPECT_EQ(clipboard->text(), held);
}

TEST_F(CMainFrameTest, CtrlQClosesTheFrame) {
    start();
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
    QTest::keyClick(frame_.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame_->isVisible());
}

TEST_F(CMainFrameTest, AFailedSaveIsToldToTheUser) {
    // The personal file's directory is a plain file, so nothing can be written there.
    const QString blocker = dir_.write(QStringLiteral("blocker"), "x");
    personalPath_ = blocker + QStringLiteral("/personal.res");
    start();
    frame_->routeCommand(kAddNote);
    ASSERT_TRUE(view()->personalPanel()->isVisible());
    MessageBox::clearHistory();
    QTest::mouseClick(
        view()->personalPanel()->findChild<QPushButton*>(QStringLiteral("doneButton")),
        Qt::LeftButton);
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].icon, MessageBox::Icon::Warning);
    EXPECT_EQ(MessageBox::history()[0].caption, QStringLiteral("Corkwise"));
    EXPECT_FALSE(MessageBox::history()[0].text.isEmpty());
    EXPECT_EQ(frame_->guide()->personalCount(), 1) << "the note stays in memory";
}

TEST_F(CMainFrameTest, AMissingCatalogueCreatesNothing) {
    QFile::remove(cataloguePath_);
    CMainFrame frame(cataloguePath_, personalPath_);
    EXPECT_FALSE(frame.isOpened());
    EXPECT_EQ(frame.guide(), nullptr);
    EXPECT_FALSE(frame.create());
    EXPECT_EQ(frame.mainView(), nullptr);
}

const QString kTyped = QStringLiteral("Lovely with lamb");

// Personal > Add Note, the Notes tab, and kTyped never confirmed.
CPersonal* typeNewNote(CMainFrame& frame) {
    frame.routeCommand(kAddNote);
    CPersonal* panel = frame.mainView()->personalPanel();
    panel->tabPanel()->chooseTab(TabPanel::kFirstLabelId + 2);
    QTest::keyClicks(panel->notesPage()->edit()->textEdit(), kTyped);
    return panel;
}

TEST_F(CMainFrameTest, ANoteNeverConfirmedReachesTheFileHoweverTheProgramIsLeft) {
    const std::function<void(CMainFrame&)> ways[] = {
        [](CMainFrame& f) { f.routeCommand(command::kExit); },
        [](CMainFrame& f) { f.windowHandle()->close(); },
    };
    for (const auto& leave : ways) {
        QFile::remove(personalPath_);
        start();
        typeNewNote(*frame_);
        leave(*frame_);
        EXPECT_FALSE(frame_->isVisible());
        PersonalStore saved(personalPath_);
        saved.load();
        ASSERT_EQ(saved.count(), 1);
        EXPECT_EQ(saved.entryAt(0)->text(), kTyped);
    }
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST_F(CMainFrameTest, LeavingWritesNothingWhenNothingChanged) {
    // A note as the panel keeps it, and a record of a later kind, which the panel never lists.
    const PersonalEntry dinner(EntryKind::Note, "Dinner", "Roast", {{-1, catalogue_.origin, "F"}});
    dir_.write(QStringLiteral("personal.res"),
               test::fileOfRecords({PersonalFile::serialiseRecord(dinner), test::laterRecord()}));
    const QDateTime old = QDateTime::fromSecsSinceEpoch(946684800);
    QFile file(personalPath_);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(old, QFile::FileModificationTime));
    start();
    frame_->routeCommand(command::kNotes);
    EXPECT_EQ(view()->personalPanel()->findChild<QComboBox*>()->count(), 1);
    frame_->routeCommand(command::kExit);
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_EQ(QFileInfo(personalPath_).lastModified(), old);
}

TEST_F(CMainFrameTest, AFailedSaveAtExitAsksAndNoKeepsTheProgramAndTheNote) {
    start();
    CPersonal* panel = typeNewNote(*frame_);
    ASSERT_TRUE(QDir().mkpath(personalPath_));  // nothing can be written there now
    MessageBox::setNextAnswer(MessageBox::No);
    frame_->routeCommand(command::kExit);
    ASSERT_EQ(MessageBox::history().size(), 1);
    const QString asked = MessageBox::history()[0].text;
    EXPECT_TRUE(asked.startsWith(QStringLiteral("Your notes could not be saved: ")))
        << asked.toStdString();
    EXPECT_TRUE(asked.endsWith(QStringLiteral(". Quit anyway?")));
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_EQ(frame_->store()->entryAt(0)->text(), kTyped);
    EXPECT_EQ(panel->notesPage()->contents(), kTyped);
    // The session ending goes on without asking; unattended, a close takes the default, No.
    EXPECT_TRUE(frame_->saveBeforeExit(false));
    frame_->windowHandle()->close();
    ASSERT_EQ(MessageBox::history().size(), 2);
    EXPECT_EQ(MessageBox::history()[1].answer, MessageBox::No);
    EXPECT_TRUE(frame_->isVisible());
    // Once the cause is gone, Exit saves.
    ASSERT_TRUE(QDir(personalPath_).removeRecursively());
    frame_->routeCommand(command::kExit);
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_EQ(PersonalFile::parse(dir_.read(QStringLiteral("personal.res"))).entries.back().text(),
              kTyped);
}

}  // namespace
}  // namespace corkwise
