// What screen readers are told about every screen, read through Qt's accessibility interface:
// each control's role and name, screen by screen. The walk goes through the whole widget tree,
// so a control added without a name fails here.

#include "KeyboardFixture.h"
#include "controls/GridList.h"
#include "screens/AdvancedSearchPanel.h"
#include "screens/NavigationStrip.h"
#include "screens/SearchPage.h"
#include "screens/personal/CPersonal.h"

#include <QAccessible>
#include <QMetaEnum>

#include <cstdio>
#include <functional>

namespace corkwise::test {
namespace {

using AccessibilityTest = KeyboardFixture;

// Roles of the widgets that only hold others; they need no name unless they take the focus.
bool isContainer(QAccessible::Role role) {
    return role == QAccessible::Client || role == QAccessible::Pane ||
           role == QAccessible::Grouping || role == QAccessible::Window ||
           role == QAccessible::ScrollBar || role == QAccessible::Border;
}

QString roleName(QAccessible::Role role) {
    return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role));
}

// "Role: name" for every control shown in VIEW, in the order of the widget tree; a list's items
// and read-only text's value follow it, indented. Unnamed controls are reported as failures.
QStringList describe(QWidget* view) {
    QStringList found;
    for (QWidget* w : view->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(view) || w->window() != view->window()) {
            continue;
        }
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        if (iface == nullptr) {
            ADD_FAILURE() << "no accessible interface for " << w->objectName().toStdString();
            continue;
        }
        const QAccessible::Role role = iface->role();
        if (isContainer(role) && !(w->focusPolicy() & Qt::TabFocus)) {
            continue;
        }
        QString name = iface->text(QAccessible::Name);
        if (role == QAccessible::ComboBox) {
            // A drop-down list is named by the label that says what it is; on some systems the
            // reader takes the label through this relation and the name is the choice shown.
            const auto labels = iface->relations(QAccessible::Label);
            name = labels.isEmpty() ? QString()
                                    : labels.first().first->text(QAccessible::Name) +
                                          QStringLiteral(" = ") + iface->text(QAccessible::Value);
        }
        EXPECT_FALSE(name.isEmpty())
            << "unnamed " << roleName(role).toStdString() << " " << w->metaObject()->className()
            << " " << w->objectName().toStdString();
        found.append(roleName(role) + QStringLiteral(": ") + name);
        if (qobject_cast<GridList*>(w) != nullptr) {
            for (int i = 0; i < iface->childCount(); ++i) {
                QAccessibleInterface* row = iface->child(i);
                found.append(QStringLiteral("  ") + roleName(row->role()) + QStringLiteral(": ") +
                             row->text(QAccessible::Name) +
                             (row->state().selected ? QStringLiteral(" (selected)") : QString()));
            }
        }
        if (role == QAccessible::EditableText && iface->state().readOnly) {
            found.append(QStringLiteral("  read-only: ") + iface->text(QAccessible::Value));
        }
    }
    return found;
}

