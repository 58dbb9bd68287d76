// The grid fix-up, a pass of its own before the first measurement: spans become placeholder
// slots, so that every slot index is a column, and columns nobody uses at the end go.

#include <algorithm>

#include "engine/document/table.h"

namespace kelvor::engine {

namespace {

int LongestRow(const std::vector<std::unique_ptr<TTableRow>>& rows) {
    std::size_t longest = 0;
    for (const auto& row : rows)
        longest = std::max(longest, row->cells.size());
    return static_cast<int>(longest);
}

}  // namespace

void TTableGrid::initialise() {
    if (initialised)
        return;
    initialised = true;
    const int rowCount = static_cast<int>(rows.size());
    long long slots = 0;
    for (const auto& row : rows)
        slots += static_cast<long long>(row->cells.size());

    // Cells take what their row and the table pass on; column spans become placeholders.
    for (int r = 0; r < rowCount; ++r) {
        TTableRow& row = *rows[static_cast<std::size_t>(r)];
        for (int i = static_cast<int>(row.cells.size()) - 1; i >= 0; --i) {
            TableSlot& slot = row.cells[static_cast<std::size_t>(i)];
            if (slot.isPlaceholder())
                continue;
            TTableCell& cell = *slot.cell;
            if (row.background != kNoColour && cell.content->ownBackground == kNoColour)
                cell.content->backgroundColour = row.background;
            cell.initialise(*this);
            if (!row.backgroundImage.empty() && cell.backgroundImage.empty())
                cell.backgroundImage = row.backgroundImage;
            if (cell.width.set() && !cell.width.percent)
                pixelCells = true;
            if (cell.content->backgroundColour == kNoColour && inheritBackground)
                cell.content->backgroundColour = inheritedBackground;
            cell.rowSpan = std::min(cell.rowSpan, rowCount - r);
            slot.rowSpan = cell.rowSpan;
            const long long room = std::max(0LL, kMaxSlots - slots);
            cell.colSpan = static_cast<int>(std::min<long long>(cell.colSpan, room + 1));
            const int extra = cell.colSpan - 1;
            if (extra > 0) {
                const int span = cell.rowSpan >= 2 ? cell.rowSpan : 1;
                std::vector<TableSlot> fill(static_cast<std::size_t>(extra));
                for (TableSlot& placeholder : fill)
                    placeholder.rowSpan = span;
                row.cells.insert(row.cells.begin() + i + 1, std::make_move_iterator(fill.begin()),
                                 std::make_move_iterator(fill.end()));
                slots += extra;
            }
        }
    }
    columns = LongestRow(rows);

    // Row spans reserve their column in the rows below.
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rowCount; ++r) {
            TTableRow& row = *rows[static_cast<std::size_t>(r)];
            if (c >= static_cast<int>(row.cells.size()))
                continue;
            TableSlot& slot = row.cells[static_cast<std::size_t>(c)];
            int span = std::min(slot.rowSpan, rowCount - r);
            if (span >= 2) {
                const long long room = std::max(0LL, kMaxSlots - slots);
                span = static_cast<int>(std::min<long long>(span, room + 1));
            }
            slot.rowSpan = std::max(1, span);
            if (slot.cell)
                slot.cell->rowSpan = slot.rowSpan;
            for (int k = 1; k < slot.rowSpan; ++k) {
                auto& below = rows[static_cast<std::size_t>(r + k)]->cells;
                const std::size_t at = std::min(below.size(), static_cast<std::size_t>(c));
                below.insert(below.begin() + static_cast<std::ptrdiff_t>(at), TableSlot{});
                ++slots;
            }
        }
        columns = LongestRow(rows);
    }

    // A last column that holds only placeholders in every full row goes, and the span that
    // reached into it shrinks.
    while (columns > 0) {
        bool anyFull = false;
        bool allPlaceholders = true;
        for (const auto& row : rows) {
            if (static_cast<int>(row->cells.size()) != columns)
                continue;
            anyFull = true;
            allPlaceholders = allPlaceholders && row->cells.back().isPlaceholder();
        }
        if (!anyFull || !allPlaceholders)
            break;
        for (const auto& row : rows) {
            if (static_cast<int>(row->cells.size()) != columns)
                continue;
            row->cells.pop_back();
            for (auto slot = row->cells.rbegin(); slot != row->cells.rend(); ++slot) {
                if (slot->cell && slot->cell->colSpan >= 2) {
                    --slot->cell->colSpan;
                    break;
                }
            }
        }
        --columns;
    }
    columns = LongestRow(rows);

    // COL settings give widths to the cells that stand in their columns.
    if (!columnSpecs.empty()) {
        for (const auto& row : rows) {
            const int count = std::min({static_cast<int>(row->cells.size()), columns,
                                        static_cast<int>(columnSpecs.size())});
            for (int i = 0; i < count; ++i) {
                TableSlot& slot = row->cells[static_cast<std::size_t>(i)];
                const ColumnSpec& setting = columnSpecs[static_cast<std::size_t>(i)];
                if (!slot.cell || setting.width.value <= 0)
                    continue;
                slot.cell->width = setting.width;
                if (!setting.width.percent)
                    pixelCells = true;
            }
        }
        columnSpecs.clear();
        columnSpecs.shrink_to_fit();
    }
    const auto n = static_cast<std::size_t>(columns);
    widths.assign(n, 0);
    maxWidths.assign(n, 0);
    minWidths.assign(n, 0);
    percents.assign(n, 0);
}

}  // namespace kelvor::engine
