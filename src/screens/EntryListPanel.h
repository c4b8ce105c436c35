#pragma once
// A plain personal panel: the names of the stored notes or bookmarks in a drop-down list, the
// chosen entry's catalogue values, and its free text to edit; Go to (bookmarks), Delete and Done.
// It keeps the edited text, opens bookmarks and saves as the full panel does, without its rename
// box and field editing.

#include "screens/PersonalPanel.h"

#include <QList>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace corkwise {

class EntryListPanel : public PersonalPanel {
    Q_OBJECT

public:
    explicit EntryListPanel(WineGuide& guide, QWidget* parent = nullptr);

    bool showKind(EntryKind kind) override;
    void cut() override;
    void copy() override;
    void paste() override;
    void keepShown() override;
    int createControls() override;

    // The store index of the entry shown, or -1.
    int shownEntry() const;

private:
    void showEntry(int listPosition);
    void keepShownEntry();
    void onSelected(int listPosition);
    void onGoTo();
    void onDelete();
    void onDone();

    QLabel* nameLabel_ = nullptr;
    QComboBox* entries_ = nullptr;
    QListWidget* fields_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* goTo_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* done_ = nullptr;
    QList<int> positions_;
    EntryKind kind_ = EntryKind::Note;
    int shownPosition_ = -1;
};

}  // namespace corkwise
