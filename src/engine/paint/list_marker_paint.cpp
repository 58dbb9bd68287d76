// Painting of a list item's marker on the baseline of its first line.

#include <optional>
#include <vector>

#include "engine/document/document.h"
#include "engine/document/list_item.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

// A marker is drawn only when its baseline lies this close to the painted area.
constexpr int kMarkerReach = 50;

// The baseline of the first line of text in a cell, looking into its blocks in order.
std::optional<int> FirstBaseline(const TFlowCell& cell) {
    struct Place {
        const TFlowCell* cell;
        std::size_t next;
    };
    std::vector<Place> stack{{&cell, 0}};
    while (!stack.empty()) {
        Place& place = stack.back();
        if (place.next >= place.cell->items.size()) {
            stack.pop_back();
            continue;
        }
        const TFlowItem* item = place.cell->items[place.next++].get();
        if (const auto* section = dynamic_cast<const TSection*>(item)) {
            for (const LineRec& line : section->lines) {
                if (line.count > 0)
                    return line.baseline();
            }
        } else if (const auto* block = dynamic_cast<const TBlock*>(item)) {
            if (!block->displayNone)
                stack.push_back(Place{&block->cell(), 0});
        }
    }
    return std::nullopt;
}

}  // namespace

void TListItemBlock::paintContent(PaintContext& context) const {
    TBlock::paintContent(context);
    if (marker == MarkerKind::none || hidden)
        return;
    const std::optional<int> found = FirstBaseline(cell());
    if (!found || !context.intersects(*found - kMarkerReach, *found + kMarkerReach))
        return;
    const int b = *found;
    const int l = contentLeft;
    const platform::RgbColour colour = context.colourOr(markerFont.description.colour, 0);
    platform::Canvas& canvas = context.canvas;
    MarkerKind kind = marker;
    if (kind == MarkerKind::image) {
        if (markerPicture) {
            const int w = markerPicture->width();
            const int h = markerPicture->height();
            markerPicture->paint(canvas, context.rect(l - 16 - w, b - h, l - 16, b));
            return;
        }
        kind = imageFallback;
    }
    switch (kind) {
        case MarkerKind::disc:
            canvas.drawEllipse(context.rect(l - 15, b - 6, l - 10, b - 1), colour, colour);
            break;
        case MarkerKind::circle:
            canvas.drawEllipse(context.rect(l - 16, b - 8, l - 9, b - 1), colour, std::nullopt);
            break;
        case MarkerKind::square:
            canvas.fillRect(context.rect(l - 15, b - 6, l - 10, b - 1), colour);
            break;
        case MarkerKind::decimal:
        case MarkerKind::lowerAlpha:
        case MarkerKind::upperAlpha:
        case MarkerKind::lowerRoman:
        case MarkerKind::upperRoman: {
            if (!markerFont.font)
                break;
            const std::u16string text = MarkerText(kind, number);
            const int width = markerFont.font->textWidth(text);
            canvas.drawText(*markerFont.font, context.cx(l - 10 - width), context.cy(b), text,
                            colour, std::nullopt);
            break;
        }
        case MarkerKind::none:
        case MarkerKind::image:
            break;
    }
}

}  // namespace kelvor::engine
