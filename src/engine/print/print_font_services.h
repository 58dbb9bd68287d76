#pragma once

#include "platform/font_services.h"

namespace kelvor::engine {

// The fonts of a print copy: the screen's own, so that the copy lays out in screen pixels
// that the page's mapping scales to dots, but with the printer's colour depth, which decides
// how text and frames print on a black-and-white printer.
class PrintFontServices : public platform::FontServices {
  public:
    PrintFontServices(platform::FontServices& screen, int printerBits)
        : screen_(screen), bits_(printerBits) {}

    std::vector<std::string> fontFamilies() const override { return screen_.fontFamilies(); }
    bool hasFontFamily(std::string_view family) const override {
        return screen_.hasFontFamily(family);
    }
    std::shared_ptr<const platform::Font> createFont(
        const platform::FontRequest& request) override {
        return screen_.createFont(request);
    }
    int pixelsPerInch() const override { return screen_.pixelsPerInch(); }
    int bitsPerPixel() const override { return bits_; }
    platform::RgbColour systemColour(int index) const override {
        return screen_.systemColour(index);
    }

  private:
    platform::FontServices& screen_;
    int bits_;
};

}  // namespace kelvor::engine
