#pragma once

#include <vector>

#include "engine/document/table.h"
#include "engine/tables/grid_cells.h"

namespace kelvor::engine {

// The width that percentages asking for the whole room stand for: wider than any window, so
// the table fills what it is given.
inline constexpr int kWideTable = 30000;

// A cell's content minimum and maximum with its extra space and the cell spacing added.
struct MeasuredCell {
    PlacedCell placed;
    int minimum;
    int maximum;
};

// Every real cell measured, in rounds of increasing span (document order within a round).
std::vector<MeasuredCell> MeasureCells(TTableGrid& grid, LayoutContext& context);
// Column widths without percentages; returns the sums of the minimum and maximum arrays.
WidthRange PixelColumnWidths(TTableGrid& grid, const std::vector<MeasuredCell>& cells);
// Column widths with percentages for a target width (0: none).
WidthRange PercentColumnWidths(TTableGrid& grid, const std::vector<MeasuredCell>& cells,
                               int target);
int PercentSum(const TTableGrid& grid);
// The width at which every percentage column shows its maximum at its percentage and the
// other columns share the rest (percentage sum 1 to 1000).
int WantedAutomaticWidth(const TTableGrid& grid);

// Sharing the target width between the columns (grid.widths).
void ShareColumnWidths(TTableGrid& grid, LayoutContext& context, int target);

}  // namespace kelvor::engine
