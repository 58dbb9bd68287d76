#include "engine/paint/borders.h"

#include <algorithm>

#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

using platform::RgbColour;

RgbColour Darker(RgbColour c) {
    return ((c >> 1) & 0x7F7F7F);
}

RgbColour Lighter(RgbColour c) {
    const auto mix = [&](int shift) {
        const unsigned part = (c >> shift) & 0xFF;
        return ((part + 0xFF) / 2) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

enum Side { kTop = 0, kRight = 1, kBottom = 2, kLeft = 3 };

// The band of one side, `from` and `to` pixels in from the outer edge.
platform::Rect Band(int side, int left, int top, int right, int bottom, int from, int to) {
    switch (side) {
        case kTop:
            return {left, top + from, right, top + to};
        case kBottom:
            return {left, bottom - to, right, bottom - from};
        case kLeft:
            return {left + from, top, left + to, bottom};
        default:
            return {right - to, top, right - from, bottom};
    }
}

void FillBand(PaintContext& context, const platform::Rect& band, RgbColour colour) {
    if (band.right > band.left && band.bottom > band.top)
        context.canvas.fillRect(context.rect(band.left, band.top, band.right, band.bottom), colour);
}

}  // namespace

void PaintBoxBackground(PaintContext& context, const BoxValues& box, int left, int top, int right,
                        int bottom) {
    const std::optional<RgbColour> colour = context.colour(box.backgroundColour);
    if (!colour || right <= left || bottom <= top)
        return;
    context.canvas.fillRect(context.rect(left, top, right, bottom), *colour);
}

void PaintBorders(PaintContext& context, const BoxValues& box, int left, int top, int right,
                  int bottom, BorderSides sides) {
    const bool drawn[4] = {sides.top, sides.right, sides.bottom, sides.left};
    for (int side = 0; side < 4; ++side) {
        const int width = box.borderWidth[static_cast<std::size_t>(side)];
        const BorderKind kind = box.borderStyles[static_cast<std::size_t>(side)];
        if (!drawn[side] || width <= 0 || kind == BorderKind::none)
            continue;
        const RgbColour colour =
            context.colourOr(box.borderColours[static_cast<std::size_t>(side)], 0);
        const bool topOrLeft = side == kTop || side == kLeft;
        switch (kind) {
            case BorderKind::solid:
                FillBand(context, Band(side, left, top, right, bottom, 0, width), colour);
                break;
            case BorderKind::doubled: {
                const int line = std::max(1, width / 3);
                FillBand(context, Band(side, left, top, right, bottom, 0, line), colour);
                FillBand(context, Band(side, left, top, right, bottom, width - line, width),
                         colour);
                break;
            }
            case BorderKind::dashed:
            case BorderKind::dotted: {
                const platform::Rect band = Band(side, left, top, right, bottom, 0, width);
                const bool across = side == kTop || side == kBottom;
                const int middle = across ? band.top + width / 2 : band.left + width / 2;
                const platform::PenStyle style = kind == BorderKind::dashed
                                                     ? platform::PenStyle::dashed
                                                     : platform::PenStyle::dotted;
                if (across) {
                    context.canvas.drawLine(context.cx(band.left), context.cy(middle),
                                            context.cx(band.right), context.cy(middle), colour,
                                            width, style);
                } else {
                    context.canvas.drawLine(context.cx(middle), context.cy(band.top),
                                            context.cx(middle), context.cy(band.bottom), colour,
                                            width, style);
                }
                break;
            }
            case BorderKind::inset:
            case BorderKind::outset: {
                const bool dark = (kind == BorderKind::inset) == topOrLeft;
                FillBand(context, Band(side, left, top, right, bottom, 0, width),
                         dark ? Darker(colour) : Lighter(colour));
                break;
            }
            case BorderKind::groove:
            case BorderKind::ridge: {
                const int half = width / 2;
                const bool outerDark = (kind == BorderKind::groove) == topOrLeft;
                FillBand(context, Band(side, left, top, right, bottom, 0, half),
                         outerDark ? Darker(colour) : Lighter(colour));
                FillBand(context, Band(side, left, top, right, bottom, half, width),
                         outerDark ? Lighter(colour) : Darker(colour));
                break;
            }
            case BorderKind::none:
                break;
        }
    }
}

}  // namespace kelvor::engine
