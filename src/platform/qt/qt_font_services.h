#pragma once

#include <QFont>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font_services.h"

class QPaintDevice;

namespace kelvor::platform::qt {

struct MeasuringDevice;

// Font services on Qt: families from the font database (with the metric twins of the common
// Windows families), fonts measured with QFontMetrics for one device, the desktop palette's
// system colours. Needs a running QGuiApplication.
class QtFontServices : public FontServices {
  public:
    // The screen.
    QtFontServices();
    // A printer or an offscreen image, which must outlive the services. Fonts that outlive the
    // services measure for the screen from then on.
    explicit QtFontServices(QPaintDevice& device);
    ~QtFontServices() override;
    QtFontServices(const QtFontServices&) = delete;
    QtFontServices& operator=(const QtFontServices&) = delete;

    std::vector<std::string> fontFamilies() const override;
    bool hasFontFamily(std::string_view family) const override;
    std::shared_ptr<const Font> createFont(const FontRequest& request) override;
    int pixelsPerInch() const override { return pixelsPerInch_; }
    int bitsPerPixel() const override { return bitsPerPixel_; }
    // The colours of the desktop's palette where Qt has a counterpart, the classic scheme
    // elsewhere.
    RgbColour systemColour(int index) const override;

    // The family the font system will actually use for `family`: the family itself when
    // installed, else its metric-compatible twin when that is installed, else `family`.
    static std::string actualFamily(std::string_view family);

  private:
    std::shared_ptr<MeasuringDevice> device_;
    int pixelsPerInch_ = 96;
    int bitsPerPixel_ = 32;
};

// The QFont to draw `font` with: the one a QtFontServices built it with, or for a font of other
// services one built from its request.
QFont ToQFont(const Font& font);

}  // namespace kelvor::platform::qt
