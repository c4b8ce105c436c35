#include "screens/personal/CPersonal.h"

#include "catalog/DisplayText.h"
#include "controls/ControlLook.h"
#include "controls/EditCell.h"
#include "controls/GridList.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "personal/PersonalEntry.h"
#include "platform/MessageBox.h"
#include "screens/FindWineControls.h"
#include "screens/PageHost.h"
#include "screens/personal/DetailsPage.h"
#include "screens/personal/NotesPage.h"
#include "screens/personal/RenameBox.h"
#include "screens/personal/TabPanel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

#include <optional>

namespace corkwise {

namespace {

constexpr int kEntryListId = 1070;

QPushButton* makeButton(const QString& text, const char* name, const QRect& rect, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setFont(SearchPage::pageFont(13, true));
    button->setStyleSheet(SearchPage::buttonStyleSheet());
    button->setAutoDefault(true);
    return button;
}

}  // namespace

CPersonal::CPersonal(WineGuide& guide, QWidget* parent)
    : SearchPage(guide, -1, parent), tabPanel_(new TabPanel(this)) {
    setObjectName(QStringLiteral("personalPanel"));
    details_ = new DetailsPage();
    notes_ = new NotesPage();
    tabPanel_->addPage(details_);
    tabPanel_->addPage(notes_);
    connect(notes_, &NotesPage::edited, this, &CPersonal::edited);
    connect(details_, &DetailsPage::edited, this, &CPersonal::edited);
}

CPersonal::~CPersonal() = default;

int CPersonal::createControls() {
    const QFont bold = pageFont(13, true);
    const QFont light = pageFont(13, false);

    renameBox_ = new RenameBox(this);
    if (!renameBox_->create(rectFromEdges(10, 50, 230, 150))) {
        return -1;
    }
    if (QLineEdit* line = renameBox_->edit()->lineEdit()) {
        line->setMaxLength(PersonalEntry::kMaxNameLength);
    }
    connect(renameBox_, &RenameBox::closed, this, &CPersonal::finishRename);

    nameLabel_ = new QLabel(QStringLiteral("Name:"), this);
    nameLabel_->setObjectName(QStringLiteral("nameLabel"));
    nameLabel_->setGeometry(rectFromEdges(10, 12, 230, 27));
    nameLabel_->setFont(bold);
    nameLabel_->setAttribute(Qt::WA_TranslucentBackground);

    // Like every drop-down list of the program, its rectangle includes the dropped list: the
    // closed list sits between the label and the tabs, the dropped one reaches down to 134.
    entryList_ =
        findwine::makeCombo(this, kEntryListId, rectFromEdges(10, 27, 230, 134), "entryList");
    connect(entryList_, &QComboBox::activated, this, &CPersonal::select);

    tabPanel_->setFont(light);
    if (!tabPanel_->create(rectFromEdges(10, 55, 230, 238), this)) {
        return -1;
    }

    goTo_ =
        makeButton(QStringLiteral("Go to"), "goToButton", rectFromEdges(10, 243, 70, 263), this);
    delete_ = makeButton(QStringLiteral("Delete"), "deleteButton", rectFromEdges(90, 243, 150, 263),
                         this);
    done_ =
        makeButton(QStringLiteral("Done"), "doneButton", rectFromEdges(170, 243, 230, 263), this);
    connect(goTo_, &QPushButton::clicked, this, &CPersonal::goToOrRename);
    connect(delete_, &QPushButton::clicked, this, &CPersonal::deleteEntry);
    connect(done_, &QPushButton::clicked, this, &CPersonal::done);

    // The box is made first but must lie over the tab panel when it opens.
    renameBox_->raise();

    findwine::labelControl(nameLabel_, entryList_);
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &CPersonal::switchPage);
    }
    return 0;
}

void CPersonal::focusNoteText() {
    if (tabPanel_->selectedTabPage() != notes_) {
        tabPanel_->chooseTab(TabPanel::kFirstLabelId + 2 * 1);
    }
    if (QPlainTextEdit* text = notes_->edit()->textEdit()) {
        text->moveCursor(QTextCursor::End);
        text->setFocus(Qt::OtherFocusReason);
    }
}

