// Painting of blocks and cells: background and borders, then the children in draw order.

#include <algorithm>

#include "engine/document/block.h"
#include "engine/document/limits.h"
#include "engine/paint/borders.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

// A block's page-break rules end the printed page at its top or its bottom; a break this close
// below the page's top would leave an empty page and is passed over.
void BreakPrintedPage(PaintContext& context, const TBlock& block) {
    constexpr int kBreakSlack = 5;
    PrintPageState& page = *context.page;
    if (block.pageBreakBefore && block.borderTop > page.pageTop + kBreakSlack)
        page.cutAt(block.borderTop);
    if (block.pageBreakAfter && block.borderBottom > page.pageTop + kBreakSlack)
        page.cutAt(block.borderBottom);
}

}  // namespace

void TFlowCell::paint(PaintContext& context, const std::vector<TFlowItem*>& order) const {
    if (!order.empty()) {
        for (const TFlowItem* item : order)
            item->paint(context);
        return;
    }
    for (const auto& item : items)
        item->paint(context);
}

void TBlock::paintContent(PaintContext& context) const {
    cell_.paint(context, drawOrder);
}

void TBlock::paint(PaintContext& context) const {
    if (displayNone || cell_.depth() > kMaxBlockDepth)
        return;
    if (!context.intersects(std::min(drawTop, borderTop), std::max(drawBottom, borderBottom)))
        return;
    if (context.page != nullptr)
        BreakPrintedPage(context, *this);
    if (!hidden) {
        // The body's background is the document's, painted under everything.
        if (!isBody()) {
            PaintBoxBackground(context, laidOutBox, borderLeft, borderTop, borderRight,
                               borderBottom);
            if (backgroundPicture) {
                context.canvas.setClip(
                    context.rect(borderLeft, borderTop, borderRight, borderBottom));
                backgroundPicture->paint(
                    context.canvas,
                    context.rect(borderLeft, borderTop, borderLeft + backgroundPicture->width(),
                                 borderTop + backgroundPicture->height()));
                context.canvas.setClip(std::nullopt);
            }
        }
        PaintBorders(context, laidOutBox, borderLeft, borderTop, borderRight, borderBottom);
    }
    paintContent(context);
}

}  // namespace kelvor::engine
