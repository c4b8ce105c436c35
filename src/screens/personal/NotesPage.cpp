#include "screens/personal/NotesPage.h"

#include "common/TextCodec.h"
#include "controls/ControlLook.h"
#include "controls/EditCell.h"
#include "personal/PersonalEntry.h"

#include <QSignalBlocker>

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
    if (text == nullptr || refusing_) {
        return;
    }
    refusing_ = true;
    // The personal file holds Windows-1252 text of at most kMaxTextLength characters. What it
    // cannot hold is taken out again as it is typed or pasted, and the page says so: nothing is
    // changed silently at the next save.
    QStringList refused;
    QTextDocument* document = text->document();
    const QString all = document->toPlainText();
    for (qsizetype i = all.size(); i > 0;) {
        const qsizetype end = i;
        i -= (i >= 2 && all[i - 1].isLowSurrogate() && all[i - 2].isHighSurrogate()) ? 2 : 1;
        const QString character = all.mid(i, end - i);
        if (!isWindows1252(character)) {
            QTextCursor cursor(document);
            cursor.setPosition(static_cast<int>(i));
            cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            if (!refused.contains(character)) {
                refused.prepend(character);
            }
        }
    }
    const int extra = document->characterCount() - 1 - PersonalEntry::kMaxTextLength;
    if (extra > 0) {
        QTextCursor cursor = text->textCursor();
        const int end =
            cursor.position() >= extra ? cursor.position() : document->characterCount() - 1;
        cursor.setPosition(std::max(0, end - extra));
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    refusing_ = false;
    if (!refused.isEmpty()) {
        showRefusal(QStringLiteral("Not kept: %1").arg(refused.join(QLatin1Char(' '))));
    } else if (extra > 0) {
        showRefusal(
            QStringLiteral("Not kept: at most %1 characters").arg(PersonalEntry::kMaxTextLength));
    }
    Q_EMIT edited();
}

QString NotesPage::contents() const {
    return edit_ != nullptr ? edit_->text() : QString();
}

void NotesPage::showText(const QString& text) {
    if (edit_ != nullptr) {
        // Showing a stored text is no edit.
        const QSignalBlocker quiet(this);
        edit_->setText(text);
    }
    hideRefusal();
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
