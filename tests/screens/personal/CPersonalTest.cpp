#include "screens/personal/CPersonal.h"

#include "app/CommandIds.h"
#include "controls/EditCell.h"
#include "controls/GridList.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"
#include "screens/personal/DetailsPage.h"
#include "screens/personal/NotesPage.h"
#include "screens/personal/PanelFixture.h"
#include "screens/personal/RenameBox.h"
#include "screens/personal/TabPanel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace corkwise::test {

namespace {

// Types TEXT into the Value cell of row ROW of the note grid, as the user does: a tap, then keys.
void typeIntoValue(CPersonal* panel, int row, const QString& text) {
    EditCell* cell = panel->detailsPage()->noteGrid()->editCellAt(row, 1);
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(cell->lineEdit(), nullptr);
    QTest::mouseClick(cell->lineEdit(), Qt::LeftButton);
    cell->lineEdit()->selectAll();
    QTest::keyClicks(cell->lineEdit(), text);
}

void typeIntoNotes(CPersonal* panel, const QString& text) {
    QPlainTextEdit* edit = panel->notesPage()->edit()->textEdit();
    ASSERT_NE(edit, nullptr);
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, text);
}

// The user picks list position K in the drop-down list.
void choose(CPersonal* panel, int k) {
    panel->entryList()->setCurrentIndex(k);
    Q_EMIT panel->entryList()->activated(k);
}

std::optional<QByteArray> valueOf(const PersonalEntry& entry, int table) {
    for (const DictValue& value : entry.values()) {
        if (value.dictionary() == table) {
            return value.text();
        }
    }
    return std::nullopt;
}

}  // namespace

using CPersonalTest = PanelTest;

TEST_F(CPersonalTest, AddNoteThenDoneWritesFileAndMakesNotesUsable) {
    start();
    EXPECT_EQ(bar_->visiblePersonalPosition(), 3);
    EXPECT_EQ(bar_->item(3, command::kNotes), nullptr);

    ASSERT_TRUE(view_->handleCommand(command::kAddNote));
    EXPECT_TRUE(panel_->isVisibleTo(view_));
    EXPECT_TRUE(panel_->isActive());
    EXPECT_EQ(listed(), QStringList{QStringLiteral("New Note")});
    EXPECT_EQ(panel_->entryList()->currentIndex(), 0);
    EXPECT_EQ(panel_->goToButton()->text(), QStringLiteral("Rename"));
    // While the panel is up the Edit menu is offered and the Personal menu is greyed.
    EXPECT_TRUE(bar_->isButtonVisible(CommandBar::kEditPosition));
    EXPECT_FALSE(bar_->isButtonEnabled(bar_->visiblePersonalPosition()));

    // The note's grid is the one on the Details page (Add Note brings the Notes page to the
    // front, for typing).
    GridList* grid = panel_->detailsPage()->noteGrid();
    EXPECT_TRUE(grid->isVisibleTo(panel_->detailsPage()));
    EXPECT_FALSE(panel_->detailsPage()->bookmarkGrid()->isVisibleTo(panel_->detailsPage()));
    ASSERT_EQ(grid->rowCount(), 10);
    const QStringList names = {"ORIGIN",  "SSF",         "TYPE",    "REGION",      "PRODUCER",
                               "VINTAGE", "DESIGNATION", "VARIETY", "APPELLATION", "SCORE"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(grid->rows().row(i)->text(0), names[i]);
        EXPECT_EQ(grid->rows().row(i)->text(1), QString());
    }
    EXPECT_FALSE(QFile::exists(personalPath()));

    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);
    EXPECT_FALSE(panel_->isVisibleTo(view_));
    EXPECT_FALSE(panel_->isActive());
    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].name(), QStringLiteral("New Note"));
    EXPECT_EQ(saved[0].kind(), EntryKind::Note);
    EXPECT_EQ(saved[0].values().size(), 10u);
    EXPECT_EQ(bar_->visiblePersonalPosition(), 5);
    EXPECT_NE(bar_->item(5, command::kNotes), nullptr);
    EXPECT_TRUE(bar_->isButtonEnabled(5));
    EXPECT_FALSE(bar_->isButtonVisible(CommandBar::kEditPosition));
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST_F(CPersonalTest, TypedFieldsAndTextReachTheFileOnlyOnDone) {
    writePersonal({note("Alpha", "old text"), note("Beta")});
    const QByteArray before = fileBytes();
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    ASSERT_EQ(listed(), (QStringList{"Alpha", "Beta"}));
    ASSERT_EQ(panel_->entryList()->currentIndex(), 0);

    typeIntoValue(panel_, 6, QStringLiteral("Grand Reserve"));
    typeIntoNotes(panel_, QStringLiteral(", more"));
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(guide_->personalEntryAt(0)->text(), QStringLiteral("old text"));

    // Choosing another entry keeps the typing in memory only.
    choose(panel_, 1);
    EXPECT_EQ(guide_->personalEntryAt(0)->text(), QStringLiteral("old text, more"));
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(panel_->notesPage()->contents(), QString());

    choose(panel_, 0);
    EXPECT_EQ(panel_->notesPage()->contents(), QStringLiteral("old text, more"));
    EXPECT_EQ(panel_->detailsPage()->noteGrid()->rows().row(6)->text(1),
              QStringLiteral("Grand Reserve"));

    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);
    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].text(), QStringLiteral("old text, more"));
    EXPECT_EQ(valueOf(saved[0], 6), QByteArray("Grand Reserve"));
    EXPECT_EQ(valueOf(saved[0], 0), QByteArray("France"));
    EXPECT_EQ(saved[1], note("Beta"));
}

