#pragma once
// What a grid tells its listener about a tap on a row.

#include <QPoint>

namespace corkwise {

class RecordCursor;

class GridEvent {
public:
    GridEvent(RecordCursor* cursor, QPoint point, bool hold)
        : cursor_(cursor), point_(point), hold_(hold) {}

    // The record of the tapped row, or null when the row has none. Owned by the grid's row
    // store, not by the event: valid until the grid's rows are cleared or the row removed.
    RecordCursor* cursor() const { return cursor_; }
    // For a plain tap, the pen position within the tapped cell. For a tap-and-hold, the point
    // on the screen (global coordinates) where the pen went down: the place for a popup menu.
    QPoint point() const { return point_; }
    // True for a tap-and-hold, false for a plain tap.
    bool isHold() const { return hold_; }

private:
    RecordCursor* cursor_;
    QPoint point_;
    bool hold_;
};

}  // namespace corkwise
