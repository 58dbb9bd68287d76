#pragma once

#include "platform/graphics_types.h"

namespace kelvor::engine {

class PaintContext;
class TPicture;

// Pictures drawn for one paint of a tiled background at most: a tiny picture over a large
// area would otherwise cost millions of drawing calls per paint.
inline constexpr long long kMaxBackgroundTiles = 16384;

// Paints the page's background under the part `clip` of the canvas: the document's colour,
// then its picture (when there is one) tiled from the page's corner, or from the view's corner
// when the background stays in place while the page scrolls.
void PaintPageBackground(PaintContext& context, const platform::Rect& clip, const TPicture* picture,
                         bool fixed);

}  // namespace kelvor::engine
