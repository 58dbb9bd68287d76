#include "engine/paint/paint_context.h"

#include "engine/document/document.h"

namespace kelvor::engine {

PaintContext::PaintContext(platform::Canvas& canvas, TDocument& document,
                           const platform::Rect& area, int originX, int originY)
    : canvas(canvas), document(document), area(area), originX(originX), originY(originY) {}

std::optional<platform::RgbColour> PaintContext::colour(TColour value) const {
    return ResolveColour(value, document.fonts().services());
}

}  // namespace kelvor::engine