TEST_F(CPersonalTest, ShowingTheEntriesAgainKeepsWhatWasTyped) {
    writePersonal({note("Alpha", "first")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    typeIntoNotes(panel_, QStringLiteral(" more"));
    panel_->showKind(EntryKind::Note);
    EXPECT_EQ(guide_->personalEntryAt(0)->text(), QStringLiteral("first more"));
    EXPECT_EQ(panel_->notesPage()->contents(), QStringLiteral("first more"));
}

TEST_F(CPersonalTest, SelectingTheSelectedItemWritesNothingBack) {
    writePersonal({note("Alpha", "kept"), note("Beta")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    typeIntoNotes(panel_, QStringLiteral(" typed"));
    typeIntoValue(panel_, 0, QStringLiteral("Italy"));
    choose(panel_, 0);
    EXPECT_EQ(guide_->personalEntryAt(0), std::optional<PersonalEntry>(note("Alpha", "kept")));
    // The typing is still on the pages.
    EXPECT_EQ(panel_->notesPage()->contents(), QStringLiteral("kept typed"));
}

TEST_F(CPersonalTest, RenameWithOkChangesTheListAtOnceAndTheFileAtDone) {
    writePersonal({note("Alpha"), note("Beta")});
    const QByteArray before = fileBytes();
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    choose(panel_, 1);

    QTest::mouseClick(panel_->goToButton(), Qt::LeftButton);
    RenameBox* box = panel_->renameBox();
    ASSERT_TRUE(panel_->isRenaming());
    EXPECT_TRUE(box->isVisibleTo(panel_));
    EXPECT_EQ(box->text(), QStringLiteral("Beta"));
    for (QWidget* control :
         {static_cast<QWidget*>(panel_->entryList()), static_cast<QWidget*>(panel_->goToButton()),
          static_cast<QWidget*>(panel_->deleteButton()),
          static_cast<QWidget*>(panel_->doneButton()), static_cast<QWidget*>(panel_->detailsPage()),
          static_cast<QWidget*>(panel_->notesPage())}) {
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    }
    // Done is not reachable while the box is open.
    panel_->done();
    EXPECT_TRUE(panel_->isVisibleTo(view_));

    QLineEdit* edit = box->edit()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Gamma"));
    QTest::mouseClick(box->okButton(), Qt::LeftButton);

    EXPECT_FALSE(panel_->isRenaming());
    EXPECT_FALSE(box->isVisibleTo(panel_));
    EXPECT_TRUE(panel_->doneButton()->isEnabled());
    EXPECT_TRUE(panel_->notesPage()->isEnabled());
    EXPECT_EQ(listed(), (QStringList{"Alpha", "Gamma"}));
    EXPECT_EQ(panel_->entryList()->currentIndex(), 1);
    EXPECT_EQ(fileBytes(), before);

    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);
    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0].name(), QStringLiteral("Alpha"));
    EXPECT_EQ(saved[1].name(), QStringLiteral("Gamma"));
}

TEST_F(CPersonalTest, RenamingToEmptyOrCancellingKeepsTheName) {
    writePersonal({note("Alpha")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    RenameBox* box = panel_->renameBox();

    panel_->goToOrRename();
    box->edit()->lineEdit()->clear();
    QTest::mouseClick(box->okButton(), Qt::LeftButton);
    EXPECT_EQ(listed(), QStringList{"Alpha"});
    EXPECT_EQ(guide_->personalEntryAt(0)->name(), QStringLiteral("Alpha"));

    panel_->goToOrRename();
    QTest::keyClicks(box->edit()->lineEdit(), QStringLiteral("Other"));
    QTest::mouseClick(box->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(listed(), QStringList{"Alpha"});
    EXPECT_EQ(guide_->personalEntryAt(0)->name(), QStringLiteral("Alpha"));
    EXPECT_FALSE(panel_->isRenaming());
}

TEST_F(CPersonalTest, RenameBoxTakesNoMoreThanTheStoredNameAndTheEditCommands) {
    writePersonal({note("Alpha")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    panel_->goToOrRename();
    QLineEdit* edit = panel_->renameBox()->edit()->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QString(40, QLatin1Char('n')));
    EXPECT_EQ(edit->text().size(), PersonalEntry::kMaxNameLength);

    // While renaming, Cut and Paste act on the box's edit, not on the pages.
    edit->setSelection(0, 5);
    ASSERT_TRUE(view_->handleCommand(command::kCut));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("nnnnn"));
    EXPECT_EQ(edit->text().size(), PersonalEntry::kMaxNameLength - 5);
    edit->setText(QStringLiteral("Wine "));
    edit->end(false);
    ASSERT_TRUE(view_->handleCommand(command::kPaste));
    EXPECT_EQ(edit->text(), QStringLiteral("Wine nnnnn"));
    EXPECT_EQ(panel_->notesPage()->contents(), QString());
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(listed(), QStringList{"Wine nnnnn"});
}

TEST_F(CPersonalTest, DeletingTheFirstBookmarkShiftsThePositions) {
    writePersonal(
        {bookmark("B0"), note("N1"), bookmark("B2"), note("N3"), note("N4"), bookmark("B5")});
    const QByteArray before = fileBytes();
    start();
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    EXPECT_EQ(panel_->goToButton()->text(), QStringLiteral("Go to"));
    ASSERT_EQ(panel_->positions(), (QList<int>{0, 2, 5}));

    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(panel_->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(panel_->positions(), (QList<int>{1, 4}));
    EXPECT_EQ(listed(), (QStringList{"B2", "B5"}));
    EXPECT_EQ(guide_->personalEntryAt(1)->name(), QStringLiteral("B2"));
    EXPECT_EQ(guide_->personalEntryAt(4)->name(), QStringLiteral("B5"));
    EXPECT_EQ(panel_->entryList()->currentIndex(), 0);
    EXPECT_TRUE(panel_->isVisibleTo(view_));
    // Only the delete that empties the list saves.
    EXPECT_EQ(fileBytes(), before);

    // The shifted positions lead to the right entries: delete B5 through them.
    choose(panel_, 1);
    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(panel_->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(panel_->positions(), QList<int>{1});
    EXPECT_EQ(guide_->personalCount(), 4);
    EXPECT_EQ(guide_->personalEntryAt(1)->name(), QStringLiteral("B2"));
}

TEST_F(CPersonalTest, DeletingTheLastOfAKindSavesAndLeavesThoughOthersRemain) {
    writePersonal({note("N0"), bookmark("B1"), note("N2")});
    start();
    ASSERT_EQ(bar_->visiblePersonalPosition(), 2);
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(panel_->deleteButton(), Qt::LeftButton);

    EXPECT_FALSE(panel_->isVisibleTo(view_));
    EXPECT_FALSE(panel_->isActive());
    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[0], note("N0"));
    EXPECT_EQ(saved[1], note("N2"));
    // Only notes remain, so only Notes is usable.
    EXPECT_EQ(bar_->visiblePersonalPosition(), 5);
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("Delete the bookmark \"B1\"?"));
}

TEST_F(CPersonalTest, DeleteAsksFirstAndNoKeepsTheEntry) {
    writePersonal({note("N0"), note("N1")});
    const QByteArray before = fileBytes();
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    QTest::mouseClick(panel_->deleteButton(), Qt::LeftButton);  // unattended: the default, No
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].answer, MessageBox::No);
    EXPECT_EQ(listed(), (QStringList{"N0", "N1"}));
    EXPECT_EQ(guide_->personalCount(), 2);
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(CPersonalTest, BookmarkDetailsAreReadOnlyAndHideProductAndSegment) {
    writePersonal({bookmark("B0", "bought two")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    DetailsPage* details = panel_->detailsPage();
    GridList* grid = details->bookmarkGrid();
    EXPECT_TRUE(grid->isVisibleTo(panel_));
    EXPECT_FALSE(details->noteGrid()->isVisibleTo(panel_));
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(grid->rows().row(0)->texts(), (QStringList{"ORIGIN", "France"}));
    EXPECT_EQ(grid->rows().row(1)->texts(), (QStringList{"VINTAGE", "2010"}));
    EXPECT_EQ(grid->rows().row(2)->texts(), (QStringList{"SCORE", "92"}));
    EXPECT_EQ(grid->editCellAt(0, 1), nullptr);
    EXPECT_FALSE(details->contents().has_value());
    EXPECT_EQ(panel_->notesPage()->contents(), QStringLiteral("bought two"));

    // Done stores the text but never the bookmark's values.
    typeIntoNotes(panel_, QStringLiteral(" bottles"));
    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);
    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].text(), QStringLiteral("bought two bottles"));
    EXPECT_EQ(saved[0].values(), bookmark("B0").values());
}

TEST_F(CPersonalTest, ConvertedBookmarkKeepsProductAndSegmentAndViewingWritesNothing) {
    PersonalEntry converted = bookmark("Was a bookmark");
    converted.setKind(EntryKind::Note);
    writePersonal({converted});
    const QByteArray before = fileBytes();
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    ASSERT_EQ(panel_->detailsPage()->noteGrid()->rowCount(), 3);
    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);
    EXPECT_EQ(fileBytes(), before);

    // A change to a shown field keeps the hidden ones, in their place and with their ids.
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    typeIntoNotes(panel_, QStringLiteral("changed"));
    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);
    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].values(), converted.values());
    EXPECT_EQ(valueOf(saved[0], product), QByteArray("Grand Vin"));
}

