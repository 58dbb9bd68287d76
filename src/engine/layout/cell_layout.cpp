// Layout of a cell: its items one below the other.

#include <algorithm>

#include "engine/document/block.h"
#include "engine/document/flow_cell.h"
#include "engine/document/limits.h"
#include "engine/layout/indent_map.h"
#include "engine/layout/layout_context.h"

namespace kelvor::engine {

int TFlowCell::layout(LayoutContext& context, int x, int width, int availableHeight,
                      TIndentMap& map, int y, int& neededWidth) {
    indentMap = &map;
    top = y;
    bottom = y;
    drawTop = y;
    drawBottom = y;
    neededWidth = 0;
    int next = y;
    for (const auto& item : items) {
        int needed = 0;
        const int itemHeight = item->layout(context, x, width, availableHeight, map, next, needed);
        neededWidth = std::max(neededWidth, needed);
        const auto* block = dynamic_cast<const TBlock*>(item.get());
        const int itemBottom = Saturated(static_cast<long long>(next) + itemHeight);
        if (block == nullptr || !block->isAbsolute())
            bottom = std::max(bottom, itemBottom);
        drawTop = std::min(drawTop, item->drawTop);
        drawBottom = std::max(drawBottom, item->drawBottom);
        next = itemBottom;
    }
    height = next - y;
    this->neededWidth = neededWidth;
    return height;
}

int TPage::layout(LayoutContext&, int x, int, int, TIndentMap&, int top, int& neededWidth) {
    y = top;
    height = drawHeight = 0;
    drawTop = drawBottom = contentTop = contentBottom = top;
    left = right = x;
    neededWidth = 0;
    return 0;
}

}  // namespace kelvor::engine
