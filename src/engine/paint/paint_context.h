#pragma once

#include <optional>

#include "engine/paint/print_page.h"
#include "engine/style/colours.h"
#include "platform/canvas.h"

namespace kelvor::engine {

class TDocument;

// What one paint carries along: the canvas, the part of the document being painted (document
// coordinates) and where the canvas's origin lies in the document.
class PaintContext {
  public:
    PaintContext(platform::Canvas& canvas, TDocument& document, const platform::Rect& area,
                 int originX = 0, int originY = 0);

    platform::Canvas& canvas;
    TDocument& document;
    platform::Rect area;
    int originX;
    int originY;
    bool printing = false;
    // Form controls have no windows here (a picture of the page): they draw themselves.
    bool drawControls = false;
    // The page being printed, when this paint draws one and items may move its end; none
    // on the screen and for the passes that draw a band of a page again.
    PrintPageState* page = nullptr;

    // Does [top, bottom) meet the painted area?
    bool intersects(int top, int bottom) const { return top < area.bottom && area.top < bottom; }
    // Document coordinates to the canvas's.
    int cx(int x) const { return x - originX; }
    int cy(int y) const { return y - originY; }
    platform::Rect rect(int left, int top, int right, int bottom) const {
        return platform::Rect{cx(left), cy(top), cx(right), cy(bottom)};
    }
    // A drawable colour; none for kNoColour.
    std::optional<platform::RgbColour> colour(TColour colour) const;
    platform::RgbColour colourOr(TColour colour, platform::RgbColour fallback) const {
        return this->colour(colour).value_or(fallback);
    }
};

}  // namespace kelvor::engine
