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
// How logical units map to the device: `logical` units become `deviceX` dots across and
// `deviceY` dots down, and the logical origin lands on device (originX, originY). The identity
// is a screen's; a printer page maps screen pixels to its dots.
struct CanvasMapping {
    int logical = 1;
    int deviceX = 1;
    int deviceY = 1;
    int originX = 0;
    int originY = 0;
    bool operator==(const CanvasMapping&) const = default;
};

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
    // Sets the logical-to-device mapping for the following calls (coordinates and clips are
    // logical). A canvas that only ever draws at one unit per pixel may ignore it.
    virtual void setMapping(const CanvasMapping& mapping) { (void)mapping; }
};

}  // namespace kelvor::platform
