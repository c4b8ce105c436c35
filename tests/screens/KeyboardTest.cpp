// The whole program from the keyboard alone, on a catalogue with one path through every search:
// each search from its banner to its last page, a page's focus order and keys, a bookmark, the
// command bar's letters and shortcuts, and what screen readers are told about every screen.
// A watch on the application proves that no mouse event is sent.

#include "CompiledProgramFixture.h"
#include "controls/EditCell.h"
#include "controls/GridList.h"
#include "personal/PersonalFile.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"
#include "screens/personal/CPersonal.h"
#include "testsupport/SourceCatalogue.h"

#include <QAccessible>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMetaEnum>
#include <QSignalSpy>

namespace corkwise::test {
namespace {

struct MouseWatch : QObject {
    int count = 0;
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        const QEvent::Type t = event->type();
        count += t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
                 t == QEvent::MouseButtonDblClick;
        return false;
    }
};

class KeyboardTest : public CompiledProgramFixture {
protected:
    CatalogueSources sources() const override {
        return sourcesAroundWines(
            "id,origin,category,type,region,producer,vintage,product,designation,variety,"
            "appellation,score\n"
            "W1,France,Still,Red,Rh\xC3\xB4ne,Domaine des \xC3\x89"
            "cluses,1998,Gigondas,,Grenache,Gigondas,90\n"
            "W2,France,Still,Red,Rh\xC3\xB4ne,Domaine des \xC3\x89"
            "cluses,1998,Gigondas,Vieilles Vignes,Grenache,Gigondas,92\n"
            "W3,U.S.,Still,Red,California,Hollow Creek,1997,Merlot,,Merlot,Napa Valley,87\n");
    }
    void SetUp() override {
        CompiledProgramFixture::SetUp();
        frame_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
        QTRY_VERIFY(view()->firstPaintDone());
        qApp->installEventFilter(&mice_);
    }
    void TearDown() override {
        qApp->removeEventFilter(&mice_);
        EXPECT_EQ(mice_.count, 0) << "a keyboard test sent mouse events";
        CompiledProgramFixture::TearDown();
    }

    // A key pressed where the focus is (an open menu or list first), as the window system does.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        target = target != nullptr ? target : QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no focus for key " << key;
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
    void press(const std::vector<int>& keys) {
        for (int key : keys) {
            press(key);
        }
    }
    // The focused control by object name, or by its name for screen readers.
    static QString focusName() {
        const QWidget* f = QApplication::focusWidget();
        return f == nullptr                 ? QString()
               : !f->objectName().isEmpty() ? f->objectName()
                                            : f->accessibleName();
    }
    int currentPageId() const {
        return view()->currentPage() != nullptr ? view()->currentPage()->pageId() : -1;
    }

    MouseWatch mice_;
};

// What a page shows from the top: drop-down choices, list entries, grid rows, info texts.
QStringList pageContent(const SearchPage* page) {
    QStringList shown;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            shown.append(combo->accessibleName() + QStringLiteral(": ") + combo->currentText());
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                shown.append(list->item(i)->text());
            }
        } else if (auto* grid = qobject_cast<GridList*>(w)) {
            for (int r = 0; r < grid->rowCount() - grid->top() && r < grid->visibleSlots(); ++r) {
                shown.append(grid->cellText(r, 0) + u'|' + grid->cellText(r, 1) + u'|' +
                             grid->cellText(r, 2));
            }
        } else if (w->objectName() == QStringLiteral("infoBox")) {
            shown.append(QStringLiteral("Info: ") + qobject_cast<QLabel*>(w)->text());
        }
    }
    return shown;
}