void CPersonal::switchPage() {
    if (renaming_) {
        return;
    }
    if (tabPanel_->selectedTabPage() == notes_) {
        tabPanel_->chooseTab(TabPanel::kFirstLabelId);
        GridList* grid = details_->currentGrid();
        // A note's first field takes the typing; a bookmark's read-only grid the arrows.
        QWidget* target = grid;
        if (grid != nullptr && grid->isEditable() && grid->editCellAt(0, 1) != nullptr) {
            target = grid->editCellAt(0, 1)->editor();
        }
        if (target != nullptr && target->isVisible()) {
            target->setFocus(Qt::TabFocusReason);
        } else {
            entryList_->setFocus(Qt::TabFocusReason);
        }
    } else {
        focusNoteText();
    }
}

void CPersonal::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // The rename box takes its own Escape; one that reaches the panel while it is open
        // changes nothing.
        if (!renaming_) {
            done();
        }
        event->accept();
        return;
    }
    SearchPage::keyPressEvent(event);
}

bool CPersonal::showKind(EntryKind kind) {
    if (entryList_ == nullptr) {
        return false;
    }
    if (renaming_) {
        // A rename left open is abandoned, as if cancelled.
        renameBox_->hide();
        setControlsEnabled(true);
    }
    renaming_ = false;
    // Showing the entries again must not drop what was typed on the pages meanwhile.
    if (active_) {
        keepShownEntry();
    }
    kind_ = kind;
    active_ = false;

    details_->reset();
    notes_->reset();
    details_->setKind(kind);

    goTo_->setText(kind == EntryKind::Note ? QStringLiteral("Rename") : QStringLiteral("Go to"));

    entryList_->clear();
    positions_.clear();
    shownPosition_ = -1;
    const int n = guide().personalCount();
    const int last = guide().newestEntry();
    bool shown = false;
    for (int i = 0; i < n; ++i) {
        const std::optional<PersonalEntry> entry = guide().personalEntryAt(i);
        if (!entry.has_value() || entry->kind() != kind) {
            continue;
        }
        positions_.append(i);
        entryList_->addItem(entry->name());
        if (i == last) {
            showPosition(static_cast<int>(positions_.size()) - 1);
            shown = true;
        }
    }
    if (!shown && !positions_.isEmpty()) {
        showPosition(0);
        shown = true;
    }
    active_ = shown;
    return shown;
}

void CPersonal::showPosition(int k) {
    entryList_->setCurrentIndex(k);
    shownPosition_ = k;
    showEntry(positions_[k]);
}

void CPersonal::showEntry(int index) {
    fields_.clear();
    const std::optional<PersonalEntry> entry = guide().personalEntryAt(index);
    if (!entry.has_value()) {
        details_->showFields(fields_);
        notes_->showText(QString());
        return;
    }
    for (const DictValue& value : entry->values()) {
        const QString name = guide().dictionaryName(value.dictionary());
        // A value whose dictionary the catalogue lacks has no field name to show it under, and
        // could not be stored back from the page.
        if (!name.isEmpty() && WineGuide::isDetailField(name)) {
            fields_.set(name, toDisplayText(value.text()));
        }
    }
    details_->showFields(fields_);
    notes_->showText(entry->text());
}

void CPersonal::keepShownEntry() {
    if (shownPosition_ < 0 || shownPosition_ >= positions_.size()) {
        return;
    }
    const int index = positions_[shownPosition_];
    guide().setPersonalText(index, notes_->contents());
    // A bookmark's values are what Go to replays; the panel never changes them.
    if (kind_ == EntryKind::Note) {
        if (const std::optional<StringMap> fields = details_->contents()) {
            guide().setPersonalFields(*fields, index);
        }
    }
}

void CPersonal::select(int k) {
    if (k == shownPosition_ || k < 0 || k >= positions_.size()) {
        return;
    }
    keepShownEntry();
    shownPosition_ = k;
    showEntry(positions_[k]);
}

void CPersonal::goToOrRename() {
    if (renaming_ || positions_.isEmpty()) {
        return;
    }
    if (kind_ == EntryKind::Note) {
        rename();
        return;
    }
    keepShownEntry();
    save();
    const int k = entryList_->currentIndex();
    if (k < 0 || k >= positions_.size()) {
        return;
    }
    guide().selectBookmark(positions_[k]);
    active_ = false;
    if (host() != nullptr) {
        host()->startSearch(kFindWineFlow);
    }
}

