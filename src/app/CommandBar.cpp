#include "app/CommandBar.h"

#include "app/CommandIds.h"
#include "screens/SearchPage.h"

#include <QAction>
#include <QDir>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include <algorithm>

namespace corkwise {

namespace {

// Which Personal items are usable in each variant, in the order of their bar positions.
struct VariantItems {
    PersonalVariant variant;
    bool addBookmark;
    bool notes;
    bool bookmarks;
};

constexpr VariantItems kPersonalVariants[] = {
    {PersonalVariant::NotesAndBookmarks, false, true, true},
    {PersonalVariant::NothingStored, false, false, false},
    {PersonalVariant::BookmarksOnly, false, false, true},
    {PersonalVariant::NotesOnly, false, true, false},
    {PersonalVariant::NotesAndBookmarksWithAddBookmark, true, true, true},
    {PersonalVariant::NothingStoredWithAddBookmark, true, false, false},
    {PersonalVariant::BookmarksOnlyWithAddBookmark, true, false, true},
    {PersonalVariant::NotesOnlyWithAddBookmark, true, true, false},
};

}  // namespace

CommandBar::CommandBar(QWidget* parent) : QMenuBar(parent) {
    setObjectName(QStringLiteral("commandBar"));
    setNativeMenuBar(false);
    setFont(SearchPage::pageFont(kLargestFacePixels, true));
    setStyleSheet(
        QStringLiteral("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 2px; }"));

    QMenu* file = addPopup(QStringLiteral("&File"), "fileMenu");
    addItem(file, QStringLiteral("&Open Catalogue..."), command::kOpenCatalogue, true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    recentMenu_ = file->addMenu(QStringLiteral("Recent &Catalogues"));
    recentMenu_->setObjectName(QStringLiteral("recentCataloguesMenu"));
    recentMenu_->setFont(SearchPage::pageFont(13, false));
    setRecentCatalogues({});
    file->addSeparator();
    addNotesItems(file);
    QAction* exit = addItem(file, QStringLiteral("E&xit"), command::kExit, true);
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* edit = addPopup(QStringLiteral("&Edit"), "editMenu");
    addItem(edit, QStringLiteral("Cu&t"), command::kCut, true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    addItem(edit, QStringLiteral("&Copy"), command::kCopy, true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    addItem(edit, QStringLiteral("&Paste"), command::kPaste, true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));

    // The popups take their positions in the order they are added.
    for (const VariantItems& v : kPersonalVariants) {
        QMenu* personal =
            addPopup(QStringLiteral("&Personal"),
                     QStringLiteral("personalMenu%1").arg(barPosition(v.variant)).toLatin1());
        addItem(personal, QStringLiteral("&Add Note"), command::kAddNote, true);
        addItem(personal, QStringLiteral("Add &Bookmark"),
                v.addBookmark ? command::kAddBookmark : command::kAddBookmarkGreyed, v.addBookmark);
        personal->addSeparator();
        addItem(personal, QStringLiteral("&Notes"),
                v.notes ? command::kNotes : command::kNotesGreyed, v.notes);
        addItem(personal, QStringLiteral("Book&marks"),
                v.bookmarks ? command::kBookmarks : command::kBookmarksGreyed, v.bookmarks);
        Q_ASSERT(popup(barPosition(v.variant)) == personal);
    }

    QMenu* help = addPopup(QStringLiteral("&Help"), "helpMenu");
    addItem(help, QStringLiteral("Corkwise &Help"), command::kHelp, true)
        ->setShortcut(QKeySequence(Qt::Key_F1));
    addItem(help, QStringLiteral("&About Corkwise..."), command::kAbout, true);

    // Search takes the next position but sits before Help on the bar.
    QMenu* search = addPopup(QStringLiteral("&Search"), "searchMenu");
    removeAction(search->menuAction());
    insertMenu(help->menuAction(), search);
    addItem(search, QStringLiteral("&Find by Name..."), command::kFindByName, true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    search->addSeparator();
    // The five searches in the words of the home picture's banners, Ctrl+1 to Ctrl+5.
    const struct {
        const char* text;
        int commandId;
    } searches[] = {
        {"&Wine Search", command::kSearchFindWine},
        {"F&ood && Wine", command::kSearchFoodAndWine},
        {"&Vintage Chart", command::kSearchVintageChart},
        {"&Best Values", command::kSearchBestValues},
        {"Best &Producers", command::kSearchBestProducers},
    };
    int digit = Qt::Key_1;
    for (const auto& s : searches) {
        addItem(search, QString::fromLatin1(s.text), s.commandId, true)
            ->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(digit++)));
    }

    // F10 opens the first menu shown, as Alt and a menu's letter open that menu.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    f10->setContext(Qt::WindowShortcut);
    connect(f10, &QShortcut::activated, this, &CommandBar::openFirstMenu);

    // View sits after Search, before Help.
    QMenu* view = addPopup(QStringLiteral("&View"), "viewMenu");
    removeAction(view->menuAction());
    insertMenu(help->menuAction(), view);
    addItem(view, QStringLiteral("Zoom &In"), command::kZoomIn, true)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addItem(view, QStringLiteral("Zoom &Out"), command::kZoomOut, true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    addItem(view, QStringLiteral("&Actual Size"), command::kActualSize, true)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    // Until the main view picks its variant, one Personal button and no Edit button.
    setButtonVisible(kEditPosition, false);
    for (int p = kFirstPersonalPosition + 1; p <= kLastPersonalPosition; ++p) {
        setButtonVisible(p, false);
    }
}

void CommandBar::addNotesItems(QMenu* file) {
    addItem(file, QStringLiteral("&Export Notes and Bookmarks..."), command::kExportNotes, true);
    addItem(file, QStringLiteral("&Import Notes and Bookmarks..."), command::kImportNotes, true);
    addItem(file, QStringLiteral("Export Bookmarks as a &List..."), command::kExportBookmarkList,
            true);
    addItem(file, QStringLiteral("&Print Bookmarks..."), command::kPrintBookmarks, true);
    file->addSeparator();
}

QMenu* CommandBar::addPopup(const QString& title, const char* objectName) {
    auto* menu = new QMenu(title, this);
    menu->setObjectName(QString::fromLatin1(objectName));
    menu->setFont(SearchPage::pageFont(13, false));
    addMenu(menu);
    for (QMenu*& slot : popups_) {
        if (slot == nullptr) {
            slot = menu;
            break;
        }
    }
    return menu;
}

QAction* CommandBar::addItem(QMenu* menu, const QString& text, int commandId, bool usable) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QStringLiteral("command%1").arg(commandId));
    action->setData(commandId);
    action->setEnabled(usable);
    if (usable) {
        connect(action, &QAction::triggered, this,
                [this, commandId] { Q_EMIT command(commandId); });
    }
    return action;
}

void CommandBar::setRecentCatalogues(const QStringList& paths) {
    recentMenu_->clear();
    const int count =
        std::min<int>(static_cast<int>(paths.size()),
                      command::kLastRecentCatalogue - command::kFirstRecentCatalogue + 1);
    const QFontMetrics metrics(recentMenu_->font());
    for (int i = 0; i < count; ++i) {
        // Long paths lose their middle, never the file's name; "&" in a path is no mnemonic.
        QString shown = metrics.elidedText(QDir::toNativeSeparators(paths[i]), Qt::ElideMiddle,
                                           kRecentTextWidth);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = addItem(recentMenu_, QStringLiteral("&%1 %2").arg(i + 1).arg(shown),
                                  command::kFirstRecentCatalogue + i, true);
        action->setToolTip(paths[i]);
    }
    recentMenu_->menuAction()->setEnabled(count > 0);
}

QMenu* CommandBar::popup(int position) const {
    return position >= 0 && position < kButtonCount ? popups_[position] : nullptr;
}

QAction* CommandBar::item(int position, int commandId) const {
    QMenu* menu = popup(position);
    if (menu == nullptr) {
        return nullptr;
    }
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->data().toInt() == commandId) {
            return action;
        }
    }
    return nullptr;
}