TEST_F(KeyboardTest, EachSearchGoesFromItsBannerToItsLastPage) {
    const QString ecluses = QStringLiteral("Domaine des \u00c9cluses");
    const struct {
        int flow;
        int downs;              // arrow presses from the first banner
        std::vector<int> keys;  // on the pages; Enter is Next
        int lastPage;
        QStringList content;
    } walks[] = {
        {kFindWineFlow,
         1,
         {Qt::Key_Up, Qt::Key_Return, Qt::Key_Return},
         10003,
         {"Vintage: 1998", "Product: Gigondas", "1998|90|", "1998|92|Vieilles Vignes",
          "Info: " + ecluses + " Gigondas Grenache "}},
        {kFoodAndWineFlow, 0, {Qt::Key_Return}, 10006, {"France Rh\u00f4ne Gigondas"}},
        {kVintageChartFlow,
         2,
         {Qt::Key_Return},
         10008,
         {"1998|90|H", "Info: This is an excellent vintage! Hold it to improve."}},
        {kBestValuesFlow,
         3,
         {Qt::Key_Return},
         10010,
         {"Producer: " + ecluses, "-Not Available-", "Info: " + ecluses + " Gigondas"}},
        {kBestProducersFlow, 4, {Qt::Key_Return}, 10012, {ecluses}},
    };
    for (const auto& w : walks) {
        SCOPED_TRACE(w.flow);
        while (focusName() != QStringLiteral("banner10005")) {  // the top banner
            press(Qt::Key_Up);
        }
        for (int i = 0; i < w.downs; ++i) {
            press(Qt::Key_Down);
        }
        ASSERT_EQ(focusName(), QStringLiteral("banner%1").arg(w.flow));
        press(Qt::Key_Space);
        EXPECT_EQ(currentPageId(), w.flow);
        press(w.keys);
        ASSERT_EQ(currentPageId(), w.lastPage);
        EXPECT_TRUE(view()->strip()->finishButton()->isVisible());
        EXPECT_EQ(pageContent(view()->currentPage()), w.content);
        // Enter on a list of wines opens the wine's card; Escape leaves: home, on the banner.
        press(Qt::Key_Escape);
        EXPECT_EQ(focusName(), QStringLiteral("banner%1").arg(w.flow));
    }
}

TEST_F(KeyboardTest, FocusFollowsEachScreenAndItsKeys) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* focus;
        int page;  // the current page, -1 when none
    } steps[] = {
        {Qt::Key_1, Qt::ControlModifier, "originCombo", 10001},  // Wine Search from anywhere
        {Qt::Key_Tab, {}, "wineCategoryCombo", 10001},
        {Qt::Key_Tab, {}, "wineTypeCombo", 10001},
        {Qt::Key_Tab, {}, "regionCombo", 10001},
        {Qt::Key_Tab, {}, "cancelButton", 10001},
        {Qt::Key_Tab, {}, "backButton", 10001},
        {Qt::Key_Tab, {}, "nextButton", 10001},
        {Qt::Key_Tab, {}, "originCombo", 10001},
        {Qt::Key_Backtab, Qt::ShiftModifier, "nextButton", 10001},
        {Qt::Key_Return, {}, "segmentCombo", 10002},  // the focused Next
        {Qt::Key_Left, Qt::AltModifier, "originCombo", 10001},
        {Qt::Key_Right, Qt::AltModifier, "segmentCombo", 10002},
        {Qt::Key_Tab, {}, "producerList", 10002},
        {Qt::Key_Return, {}, "vintageCombo", 10003},              // Enter on a list is Next
        {Qt::Key_Right, Qt::AltModifier, "vintageCombo", 10003},  // nothing after the last
        {Qt::Key_Tab, Qt::ShiftModifier, "finishButton", 10003},
        {Qt::Key_Tab, Qt::ShiftModifier, "backButton", 10003},
        {Qt::Key_Space, {}, "segmentCombo", 10002},
        {Qt::Key_Escape, {}, "banner10001", -1},  // Cancel
        {Qt::Key_Return, {}, "originCombo", 10001},
        {Qt::Key_Down, Qt::AltModifier, "originCombo", 10001},  // a dropped list keeps
        {Qt::Key_Escape, {}, "originCombo", 10001},             // its Escape
        {Qt::Key_Return, {}, "segmentCombo", 10002},
        {Qt::Key_Home, Qt::AltModifier, "banner10001", -1},
        {Qt::Key_Return, {}, "originCombo", 10001},
        {Qt::Key_Return, {}, "segmentCombo", 10002},
        {Qt::Key_Return, {}, "vintageCombo", 10003},
        {Qt::Key_Return, {}, "banner10001", -1},  // Finish
        {Qt::Key_3, Qt::ControlModifier, "originCombo", 10007},
        {Qt::Key_Return, {}, "chartGrid", 10008},
        {Qt::Key_Tab, Qt::ShiftModifier, "moreSearchButton", 10008},
        {Qt::Key_Return, {}, "bestProducersButton", -1},  // the menu of searches
        {Qt::Key_Tab, {}, "bestValuesButton", -1},
        {Qt::Key_Tab, {}, "powerSearchButton", -1},
        {Qt::Key_Tab, {}, "bestProducersButton", -1},
        {Qt::Key_Escape, {}, "banner10007", -1},
        {Qt::Key_P, Qt::AltModifier, "", -1},  // the Personal menu
        {Qt::Key_A, {}, "Notes", -1},          // Add Note: typing goes to the note
        {Qt::Key_Tab, Qt::ControlModifier, "ORIGIN", -1},
        {Qt::Key_Tab, Qt::ControlModifier, "Notes", -1},
        {Qt::Key_Escape, {}, "banner10007", -1},  // Done
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.focus);
        press(s.key, s.modifiers);
        if (QApplication::activePopupWidget() == nullptr) {
            EXPECT_EQ(focusName(), QString::fromLatin1(s.focus));
            EXPECT_EQ(currentPageId(), s.page);
        }
    }
    EXPECT_FALSE(view()->personalPanel()->isVisible());
    EXPECT_EQ(PersonalFile::parse(*PersonalFile::readAll(personalPath_)).entries.size(), 1u);
}

