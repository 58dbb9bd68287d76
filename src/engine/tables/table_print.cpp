// Tables that cross the end of a printed page: rows go whole to the next page, head rows are
// drawn again at the top of the next page and foot rows at the bottom of the page left.

#include "engine/tables/table_print.h"

#include <optional>

#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

// Room kept under the rows of a page for the foot rows, besides their height and the spacing.
constexpr int kFootSlack = 5;

struct RowBand {
    int y = -1;
    int height = 0;
    bool found() const { return y >= 0; }
};

// The first row of a kind and the height of all rows of that kind.
RowBand BandOf(const TTableGrid& grid, RowKind kind) {
    RowBand band;
    for (const auto& row : grid.rows) {
        if (row->kind != kind)
            continue;
        if (!band.found())
            band.y = row->y;
        band.height += row->rowHeight;
    }
    return band;
}

const TTableRow* FirstBodyRow(const TTableGrid& grid) {
    for (const auto& row : grid.rows) {
        if (row->kind == RowKind::body)
            return row.get();
    }
    return nullptr;
}

// Drawn again as a band: the foot rows under the cut ask next for the head rows at the top of
// the next page; the head rows drawn there hand the rest of the page back to the body.
void AnswerBandPass(PrintPageState& page, const TTableGrid& grid) {
    TTablePageRec& record = *page.tablePart;
    const RowBand head = BandOf(grid, RowKind::head);
    const RowBand foot = BandOf(grid, RowKind::foot);
    if (record.state == 5 && foot.found() && record.y == foot.y) {
        if (head.found())
            record = TTablePageRec{1, head.y, head.height};
        else
            page.tablePart.reset();
    } else if (record.state == 1 && head.found() && record.y == head.y) {
        record.state = 2;
    }
}

}  // namespace

void BreakPrintedTable(PaintContext& context, const TTableGrid& grid) {
    PrintPageState& page = *context.page;
    if (page.band) {
        if (page.tablePart && grid.nesting == 0)
            AnswerBandPass(page, grid);
        return;
    }
    const int top = grid.y;
    const int bottom = top + grid.tableHeight;
    if (grid.rows.empty() || bottom <= page.cutLine || top >= page.cutLine)
        return;
    const int spacing = grid.cellSpacing;
    const TTableRow* firstBody = FirstBodyRow(grid);
    const RowBand head = BandOf(grid, RowKind::head);
    const RowBand foot = BandOf(grid, RowKind::foot);
    // Only an outer table repeats rows; one inside a cell only keeps its rows whole.
    const bool parts = grid.nesting == 0 && (head.found() || foot.found()) && firstBody != nullptr;

    // A table that could start whole-headed on an empty page but not here goes to the next one.
    if (parts && top > page.pageTop) {
        const int least = head.height + firstBody->rowHeight + foot.height + spacing;
        if (top + least > page.cutLine && least <= page.bodyHeight) {
            page.cutAt(top + spacing / 2);
            return;
        }
    }

    const int footRoom =
        parts && foot.found() ? foot.height + spacing + grid.border + kFootSlack : 0;
    const int limit = page.cutLine - footRoom;
    const TTableRow* breakRow = nullptr;
    for (const auto& row : grid.rows) {
        if (parts && row->kind == RowKind::foot)
            continue;
        if (row->y + row->rowHeight > limit) {
            breakRow = row.get();
            break;
        }
    }
    if (breakRow == nullptr) {
        // Every body row fits; only the foot rows run past the page end, so they start the
        // next page.
        if (foot.found())
            page.cutAt(foot.y);
        return;
    }
    const int before = page.cutLine;
    page.cutAt(breakRow->y);
    // A row taller than the page starts at its top and is cut where the page ends.
    if (page.cutLine == before || !parts)
        return;
    // Nothing of the body stays on this page: nothing to repeat either.
    if (breakRow->kind != RowKind::body || breakRow == firstBody) {
        // Head rows alone at the end of a page: the table starts on the next one.
        page.cutAt(top + spacing / 2);
        return;
    }
    if (foot.found())
        page.tablePart = TTablePageRec{5, foot.y, foot.height};
    else if (head.found())
        page.tablePart = TTablePageRec{1, head.y, head.height};
}

}  // namespace kelvor::engine
