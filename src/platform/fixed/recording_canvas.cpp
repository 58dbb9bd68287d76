#include "platform/fixed/recording_canvas.h"

#include <utility>

namespace kelvor::platform::fixed {

void RecordingCanvas::drawText(const Font& font, int x, int baselineY, std::u16string_view text,
                               RgbColour colour, std::optional<RgbColour> background) {
    DrawCall call;
    call.call = Call::text;
    call.x = x;
    call.y = baselineY;
    call.text = std::u16string(text);
    call.font = font.request();
    call.colour = colour;
    call.background = background;
    calls.push_back(std::move(call));
}

void RecordingCanvas::fillRect(const Rect& rect, RgbColour colour) {
    DrawCall call;
    call.call = Call::fillRect;
    call.rect = rect;
    call.colour = colour;
    calls.push_back(std::move(call));
}

void RecordingCanvas::frameRect(const Rect& rect, RgbColour colour, int penWidth) {
    DrawCall call;
    call.call = Call::frameRect;
    call.rect = rect;
    call.colour = colour;
    call.penWidth = penWidth;
    calls.push_back(std::move(call));
}

void RecordingCanvas::drawLine(int x1, int y1, int x2, int y2, RgbColour colour, int penWidth,
                               PenStyle style) {
    DrawCall call;
    call.call = Call::line;
    call.x = x1;
    call.y = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.colour = colour;
    call.penWidth = penWidth;
    call.penStyle = style;
    calls.push_back(std::move(call));
}

void RecordingCanvas::drawEllipse(const Rect& rect, RgbColour pen, std::optional<RgbColour> fill) {
    DrawCall call;
    call.call = Call::ellipse;
    call.rect = rect;
    call.colour = pen;
    call.background = fill;
    calls.push_back(std::move(call));
}

void RecordingCanvas::drawPicture(const Picture& /*picture*/, const Rect& target) {
    DrawCall call;
    call.call = Call::picture;
    call.rect = target;
    calls.push_back(std::move(call));
}

void RecordingCanvas::setClip(std::optional<Rect> rect) {
    DrawCall call;
    call.call = Call::clip;
    call.clipCleared = !rect.has_value();
    if (rect) {
        call.rect = *rect;
    }
    calls.push_back(std::move(call));
}

}  // namespace kelvor::platform::fixed

namespace kelvor::platform::fixed {

void RecordingCanvas::setMapping(const CanvasMapping& mapping) {
    DrawCall call;
    call.call = Call::mapping;
    call.mapping = mapping;
    calls.push_back(std::move(call));
}

}  // namespace kelvor::platform::fixed
