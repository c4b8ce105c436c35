// The whole program from the keyboard alone: each search from the home picture to its last page,
// the focus order of a page and its keys, the menu of searches, a bookmark and a note, and the
// command bar's letters and shortcuts. No test here sends a mouse event.

#include "KeyboardFixture.h"
#include "controls/EditCell.h"
#include "controls/GridList.h"
#include "personal/PersonalFile.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"
#include "screens/personal/CPersonal.h"
#include "screens/personal/DetailsPage.h"
#include "screens/personal/NotesPage.h"

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>

namespace corkwise::test {
namespace {

using KeyboardWalkTest = KeyboardFixture;

// What the page shows, control by control from the top: a drop-down list's choice, a list's
// entries, a grid's rows and an info box's text.
QStringList pageContent(const SearchPage* page) {
    QStringList shown;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(page)) {
            continue;
        }
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            shown.append(combo->accessibleName() + QStringLiteral(": ") + combo->currentText());
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                shown.append(list->item(i)->text());
            }
        } else if (auto* grid = qobject_cast<GridList*>(w)) {
            for (int r = 0; r < grid->rowCount() - grid->top() && r < grid->visibleSlots(); ++r) {
                QStringList cells;
                for (int j = 0; j < grid->columnCount(); ++j) {
                    cells.append(grid->cellText(r, j));
                }
                shown.append(cells.join(QLatin1Char('|')));
            }
        } else if (w->objectName() == QStringLiteral("infoBox")) {
            shown.append(QStringLiteral("Info: ") + qobject_cast<QLabel*>(w)->text());
        }
    }
    return shown;
}

TEST_F(KeyboardWalkTest, EachSearchGoesFromItsBannerToItsLastPage) {
    const struct {
        const char* search;
        int flow;
        int downs;              // arrow presses from the first banner
        std::vector<int> keys;  // on the pages, Enter being Next
        int lastPage;
        QStringList content;
    } walks[] = {
        {"Wine Search",
         kFindWineFlow,
         1,
         {Qt::Key_Up, Qt::Key_Return, Qt::Key_Return},
         10003,
         {"Vintage: 1998", "Product: Gigondas", "1998|90|", "1998|92|Vieilles Vignes",
          "Info: Domaine des \u00c9cluses Gigondas Grenache "}},
        {"Food & Wine",
         kFoodAndWineFlow,
         0,
         {Qt::Key_Return},
         10006,
         {"France Rh\u00f4ne Gigondas"}},
        {"Vintage Chart", kVintageChartFlow, 2, {Qt::Key_Return}, 10008, {"1998|90|H", "Info: "}},
        {"Best Values",
         kBestValuesFlow,
         3,
         {Qt::Key_Return},
         10010,
         {"Producer: Domaine des \u00c9cluses", "-Not Available-",
          "Info: Domaine des \u00c9cluses Gigondas"}},
        {"Best Producers",
         kBestProducersFlow,
         4,
         {Qt::Key_Return},
         10012,
         {"Domaine des \u00c9cluses"}},
    };
    for (const auto& w : walks) {
        SCOPED_TRACE(w.search);
        // Home gives the focus to the first banner, or to the one last used.
        ASSERT_EQ(view()->current(), -1);
        while (focusName() != QStringLiteral("banner10005")) {
            press(Qt::Key_Up);
        }
        for (int i = 0; i < w.downs; ++i) {
            press(Qt::Key_Down);
        }
        ASSERT_EQ(focusName(), QStringLiteral("banner%1").arg(w.flow));
        press(Qt::Key_Space);
        ASSERT_EQ(view()->current(), 0);
        EXPECT_EQ(view()->currentPage()->pageId(), w.flow);
        press(w.keys);

        SearchPage* last = view()->currentPage();
        ASSERT_NE(last, nullptr);
        EXPECT_EQ(last->pageId(), w.lastPage);
        EXPECT_TRUE(view()->strip()->finishButton()->isVisible());
        QStringList content = pageContent(last);
        if (w.flow == kVintageChartFlow) {
            // The rating sentence is the chart's own business; here only that one is shown.
            ASSERT_EQ(content.size(), 2);
            EXPECT_GT(content[1].size(), 12);
            content[1] = QStringLiteral("Info: ");
        }
        EXPECT_EQ(content, w.content);

        press(Qt::Key_Return);  // Finish
        EXPECT_EQ(view()->current(), -1);
        EXPECT_EQ(focusName(), QStringLiteral("banner%1").arg(w.flow));
    }
    EXPECT_EQ(mouseEvents(), 0);
}

