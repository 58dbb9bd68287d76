#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "engine/style/colours.h"
#include "engine/style/font_cache.h"
#include "platform/font_services.h"

namespace kelvor::engine {

// What a font is made of, as the style properties give it.
struct FontDescription {
    std::string name;    // an installed family (see ResolveFontFamily)
    double size = 12;    // points
    unsigned style = 0;  // platform::FontStyleBits
    TColour colour = 0;
    int charset = platform::kDefaultCharset;
};

// A platform font with the text metrics taken when it was built.
struct TDocFont {
    FontDescription description;
    int height = 0;                 // requested height in pixels: -round(ppi * points / 72)
    platform::FontMetrics metrics;  // metrics.charset is the charset the platform chose
    int lineHeight = 0;             // pixels; 0 for "normal"
    std::shared_ptr<const platform::Font> font;
    int fontId = -1;  // the font's id in the document's font cache

    int emSize() const { return metrics.height - metrics.internalLeading; }
    int exSize() const { return emSize() / 2; }
};

// The fonts of a link in its three states.
enum LinkState { kLinkNormal = 0, kLinkVisited = 1, kLinkHover = 2 };
struct TLinkFontEntry {
    FontDescription font;
    TColour background = kNoColour;
};
struct TLinkFonts {
    std::array<TLinkFontEntry, 3> entries;
};

// Sizes a document may ask for: at least one pixel, at most 1000 pixels of a 96 ppi screen
// (750 points), so that no style value makes an absurd font or an overflowing height.
inline constexpr double kMaxFontPoints = 750;

// The requested height of a font of `points` on a device: -round(ppi * points / 72), the size
// first brought into the range above (a size that is no number gives the smallest).
int FontHeightFor(double points, int pixelsPerInch);

// Builds a font through the document's font cache. The metrics are first read with the default
// charset: when the platform answers with the symbol charset the font keeps it, otherwise the
// requested charset is put back and the metrics read again.
std::shared_ptr<TDocFont> MakeDocFont(FontCache& fonts, const FontDescription& font,
                                      int lineHeight = 0);

// The first installed family of a comma-separated list; names are trimmed and unquoted, and the
// generic names stand for installed fonts ("serif" Times New Roman, "sans-serif" and "Helvetica"
// Arial, "monospace" Courier New, "cursive" Lucida Handwriting). When none is installed the
// first name is returned, for the platform to substitute.
std::string ResolveFontFamily(std::string_view list, const platform::FontServices& device);

}  // namespace kelvor::engine
