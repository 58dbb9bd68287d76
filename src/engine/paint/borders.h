#pragma once

#include "engine/style/properties.h"

namespace kelvor::engine {

class PaintContext;

// Which sides of a box to draw (an inline box split over lines leaves out its inner ends).
struct BorderSides {
    bool top = true;
    bool right = true;
    bool bottom = true;
    bool left = true;
};

// The background colour of a box (inside its border), then its borders by their styles.
// (left, top, right, bottom) is the outer edge of the border.
void PaintBoxBackground(PaintContext& context, const BoxValues& box, int left, int top, int right,
                        int bottom);
void PaintBorders(PaintContext& context, const BoxValues& box, int left, int top, int right,
                  int bottom, BorderSides sides = {});

}  // namespace kelvor::engine
