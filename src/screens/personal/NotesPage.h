#pragma once
// The "Notes" page of the personal panel: the entry's free text in a several-line edit.
//
// What the personal file cannot hold (a character outside Windows-1252, text beyond
// PersonalEntry::kMaxTextLength characters) is refused as it is typed or pasted, and a word at
// the page's foot names what was not kept.

#include "screens/personal/TabPage.h"

namespace corkwise {

class EditCell;
class RefusalWord;

class NotesPage : public TabPage {
    Q_OBJECT

public:
    explicit NotesPage(QWidget* parent = nullptr);
    ~NotesPage() override;

    // The text as typed now.
    QString contents() const;
    // Replaces the whole text by TEXT, whatever part of the old one was selected. The edit takes
    // at most PersonalEntry::kMaxTextLength characters.
    void showText(const QString& text);
    // Empties the edit.
    void reset() override;
    // The clipboard commands of the edit.
    void cut() override;
    void copy() override;
    void paste() override;

    EditCell* edit() const { return edit_; }
    // The word shown for what was refused last; empty when none is shown.
    QString refusal() const;

Q_SIGNALS:
    // The user changed the text (showText is no change).
    void edited();

protected:
    bool createControls() override;

private:
    // Removes what was just typed or pasted beyond the longest text the file keeps.
    void keepWithinLimit();
    void showRefusal(const QString& word);

    EditCell* edit_ = nullptr;
    RefusalWord* refusal_ = nullptr;
    bool refusing_ = false;
};

}  // namespace corkwise
