#include "engine/paint/document_paint.h"

#include "engine/document/document.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

void PaintDocument(PaintContext& context) {
    TDocument& document = context.document;
    const platform::Rect& area = context.area;
    if (const std::optional<platform::RgbColour> background = context.colour(document.background))
        context.canvas.fillRect(context.rect(area.left, area.top, area.right, area.bottom),
                                *background);
    document.TFlowCell::paint(context, {});
}

}  // namespace kelvor::engine
