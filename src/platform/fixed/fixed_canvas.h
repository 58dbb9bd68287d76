#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace kelvor::platform::fixed {

// A canvas with fixed metrics, so that layout tests, tools, benchmarks and fuzz targets work out
// pixel positions by hand and get the same answer on every machine, and a
// record of every drawing call.
//
// Device: 96 pixels per inch, 24 bits per pixel, the classic Windows system colours.
//
// Fonts. From the requested height h the em E (character height) is
//   E = -h when h < 0,   E = h * 5 / 6 when h > 0,   E = 16 when h == 0   (integer division).
// Then, all with integer division:
//   internal leading = E / 5     cell height = E + E / 5     descent = E / 4
//   ascent = cell height - descent     external leading = E / 10
//   every UTF-16 character is E / 2 wide (also the average width); maximum width = E.
// Style (bold, italic, ...) changes nothing. Example, 12 pt at 96 ppi (h = -16): em 16, internal
// leading 3, cell 19, ascent 15, descent 4, external leading 1, characters 8 wide.
//
// Charsets: a font reports the requested charset, except that the default charset (1) reports
// ANSI (0), the family "Symbol" reports the symbol charset (2), and charsets listed in
// `unsupportedCharsets` report ANSI (0).
//
// Installed families: "Arial", "Courier New", "Symbol", "Times New Roman", "Verdana"; tests may
// change `families`. Family names compare without regard to case.
class FixedCanvas : public Canvas {
  public:
    enum class Call { text, fillRect, frameRect, line, ellipse, picture, clip };

    struct DrawCall {
        Call call = Call::text;
        Rect rect;  // fill, frame, ellipse, picture target, clip
        int x = 0;  // text origin / line start
        int y = 0;  // text baseline / line start
        int x2 = 0;
        int y2 = 0;
        std::u16string text;
        FontRequest font;
        RgbColour colour = 0;
        std::optional<RgbColour> background;  // text background, ellipse fill
        int penWidth = 0;
        PenStyle penStyle = PenStyle::solid;
        bool clipCleared = false;
    };

    std::set<std::string> families{"Arial", "Courier New", "Symbol", "Times New Roman", "Verdana"};
    std::set<int> unsupportedCharsets;
    int ppi = 96;
    int bits = 24;
    std::vector<DrawCall> calls;
    int fontsCreated = 0;

    std::vector<std::string> fontFamilies() const override;
    bool hasFontFamily(std::string_view family) const override;
    std::shared_ptr<Font> createFont(const FontRequest& request) override;
    int pixelsPerInch() const override { return ppi; }
    int bitsPerPixel() const override { return bits; }

    void drawText(const Font& font, int x, int baselineY, std::u16string_view text,
                  RgbColour colour, std::optional<RgbColour> background) override;
    void fillRect(const Rect& rect, RgbColour colour) override;
    void frameRect(const Rect& rect, RgbColour colour, int penWidth) override;
    void drawLine(int x1, int y1, int x2, int y2, RgbColour colour, int penWidth,
                  PenStyle style) override;
    void drawEllipse(const Rect& rect, RgbColour pen, std::optional<RgbColour> fill) override;
    void drawPicture(const Picture& picture, const Rect& target) override;
    void setClip(std::optional<Rect> rect) override;

    // The em that a requested height gives (see above).
    static int emFor(int requestedHeight);
};

}  // namespace kelvor::platform::fixed
