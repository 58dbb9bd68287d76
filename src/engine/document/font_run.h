#pragma once

#include <string>

#include "engine/style/colours.h"
#include "engine/style/fonts.h"

namespace kelvor::engine {

struct TLinkTarget;

// Vertical alignment of a run as a small number: the values that matter to text are
// kVerticalSub and kVerticalSuper; others keep the baseline.
inline constexpr int kVerticalTop = 1;
inline constexpr int kVerticalMiddle = 2;
inline constexpr int kVerticalBaseline = 3;
inline constexpr int kVerticalBottom = 4;
inline constexpr int kVerticalSub = 8;
inline constexpr int kVerticalSuper = 9;

// A vertical-align value as that number, 0 when it is none of the known words.
int VerticalAlignNumber(std::string_view text);

// A run of a section's text in one font, from `start` to the next run's start. The font's
// metrics are in it, so that layout reads no style.
struct TFontRun {
    int start = 0;
    TDocFont font;
    TLinkTarget* link = nullptr;  // when the run is part of a link
    std::string title;            // the hint over the run (UTF-8)
    TColour background = kNoColour;
    int verticalAlign = 0;
};

}  // namespace kelvor::engine