void CommandBar::resizeEvent(QResizeEvent* event) {
    QMenuBar::resizeEvent(event);
    fitButtons();
}

void CommandBar::fitButtons() {
    for (int pixels = kLargestFacePixels; pixels >= kSmallestFacePixels; --pixels) {
        setFont(SearchPage::pageFont(pixels, true));
        int right = 0;
        for (QAction* button : actions()) {
            if (button->isVisible()) {
                right = std::max(right, actionGeometry(button).right() + 1);
            }
        }
        if (right <= width()) {
            return;
        }
    }
}

void CommandBar::setButtonVisible(int position, bool visible) {
    QMenu* menu = popup(position);
    if (menu == nullptr) {
        return;
    }
    menu->menuAction()->setVisible(visible);
    fitButtons();
    // Only a button shown answers its Alt letter: the bar would otherwise open a hidden menu, or
    // take turns among the eight Personal buttons that share one letter.
    QString title = menu->title();
    const qsizetype amp = title.indexOf(QLatin1Char('&'));
    if (visible && amp < 0 && menu->property("mnemonic").isValid()) {
        title.insert(menu->property("mnemonic").toInt(), QLatin1Char('&'));
    } else if (!visible && amp >= 0) {
        menu->setProperty("mnemonic", static_cast<int>(amp));
        title.remove(amp, 1);
    }
    menu->setTitle(title);
}

void CommandBar::openFirstMenu() {
    for (QAction* action : actions()) {
        if (action->isVisible() && action->isEnabled() && action->menu() != nullptr) {
            setActiveAction(action);
            return;
        }
    }
}

void CommandBar::setButtonEnabled(int position, bool enabled) {
    if (QMenu* menu = popup(position)) {
        menu->menuAction()->setEnabled(enabled);
    }
}

bool CommandBar::isButtonVisible(int position) const {
    QMenu* menu = popup(position);
    return menu != nullptr && menu->menuAction()->isVisible();
}

bool CommandBar::isButtonEnabled(int position) const {
    QMenu* menu = popup(position);
    return menu != nullptr && menu->menuAction()->isEnabled();
}

int CommandBar::visiblePersonalPosition() const {
    for (int p = kFirstPersonalPosition; p <= kLastPersonalPosition; ++p) {
        if (isButtonVisible(p)) {
            return p;
        }
    }
    return -1;
}

}  // namespace corkwise
