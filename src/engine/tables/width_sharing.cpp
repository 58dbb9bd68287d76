// Sharing a table's width between its columns: by minimum and maximum for tables of pixel
// cells, by percentage for tables with a width, and automatically otherwise.

#include <algorithm>

#include "engine/document/limits.h"
#include "engine/tables/column_widths.h"

namespace kelvor::engine {

namespace {

using Widths = std::vector<int>;

int& At(Widths& values, int i) {
    return values[static_cast<std::size_t>(i)];
}

long long SumOf(const Widths& values) {
    long long sum = 0;
    for (const int value : values)
        sum += value;
    return sum;
}

// Between minimum and maximum in proportion to each column's (maximum - minimum).
void ShareByRange(TTableGrid& grid, int target, long long minimum, long long maximum) {
    const int n = grid.columns;
    const long long range = maximum - minimum;
    const long long room = target - minimum;
    if (range <= 0) {
        for (int i = 0; i < n; ++i)
            At(grid.widths, i) = At(grid.minWidths, i) +
                                 (minimum > 0 ? MulDiv(At(grid.minWidths, i), room, minimum) : 0);
        return;
    }
    for (int i = 0; i < n; ++i) {
        At(grid.widths, i) = At(grid.minWidths, i) +
                             MulDiv(At(grid.maxWidths, i) - At(grid.minWidths, i), room, range);
    }
    long long difference = SumOf(grid.widths) - target;
    for (int i = 0; i < n && difference != 0; ++i) {
        if (difference < 0) {
            ++At(grid.widths, i);
            ++difference;
        } else if (At(grid.minWidths, i) < At(grid.maxWidths, i)) {
            --At(grid.widths, i);
            --difference;
        }
    }
}

void PixelSharing(TTableGrid& grid, int target, WidthRange range) {
    if (target < range.minimum) {
        grid.widths = grid.minWidths;
    } else if (target >= range.maximum) {
        grid.widths = grid.maxWidths;
    } else {
        ShareByRange(grid, target, range.minimum, range.maximum);
    }
}

// The table has a width: percentage columns get their share of it, the others their minimum,
// and what is left or missing is settled.
void SpecifiedSharing(TTableGrid& grid, int target) {
    const int n = grid.columns;
    std::vector<char> fixed(static_cast<std::size_t>(n), 0);
    std::vector<char> isFree(static_cast<std::size_t>(n), 0);
    long long freeRoom = 0;
    int freeCount = 0;
    int lastFree = -1;
    long long percentSum = 0;
    for (int i = 0; i < n; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const int percent = grid.percents[s];
        if (percent <= 0) {
            grid.widths[s] = grid.minWidths[s];
            isFree[s] = 1;
            ++freeCount;
            freeRoom += std::max(0, grid.maxWidths[s] - grid.minWidths[s]);
            lastFree = i;
            continue;
        }
        const int share = MulDiv(target, percent, 1000);
        if (share > grid.minWidths[s]) {
            grid.widths[s] = share;
            percentSum += percent;
        } else {
            grid.widths[s] = grid.minWidths[s];
            fixed[s] = 1;
        }
    }
    const auto unfixedPercent = [&](int i) {
        const auto s = static_cast<std::size_t>(i);
        return !isFree[s] && !fixed[s];
    };
    long long excess = SumOf(grid.widths) - target;
    if (excess < 0) {
        const long long room = -excess;
        if (freeCount == 0) {
            for (int i = 0; i < n; ++i) {
                if (unfixedPercent(i))
                    At(grid.widths, i) += MulDiv(room, At(grid.percents, i), percentSum);
            }
        } else if (freeRoom > 0 && freeRoom >= room / 4) {
            for (int i = 0; i < n; ++i) {
                if (isFree[static_cast<std::size_t>(i)])
                    At(grid.widths, i) +=
                        MulDiv(room, At(grid.maxWidths, i) - At(grid.minWidths, i), freeRoom);
            }
        } else {
            for (int i = 0; i < n; ++i) {
                if (isFree[static_cast<std::size_t>(i)])
                    At(grid.widths, i) += static_cast<int>(room / freeCount);
            }
        }
    } else if (excess > 0) {
        for (int round = 0; round < 4 && percentSum > 0; ++round) {
            bool changed = false;
            for (int i = 0; i < n && percentSum > 0; ++i) {
                if (!unfixedPercent(i))
                    continue;
                const int give = MulDiv(excess, At(grid.percents, i), percentSum);
                if (At(grid.widths, i) - give < At(grid.minWidths, i)) {
                    excess -= At(grid.widths, i) - At(grid.minWidths, i);
                    percentSum -= At(grid.percents, i);
                    At(grid.widths, i) = At(grid.minWidths, i);
                    fixed[static_cast<std::size_t>(i)] = 1;
                    changed = true;
                }
            }
            if (!changed)
                break;
        }
        if (percentSum > 0) {
            const long long total = excess;
            for (int i = 0; i < n; ++i) {
                if (unfixedPercent(i))
                    At(grid.widths, i) -= MulDiv(total, At(grid.percents, i), percentSum);
            }
        }
    }
    // Rounding.
    const long long difference = SumOf(grid.widths) - target;
    if (difference > 0) {
        for (int i = 0; i < n; ++i) {
            if (!fixed[static_cast<std::size_t>(i)]) {
                At(grid.widths, i) = Saturated(At(grid.widths, i) - difference);
                break;
            }
        }
    } else if (difference < 0 && lastFree >= 0) {
        At(grid.widths, lastFree) = Saturated(At(grid.widths, lastFree) - difference);
    } else if (difference < 0 && n > 0) {
        long long left = -difference;
        while (left > n) {
            const long long share = left / n;
            for (int i = 0; i < n; ++i)
                At(grid.widths, i) = Saturated(At(grid.widths, i) + share);
            left -= share * n;
        }
        for (int i = 0; i < n && left > 0; ++i, --left)
            ++At(grid.widths, i);
    }
}

// No table width: percentages are honoured as far as the content and the room allow, then
// the room is shared by minimum and maximum.
void AutomaticSharing(TTableGrid& grid, int target, WidthRange range) {
    const int n = grid.columns;
    const int sum = PercentSum(grid);
    if (sum > 0 && sum <= 1000) {
        long long withoutPercent = 0;
        for (int i = 0; i < n; ++i) {
            if (At(grid.percents, i) <= 0)
                withoutPercent += At(grid.maxWidths, i);
        }
        const int wanted = WantedAutomaticWidth(grid);
        if (wanted <= target) {
            const int rest = MulDiv(wanted, 1000 - sum, 1000);
            for (int i = 0; i < n; ++i) {
                if (At(grid.percents, i) > 0)
                    At(grid.widths, i) = MulDiv(wanted, At(grid.percents, i), 1000);
                else
                    At(grid.widths, i) = withoutPercent > 0
                                             ? MulDiv(At(grid.maxWidths, i), rest, withoutPercent)
                                             : 0;
            }
            return;
        }
        long long previousRoom = 268435455;
        // Each round lowers the room, so the loop ends; the bound keeps hostile sizes quick.
        for (int round = 0; round < 64; ++round) {
            long long shares = 0;
            long long otherMinimum = 0;
            int left = 0;
            for (int i = 0; i < n; ++i) {
                if (At(grid.percents, i) > 0 &&
                    MulDiv(target, At(grid.percents, i), 1000) < At(grid.minWidths, i)) {
                    At(grid.percents, i) = 0;
                }
                if (At(grid.percents, i) > 0) {
                    shares += MulDiv(target, At(grid.percents, i), 1000);
                    ++left;
                } else {
                    otherMinimum += At(grid.minWidths, i);
                }
            }
            if (left == 0)
                break;
            if (shares + otherMinimum <= target) {
                for (int i = 0; i < n; ++i) {
                    if (At(grid.percents, i) > 0) {
                        const int share = MulDiv(target, At(grid.percents, i), 1000);
                        At(grid.minWidths, i) = At(grid.maxWidths, i) = share;
                    }
                }
                range.minimum = Saturated(SumOf(grid.minWidths));
                range.maximum = Saturated(SumOf(grid.maxWidths));
                break;
            }
            long long room = target - otherMinimum;
            if (room >= previousRoom)
                room = previousRoom - 1;
            previousRoom = room;
            if (room <= 0 || shares <= 0) {
                std::fill(grid.percents.begin(), grid.percents.end(), 0);
                break;
            }
            for (int i = 0; i < n; ++i) {
                if (At(grid.percents, i) > 0)
                    At(grid.percents, i) = MulDiv(At(grid.percents, i), room, shares);
            }
        }
    }
    if (n == 0)
        return;
    const long long range_ = static_cast<long long>(range.maximum) - range.minimum;
    const long long room = static_cast<long long>(target) - range.minimum;
    int rounding = 0;
    if (range_ == 0) {
        for (int i = 0; i < n; ++i)
            At(grid.widths, i) = Saturated(At(grid.minWidths, i) + room / n);
    } else {
        int widest = -1;
        for (int i = 0; i < n; ++i) {
            const int spread = At(grid.maxWidths, i) - At(grid.minWidths, i);
            At(grid.widths, i) = Saturated(At(grid.minWidths, i) +
                                           static_cast<long long>(MulDiv(spread, room, range_)));
            if (spread > widest) {
                widest = spread;
                rounding = i;
            }
        }
    }
    At(grid.widths, rounding) = Saturated(At(grid.widths, rounding) +
                                          (static_cast<long long>(target) - SumOf(grid.widths)));
}

}  // namespace

void ShareColumnWidths(TTableGrid& grid, LayoutContext& context, int target) {
    grid.initialise();
    const std::vector<MeasuredCell> cells = MeasureCells(grid, context);
    if (grid.pixelCells && grid.specifiedWidth == 0) {
        const WidthRange range = PixelColumnWidths(grid, cells);
        PixelSharing(grid, target, range);
    } else {
        const WidthRange range = PercentColumnWidths(grid, cells, target);
        if (range.minimum >= target)
            grid.widths = grid.minWidths;
        else if (grid.specifiedWidth > 0)
            SpecifiedSharing(grid, target);
        else
            AutomaticSharing(grid, target, range);
    }
    for (int& width : grid.widths)
        width = std::max(width, 0);
    grid.tableWidth = Saturated(static_cast<long long>(grid.cellSpacing) + SumOf(grid.widths));
}

}  // namespace kelvor::engine
