#pragma once

#include <ostream>

#include "platform/canvas.h"

namespace kelvor::tools {

// A canvas that writes every drawing call as one line of the layout dump, and hands it on to
// another canvas when one is given (to draw the same page for real):
//   text <x> <baseline-y> <em> #rrggbb "<utf-8 text>"
//   fill <x> <y> <w> <h> #rrggbb
//   frame <x> <y> <w> <h> #rrggbb <pen>
//   line <x1> <y1> <x2> <y2> #rrggbb <pen> <solid|dash|dot>
//   ellipse <x> <y> <w> <h> #rrggbb [#rrggbb]
//   picture <x> <y> <w> <h>
// Clipping is passed on but not written.
class DumpCanvas : public platform::Canvas {
  public:
    explicit DumpCanvas(std::ostream& out, platform::Canvas* next = nullptr)
        : out_(out), next_(next) {}

    void drawText(const platform::Font& font, int x, int baselineY, std::u16string_view text,
                  platform::RgbColour colour,
                  std::optional<platform::RgbColour> background) override;
    void fillRect(const platform::Rect& rect, platform::RgbColour colour) override;
    void frameRect(const platform::Rect& rect, platform::RgbColour colour, int penWidth) override;
    void drawLine(int x1, int y1, int x2, int y2, platform::RgbColour colour, int penWidth,
                  platform::PenStyle style) override;
    void drawEllipse(const platform::Rect& rect, platform::RgbColour pen,
                     std::optional<platform::RgbColour> fill) override;
    void drawPicture(const platform::Picture& picture, const platform::Rect& target) override;
    void setClip(std::optional<platform::Rect> rect) override;

    // "#rrggbb" of a 0x00BBGGRR colour.
    static std::string Hex(platform::RgbColour colour);
    // UTF-8 of the text, with '"' and '\' escaped by '\'.
    static std::string Quoted(std::u16string_view text);

  private:
    std::ostream& out_;
    platform::Canvas* next_;
};

}  // namespace kelvor::tools
