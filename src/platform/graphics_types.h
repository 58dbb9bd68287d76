#pragma once

#include <cstdint>
#include <string>

namespace kelvor::platform {

// A colour as the drawing services take it: 0x00BBGGRR. The display engine keeps its own
// richer colour values (no colour, system colours, palette flag) and resolves them to this form
// before it draws.
using RgbColour = std::uint32_t;

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;   // exclusive
    int bottom = 0;  // exclusive
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// Style bits of a font.
enum FontStyleBits : unsigned {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

// Windows character-set identifiers the engine speaks in.
inline constexpr int kAnsiCharset = 0;
inline constexpr int kDefaultCharset = 1;
inline constexpr int kSymbolCharset = 2;

// The largest font height, in pixels, that font services build: a request beyond it (either
// sign) is built at this size, so that no document can make a service compute with absurd
// sizes or overflow when it negates a height.
inline constexpr int kMaxFontHeight = 10000;

// What the engine asks for. A negative height is the character height (the em, cell height
// less internal leading) in pixels; a positive one is the cell height; 0 lets the platform pick.
struct FontRequest {
    std::string name;
    int height = 0;
    unsigned style = 0;  // FontStyleBits
    RgbColour colour = 0;
    int charset = kDefaultCharset;
    bool operator==(const FontRequest&) const = default;
};

// A requested height limited to what font services build (see kMaxFontHeight).
constexpr int ClampedFontHeight(int height) {
    return height < -kMaxFontHeight ? -kMaxFontHeight
                                    : (height > kMaxFontHeight ? kMaxFontHeight : height);
}

// Text metrics of a font, in pixels.
struct FontMetrics {
    int height = 0;  // cell height: ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;  // part of the cell above the character height
    int externalLeading = 0;  // recommended extra space between lines
    int averageCharWidth = 0;
    int maxCharWidth = 0;
    int charset = kAnsiCharset;  // the charset the platform actually chose
};

enum class PenStyle { solid, dashed, dotted };

}  // namespace kelvor::platform
