#include "engine/layout/document_layout.h"

#include <algorithm>

#include "engine/document/document.h"
#include "engine/layout/indent_map.h"
#include "engine/layout/layout_context.h"

namespace kelvor::engine {

DocumentExtent LayoutDocument(TDocument& document, LayoutContext& context) {
    TIndentMap map(0, context.clientWidth);
    int needed = 0;
    DocumentExtent extent;
    extent.height = document.TFlowCell::layout(context, 0, context.clientWidth,
                                               context.clientHeight, map, 0, needed);
    extent.width = std::clamp(needed, 0, kMaxDocumentWidth);
    return extent;
}

}  // namespace kelvor::engine
