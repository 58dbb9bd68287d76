#pragma once

#include "engine/document/table.h"
#include "engine/tables/grid_cells.h"

namespace kelvor::engine {

class LayoutContext;

// The width of a cell: the sum of its columns' widths (the cell spacing to its right included).
int CellWidth(const TTableGrid& grid, const PlacedCell& placed);
// Lays out a cell's content in a map of its own at (x, y); returns the height it takes, its
// floats included.
int LayOutCellContent(LayoutContext& context, TTableCell& cell, int x, int y, int width,
                      int height);
// grid.rowHeights for the current column widths and the table height offered.
void FindRowHeights(TTableGrid& grid, LayoutContext& context, int offeredHeight);

}  // namespace kelvor::engine
