#include "tools/kelvor_layout/dump_canvas.h"

#include <cstdio>
#include <string>

namespace kelvor::tools {

namespace {

std::string Box(const platform::Rect& rect) {
    return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
           std::to_string(rect.width()) + " " + std::to_string(rect.height());
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
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
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;  // half a pair has no UTF-8 form
        }
        if (c == '"' || c == '\\')
            out += '\\';
        AppendUtf8(out, c);
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
