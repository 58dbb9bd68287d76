// Column minimum and maximum widths and percentages, measured from the cells in rounds of
// increasing column span.

#include "engine/tables/column_widths.h"

#include <algorithm>
#include <numeric>

#include "engine/document/limits.h"
#include "engine/layout/layout_context.h"
#include "engine/tables/grid_cells.h"

namespace kelvor::engine {

namespace {

long long Sum(const std::vector<int>& values, int from, int count) {
    long long sum = 0;
    for (int i = from; i < from + count; ++i)
        sum += values[static_cast<std::size_t>(i)];
    return sum;
}

int& At(std::vector<int>& values, int i) {
    return values[static_cast<std::size_t>(i)];
}

}  // namespace

int LargestSpan(const TTableGrid& grid) {
    int largest = 0;
    ForEachCell(grid, [&](const PlacedCell& placed) { largest = std::max(largest, placed.span); });
    return largest;
}

std::vector<MeasuredCell> MeasureCells(TTableGrid& grid, LayoutContext& context) {
    std::vector<MeasuredCell> cells;
    ForEachCell(grid, [&](const PlacedCell& placed) {
        const WidthRange range = placed.cell->content->widthRange(context);
        MeasuredCell measured{placed, range.minimum, range.maximum};
        const TTableCell& cell = *placed.cell;
        if (cell.noWrap && !(cell.width.set() && !cell.width.percent))
            measured.minimum = std::max(measured.minimum, measured.maximum);
        const long long extra = static_cast<long long>(cell.hExtra) + grid.cellSpacing;
        measured.minimum = Saturated(measured.minimum + extra);
        measured.maximum =
            Saturated(std::max<long long>(measured.maximum + extra, measured.minimum));
        cells.push_back(measured);
    });
    // Rounds of increasing span, each in document order.
    std::stable_sort(cells.begin(), cells.end(), [](const MeasuredCell& a, const MeasuredCell& b) {
        return a.placed.span < b.placed.span;
    });
    return cells;
}

WidthRange PixelColumnWidths(TTableGrid& grid, const std::vector<MeasuredCell>& cells) {
    std::fill(grid.minWidths.begin(), grid.minWidths.end(), 0);
    std::fill(grid.maxWidths.begin(), grid.maxWidths.end(), 0);
    std::fill(grid.percents.begin(), grid.percents.end(), 0);
    std::fill(grid.widths.begin(), grid.widths.end(), 0);
    for (const MeasuredCell& measured : cells) {
        const TTableCell& cell = *measured.placed.cell;
        const int c = measured.placed.column;
        const int span = measured.placed.span;
        int minimum = measured.minimum;
        int maximum = measured.maximum;
        const bool pixels = cell.width.set() && !cell.width.percent;
        if (span == 1) {
            if (pixels) {
                minimum = maximum =
                    std::max<int>(minimum, Saturated(static_cast<long long>(cell.width.value) +
                                                     cell.hExtra + grid.cellSpacing));
            }
            At(grid.minWidths, c) = std::max(At(grid.minWidths, c), minimum);
            At(grid.maxWidths, c) = std::max(At(grid.maxWidths, c), maximum);
            continue;
        }
        if (pixels) {
            minimum = std::max(minimum, cell.width.value);
            maximum = std::max(minimum, cell.width.value);
        }
        const auto grow = [&](std::vector<int>& values, int wanted) {
            const long long sum = Sum(values, c, span);
            if (sum >= wanted)
                return;
            const long long shortfall = wanted - sum;
            if (sum == 0) {
                At(values, c) = wanted;
                return;
            }
            for (int i = c; i < c + span; ++i)
                At(values, i) = Saturated(At(values, i) + MulDiv(At(values, i), shortfall, sum));
        };
        grow(grid.minWidths, minimum);
        grow(grid.maxWidths, maximum);
    }
    return {Saturated(Sum(grid.minWidths, 0, grid.columns)),
            Saturated(Sum(grid.maxWidths, 0, grid.columns))};
}

WidthRange PercentColumnWidths(TTableGrid& grid, const std::vector<MeasuredCell>& cells,
                               int target) {
    std::fill(grid.minWidths.begin(), grid.minWidths.end(), 0);
    std::fill(grid.maxWidths.begin(), grid.maxWidths.end(), 0);
    std::fill(grid.percents.begin(), grid.percents.end(), 0);
    std::fill(grid.widths.begin(), grid.widths.end(), 0);
    for (const MeasuredCell& measured : cells) {
        const TTableCell& cell = *measured.placed.cell;
        const int c = measured.placed.column;
        const int span = measured.placed.span;
        int minimum = measured.minimum;
        int maximum = measured.maximum;
        const bool pixels = cell.width.set() && !cell.width.percent;
        int percent = cell.width.percent ? cell.width.value : 0;
        if (pixels && target > 0)
            percent = std::min(1000, MulDiv(cell.width.value, 1000, target));
        if (span == 1) {
            if (pixels) {
                minimum = maximum =
                    std::max<int>(minimum, Saturated(static_cast<long long>(cell.width.value) +
                                                     cell.hExtra + grid.cellSpacing));
            }
            At(grid.minWidths, c) = std::max(At(grid.minWidths, c), minimum);
            At(grid.maxWidths, c) = std::max(At(grid.maxWidths, c), maximum);
            At(grid.percents, c) = std::max(At(grid.percents, c), percent);
            continue;
        }
        if (pixels) {
            minimum = std::max(minimum, cell.width.value);
            maximum = std::max(minimum, cell.width.value);
        }
        const long long rawMin = Sum(grid.minWidths, c, span);
        const long long rawMax = Sum(grid.maxWidths, c, span);
        long long minSum = rawMin;
        long long maxSum = rawMax;
        long long percentSum = 0;
        int withoutPercent = 0;
        for (int i = c; i < c + span; ++i) {
            if (At(grid.percents, i) > 0)
                percentSum += At(grid.percents, i);
            else
                ++withoutPercent;
        }
        if (span == grid.columns && target > 0) {
            minSum = std::max<long long>(minSum, target);
            maxSum = std::max<long long>(maxSum, target);
        }
        const long long minShort = minimum - minSum;
        const long long maxShort = maximum - maxSum;
        if (percent > 0 || percentSum > 0) {
            if (withoutPercent == 0 && percent > percentSum + 1) {
                for (int i = c; i < c + span; ++i)
                    At(grid.percents, i) = MulDiv(At(grid.percents, i), percent, percentSum);
            } else if (withoutPercent > 0) {
                const long long share = std::max(0LL, (percent - percentSum) / withoutPercent);
                if (share > 0) {
                    for (int i = c; i < c + span; ++i) {
                        if (At(grid.percents, i) == 0)
                            At(grid.percents, i) = static_cast<int>(std::min(share, 1000LL));
                    }
                }
            }
            const long long whole = std::max<long long>(percentSum, percent);
            bool allPercent = true;
            for (int i = c; i < c + span; ++i)
                allPercent = allPercent && At(grid.percents, i) > 0;
            if (minShort > 0) {
                for (int i = c; i < c + span; ++i) {
                    const int add = (allPercent || rawMax == 0)
                                        ? MulDiv(minShort, At(grid.percents, i), whole)
                                        : MulDiv(minShort, At(grid.maxWidths, i), rawMax);
                    At(grid.minWidths, i) =
                        Saturated(static_cast<long long>(At(grid.minWidths, i)) + add);
                }
            }
            if (maxShort > 0) {
                for (int i = c; i < c + span; ++i) {
                    At(grid.maxWidths, i) =
                        Saturated(static_cast<long long>(At(grid.maxWidths, i)) +
                                  MulDiv(maxShort, At(grid.percents, i), whole));
                }
            }
        } else {
            const auto rescale = [&](std::vector<int>& values, long long rawSum, int wanted) {
                long long given = 0;
                for (int i = c; i < c + span; ++i) {
                    At(values, i) =
                        rawSum > 0 ? MulDiv(wanted, At(values, i), rawSum) : wanted / span;
                    given += At(values, i);
                }
                At(values, c) = Saturated(At(values, c) + (wanted - given));
            };
            if (minShort > 0)
                rescale(grid.minWidths, rawMin, minimum);
            if (maxShort > 0)
                rescale(grid.maxWidths, rawMax, maximum);
        }
        // A maximum is never below its minimum.
        for (int i = c; i < c + span; ++i)
            At(grid.maxWidths, i) = std::max(At(grid.maxWidths, i), At(grid.minWidths, i));
    }
    return {Saturated(Sum(grid.minWidths, 0, grid.columns)),
            Saturated(Sum(grid.maxWidths, 0, grid.columns))};
}

int PercentSum(const TTableGrid& grid) {
    return Saturated(Sum(grid.percents, 0, grid.columns));
}

int WantedAutomaticWidth(const TTableGrid& grid) {
    const int sum = PercentSum(grid);
    long long withoutPercent = 0;
    int wanted = 0;
    for (int i = 0; i < grid.columns; ++i) {
        const auto s = static_cast<std::size_t>(i);
        if (grid.percents[s] > 0)
            wanted = std::max(wanted, MulDiv(grid.maxWidths[s], 1000, grid.percents[s]));
        else
            withoutPercent += grid.maxWidths[s];
    }
    if (sum >= 1000)
        return std::max(wanted, withoutPercent > 0 ? kWideTable : 0);
    return std::max(wanted, MulDiv(withoutPercent, 1000, 1000 - sum));
}

WidthRange TTableGrid::measure(LayoutContext& context) {
    initialise();
    const std::vector<MeasuredCell> cells = MeasureCells(*this, context);
    const bool percentages = !pixelCells || specifiedWidth > 0;
    WidthRange range = percentages ? PercentColumnWidths(*this, cells, specifiedWidth)
                                   : PixelColumnWidths(*this, cells);
    percentSum = percentages ? PercentSum(*this) : 0;
    // Percentages that ask for more than the content needs (a report's 30/70 rows, say) make
    // the table as wide as they want, and percentages that ask for everything make it fill
    // what it is given; the table block caps this at the room there is.
    if (percentages && specifiedWidth == 0 && percentSum > 0) {
        const int wanted = percentSum > 1000 ? kWideTable : WantedAutomaticWidth(*this);
        range.maximum = std::max(range.maximum, wanted);
    }
    range.minimum = Saturated(static_cast<long long>(range.minimum) + cellSpacing);
    range.maximum = Saturated(static_cast<long long>(range.maximum) + cellSpacing);
    range.minimum = std::max(range.minimum, specifiedWidth);
    range.maximum = std::max({range.maximum, specifiedWidth, range.minimum});
    return range;
}

WidthRange TTableGrid::widthRange(LayoutContext& context) {
    // A table block asks for its parent (no width) and for its own layout (its width): both
    // are kept, so that nested tables measure once however often they are laid out.
    for (const MeasuredRange& kept : measured_) {
        if (kept.specified == specifiedWidth)
            return kept.range;
    }
    const WidthRange range = measure(context);
    if (measured_.size() >= 4)
        measured_.erase(measured_.begin());
    measured_.push_back(MeasuredRange{specifiedWidth, range});
    return range;
}

}  // namespace kelvor::engine
