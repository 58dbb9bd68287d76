#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/font_services.h"
#include "platform/graphics_types.h"

namespace kelvor::platform {

// A picture ready to be drawn: non-premultiplied 0xAARRGGBB pixels, row by row.
class Picture {
  public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual const std::uint32_t* pixels() const = 0;
};

// The drawing surface of one paint: a window's paint event, a printer page or an offscreen
// image. It is made for the paint and gone after it, so nothing keeps one; measuring is the
// business of the device's FontServices. Fonts drawn should come from the FontServices of the
// same device; a canvas copes with a foreign font by building its own from the request.
class Canvas {
  public:
    virtual ~Canvas() = default;

    // Text is placed with its baseline at y. A background of std::nullopt leaves the ground
    // showing through; otherwise the text's cell is filled first.
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
