// Row heights: each cell's content is laid out at its width to learn its height; rows take the
// tallest of their cells, spans share what they miss, and a table height is shared out.

#include <algorithm>
#include <cmath>

#include "engine/document/limits.h"
#include "engine/layout/indent_map.h"
#include "engine/layout/layout_context.h"
#include "engine/tables/grid_cells.h"
#include "engine/tables/table_layout.h"

namespace kelvor::engine {

namespace {

int RoundHalfEven(long double value) {
    return Saturated(static_cast<long long>(std::nearbyint(value)));
}

}  // namespace

int CellWidth(const TTableGrid& grid, const PlacedCell& placed) {
    long long width = 0;
    for (int i = placed.column; i < placed.column + placed.span; ++i)
        width += grid.widths[static_cast<std::size_t>(i)];
    return Saturated(width);
}

int LayOutCellContent(LayoutContext& context, TTableCell& cell, int x, int y, int width,
                      int height) {
    TIndentMap map(x, width);
    int needed = 0;
    TTableCellContent& content = *cell.content;
    const int flowHeight = content.layout(context, x, width, height, map, y, needed);
    long long bottom = std::max<long long>(static_cast<long long>(y) + flowHeight, content.bottom);
    const int floats = map.floatBottom();
    if (floats != TIndentMap::kNoFloat)
        bottom = std::max<long long>(bottom, floats);
    return Saturated(std::max(0LL, bottom - y));
}

void FindRowHeights(TTableGrid& grid, LayoutContext& context, int offeredHeight) {
    const int rowCount = static_cast<int>(grid.rows.size());
    const int spacing = grid.cellSpacing;
    const long long height = std::max(0, offeredHeight - spacing);
    std::vector<long long> minimum(static_cast<std::size_t>(rowCount), 0);
    std::vector<long long> wanted(static_cast<std::size_t>(rowCount), 0);
    std::vector<char> specified(static_cast<std::size_t>(rowCount), 0);

    std::vector<PlacedCell> cells;
    ForEachCell(grid, [&](const PlacedCell& placed) { cells.push_back(placed); });
    std::stable_sort(cells.begin(), cells.end(), [](const PlacedCell& a, const PlacedCell& b) {
        return a.cell->rowSpan < b.cell->rowSpan;
    });
    for (const PlacedCell& placed : cells) {
        TTableCell& cell = *placed.cell;
        const int span = std::max(1, std::min(cell.rowSpan, rowCount - placed.row));
        const int width = CellWidth(grid, placed);
        int offered = 0;
        if (cell.height.set() && !cell.height.percent)
            offered = cell.height.value;
        else if (cell.height.set())
            offered = MulDiv(cell.height.value, height, 100);
        else if (rowCount == 1)
            offered = static_cast<int>(height);
        const int contentWidth = std::max(0, width - cell.hExtra - spacing);
        cell.contentHeight = LayOutCellContent(context, cell, grid.gridLeft, grid.gridTop,
                                               contentWidth, std::max(0, offered - cell.vExtra));
        long long cellMinimum = static_cast<long long>(cell.contentHeight) + cell.vExtra;
        long long cellWanted = cellMinimum;
        bool marks = false;
        if (cell.height.set() && !cell.height.percent) {
            cellMinimum =
                std::max<long long>(cellMinimum, std::max(cell.contentHeight, cell.height.value));
            marks = true;
        } else if (cell.height.set()) {
            cellWanted = std::max<long long>(cellWanted, offered);
            marks = true;
        }
        cellWanted = std::max(cellWanted, cellMinimum);
        const auto r = static_cast<std::size_t>(placed.row);
        if (span == 1) {
            minimum[r] = std::max(minimum[r], cellMinimum + spacing);
            wanted[r] = std::max(wanted[r], cellWanted + spacing);
            if (marks)
                specified[r] = 1;
            continue;
        }
        const auto share = [&](std::vector<long long>& rows, long long total) {
            if (total <= spacing)
                return;
            long long sum = 0;
            for (int k = 0; k < span; ++k)
                sum += rows[r + static_cast<std::size_t>(k)];
            if (sum >= total)
                return;
            const long long shortfall = total - sum;
            const long long each = shortfall / span;
            for (int k = 0; k < span - 1; ++k)
                rows[r + static_cast<std::size_t>(k)] += each;
            rows[r + static_cast<std::size_t>(span - 1)] += shortfall - each * (span - 1);
        };
        share(minimum, cellMinimum + spacing);
        share(wanted, cellWanted + spacing);
    }

    long long minimumSum = 0;
    long long wantedSum = 0;
    bool allSpecified = true;
    int unspecified = 0;
    for (int r = 0; r < rowCount; ++r) {
        const auto s = static_cast<std::size_t>(r);
        wanted[s] = std::max(wanted[s], minimum[s]);
        minimumSum += minimum[s];
        wantedSum += wanted[s];
        allSpecified = allSpecified && specified[s];
        if (!specified[s])
            ++unspecified;
    }
    std::vector<int>& heights = grid.rowHeights;
    heights.assign(static_cast<std::size_t>(rowCount), 0);
    if (rowCount == 0)
        return;
    const auto finishWithRest = [&](long long used) { heights.back() = Saturated(height - used); };
    if (minimumSum < height) {
        if (wantedSum >= height) {
            long long used = 0;
            for (int r = 0; r + 1 < rowCount; ++r) {
                const auto s = static_cast<std::size_t>(r);
                heights[s] = Saturated(
                    minimum[s] + RoundHalfEven(static_cast<long double>(wanted[s] - minimum[s]) *
                                               (height - minimumSum) / (wantedSum - minimumSum)));
                used += heights[s];
            }
            finishWithRest(used);
        } else if (allSpecified) {
            long long used = 0;
            for (int r = 0; r + 1 < rowCount; ++r) {
                const auto s = static_cast<std::size_t>(r);
                heights[s] =
                    wantedSum > 0
                        ? RoundHalfEven(static_cast<long double>(wanted[s]) * height / wantedSum)
                        : 0;
                used += heights[s];
            }
            finishWithRest(used);
        } else {
            const long long rest = height - wantedSum;
            const long long each = rest / unspecified;
            int seen = 0;
            for (int r = 0; r < rowCount; ++r) {
                const auto s = static_cast<std::size_t>(r);
                long long value = wanted[s];
                if (!specified[s]) {
                    ++seen;
                    value += seen == unspecified ? rest - each * (unspecified - 1) : each;
                }
                heights[s] = Saturated(value);
            }
        }
    } else {
        for (int r = 0; r < rowCount; ++r)
            heights[static_cast<std::size_t>(r)] = Saturated(minimum[static_cast<std::size_t>(r)]);
    }
}

}  // namespace kelvor::engine
