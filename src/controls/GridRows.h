#pragma once
// The rows of a grid with the catalogue records they were made from.

#include "catalog/RecordCursor.h"
#include "controls/GridRow.h"

#include <memory>
#include <vector>

namespace corkwise {

// Owns its rows and their record cursors; row i and cursor i belong together. Pointers it
// hands out stay valid until that row is removed or the store cleared or destroyed.
class GridRows {
public:
    GridRows();
    GridRows(const GridRows&) = delete;
    GridRows& operator=(const GridRows&) = delete;
    ~GridRows();

    // Appends ROW with CURSOR (may be null); the store owns both.
    void add(GridRow row, std::unique_ptr<RecordCursor> cursor = nullptr);
    // Destroys row I and its cursor and closes the gap; nothing when I is not a row.
    void removeAt(int i);
    // Destroys every row and cursor, the last first.
    void clear();
    int count() const { return static_cast<int>(entries_.size()); }
    // Row I and its cursor, owned by the store; null when I is not below count().
    GridRow* row(int i) const;
    RecordCursor* cursor(int i) const;

private:
    struct Entry {
        std::unique_ptr<GridRow> row;
        std::unique_ptr<RecordCursor> cursor;
    };
    std::vector<Entry> entries_;
};

}  // namespace corkwise
