#pragma once

#include <QFont>
#include <QPainter>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

class QPaintDevice;

namespace kelvor::platform::qt {

// The canvas on Qt: fonts from the font database, measurement with QFontMetrics, drawing with a
// QPainter. Needs a running QGuiApplication.
class QtCanvas : public Canvas {
  public:
    // Measures for `device` and draws on it through a painter of its own, opened at the first
    // drawing call and closed with the canvas.
    explicit QtCanvas(QPaintDevice& device);
    // Measures for the painter's device and draws through the caller's painter (a widget's
    // paint event).
    explicit QtCanvas(QPainter& painter);
    ~QtCanvas() override;

    std::vector<std::string> fontFamilies() const override;
    bool hasFontFamily(std::string_view family) const override;
    std::shared_ptr<Font> createFont(const FontRequest& request) override;
    int pixelsPerInch() const override;
    int bitsPerPixel() const override;
    // The colours of the desktop's palette where Qt has a counterpart, the classic scheme
    // elsewhere.
    RgbColour systemColour(int index) const override;

    void drawText(const Font& font, int x, int baselineY, std::u16string_view text,
                  RgbColour colour, std::optional<RgbColour> background) override;
    void fillRect(const Rect& rect, RgbColour colour) override;
    void frameRect(const Rect& rect, RgbColour colour, int penWidth) override;
    void drawLine(int x1, int y1, int x2, int y2, RgbColour colour, int penWidth,
                  PenStyle style) override;
    void drawEllipse(const Rect& rect, RgbColour pen, std::optional<RgbColour> fill) override;
    void drawPicture(const Picture& picture, const Rect& target) override;
    void setClip(std::optional<Rect> rect) override;

    // The family the font system will actually use for `family`: the family itself when
    // installed, else its metric-compatible twin when that is installed, else `family`.
    static std::string actualFamily(std::string_view family);

  private:
    QPainter& painter();

    QPaintDevice* device_;
    QPainter* external_ = nullptr;
    std::unique_ptr<QPainter> own_;
};

}  // namespace kelvor::platform::qt