TEST_F(CPersonalTest, GoToSavesAndReplaysFindWineFromTheBookmark) {
    writePersonal({note("N0"), bookmark("B1")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    typeIntoNotes(panel_, QStringLiteral("for Sunday"));
    QTest::mouseClick(panel_->goToButton(), Qt::LeftButton);

    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].text(), QStringLiteral("for Sunday"));
    // Every Find Wine page loaded while the guide held the bookmark's values.
    EXPECT_EQ(factory_->log,
              (QStringList{"10001 bookmark France 2010", "10002 bookmark France 2010",
                           "10003 bookmark France 2010"}));
    EXPECT_FALSE(panel_->isVisibleTo(view_));
    EXPECT_FALSE(panel_->isActive());
    EXPECT_EQ(guide_->currentFlow(), 10001);
    EXPECT_EQ(view_->current(), 2);
    EXPECT_TRUE(view_->pages()[2]->isVisibleTo(view_));
    EXPECT_TRUE(view_->strip()->isVisibleTo(view_));
    EXPECT_TRUE(MessageBox::history().isEmpty());
}

TEST_F(CPersonalTest, GoToABookmarkThePagesCannotFollowOffersToMakeItANote) {
    writePersonal({bookmark("B0")});
    start();
    factory_->findWine[1]->loads = false;
    MessageBox::setNextAnswer(MessageBox::Yes);
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    panel_->goToOrRename();

    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text,
              QStringLiteral("Do you want to convert Bookmark to a Note?"));
    EXPECT_EQ(view_->current(), 0);
    const std::vector<PersonalEntry> saved = fileEntries();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].kind(), EntryKind::Note);
    EXPECT_EQ(saved[0].values(), bookmark("B0").values());
}

