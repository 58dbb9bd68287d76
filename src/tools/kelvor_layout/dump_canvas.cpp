#include "tools/kelvor_layout/dump_canvas.h"

#include <cstdio>
#include <string>

#include "engine/document/utf8_text.h"

namespace kelvor::tools {

namespace {

std::string Box(const platform::Rect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.width()) + " " + std::to_string(rect.height());
}

}  // namespace

std::string DumpCanvas::Hex(platform::RgbColour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

std::string DumpCanvas::Quoted(std::u16string_view text) {
    std::string out = "\"";
    // Quote marks and backslashes are single bytes in UTF-8, never part of a longer sequence.
    for (const char c : engine::Utf8FromUtf16(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

void DumpCanvas::drawText(const platform::Font& font, int x, int baselineY,
                          std::u16string_view text, platform::RgbColour colour,
                          std::optional<platform::RgbColour> background) {
    const platform::FontMetrics& m = font.metrics();
    out_ << "text " << x << ' ' << baselineY << ' ' << (m.height - m.internalLeading) << ' '
         << Hex(colour) << ' ' << Quoted(text) << '\n';
    if (next_)
        next_->drawText(font, x, baselineY, text, colour, background);
}

void DumpCanvas::fillRect(const platform::Rect& rect, platform::RgbColour colour) {
    out_ << "fill " << Box(rect) << ' ' << Hex(colour) << '\n';
    if (next_)
        next_->fillRect(rect, colour);
}

void DumpCanvas::frameRect(const platform::Rect& rect, platform::RgbColour colour, int penWidth) {
    out_ << "frame " << Box(rect) << ' ' << Hex(colour) << ' ' << penWidth << '\n';
    if (next_)
        next_->frameRect(rect, colour, penWidth);
}

void DumpCanvas::drawLine(int x1, int y1, int x2, int y2, platform::RgbColour colour, int penWidth,
                          platform::PenStyle style) {
    const char* pen = style == platform::PenStyle::dashed   ? "dash"
                      : style == platform::PenStyle::dotted ? "dot"
                                                            : "solid";
    out_ << "line " << x1 << ' ' << y1 << ' ' << x2 << ' ' << y2 << ' ' << Hex(colour) << ' '
         << penWidth << ' ' << pen << '\n';
    if (next_)
        next_->drawLine(x1, y1, x2, y2, colour, penWidth, style);
}

void DumpCanvas::drawEllipse(const platform::Rect& rect, platform::RgbColour pen,
                             std::optional<platform::RgbColour> fill) {
    out_ << "ellipse " << Box(rect) << ' ' << Hex(pen);
    if (fill)
        out_ << ' ' << Hex(*fill);
    out_ << '\n';
    if (next_)
        next_->drawEllipse(rect, pen, fill);
}

void DumpCanvas::drawPicture(const platform::Picture& picture, const platform::Rect& target) {
    out_ << "picture " << Box(target) << '\n';
    if (next_)
        next_->drawPicture(picture, target);
}

void DumpCanvas::setClip(std::optional<platform::Rect> rect) {
    if (next_)
        next_->setClip(rect);
}

}  // namespace kelvor::tools
