#include "controls/GridRows.h"

#include "catalog/RecordCursor.h"

namespace corkwise {

GridRows::GridRows() = default;

GridRows::~GridRows() {
    clear();
}

void GridRows::add(GridRow row, std::unique_ptr<RecordCursor> cursor) {
    entries_.push_back(Entry{std::make_unique<GridRow>(std::move(row)), std::move(cursor)});
}

void GridRows::removeAt(int i) {
    if (i < 0 || i >= count()) {
        return;
    }
    entries_.erase(entries_.begin() + i);
}

void GridRows::clear() {
    while (!entries_.empty()) {
        entries_.pop_back();
    }
}

GridRow* GridRows::row(int i) const {
    if (i < 0 || i >= count()) {
        return nullptr;
    }
    return entries_[static_cast<size_t>(i)].row.get();
}

RecordCursor* GridRows::cursor(int i) const {
    if (i < 0 || i >= count()) {
        return nullptr;
    }
    return entries_[static_cast<size_t>(i)].cursor.get();
}

}  // namespace corkwise
