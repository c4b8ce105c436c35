#pragma once
// What screen readers are told about a grid list: a list named by the grid's accessible name,
// whose items are the rows shown in its slots, each named by its cells' texts ("1998, 90,
// Vieilles Vignes"), selected when it is the grid's selected row.

namespace corkwise {

class GridList;

// Makes queryAccessibleInterface answer grid lists with the list above; once per program.
void installGridListAccessible();
// Tells screen readers that the row in SLOT of GRID has the focus, when GRID has it.
void notifyGridFocus(GridList* grid, int slot);

}  // namespace corkwise
