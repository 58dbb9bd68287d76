#pragma once

#include <QPainter>
#include <memory>
#include <optional>

#include "platform/canvas.h"

class QPaintDevice;

namespace kelvor::platform::qt {

// The drawing surface of one paint on Qt, drawing with a QPainter. Fonts come from a
// QtFontServices for the same device.
class QtCanvas : public Canvas {
  public:
    // Draws on `device` through a painter of its own, opened at the first drawing call and
    // closed with the canvas.
    explicit QtCanvas(QPaintDevice& device);
    // Draws through the caller's painter (a widget's paint event).
    explicit QtCanvas(QPainter& painter);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    void drawText(const Font& font, int x, int baselineY, std::u16string_view text,
                  RgbColour colour, std::optional<RgbColour> background) override;
    void fillRect(const Rect& rect, RgbColour colour) override;
    void frameRect(const Rect& rect, RgbColour colour, int penWidth) override;
    void drawLine(int x1, int y1, int x2, int y2, RgbColour colour, int penWidth,
                  PenStyle style) override;
    void drawEllipse(const Rect& rect, RgbColour pen, std::optional<RgbColour> fill) override;
    void drawPicture(const Picture& picture, const Rect& target) override;
    void setClip(std::optional<Rect> rect) override;
    void setMapping(const CanvasMapping& mapping) override;

  private:
    QPainter& painter();

    QPaintDevice* device_;
    QPainter* external_ = nullptr;
    std::unique_ptr<QPainter> own_;
};

}  // namespace kelvor::platform::qt
