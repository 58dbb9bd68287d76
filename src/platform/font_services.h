#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics_types.h"

namespace kelvor::platform {

// A font built by a FontServices for its device. It measures as that device does, so layout
// done with it is what the same device's canvas draws.
class Font {
  public:
    virtual ~Font() = default;
    virtual const FontRequest& request() const = 0;
    virtual const FontMetrics& metrics() const = 0;
    // Advance width of a run of text, in pixels.
    virtual int textWidth(std::u16string_view text) const = 0;
};

// Fonts and what the engine must know of one output device (the screen, a printer, the fixed
// metrics of tests and tools): families, fonts, resolution, colour depth and system colours.
// One lives as long as its device and serves every document laid out for it; drawing goes
// through a Canvas made for each paint. Fonts belong to the services that built them.
class FontServices {
  public:
    virtual ~FontServices() = default;

    // Families the engine may use, sorted; includes names served by a metric-compatible
    // substitute (e.g. "Arial" where only its metric twin is present).
    virtual std::vector<std::string> fontFamilies() const = 0;
    virtual bool hasFontFamily(std::string_view family) const = 0;
    // Any height is accepted; heights beyond kMaxFontHeight are built at that size.
    virtual std::shared_ptr<const Font> createFont(const FontRequest& request) = 0;

    virtual int pixelsPerInch() const = 0;
    virtual int bitsPerPixel() const = 0;
    // The platform's system colour n (the Windows COLOR_* numbering: 0 scroll bar, 5 window,
    // 8 window text, 13 highlight, 15 button face, ...). Defaults to the classic Windows scheme.
    virtual RgbColour systemColour(int index) const;
};

}  // namespace kelvor::platform