TEST_F(KeyboardWalkTest, APageIsWalkedTopToBottomThenCancelBackNext) {
    press(Qt::Key_1, Qt::ControlModifier);  // Wine Search from anywhere
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* focus;
        int page;  // the current page's id, -1 at home
    } steps[] = {
        {0, Qt::NoModifier, "originCombo", 10001},
        {Qt::Key_Tab, Qt::NoModifier, "wineCategoryCombo", 10001},
        {Qt::Key_Tab, Qt::NoModifier, "wineTypeCombo", 10001},
        {Qt::Key_Tab, Qt::NoModifier, "regionCombo", 10001},
        {Qt::Key_Tab, Qt::NoModifier, "cancelButton", 10001},
        {Qt::Key_Tab, Qt::NoModifier, "backButton", 10001},
        {Qt::Key_Tab, Qt::NoModifier, "nextButton", 10001},
        {Qt::Key_Tab, Qt::NoModifier, "originCombo", 10001},
        {Qt::Key_Backtab, Qt::ShiftModifier, "nextButton", 10001},
        {Qt::Key_Return, Qt::NoModifier, "segmentCombo", 10002},  // the focused Next
        {Qt::Key_Left, Qt::AltModifier, "originCombo", 10001},
        {Qt::Key_Right, Qt::AltModifier, "segmentCombo", 10002},
        {Qt::Key_Tab, Qt::NoModifier, "producerList", 10002},
        {Qt::Key_Return, Qt::NoModifier, "vintageCombo", 10003},  // Enter on a list is Next
        {Qt::Key_Right, Qt::AltModifier, "vintageCombo", 10003},  // no page after the last
        {Qt::Key_Tab, Qt::ShiftModifier, "finishButton", 10003},
        {Qt::Key_Tab, Qt::ShiftModifier, "backButton", 10003},
        {Qt::Key_Space, Qt::NoModifier, "segmentCombo", 10002},
        {Qt::Key_Escape, Qt::NoModifier, "banner10001", -1},  // Cancel
        {Qt::Key_Return, Qt::NoModifier, "originCombo", 10001},
        {Qt::Key_Return, Qt::NoModifier, "segmentCombo", 10002},
        {Qt::Key_Home, Qt::AltModifier, "banner10001", -1},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.focus);
        if (s.key != 0) {
            press(s.key, s.modifiers);
        }
        EXPECT_EQ(focusName(), QString::fromLatin1(s.focus));
        EXPECT_EQ(view()->currentPage() != nullptr ? view()->currentPage()->pageId() : -1, s.page);
    }

    // A dropped list keeps its Escape and Enter: the search stays open.
    press(Qt::Key_Return);
    press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    press(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(view()->current(), 0);
    press(Qt::Key_Down, Qt::AltModifier);
    press(Qt::Key_Return);
    EXPECT_EQ(view()->current(), 0);
    EXPECT_EQ(mouseEvents(), 0);
}

TEST_F(KeyboardWalkTest, MoreSearchLeadsToTheMenuOfSearchesWhichEscapeLeaves) {
    press(Qt::Key_3, Qt::ControlModifier);
    press(Qt::Key_Return);
    ASSERT_EQ(view()->currentPage()->pageId(), 10008);
    EXPECT_EQ(focusName(), QStringLiteral("chartGrid"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focusName(), QStringLiteral("moreSearchButton"));
    press(Qt::Key_Return);
    ASSERT_TRUE(view()->advancedPanel()->isVisible());
    // Its buttons in order, round again; greyed ones are passed by.
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        order.append(focusName());
        press(Qt::Key_Tab);
    }
    EXPECT_EQ(order, QStringList({"bestProducersButton", "bestValuesButton", "powerSearchButton",
                                  "bestProducersButton"}));
    press(Qt::Key_Escape);
    EXPECT_FALSE(view()->advancedPanel()->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("banner10007"));
    EXPECT_EQ(mouseEvents(), 0);
}

TEST_F(KeyboardWalkTest, AWineIsBookmarkedFromTheKeyboard) {
    press(Qt::Key_1, Qt::ControlModifier);
    press({Qt::Key_Up, Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab});
    ASSERT_EQ(focusName(), QStringLiteral("wineGrid"));
    press(Qt::Key_Down);  // the second wine, Vieilles Vignes
    press(Qt::Key_Menu);  // its hold menu
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QStringLiteral("wineMenu"));
    press({Qt::Key_Down, Qt::Key_Return});  // "Add bookmark"

    CPersonal* panel = view()->personalPanel();
    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("entryList"));
    press(Qt::Key_Escape);  // Done
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(mouseEvents(), 0);

    QFile file(personalPath_);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const PersonalFileContents read = PersonalFile::parse(bytes);
    EXPECT_FALSE(read.damaged);
    ASSERT_EQ(read.entries.size(), 1u);
    const PersonalEntry& entry = read.entries[0];
    EXPECT_EQ(entry.kind(), EntryKind::Bookmark);
    EXPECT_EQ(entry.name(), QStringLiteral("Gigondas"));
    QList<QByteArray> values;
    for (const DictValue& v : entry.values()) {
        values.append(v.text());
    }
    EXPECT_EQ(values, QList<QByteArray>({"France", "Still", "Red", "Rh\xF4ne", "D - F",
                                         "Domaine des \xC9"
                                         "cluses",
                                         "1998", "Gigondas", "Vieilles Vignes", "Grenache",
                                         "Gigondas", "92"}));
    // The file is exactly what the store writes for that one bookmark.
    EXPECT_EQ(bytes, PersonalFile::serialise({entry}));
}

