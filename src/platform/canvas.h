#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// What the engine asks for. A negative height is the character height (the em, cell height
// less internal leading) in pixels; a positive one is the cell height; 0 lets the platform pick.
struct FontRequest {
    std::string name;
    int height = 0;
    unsigned style = 0;  // FontStyleBits
    RgbColour colour = 0;
    int charset = kDefaultCharset;
};

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

class Font {
  public:
    virtual ~Font() = default;
    virtual const FontRequest& request() const = 0;
    virtual const FontMetrics& metrics() const = 0;
    // Advance width of a run of text, in pixels.
    virtual int textWidth(std::u16string_view text) const = 0;
};

// A picture ready to be drawn: non-premultiplied 0xAARRGGBB pixels, row by row.
class Picture {
  public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual const std::uint32_t* pixels() const = 0;
};

enum class PenStyle { solid, dashed, dotted };

// The drawing and text services the display engine works through: a screen window, a printer
// page or an offscreen image.
class Canvas {
  public:
    virtual ~Canvas() = default;

    // Fonts.
    // Families the engine may use, sorted; includes names served by a metric-compatible
    // substitute (e.g. "Arial" where only its metric twin is present).
    virtual std::vector<std::string> fontFamilies() const = 0;
    virtual bool hasFontFamily(std::string_view family) const = 0;
    virtual std::shared_ptr<Font> createFont(const FontRequest& request) = 0;

    // Device.
    virtual int pixelsPerInch() const = 0;
    virtual int bitsPerPixel() const = 0;
    // The platform's system colour n (the Windows COLOR_* numbering: 0 scroll bar, 5 window,
    // 8 window text, 13 highlight, 15 button face, ...). Defaults to the classic Windows scheme.
    virtual RgbColour systemColour(int index) const;

    // Drawing. Text is placed with its baseline at y. A background of std::nullopt leaves the
    // ground showing through; otherwise the text's cell is filled first.
    virtual void drawText(const Font& font, int x, int baselineY, std::u16string_view text,
                          RgbColour colour, std::optional<RgbColour> background) = 0;
    virtual void fillRect(const Rect& rect, RgbColour colour) = 0;
    virtual void frameRect(const Rect& rect, RgbColour colour, int penWidth) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2, RgbColour colour, int penWidth,
                          PenStyle style) = 0;
    // An ellipse inscribed in rect, outlined in `pen` and filled with `fill` when given.
    virtual void drawEllipse(const Rect& rect, RgbColour pen, std::optional<RgbColour> fill) = 0;
    virtual void drawPicture(const Picture& picture, const Rect& target) = 0;
    // Restricts drawing to rect until the clip is cleared; std::nullopt removes the clip.
    virtual void setClip(std::optional<Rect> rect) = 0;
};

}  // namespace kelvor::platform
