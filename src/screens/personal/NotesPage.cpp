#include "screens/personal/NotesPage.h"

#include "controls/ControlLook.h"
#include "controls/EditCell.h"
#include "personal/PersonalEntry.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace corkwise {

NotesPage::NotesPage(QWidget* parent) : TabPage(QStringLiteral("Notes"), parent) {
    setObjectName(QStringLiteral("notesPage"));
}

NotesPage::~NotesPage() = default;

bool NotesPage::createControls() {
    edit_ = new EditCell(this);
    edit_->setObjectName(QStringLiteral("notesEdit"));
    if (!edit_->create(CellStyleFlag::Visible | CellStyleFlag::Border | CellStyleFlag::MultiLine,
                       rectFromEdges(10, 10, width() - 10, height() - 10), this, 0)) {
        return false;
    }
    connect(edit_, &EditCell::textChanged, this, &NotesPage::keepWithinLimit);
    edit_->editor()->setAccessibleName(QStringLiteral("Notes"));
    return true;
}

void NotesPage::keepWithinLimit() {
    QPlainTextEdit* text = edit_->textEdit();
    if (text == nullptr) {
        return;
    }
    // The personal file keeps at most kMaxTextLength characters of a text. Refusing what goes
    // beyond while the user types is better than cutting the end off silently when it is saved.
    const int extra = text->document()->characterCount() - 1 - PersonalEntry::kMaxTextLength;
    if (extra <= 0) {
        return;
    }
    QTextCursor cursor = text->textCursor();
    const int end =
        cursor.position() >= extra ? cursor.position() : text->document()->characterCount() - 1;
    cursor.setPosition(std::max(0, end - extra));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

QString NotesPage::contents() const {
    return edit_ != nullptr ? edit_->text() : QString();
}

void NotesPage::showText(const QString& text) {
    if (edit_ != nullptr) {
        edit_->setText(text);
    }
}

void NotesPage::reset() {
    showText(QString());
}

void NotesPage::cut() {
    if (edit_ != nullptr) {
        edit_->cut();
    }
}

void NotesPage::copy() {
    if (edit_ != nullptr) {
        edit_->copy();
    }
}

void NotesPage::paste() {
    if (edit_ != nullptr) {
        edit_->paste();
    }
}

}  // namespace corkwise
