// Leaving the program with the personal panel up: what the panel shows reaches the file, nothing
// is written when nothing changed, and a failed write lets the user stay. Records of kinds this
// version does not know stay out of sight and in the file.

#include "app/CMainFrame.h"
#include "app/CommandIds.h"
#include "app/MainView.h"
#include "controls/EditCell.h"
#include "personal/PersonalFile.h"
#include "personal/PersonalStore.h"
#include "personal/panel/CPersonal.h"
#include "personal/panel/NotesPage.h"
#include "personal/panel/TabPanel.h"
#include "platform/MessageBox.h"
#include "testsupport/GuiApp.h"
#include "testsupport/PersonalSamples.h"
#include "testsupport/ShellCatalogue.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>

namespace corkwise {
namespace {

const QString kTyped = QStringLiteral("Lovely with lamb");

class NotesAtExitTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureGuiApp(); }
    void SetUp() override {
        MessageBox::clearHistory();
        MessageBox::setUnattended(true);
        cataloguePath_ = catalogue_.writeTo(dir_);
    }
    void TearDown() override {
        frame_.reset();
        MessageBox::clearHistory();
        MessageBox::setUnattended(false);
    }

    QString personalPath() const { return dir_.path(QStringLiteral("personal.res")); }

    void start() {
        frame_ = std::make_unique<CMainFrame>(cataloguePath_, personalPath(), [](WineGuide& guide) {
            return std::make_unique<CPersonal>(guide);
        });
        ASSERT_TRUE(frame_->create());
        frame_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
        QTRY_VERIFY(frame_->mainView()->firstPaintDone());
    }

    CPersonal* panel() const {
        return qobject_cast<CPersonal*>(frame_->mainView()->personalPanel());
    }

    // Personal > Add Note, then the Notes tab, then TEXT typed and never confirmed.
    void typeNewNote(const QString& text) {
        frame_->routeCommand(command::kAddNote);
        ASSERT_TRUE(panel()->isVisible());
        panel()->tabPanel()->chooseTab(TabPanel::kFirstLabelId + 2);
        QPlainTextEdit* edit = panel()->notesPage()->edit()->textEdit();
        ASSERT_TRUE(edit->isVisible());
        QTest::keyClicks(edit, text);
    }

    std::vector<PersonalEntry> fileEntries() const {
        PersonalStore fresh(personalPath());
        fresh.load();
        return fresh.entries();
    }

    test::TempDir dir_;
    test::ShellCatalogue catalogue_;
    QString cataloguePath_;
    std::unique_ptr<CMainFrame> frame_;
};

TEST_F(NotesAtExitTest, ANoteNeverConfirmedReachesTheFileHoweverTheProgramIsLeft) {
    const struct {
        const char* way;
        std::function<void(CMainFrame&)> leave;
    } ways[] = {
        {"File > Exit", [](CMainFrame& f) { f.routeCommand(command::kExit); }},
        {"Ctrl+Q",
         [](CMainFrame& f) {
             f.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
             QTest::keyClick(&f, Qt::Key_Q, Qt::ControlModifier);
         }},
        {"the window's close button", [](CMainFrame& f) { f.windowHandle()->close(); }},
    };
    for (const auto& w : ways) {
        SCOPED_TRACE(w.way);
        QFile::remove(personalPath());
        start();
        typeNewNote(kTyped);
        w.leave(*frame_);
        EXPECT_FALSE(frame_->isVisible());
        const std::vector<PersonalEntry> saved = fileEntries();
        ASSERT_EQ(saved.size(), 1u);
        EXPECT_EQ(saved[0].name(), QStringLiteral("New Note"));
        EXPECT_EQ(saved[0].text(), kTyped);
        EXPECT_TRUE(MessageBox::history().isEmpty());
        frame_.reset();
    }
}

TEST_F(NotesAtExitTest, NothingIsWrittenWhenNothingChanged) {
    // A note as the panel keeps it: fields typed by hand, of dictionaries the catalogue has.
    const PersonalEntry dinner(EntryKind::Note, "Dinner", "Roast",
                               {{-1, catalogue_.origin, "France"}, {-1, catalogue_.ssf, ""}});
    dir_.write(QStringLiteral("personal.res"),
               PersonalFile::serialise({dinner, test::bookmark("B", {})}));
    const QDateTime old = QDateTime::fromSecsSinceEpoch(946684800);
    {
        QFile file(personalPath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    }
    start();
    frame_->routeCommand(command::kNotes);
    ASSERT_TRUE(panel()->isVisible());
    // Looking at the other tab and back is no change.
    panel()->tabPanel()->chooseTab(TabPanel::kFirstLabelId + 2);
    frame_->routeCommand(command::kExit);
    EXPECT_FALSE(frame_->isVisible());
    EXPECT_EQ(QFileInfo(personalPath()).lastModified(), old);
}

TEST_F(NotesAtExitTest, AFailedSaveAsksAndNoKeepsTheProgramAndTheNote) {
    start();
    typeNewNote(kTyped);
    // Nothing can be written where the file should go.
    ASSERT_TRUE(QDir().mkpath(personalPath()));

    MessageBox::setNextAnswer(MessageBox::No);
    frame_->routeCommand(command::kExit);
    ASSERT_EQ(MessageBox::history().size(), 1);
    const MessageBox::Record box = MessageBox::history()[0];
    EXPECT_EQ(box.caption, QStringLiteral("Corkwise"));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("Your notes could not be saved: ")))
        << box.text.toStdString();
    EXPECT_TRUE(box.text.endsWith(QStringLiteral(". Quit anyway?"))) << box.text.toStdString();
    EXPECT_EQ(box.buttons, MessageBox::Yes | MessageBox::No);
    EXPECT_TRUE(frame_->isVisible());
    EXPECT_TRUE(panel()->isVisible());
    EXPECT_EQ(frame_->store()->entryAt(0)->text(), kTyped);
    EXPECT_EQ(panel()->notesPage()->contents(), kTyped);

    // The session ending may not ask: it goes on, and says why on stderr only.
    EXPECT_TRUE(frame_->saveBeforeExit(false));
    EXPECT_EQ(MessageBox::history().size(), 1);

    // Unattended, with nobody to answer, the program ends as asked.
    frame_->windowHandle()->close();
    ASSERT_EQ(MessageBox::history().size(), 2);
    EXPECT_EQ(MessageBox::history()[1].answer, MessageBox::Yes);
    EXPECT_FALSE(frame_->isVisible());
}

TEST_F(NotesAtExitTest, RecordsOfLaterKindsAreNeverShownAndOutliveDone) {
    const QByteArray later = test::laterRecord(2);
    dir_.write(QStringLiteral("personal.res"), test::fileOfRecords({later}));
    start();
    // Alone, such a record offers nothing in the Personal menu.
    EXPECT_EQ(frame_->mainView()->personalVariant(), 3);

    typeNewNote(kTyped);
    EXPECT_EQ(panel()->entryList()->count(), 1);
    QTest::mouseClick(panel()->doneButton(), Qt::LeftButton);
    const QByteArray saved = dir_.read(QStringLiteral("personal.res"));
    EXPECT_EQ(saved.mid(12, later.size()), later);
    EXPECT_FALSE(QFile::exists(PersonalStore::backupPath(personalPath())));
}

}  // namespace
}  // namespace corkwise
