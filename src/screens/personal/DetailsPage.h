#pragma once
// The "Details" page of the personal panel: an entry's catalogue fields as a two-column grid of
// field names ("Type") and texts ("Value").
//
// Two grids share the page: a read-only one for bookmarks and one whose Value column can be
// edited for notes. Both are hidden until the first showFields; from then on exactly the grid of
// the kind shown last is visible. The page knows nothing of the store: the personal panel hands
// it a field map and reads the note's fields back with contents(). A Value cell takes at most
// PersonalEntry::kMaxValueTextLength characters of Windows-1252, as the file keeps no more; what
// goes beyond is refused as it is typed or pasted and a word at the page's foot says so.

#include "common/StringMap.h"
#include "personal/EntryKind.h"
#include "screens/personal/TabPage.h"

#include <QRect>

#include <optional>

namespace corkwise {

class GridList;

class DetailsPage : public TabPage {
    Q_OBJECT

public:
    static constexpr int kTypeWidth = 70;
    static constexpr int kValueWidth = 130;

    explicit DetailsPage(QWidget* parent = nullptr);
    ~DetailsPage() override;

    // For a note, the grid's rows in order, each field name mapped to its text as typed (rows
    // with an empty text included). Nothing while a bookmark is shown.
    std::optional<StringMap> contents();
    // Fills the grid of the current kind with one row per key of FIELDS, in map order, and makes
    // it the visible grid.
    void showFields(const StringMap& fields);
    // Empties both grids and goes back to the kind Bookmark; which grid is visible stays.
    void reset() override;
    // Chooses the grid that the next showFields uses.
    void setKind(EntryKind kind) { kind_ = kind; }
    EntryKind kind() const { return kind_; }
    // Lays the grid of the current kind out again for the height BOTTOM; nothing when BOTTOM is
    // the bottom of the rectangle the grids were created in.
    void resizePage(int left, int top, int right, int bottom) override;
    // For a note, the clipboard commands for the Value cell tapped last; nothing for a bookmark.
    void cut() override;
    void copy() override;
    void paste() override;

    GridList* bookmarkGrid() const { return bookmarkGrid_; }
    GridList* noteGrid() const { return noteGrid_; }
    // The grid of the current kind.
    GridList* currentGrid() const;

protected:
    bool createControls() override;

private:
    // Gives every Value cell its check and its report of typing.
    void watchEditCells();

    GridList* bookmarkGrid_ = nullptr;
    GridList* noteGrid_ = nullptr;
    EntryKind kind_ = EntryKind::Bookmark;
    QRect gridRect_;
};

}  // namespace corkwise
