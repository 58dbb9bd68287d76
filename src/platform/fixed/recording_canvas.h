#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace kelvor::platform::fixed {

// A canvas that draws nothing and keeps a record of every drawing call, in order: the partner
// of FixedFontServices for paint tests and the layout dump tool.
class RecordingCanvas : public Canvas {
  public:
    enum class Call { text, fillRect, frameRect, line, ellipse, picture, clip, mapping };

    struct DrawCall {
        Call call = Call::text;
        Rect rect;  // fill, frame, ellipse, picture target, clip
        int x = 0;  // text origin / line start
        int y = 0;  // text baseline / line start
        int x2 = 0;
        int y2 = 0;
        std::u16string text;
        FontRequest font;
        RgbColour colour = 0;
        std::optional<RgbColour> background;  // text background, ellipse fill
        int penWidth = 0;
        PenStyle penStyle = PenStyle::solid;
        bool clipCleared = false;
        CanvasMapping mapping;  // mapping
    };

    std::vector<DrawCall> calls;

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
};

}  // namespace kelvor::platform::fixed
