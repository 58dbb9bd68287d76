// Layout of a table's grid: columns, row heights, then every cell's content at its place.

#include <algorithm>

#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/layout/layout_context.h"
#include "engine/tables/column_widths.h"
#include "engine/tables/table_layout.h"

namespace kelvor::engine {

namespace {

// The background picture of a cell, asked for when images are shown.
void RequestBackground(LayoutContext& context, TTableCell& cell) {
    if (cell.backgroundImage.empty() || cell.backgroundPicture || cell.backgroundFailed ||
        !context.document.showImages) {
        return;
    }
    PictureAnswer answer = context.document.pictures().request(cell.backgroundImage);
    if (answer.state == PictureAnswer::State::available && answer.picture)
        cell.backgroundPicture = answer.picture;
    else if (answer.state == PictureAnswer::State::failed)
        cell.backgroundFailed = true;
}

}  // namespace

int TTableGrid::layout(LayoutContext& context, int x, int availableWidth, int /*availableHeight*/,
                       TIndentMap& /*map*/, int top, int& neededWidth) {
    initialise();
    y = top;
    gridLeft = x;
    gridTop = top;
    const int target = std::max(0, availableWidth - cellSpacing);
    ShareColumnWidths(*this, context, target);

    const int rowCount = static_cast<int>(rows.size());
    if (static_cast<int>(rowHeights.size()) != rowCount || heightsPass != context.pass ||
        heightsWidth != target || heightsOffered != offeredHeight) {
        FindRowHeights(*this, context, offeredHeight);
        heightsPass = context.pass;
        heightsWidth = target;
        heightsOffered = offeredHeight;
    }

    // Rows one below the other; the spacing above each cell is part of its row.
    long long rowTop = top;
    headRows = footRows = 0;
    headHeight = footHeight = 0;
    for (int r = 0; r < rowCount; ++r) {
        TTableRow& row = *rows[static_cast<std::size_t>(r)];
        row.rowHeight = rowHeights[static_cast<std::size_t>(r)];
        row.y = Saturated(rowTop);
        row.tallestStartingCell = 0;
        rowTop += row.rowHeight;
        if (row.kind == RowKind::head) {
            ++headRows;
            headHeight = Saturated(static_cast<long long>(headHeight) + row.rowHeight);
        } else if (row.kind == RowKind::foot) {
            ++footRows;
            footHeight = Saturated(static_cast<long long>(footHeight) + row.rowHeight);
        }
    }
    tableHeight = Saturated(std::max(0LL, rowTop - top + cellSpacing));

    std::vector<long long> columnLeft(static_cast<std::size_t>(columns) + 1, 0);
    for (int c = 0; c < columns; ++c)
        columnLeft[static_cast<std::size_t>(c) + 1] =
            columnLeft[static_cast<std::size_t>(c)] + widths[static_cast<std::size_t>(c)];

    long long drawBottomAll = static_cast<long long>(top) + tableHeight;
    ForEachCell(*this, [&](const PlacedCell& placed) {
        TTableCell& cell = *placed.cell;
        const int span = std::max(1, std::min(cell.rowSpan, rowCount - placed.row));
        long long spanned = 0;
        for (int k = 0; k < span; ++k)
            spanned += rowHeights[static_cast<std::size_t>(placed.row + k)];
        TTableRow& row = *rows[static_cast<std::size_t>(placed.row)];
        cell.cellWidth = CellWidth(*this, placed);
        cell.cellHeight = Saturated(spanned);
        row.tallestStartingCell = std::max(row.tallestStartingCell, cell.cellHeight);
        cell.x = Saturated(columnLeft[static_cast<std::size_t>(placed.column)]);
        cell.y = row.y;
        const long long free = static_cast<long long>(cell.cellHeight) - cell.contentHeight -
                               cellSpacing - cell.vExtra;
        switch (cell.valign) {
            case CellAlign::top:
                cell.verticalOffset = 0;
                break;
            case CellAlign::middle:
                cell.verticalOffset = Saturated(free / 2);
                break;
            case CellAlign::bottom:
                cell.verticalOffset = Saturated(free);
                break;
        }
        const long long boxLeft = static_cast<long long>(x) + cellSpacing + cell.x;
        const long long boxTop = static_cast<long long>(row.y) + cellSpacing;
        const int contentX = Saturated(boxLeft + cell.padding[3] + cell.border[3]);
        const int contentY =
            Saturated(boxTop + cell.padding[0] + cell.border[0] + cell.verticalOffset);
        const int contentWidth = std::max(0, cell.cellWidth - cell.hExtra - cellSpacing);
        const int contentHeight = std::max(0, cell.cellHeight - cell.vExtra - cellSpacing);
        LayOutCellContent(context, cell, contentX, contentY, contentWidth, contentHeight);
        drawBottomAll = std::max<long long>(drawBottomAll, cell.content->drawBottom);
        RequestBackground(context, cell);
    });

    height = tableHeight;
    drawHeight = tableHeight;
    drawTop = top;
    drawBottom = Saturated(drawBottomAll);
    contentTop = top;
    contentBottom = Saturated(static_cast<long long>(top) + tableHeight);
    left = x;
    right = Saturated(static_cast<long long>(x) + tableWidth);
    neededWidth = tableWidth;
    return tableHeight;
}

}  // namespace kelvor::engine
