#include "engine/paint/object_paint.h"

#include "engine/document/document.h"
#include "engine/document/floating_objects.h"
#include "engine/layout/placeholder_font.h"
#include "engine/paint/paint_context.h"

namespace kelvor::engine {

namespace {

constexpr platform::RgbColour kPlaceholderFrame = 0x808080;
constexpr platform::RgbColour kErrorMark = 0x0000FF;  // red, 0x00BBGGRR
constexpr platform::RgbColour kAltText = 0x000000;

void PaintPlaceholder(PaintContext& context, const TImageObj* image, int x, int y, int w, int h) {
    platform::Canvas& canvas = context.canvas;
    canvas.frameRect(context.rect(x, y, x + w, y + h), kPlaceholderFrame, 1);
    if (image == nullptr)
        return;
    if (image->pictureState == PictureAnswer::State::failed && w >= 14 && h >= 14) {
        // A small red cross where a picture's icon would be.
        canvas.drawLine(context.cx(x + 4), context.cy(y + 4), context.cx(x + 13),
                        context.cy(y + 13), kErrorMark, 1, platform::PenStyle::solid);
        canvas.drawLine(context.cx(x + 13), context.cy(y + 4), context.cx(x + 4),
                        context.cy(y + 13), kErrorMark, 1, platform::PenStyle::solid);
    }
    if (!image->alt.empty() && w > 26) {
        const TDocFont font = PlaceholderFont(context.document);
        const int baseline = y + (h - font.metrics.height) / 2 + font.metrics.ascent;
        canvas.setClip(context.rect(x, y, x + w, y + h));
        canvas.drawText(*font.font, context.cx(x + 22), context.cy(baseline), Utf16(image->alt),
                        kAltText, std::nullopt);
        canvas.setClip(std::nullopt);
    }
}

}  // namespace

void PaintObject(PaintContext& context, const TFloatingObj& object, TColour borderColour) {
    const int border = object.border;
    const int x = object.drawX;
    const int y = object.drawY;
    const int outerW = object.width + 2 * border;
    const int outerH = object.height + 2 * border;
    if (!context.intersects(y, y + outerH))
        return;
    if (border > 0) {
        context.canvas.frameRect(context.rect(x, y, x + outerW, y + outerH),
                                 context.colourOr(borderColour, 0), border);
    }
    const int innerX = x + border;
    const int innerY = y + border;
    const auto* image = dynamic_cast<const TImageObj*>(&object);
    if (image != nullptr && image->pictureState == PictureAnswer::State::available &&
        image->picture) {
        image->picture->paint(context.canvas, context.rect(innerX, innerY, innerX + object.width,
                                                           innerY + object.height));
        return;
    }
    PaintPlaceholder(context, image, innerX, innerY, object.width, object.height);
}

}  // namespace kelvor::engine
