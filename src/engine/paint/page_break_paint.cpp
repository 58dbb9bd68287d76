// Forced page breaks and page-break rules of blocks, as printing meets them.

#include "engine/document/block.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

// A break this close below the page's top would leave an empty page; it is passed over.
constexpr int kBreakSlack = 5;

}  // namespace

void TPage::paint(PaintContext& context) const {
    if (context.page != nullptr && y > context.page->pageTop + kBreakSlack)
        context.page->cutAt(y);
}

}  // namespace kelvor::engine
