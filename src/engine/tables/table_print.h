#pragma once

#include "engine/document/table.h"

namespace kelvor::engine {

class PaintContext;

// A table on the page being printed (context.page set): moves the page's cut line so that no
// row is cut in two and, for an outer table with head or foot rows, registers the rows to draw
// again with the page's table-part record. Called by the grid's paint before it draws.
void BreakPrintedTable(PaintContext& context, const TTableGrid& grid);

}  // namespace kelvor::engine