TEST_F(KeyboardWalkTest, AddNoteTakesTheTypingAndCtrlTabSwitchesPages) {
    press(Qt::Key_P, Qt::AltModifier);
    press(Qt::Key_A);  // Add Note
    CPersonal* panel = view()->personalPanel();
    ASSERT_TRUE(panel->isVisible());
    QTest::keyClicks(focus(), QStringLiteral("Lamb"));
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focus(), panel->detailsPage()->noteGrid()->editCellAt(0, 1)->editor());
    QTest::keyClicks(focus(), QStringLiteral("France"));
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(focus(), panel->notesPage()->edit()->editor());
    press(Qt::Key_Escape);  // Done
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(mouseEvents(), 0);

    const PersonalFileContents read = PersonalFile::parse(*PersonalFile::readAll(personalPath_));
    ASSERT_EQ(read.entries.size(), 1u);
    EXPECT_EQ(read.entries[0].text(), QStringLiteral("Lamb"));
    EXPECT_EQ(read.entries[0].values().at(0).text(), QByteArray("France"));
}

TEST_F(KeyboardWalkTest, MenusOpenByTheirLettersAndSearchesByTheirShortcuts) {
    // Only the spy hears the commands here, so that Exit and About do nothing.
    QObject::disconnect(bar(), &CommandBar::command, frame_.get(), nullptr);
    QSignalSpy commands(bar(), &CommandBar::command);
    const int personal = bar()->visiblePersonalPosition();
    const struct {
        int key;  // with Alt, or F10
        int menu;
        int letter;  // in the open menu; 0 only closes it
        int command;
    } letters[] = {
        {Qt::Key_F, CommandBar::kFilePosition, Qt::Key_X, command::kExit},
        {Qt::Key_F10, CommandBar::kFilePosition, 0, 0},
        {Qt::Key_P, personal, Qt::Key_A, command::kAddNote},
        {Qt::Key_S, CommandBar::kSearchPosition, Qt::Key_F, command::kFindByName},
        {Qt::Key_S, CommandBar::kSearchPosition, Qt::Key_W, command::kSearchFindWine},
        {Qt::Key_S, CommandBar::kSearchPosition, Qt::Key_O, command::kSearchFoodAndWine},
        {Qt::Key_S, CommandBar::kSearchPosition, Qt::Key_V, command::kSearchVintageChart},
        {Qt::Key_S, CommandBar::kSearchPosition, Qt::Key_B, command::kSearchBestValues},
        {Qt::Key_S, CommandBar::kSearchPosition, Qt::Key_P, command::kSearchBestProducers},
        {Qt::Key_H, CommandBar::kHelpPosition, Qt::Key_A, command::kAbout},
        {Qt::Key_E, -1, 0, 0},  // Edit is hidden at home: its letter opens nothing
    };
    for (const auto& l : letters) {
        SCOPED_TRACE(l.key);
        commands.clear();
        press(l.key, l.key == Qt::Key_F10 ? Qt::NoModifier : Qt::AltModifier);
        QWidget* open = QApplication::activePopupWidget();
        EXPECT_EQ(open, l.menu >= 0 ? static_cast<QWidget*>(bar()->popup(l.menu)) : nullptr);
        if (open == nullptr) {
            continue;
        }
        if (l.letter == 0) {
            press(Qt::Key_Escape);
            press(Qt::Key_Escape);
            continue;
        }
        press(l.letter);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        ASSERT_EQ(commands.size(), 1);
        EXPECT_EQ(commands[0][0].toInt(), l.command);
    }

    // The searches' shortcuts, shown beside their items, work wherever the focus is.
    const struct {
        int command;
        QKeySequence keys;
    } shortcuts[] = {
        {command::kFindByName, QKeySequence(Qt::CTRL | Qt::Key_F)},
        {command::kSearchFindWine, QKeySequence(Qt::CTRL | Qt::Key_1)},
        {command::kSearchFoodAndWine, QKeySequence(Qt::CTRL | Qt::Key_2)},
        {command::kSearchVintageChart, QKeySequence(Qt::CTRL | Qt::Key_3)},
        {command::kSearchBestValues, QKeySequence(Qt::CTRL | Qt::Key_4)},
        {command::kSearchBestProducers, QKeySequence(Qt::CTRL | Qt::Key_5)},
    };
    for (const auto& s : shortcuts) {
        SCOPED_TRACE(s.keys.toString().toStdString());
        EXPECT_EQ(bar()->item(CommandBar::kSearchPosition, s.command)->shortcut(), s.keys);
        commands.clear();
        press(s.keys[0].key(), s.keys[0].keyboardModifiers());
        ASSERT_EQ(commands.size(), 1);
        EXPECT_EQ(commands[0][0].toInt(), s.command);
    }
    EXPECT_EQ(mouseEvents(), 0);
}

}  // namespace
}  // namespace corkwise::test
