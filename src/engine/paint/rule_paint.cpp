// Painting of a horizontal rule: a sunken line, or a filled one.

#include "engine/document/block.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

constexpr TColour kButtonShadow = kSystemColourBase + 16;
constexpr TColour kButtonHighlight = kSystemColourBase + 20;

}  // namespace

void TRuleBlock::paintContent(PaintContext& context) const {
    const int x = ruleX;
    const int y = contentTop;
    const int w = ruleWidth;
    const int h = rule.size;
    if (w <= 0 || h <= 0)
        return;
    platform::Canvas& canvas = context.canvas;
    if (rule.colour || rule.noShade) {
        const platform::RgbColour colour =
            context.colourOr(rule.colour ? *rule.colour : kButtonShadow, 0x808080);
        canvas.fillRect(context.rect(x, y, x + w, y + h), colour);
        return;
    }
    // Sunken: shadow along the top and left, light along the bottom and right.
    const platform::RgbColour dark = context.colourOr(kButtonShadow, 0x808080);
    const platform::RgbColour light = context.colourOr(kButtonHighlight, 0xFFFFFF);
    canvas.fillRect(context.rect(x, y, x + w, y + 1), dark);
    if (h < 2)
        return;
    canvas.fillRect(context.rect(x, y + 1, x + 1, y + h), dark);
    canvas.fillRect(context.rect(x + 1, y + h - 1, x + w, y + h), light);
    if (h > 2 && w > 1)
        canvas.fillRect(context.rect(x + w - 1, y + 1, x + w, y + h - 1), light);
}

}  // namespace kelvor::engine