TEST_F(KeyboardTest, AWineIsBookmarkedFromTheKeyboard) {
    press(Qt::Key_1, Qt::ControlModifier);
    press({Qt::Key_Up, Qt::Key_Return, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab});
    ASSERT_EQ(focusName(), QStringLiteral("wineGrid"));
    press(Qt::Key_Down);  // the second wine, Vieilles Vignes
    press(Qt::Key_Menu);  // its hold menu
    ASSERT_EQ(QApplication::activePopupWidget()->objectName(), QStringLiteral("wineMenu"));
    press({Qt::Key_Down, Qt::Key_Return});  // "Add bookmark"
    ASSERT_TRUE(view()->personalPanel()->isVisible());
    EXPECT_EQ(focusName(), QStringLiteral("entryList"));
    press(Qt::Key_Escape);  // Done writes the file

    const QByteArray bytes = *PersonalFile::readAll(personalPath_);
    const std::vector<PersonalEntry> entries = PersonalFile::parse(bytes).entries;
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind(), EntryKind::Bookmark);
    EXPECT_EQ(entries[0].name(), QStringLiteral("Gigondas"));
    QList<QByteArray> values;
    for (const DictValue& v : entries[0].values()) {
        values.append(v.text());
    }
    EXPECT_EQ(values, QList<QByteArray>({"France", "Still", "Red", "Rh\xF4ne", "D - F",
                                         "Domaine des \xC9"
                                         "cluses",
                                         "1998", "Gigondas", "Vieilles Vignes", "Grenache",
                                         "Gigondas", "92"}));
    EXPECT_EQ(bytes, PersonalFile::serialise(entries));  // nothing else in the file
}

