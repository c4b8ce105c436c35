#pragma once
// The "Notes" page of the personal panel: the entry's free text in a several-line edit.
//
// What the personal file cannot hold (a character outside Windows-1252, text beyond
// PersonalEntry::kMaxTextLength characters) is refused as it is typed or pasted, and a word at
// the page's foot names what was not kept.

#include "screens/personal/TabPage.h"

namespace corkwise {

class EditCell;

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

protected:
    bool createControls() override;

private:
    // Removes what was just typed or pasted beyond the longest text the file keeps.
    void keepWithinLimit();

    EditCell* edit_ = nullptr;
    bool refusing_ = false;
};

}  // namespace corkwise
