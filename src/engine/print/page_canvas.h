#pragma once

#include <optional>

#include "platform/canvas.h"

namespace kelvor::engine {

// The canvas the document draws a printed page on: the printer's page canvas held inside the
// page's clip. Clips the items set (cells, backgrounds) are narrowed to it, removing theirs
// goes back to it, and a drawing call that lies wholly outside it is not passed on, so that
// pages drawn only to find where they end leave nothing on paper.
class PageCanvas : public platform::Canvas {
  public:
    explicit PageCanvas(platform::Canvas& target) : target_(target) {}

    // The clip of the page (logical units); none: the whole page.
    void setPageClip(std::optional<platform::Rect> clip);

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
    void setMapping(const platform::CanvasMapping& mapping) override;

  private:
    bool visible(long long left, long long top, long long right, long long bottom) const;
    void apply();

    platform::Canvas& target_;
    std::optional<platform::Rect> page_;
    std::optional<platform::Rect> item_;
};

// A canvas that draws nothing: for a pass that only finds where a page ends.
class NullCanvas : public platform::Canvas {
  public:
    void drawText(const platform::Font&, int, int, std::u16string_view, platform::RgbColour,
                  std::optional<platform::RgbColour>) override {}
    void fillRect(const platform::Rect&, platform::RgbColour) override {}
    void frameRect(const platform::Rect&, platform::RgbColour, int) override {}
    void drawLine(int, int, int, int, platform::RgbColour, int, platform::PenStyle) override {}
    void drawEllipse(const platform::Rect&, platform::RgbColour,
                     std::optional<platform::RgbColour>) override {}
    void drawPicture(const platform::Picture&, const platform::Rect&) override {}
    void setClip(std::optional<platform::Rect>) override {}
};

}  // namespace kelvor::engine