TEST_F(KeyboardTest, MenusOpenByTheirLettersAndSearchesByTheirShortcuts) {
    // Only the spy hears the commands, so that Exit and About do nothing.
    QObject::disconnect(bar(), &CommandBar::command, frame_.get(), nullptr);
    QSignalSpy commands(bar(), &CommandBar::command);
    const int search = CommandBar::kSearchPosition;
    const struct {
        QKeyCombination keys;
        int menu;    // the menu that opens, -1 for none
        int letter;  // then pressed in it, 0 to close it
        int command;
    } rows[] = {
        {QKeyCombination(Qt::AltModifier, Qt::Key_F), CommandBar::kFilePosition, Qt::Key_X,
         command::kExit},
        {QKeyCombination(Qt::Key_F10), CommandBar::kFilePosition, 0, 0},
        {QKeyCombination(Qt::AltModifier, Qt::Key_P), bar()->visiblePersonalPosition(), Qt::Key_A,
         command::kAddNote},
        {QKeyCombination(Qt::AltModifier, Qt::Key_S), search, Qt::Key_F, command::kFindByName},
        {QKeyCombination(Qt::AltModifier, Qt::Key_S), search, Qt::Key_W, command::kSearchFindWine},
        {QKeyCombination(Qt::AltModifier, Qt::Key_S), search, Qt::Key_O,
         command::kSearchFoodAndWine},
        {QKeyCombination(Qt::AltModifier, Qt::Key_S), search, Qt::Key_V,
         command::kSearchVintageChart},
        {QKeyCombination(Qt::AltModifier, Qt::Key_S), search, Qt::Key_B,
         command::kSearchBestValues},
        {QKeyCombination(Qt::AltModifier, Qt::Key_S), search, Qt::Key_P,
         command::kSearchBestProducers},
        {QKeyCombination(Qt::AltModifier, Qt::Key_H), CommandBar::kHelpPosition, Qt::Key_A,
         command::kAbout},
        {QKeyCombination(Qt::AltModifier, Qt::Key_E), -1, 0, 0},  // Edit is hidden at home
        {QKeyCombination(Qt::ControlModifier, Qt::Key_F), -1, 0, command::kFindByName},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_1), -1, 0, command::kSearchFindWine},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_2), -1, 0, command::kSearchFoodAndWine},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_3), -1, 0, command::kSearchVintageChart},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_4), -1, 0, command::kSearchBestValues},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_5), -1, 0, command::kSearchBestProducers},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(QKeySequence(r.keys).toString().toStdString());
        commands.clear();
        press(r.keys.key(), r.keys.keyboardModifiers());
        QWidget* open = QApplication::activePopupWidget();
        EXPECT_EQ(open, r.menu >= 0 ? static_cast<QWidget*>(bar()->popup(r.menu)) : nullptr);
        if (open != nullptr) {
            press(r.letter != 0 ? r.letter : Qt::Key_Escape);
        }
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(commands.size(), r.command != 0 ? 1 : 0);
        if (r.command != 0 && !commands.isEmpty()) {
            EXPECT_EQ(commands[0][0].toInt(), r.command);
        }
        // A shortcut is shown beside its item.
        if (r.menu < 0 && r.command != 0) {
            EXPECT_EQ(bar()->item(search, r.command)->shortcut(), QKeySequence(r.keys));
        }
    }
}

// "Role: name" of every control shown in VIEW, in widget tree order, with a grid's rows and an
// info box's text after it; labels and the strip's buttons are checked but not listed. A
// drop-down list is named by its label (the relation screen readers follow) and shows its choice.
QStringList describe(QWidget* view) {
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    QStringList found;
    for (QWidget* w : view->findChildren<QWidget*>()) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        const QAccessible::Role role = iface->role();
        const bool container = role == QAccessible::Client || role == QAccessible::Pane ||
                               role == QAccessible::ScrollBar || role == QAccessible::Grouping ||
                               role == QAccessible::Border;
        if (!w->isVisibleTo(view) || (container && !(w->focusPolicy() & Qt::TabFocus))) {
            continue;
        }
        QString name = iface->text(QAccessible::Name);
        if (role == QAccessible::ComboBox) {
            const auto labels = iface->relations(QAccessible::Label);
            name = labels.isEmpty() ? QString()
                                    : labels[0].first->text(QAccessible::Name) + u' ' +
                                          iface->text(QAccessible::Value);
        }
        EXPECT_FALSE(name.isEmpty())
            << "unnamed " << roles.valueToKey(role) << " " << w->objectName().toStdString();
        if (role == QAccessible::StaticText ||
            w->parentWidget() == view->findChild<QWidget*>("navigationStrip")) {
            continue;
        }
        found.append(QString::fromLatin1(roles.valueToKey(role)) + u':' + u' ' + name);
        for (int i = 0;
             role == QAccessible::List && qobject_cast<GridList*>(w) && i < iface->childCount();
             ++i) {
            found.append(QStringLiteral("  ") + iface->child(i)->text(QAccessible::Name) +
                         (iface->child(i)->state().selected ? QStringLiteral(" (selected)") : ""));
        }
        if (role == QAccessible::EditableText && iface->state().readOnly) {
            found.append(QStringLiteral("  ") + iface->text(QAccessible::Value));
        }
    }
    return found;
}

