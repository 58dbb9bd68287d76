#pragma once

#include "engine/style/fonts.h"

namespace kelvor::engine {

class TDocument;
struct TFontRun;

// How a run is drawn now: its font and background, which for a link depend on the link's state
// (under the mouse, visited, normal).
struct RunLook {
    TDocFont font;
    TColour background = kNoColour;
};

RunLook LookOf(const TFontRun& run, TDocument& document);

}  // namespace kelvor::engine