void CPersonal::rename() {
    const int k = entryList_->currentIndex();
    if (k < 0) {
        return;
    }
    setControlsEnabled(false);
    renaming_ = true;
    renameBox_->open(entryList_->itemText(k));
}

void CPersonal::finishRename() {
    setControlsEnabled(true);
    renaming_ = false;
    const QString name = renameBox_->text();
    const int k = entryList_->currentIndex();
    if (!renameBox_->result() || name.isEmpty() || k < 0 || k >= positions_.size()) {
        return;
    }
    guide().renamePersonalEntry(positions_[k], name);
    // The list shows the name as the store keeps it.
    const std::optional<PersonalEntry> renamed = guide().personalEntryAt(positions_[k]);
    entryList_->removeItem(k);
    entryList_->insertItem(k, renamed.has_value() ? renamed->name() : name);
    entryList_->setCurrentIndex(k);
    entryList_->setFocus(Qt::OtherFocusReason);
}

void CPersonal::setControlsEnabled(bool on) {
    for (QWidget* control : {static_cast<QWidget*>(entryList_), static_cast<QWidget*>(goTo_),
                             static_cast<QWidget*>(delete_), static_cast<QWidget*>(done_),
                             static_cast<QWidget*>(details_), static_cast<QWidget*>(notes_)}) {
        control->setEnabled(on);
    }
}

void CPersonal::deleteEntry() {
    if (renaming_) {
        return;
    }
    const int k = entryList_->currentIndex();
    if (k < 0 || k >= positions_.size()) {
        return;
    }
    const int s = positions_[k];
    // A deleted entry is gone for good once saved, so the user confirms it; No is the default.
    const QString question = kind_ == EntryKind::Note
                                 ? QStringLiteral("Delete the note \"%1\"?")
                                 : QStringLiteral("Delete the bookmark \"%1\"?");
    if (MessageBox::show(this, MessageBox::Icon::Question, QStringLiteral("Corkwise"),
                         question.arg(entryList_->itemText(k)), MessageBox::Yes | MessageBox::No,
                         MessageBox::No) != MessageBox::Yes) {
        return;
    }
    entryList_->removeItem(k);
    positions_.removeAt(k);
    // The entries behind the removed one move one place forward in the store.
    for (int p = k; p < positions_.size(); ++p) {
        positions_[p] -= 1;
    }
    guide().removePersonalEntry(s);

    if (positions_.isEmpty()) {
        shownPosition_ = -1;
        details_->reset();
        notes_->reset();
        details_->setKind(kind_);
        save();
        active_ = false;
        leave();
        return;
    }
    showPosition(0);
}

void CPersonal::done() {
    if (renaming_) {
        return;
    }
    keepShownEntry();
    save();
    active_ = false;
    leave();
}

bool CPersonal::save() {
    if (host() != nullptr) {
        return host()->savePersonal();
    }
    QString error;
    if (guide().savePersonal(&error)) {
        return true;
    }
    MessageBox::show(
        this, MessageBox::Icon::Warning, QStringLiteral("Corkwise"),
        error.isEmpty() ? QStringLiteral("Your notes and bookmarks could not be saved.") : error);
    return false;
}

void CPersonal::leave() {
    if (host() != nullptr) {
        host()->leavePersonal();
    } else {
        hide();
    }
}

void CPersonal::keepShown() {
    if (active_) {
        keepShownEntry();
    }
}

void CPersonal::cut() {
    if (renaming_) {
        renameBox_->cut();
    } else if (tabPanel_ != nullptr) {
        tabPanel_->cut();
    }
}

void CPersonal::copy() {
    if (renaming_) {
        renameBox_->copy();
    } else if (tabPanel_ != nullptr) {
        tabPanel_->copy();
    }
}

void CPersonal::paste() {
    if (renaming_) {
        renameBox_->paste();
    } else if (tabPanel_ != nullptr) {
        tabPanel_->paste();
    }
}

}  // namespace corkwise
