#include "screens/EntryListPanel.h"

#include "catalog/DisplayText.h"
#include "guide/SearchFlow.h"
#include "guide/WineGuide.h"
#include "screens/PageHost.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace corkwise {

EntryListPanel::EntryListPanel(WineGuide& guide, QWidget* parent) : PersonalPanel(guide, parent) {}

int EntryListPanel::createControls() {
    const QFont bold = pageFont(13, true);
    const QFont light = pageFont(13, false);
    setStyleSheet(buttonStyleSheet());

    nameLabel_ = new QLabel(QStringLiteral("Name:"), this);
    nameLabel_->setGeometry(10, 12, 220, 15);
    nameLabel_->setFont(bold);

    entries_ = new QComboBox(this);
    entries_->setObjectName(QStringLiteral("entryList"));
    entries_->setGeometry(10, 27, 220, 22);
    entries_->setFont(light);
    connect(entries_, &QComboBox::activated, this, &EntryListPanel::onSelected);

    fields_ = new QListWidget(this);
    fields_->setObjectName(QStringLiteral("entryFields"));
    fields_->setGeometry(10, 55, 220, 95);
    fields_->setFont(light);
    fields_->setSelectionMode(QAbstractItemView::NoSelection);
    fields_->setFocusPolicy(Qt::NoFocus);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("entryText"));
    text_->setGeometry(10, 155, 220, 83);
    text_->setFont(light);

    goTo_ = new QPushButton(QStringLiteral("Go to"), this);
    goTo_->setObjectName(QStringLiteral("goToButton"));
    goTo_->setGeometry(10, 243, 60, 20);
    delete_ = new QPushButton(QStringLiteral("Delete"), this);
    delete_->setObjectName(QStringLiteral("deleteButton"));
    delete_->setGeometry(90, 243, 60, 20);
    done_ = new QPushButton(QStringLiteral("Done"), this);
    done_->setObjectName(QStringLiteral("doneButton"));
    done_->setGeometry(170, 243, 60, 20);
    for (QPushButton* b : {goTo_, delete_, done_}) {
        b->setFont(bold);
    }
    connect(goTo_, &QPushButton::clicked, this, &EntryListPanel::onGoTo);
    connect(delete_, &QPushButton::clicked, this, &EntryListPanel::onDelete);
    connect(done_, &QPushButton::clicked, this, &EntryListPanel::onDone);
    return 0;
}

bool EntryListPanel::showKind(EntryKind kind) {
    if (entries_ == nullptr) {
        return false;
    }
    kind_ = kind;
    // A note's text is edited here; a bookmark can be opened instead.
    goTo_->setVisible(kind == EntryKind::Bookmark);
    entries_->clear();
    fields_->clear();
    text_->clear();
    positions_.clear();
    shownPosition_ = -1;

    const int newest = guide().newestEntry();
    int select = -1;
    for (int i = 0; i < guide().personalCount(); ++i) {
        const std::optional<PersonalEntry> entry = guide().personalEntryAt(i);
        if (!entry.has_value() || entry->kind() != kind) {
            continue;
        }
        positions_.append(i);
        entries_->addItem(entry->name());
        if (i == newest) {
            select = static_cast<int>(positions_.size()) - 1;
        }
    }
    if (positions_.isEmpty()) {
        return false;
    }
    showEntry(select >= 0 ? select : 0);
    return true;
}

int EntryListPanel::shownEntry() const {
    return shownPosition_ >= 0 && shownPosition_ < positions_.size() ? positions_[shownPosition_]
                                                                     : -1;
}

void EntryListPanel::showEntry(int listPosition) {
    shownPosition_ = listPosition;
    entries_->setCurrentIndex(listPosition);
    fields_->clear();
    const std::optional<PersonalEntry> entry = guide().personalEntryAt(positions_[listPosition]);
    if (!entry.has_value()) {
        text_->clear();
        return;
    }
    for (const DictValue& value : entry->values()) {
        const QString name = guide().dictionaryName(value.dictionary());
        if (!name.isEmpty() && WineGuide::isDetailField(name)) {
            fields_->addItem(name + QStringLiteral(": ") + toDisplayText(value.text()));
        }
    }
    text_->setPlainText(entry->text());
}

void EntryListPanel::keepShownEntry() {
    const int index = shownEntry();
    if (index >= 0) {
        guide().setPersonalText(index, text_->toPlainText());
    }
}

void EntryListPanel::onSelected(int listPosition) {
    if (listPosition == shownPosition_ || listPosition < 0) {
        return;
    }
    keepShownEntry();
    showEntry(listPosition);
}

void EntryListPanel::onGoTo() {
    const int index = shownEntry();
    if (index < 0 || kind_ != EntryKind::Bookmark) {
        return;
    }
    keepShownEntry();
    if (host() != nullptr) {
        host()->savePersonal();
    }
    if (guide().selectBookmark(index) && host() != nullptr) {
        host()->startSearch(kFindWineFlow);
    }
}

void EntryListPanel::onDelete() {
    const int k = shownPosition_;
    if (k < 0 || k >= positions_.size()) {
        return;
    }
    const int removed = positions_[k];
    positions_.removeAt(k);
    // The entries behind the removed one move one place forward in the store.
    for (int p = k; p < positions_.size(); ++p) {
        positions_[p] -= 1;
    }
    guide().removePersonalEntry(removed);
    entries_->removeItem(k);
    shownPosition_ = -1;
    if (positions_.isEmpty()) {
        fields_->clear();
        text_->clear();
        if (host() != nullptr) {
            host()->savePersonal();
            host()->leavePersonal();
        }
        return;
    }
    showEntry(0);
}

void EntryListPanel::onDone() {
    keepShownEntry();
    if (host() != nullptr) {
        host()->savePersonal();
        host()->leavePersonal();
    }
}

void EntryListPanel::keepShown() {
    if (!isHidden()) {
        keepShownEntry();
    }
}

void EntryListPanel::cut() {
    if (text_ != nullptr) {
        text_->cut();
    }
}

void EntryListPanel::copy() {
    if (text_ != nullptr) {
        text_->copy();
    }
}

void EntryListPanel::paste() {
    if (text_ != nullptr) {
        text_->paste();
    }
}

}  // namespace corkwise
