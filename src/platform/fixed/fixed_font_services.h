#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/font_services.h"

namespace kelvor::platform::fixed {

// Font services with fixed metrics, so that layout tests, the layout dump tool, benchmarks and
// fuzz targets work out pixel positions by hand and get the same answer on every machine.
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
// A height beyond kMaxFontHeight (either sign) counts as kMaxFontHeight with its sign, and a
// text width too large for an int is INT_MAX.
//
// Charsets: a font reports the requested charset, except that the default charset (1) reports
// ANSI (0), the family "Symbol" reports the symbol charset (2), and charsets listed in
// `unsupportedCharsets` report ANSI (0).
//
// Installed families: "Arial", "Courier New", "Symbol", "Times New Roman", "Verdana"; callers
// may change `families`. Family names compare without regard to case.
class FixedFontServices : public FontServices {
  public:
    std::set<std::string> families{"Arial", "Courier New", "Symbol", "Times New Roman", "Verdana"};
    std::set<int> unsupportedCharsets;
    int ppi = 96;
    int bits = 24;

    std::vector<std::string> fontFamilies() const override;
    bool hasFontFamily(std::string_view family) const override;
    std::shared_ptr<const Font> createFont(const FontRequest& request) override;
    int pixelsPerInch() const override { return ppi; }
    int bitsPerPixel() const override { return bits; }

    // How many fonts createFont has built.
    long fontsCreated() const { return fontsCreated_; }

    // The em that a requested height gives (see above).
    static int emFor(int requestedHeight);

  private:
    long fontsCreated_ = 0;
};

}  // namespace kelvor::platform::fixed
