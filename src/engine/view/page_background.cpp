#include "engine/view/page_background.h"

#include "engine/document/document.h"
#include "engine/document/pictures.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

// The first tile edge at or before `edge` of tiles `size` wide laid from `origin`.
long long FirstTile(long long origin, long long edge, long long size) {
    long long steps = (edge - origin) / size;
    if ((edge - origin) % size < 0) {
        --steps;
    }
    return origin + steps * size;
}

}  // namespace

void PaintPageBackground(PaintContext& context, const platform::Rect& clip, const TPicture* picture,
                         bool fixed) {
    if (const std::optional<platform::RgbColour> colour =
            context.colour(context.document.background))
        context.canvas.fillRect(clip, *colour);
    if (picture == nullptr || picture->width() <= 0 || picture->height() <= 0) {
        return;
    }
    const long long width = picture->width();
    const long long height = picture->height();
    // Canvas coordinates of the tiles' corner.
    const long long originX = fixed ? 0 : -static_cast<long long>(context.originX);
    const long long originY = fixed ? 0 : -static_cast<long long>(context.originY);
    long long tiles = 0;
    for (long long y = FirstTile(originY, clip.top, height); y < clip.bottom; y += height) {
        for (long long x = FirstTile(originX, clip.left, width); x < clip.right; x += width) {
            if (++tiles > kMaxBackgroundTiles) {
                return;
            }
            picture->paint(context.canvas, platform::Rect{static_cast<int>(x), static_cast<int>(y),
                                                          static_cast<int>(x + width),
                                                          static_cast<int>(y + height)});
        }
    }
}

}  // namespace kelvor::engine