TEST_F(CPersonalTest, FailingSaveOnDoneIsReportedAndKeepsEverythingInMemory) {
    writePersonal({note("Alpha", "first")});
    const QByteArray before = fileBytes();
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    makePersonalUnwritable();
    typeIntoNotes(panel_, QStringLiteral(" and second"));
    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);

    ASSERT_EQ(boxes(MessageBox::Icon::Warning), 1);
    EXPECT_TRUE(MessageBox::history()[0].text.contains(QStringLiteral("personal.res")));
    EXPECT_FALSE(panel_->isVisibleTo(view_));
    ASSERT_EQ(guide_->personalCount(), 1);
    EXPECT_EQ(guide_->personalEntryAt(0)->text(), QStringLiteral("first and second"));
    // Everything is still there to be saved later.
    ASSERT_TRUE(view_->handleCommand(command::kAddNote));
    EXPECT_EQ(listed(), (QStringList{"Alpha", "New Note"}));
    choose(panel_, 0);
    EXPECT_EQ(panel_->notesPage()->contents(), QStringLiteral("first and second"));
    if (QFileInfo(personalPath()).isFile()) {
        EXPECT_EQ(fileBytes(), before);
    }
}

TEST_F(CPersonalTest, TheOnlyEntryDeletedStaysDeletedWhenItsSaveFails) {
    writePersonal({bookmark("Only")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    makePersonalUnwritable();
    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(panel_->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(boxes(MessageBox::Icon::Warning), 1);
    // Leaving the panel looks at the store again: an empty store is still a loaded one.
    view_->updatePersonalMenu();
    EXPECT_EQ(guide_->personalCount(), 0);
    EXPECT_TRUE(guide_->personalModified());
}

TEST_F(CPersonalTest, FailingSaveOnTheLastDeleteIsReported) {
    writePersonal({note("Alpha"), bookmark("B1")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    makePersonalUnwritable();
    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(panel_->deleteButton(), Qt::LeftButton);

    EXPECT_EQ(boxes(MessageBox::Icon::Warning), 1);
    EXPECT_FALSE(panel_->isVisibleTo(view_));
    ASSERT_EQ(guide_->personalCount(), 1);
    EXPECT_EQ(guide_->personalEntryAt(0), std::optional<PersonalEntry>(note("Alpha")));
}

TEST_F(CPersonalTest, NoEntryOfTheKindKeepsThePanelHidden) {
    writePersonal({note("Alpha")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kBookmarks));
    EXPECT_FALSE(panel_->isVisibleTo(view_));
    EXPECT_FALSE(panel_->isActive());
    ASSERT_EQ(MessageBox::history().size(), 1);
    EXPECT_EQ(MessageBox::history()[0].text, QStringLiteral("Not have stored bookmarks."));
}

TEST_F(CPersonalTest, OpeningAKindShowsTheNewestEntryOfThatKindElseTheFirst) {
    writePersonal({note("Alpha"), note("Beta")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kAddNote));
    EXPECT_EQ(listed(), (QStringList{"Alpha", "Beta", "New Note"}));
    EXPECT_EQ(panel_->entryList()->currentIndex(), 2);
    EXPECT_EQ(panel_->shownPosition(), 2);
    QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);

    // Opened from the menu, the notes show the one added last in this run again.
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    EXPECT_EQ(panel_->entryList()->currentIndex(), 2);
    EXPECT_EQ(panel_->positions(), (QList<int>{0, 1, 2}));
}

TEST_F(CPersonalTest, EditCommandsGoToThePageInFront) {
    writePersonal({note("Alpha", "word")});
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    panel_->tabPanel()->chooseTab(TabPanel::kFirstLabelId + 2);
    QPlainTextEdit* edit = panel_->notesPage()->edit()->textEdit();
    edit->selectAll();
    ASSERT_TRUE(view_->handleCommand(command::kCopy));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("word"));

    // On the Details page they go to the Value cell tapped last.
    panel_->tabPanel()->chooseTab(TabPanel::kFirstLabelId);
    QApplication::clipboard()->setText(QStringLiteral("Italy"));
    EditCell* cell = panel_->detailsPage()->noteGrid()->editCellAt(0, 1);
    QTest::mouseClick(cell->lineEdit(), Qt::LeftButton);
    cell->lineEdit()->selectAll();
    ASSERT_TRUE(view_->handleCommand(command::kPaste));
    EXPECT_EQ(cell->text(), QStringLiteral("Italy"));
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("word"));
}

}  // namespace corkwise::test

namespace corkwise::test {

// Renders the panel as the user sees it. Set CORKWISE_SHOT_DIR to keep the pictures.
TEST_F(CPersonalTest, LooksLikeTheRestOfTheProgram) {
    writePersonal({bookmark("Grand Vin 2010", "Tasted at the cellar door."),
                   note("Dinner with Anna", "Bright cherry, soft tannins.\nBuy again.")});
    start();
    const QByteArray shots = qgetenv("CORKWISE_SHOT_DIR");
    for (const EntryKind kind : {EntryKind::Note, EntryKind::Bookmark}) {
        ASSERT_TRUE(
            view_->handleCommand(kind == EntryKind::Note ? command::kNotes : command::kBookmarks));
        const QImage details = panel_->grab().toImage();
        panel_->tabPanel()->chooseTab(TabPanel::kFirstLabelId + 2);
        const QImage notes = panel_->grab().toImage();
        panel_->tabPanel()->chooseTab(TabPanel::kFirstLabelId);

        ASSERT_EQ(details.size(), QSize(240, 268));
        EXPECT_EQ(details.pixelColor(5, 5), SearchPage::kBackground);
        EXPECT_EQ(details.pixelColor(40, 258), SearchPage::kBoxColour);
        EXPECT_EQ(details.pixelColor(200, 258), SearchPage::kBoxColour);
        EXPECT_EQ(details.pixelColor(11, 150), SearchPage::kFrameColour);
        EXPECT_NE(details, notes);
        if (!shots.isEmpty()) {
            const QString stem = QString::fromLocal8Bit(shots) +
                                 (kind == EntryKind::Note ? QStringLiteral("/panel-note")
                                                          : QStringLiteral("/panel-bookmark"));
            details.save(stem + QStringLiteral("-details.png"));
            notes.save(stem + QStringLiteral("-notes.png"));
        }
        if (kind == EntryKind::Note) {
            panel_->goToOrRename();
            const QImage renaming = panel_->grab().toImage();
            EXPECT_EQ(renaming.pixelColor(15, 100), SearchPage::kBackground);
            EXPECT_NE(renaming, details);
            if (!shots.isEmpty()) {
                renaming.save(QString::fromLocal8Bit(shots) + QStringLiteral("/panel-rename.png"));
            }
            panel_->renameBox()->reject();
        }
        QTest::mouseClick(panel_->doneButton(), Qt::LeftButton);
    }
}

}  // namespace corkwise::test
namespace corkwise::test {

TEST_F(CPersonalTest, EntryListDropsDownToTheBottomOfItsRectangle) {
    writePersonal(std::vector<PersonalEntry>(20, note("Note")));
    start();
    ASSERT_TRUE(view_->handleCommand(command::kNotes));
    EXPECT_EQ(panel_->entryList()->geometry(), QRect(10, 27, 220, 22));
    panel_->entryList()->showPopup();
    QWidget* dropped = panel_->entryList()->view()->window();
    QTRY_VERIFY(dropped->isVisible());
    EXPECT_EQ(QRect(panel_->mapFromGlobal(dropped->pos()), dropped->size()),
              QRect(10, 49, 220, 85));
    panel_->entryList()->hidePopup();
}

}  // namespace corkwise::test