TEST_F(KeyboardTest, EveryControlOfEveryScreenHasARoleAndAName) {
    enum { Home = -1, MenuOfSearches = -2, Notes = -3, NameSearch = -4 };
    const QStringList form = {"ComboBox: Origin: France", "ComboBox: Wine Category: Still",
                              "ComboBox: Wine Type: Red", "ComboBox: Region: Rh\u00f4ne",
                              "ComboBox: Variety/Appellation: Gigondas"};
    const struct {
        int screen;  // a page id, or one of the screens above
        QStringList controls;
    } screens[] = {
        {Home,
         {"Button: Food & Wine", "Button: Wine Search", "Button: Vintage Chart",
          "Button: Best Values", "Button: Best Producers"}},
        {10001,
         {"ComboBox: Origin: U.S.", "ComboBox: Wine Category: Still", "ComboBox: Wine Type: Red",
          "ComboBox: Region: California"}},
        {10002, {"ComboBox: Segment : G - I", "List: Producer"}},
        {10003,
         {"ComboBox: Vintage: 1997", "ComboBox: Product: Merlot", "List: Wines",
          "  1997, 87 (selected)", "EditableText: Info", "  Hollow Creek Napa Valley Merlot "}},
        {10005,
         {"ComboBox: Type Of Food : Meat", "ComboBox: Food : Lamb", "EditableText: Help",
          "  First select your preferred type of food, then select the food..."}},
        {10006, {"Button: More Search", "List: Wine Types"}},
        {10007, form},
        {10008,
         {"Button: More Search", "List: Vintage Rating", "  1998, 90, H (selected)",
          "EditableText: Info", "  This is an excellent vintage! Hold it to improve."}},
        {10009, form},
        {10010,
         {"ComboBox: Producer : Domaine des \u00c9cluses", "List: Appellation/Description",
          "EditableText: Info", "  Domaine des \u00c9cluses Gigondas"}},
        {10011, form},
        {10012, {"List: Best Producers"}},
        {MenuOfSearches, {"Button: Best Producers", "Button: Best Values", "Button: Power Search"}},
        {Notes,
         {"EditableText: Notes", "PageTab: Details", "PageTab: Notes", "ComboBox: Name: New Note",
          "Button: Rename", "Button: Delete", "Button: Done"}},
        {NameSearch, {"EditableText: Name", "List: Matching wines", "Button: Cancel"}},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(s.screen);
        view()->goHome();
        const int page = s.screen == MenuOfSearches ? 10008 : s.screen;
        if (page > 0) {
            // Flows start at 10001, 10005, 10007, 10009 and 10011.
            const int flow = page <= 10003 ? kFindWineFlow : page - (page + 1) % 2;
            view()->startFromMenu(flow);
            for (int i = flow; i < page; ++i) {
                view()->goNext();
            }
        }
        if (s.screen == MenuOfSearches) {
            view()->moreSearch();
        } else if (s.screen == Notes) {
            view()->handleCommand(command::kAddNote);
        } else if (s.screen == NameSearch) {
            view()->showNameSearch();
        }
        EXPECT_EQ(describe(view()), s.controls);
    }
    view()->goHome();
}

}  // namespace
}  // namespace corkwise::test