TEST_F(AccessibilityTest, EveryControlOfEveryScreenHasARoleAndAName) {
    const auto startAt = [this](int flow, int page) {
        view()->goHome();
        view()->startFromMenu(flow);
        for (int i = 0; i < page; ++i) {
            view()->goNext();
        }
    };
    const struct {
        const char* screen;
        std::function<void()> show;
        QStringList controls;
    } screens[] = {
        {"home",
         [this] { view()->goHome(); },
         {"Button: Food & Wine", "Button: Wine Search", "Button: Vintage Chart",
          "Button: Best Values", "Button: Best Producers"}},
        {"Wine Search criteria",
         [&] { startAt(kFindWineFlow, 0); },
         {"Button: Back", "Button: Next", "Button: Cancel",
          "StaticText: Origin:", "ComboBox: Origin: = U.S.",
          "StaticText: Wine Category:", "ComboBox: Wine Category: = Still",
          "StaticText: Wine Type:", "ComboBox: Wine Type: = Red",
          "StaticText: Region:", "ComboBox: Region: = California"}},
        {"Wine Search producer",
         [&] { startAt(kFindWineFlow, 1); },
         {"Button: Back", "Button: Next", "Button: Cancel", "StaticText: Segment :",
          "ComboBox: Segment : = G - I", "StaticText: Producer :", "List: Producer"}},
        {"Wine Search wines",
         [&] { startAt(kFindWineFlow, 2); },
         {"Button: Back", "Button: Finish", "Button: Cancel", "StaticText: Vintage:",
          "ComboBox: Vintage: = 1997", "StaticText: Product:", "ComboBox: Product: = Merlot",
          "List: Wines", "  ListItem: 1997, 87 (selected)", "EditableText: Info",
          "  read-only: Hollow Creek Napa Valley Merlot "}},
        {"Food & Wine form",
         [&] { startAt(kFoodAndWineFlow, 0); },
         {"Button: Back", "Button: Next", "Button: Cancel", "StaticText: Select Food",
          "StaticText: Type Of Food :", "ComboBox: Type Of Food : = Meat",
          "StaticText: Food :", "ComboBox: Food : = Lamb", "StaticText: Help", "EditableText: Help",
          "  read-only: First select your preferred type of food, then select the food..."}},
        {"Food & Wine results",
         [&] { startAt(kFoodAndWineFlow, 1); },
         {"Button: Back", "Button: Finish", "Button: Cancel",
          "StaticText: Wine Types :", "Button: More Search", "List: Wine Types"}},
        {"Vintage Chart form",
         [&] { startAt(kVintageChartFlow, 0); },
         {"Button: Back", "Button: Next", "Button: Cancel",
          "StaticText: Origin:", "ComboBox: Origin: = France",
          "StaticText: Wine Category:", "ComboBox: Wine Category: = Still",
          "StaticText: Wine Type:", "ComboBox: Wine Type: = Red",
          "StaticText: Region:", "ComboBox: Region: = Rh\u00f4ne",
          "StaticText: Variety/Appellation:", "ComboBox: Variety/Appellation: = Gigondas"}},
        {"Vintage Chart results",
         [&] { startAt(kVintageChartFlow, 1); },
         {"Button: Back", "Button: Finish", "Button: Cancel", "StaticText: Vintage Rating:",
          "Button: More Search", "List: Vintage Rating", "  ListItem: 1998, 90, H (selected)",
          "EditableText: Info", "  read-only: This is an excellent vintage! Hold it to improve."}},
        {"Best Values form",
         [&] { startAt(kBestValuesFlow, 0); },
         {"Button: Back", "Button: Next", "Button: Cancel",
          "StaticText: Origin:", "ComboBox: Origin: = France",
          "StaticText: Wine Category:", "ComboBox: Wine Category: = Still",
          "StaticText: Wine Type:", "ComboBox: Wine Type: = Red",
          "StaticText: Region:", "ComboBox: Region: = Rh\u00f4ne",
          "StaticText: Variety/Appellation:", "ComboBox: Variety/Appellation: = Gigondas"}},
        {"Best Values results",
         [&] { startAt(kBestValuesFlow, 1); },
         {"Button: Back", "Button: Finish", "Button: Cancel",
          "StaticText: Producer :", "ComboBox: Producer : = Domaine des \u00c9cluses",
          "StaticText: Appellation/Description :", "List: Appellation/Description",
          "EditableText: Info", "  read-only: Domaine des \u00c9cluses Gigondas"}},
        {"Best Producers form",
         [&] { startAt(kBestProducersFlow, 0); },
         {"Button: Back", "Button: Next", "Button: Cancel",
          "StaticText: Origin:", "ComboBox: Origin: = France",
          "StaticText: Wine Category:", "ComboBox: Wine Category: = Still",
          "StaticText: Wine Type:", "ComboBox: Wine Type: = Red",
          "StaticText: Region:", "ComboBox: Region: = Rh\u00f4ne",
          "StaticText: Variety/Appellation:", "ComboBox: Variety/Appellation: = Gigondas"}},
        {"Best Producers results",
         [&] { startAt(kBestProducersFlow, 1); },
         {"Button: Back", "Button: Finish", "Button: Cancel",
          "StaticText: Best Producers for Gigondas:", "List: Best Producers"}},
        {"menu of searches",
         [&] {
             startAt(kVintageChartFlow, 1);
             click("moreSearchButton");
         },
         {"StaticText: Advanced Search:", "Button: Best Producers", "Button: Best Values",
          "Button: Power Search"}},
        {"notes",
         [this] {
             view()->goHome();
             view()->handleCommand(command::kAddNote);
         },
         {"EditableText: Notes", "PageTab: Details", "PageTab: Notes", "StaticText: Name:",
          "ComboBox: Name: = New Note", "Button: Rename", "Button: Delete", "Button: Done"}},
        {"name search",
         [this] {
             view()->goHome();
             view()->showNameSearch();
         },
         {"StaticText: Find by Name:", "EditableText: Name", "List: Matching wines",
          "StaticText: Type two or more letters.", "Button: Cancel"}},
    };
    for (const auto& s : screens) {
        SCOPED_TRACE(s.screen);
        s.show();
        const QStringList controls = describe(view());
        if (controls != s.controls) {
            std::printf("%s\n    \"%s\"\n", s.screen,
                        controls.join(QStringLiteral("\",\n    \"")).toUtf8().constData());
        }
        EXPECT_EQ(controls, s.controls);
    }
}

}  // namespace
}  // namespace corkwise::test
