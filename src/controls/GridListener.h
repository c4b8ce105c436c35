#pragma once
// Interface of whoever wants to hear of taps on a grid's rows.

#include "controls/GridEvent.h"

#include <memory>

namespace corkwise {

class GridListener {
public:
    virtual ~GridListener() = default;
    // A row was tapped or held. The listener owns EVENT from then on. It may show a modal popup
    // menu; it must not destroy the grid synchronously. The base ignores the event.
    virtual void onRowEvent(std::unique_ptr<GridEvent> event) { static_cast<void>(event); }
    // A row was opened: double-clicked, or Enter pressed on the selected row. CURSOR is the row's
    // (owned by the grid, may be null). The base ignores it.
    virtual void onRowOpened(const RecordCursor* cursor) { static_cast<void>(cursor); }
};

}  // namespace corkwise
