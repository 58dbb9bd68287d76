#pragma once

#include <algorithm>

#include "engine/document/table.h"

namespace kelvor::engine {

// A real cell with where it stands: its row, its first column and the columns it spans (kept
// within the grid).
struct PlacedCell {
    TTableCell* cell;
    int row;
    int column;
    int span;
};

// Calls `visit` for every real cell of an initialised grid, row by row, left to right.
template <typename Visit>
void ForEachCell(const TTableGrid& grid, Visit&& visit) {
    int r = 0;
    for (const auto& row : grid.rows) {
        const int length = static_cast<int>(row->cells.size());
        for (int c = 0; c < length && c < grid.columns; ++c) {
            TTableCell* cell = row->cells[static_cast<std::size_t>(c)].cell.get();
            if (cell == nullptr)
                continue;
            const int span = std::max(1, std::min(cell->colSpan, grid.columns - c));
            visit(PlacedCell{cell, r, c, span});
        }
        ++r;
    }
}

// The largest column span of the grid's cells (the number of measuring rounds).
int LargestSpan(const TTableGrid& grid);

}  // namespace kelvor::engine
