#pragma once

#include "engine/style/colours.h"

namespace kelvor::engine {

class PaintContext;
class TFloatingObj;

// Paints an image or panel at the place layout gave it: its border in `borderColour`, then the
// picture, or the placeholder of a picture that is not there (with its ALT text, and a red
// cross when loading failed).
void PaintObject(PaintContext& context, const TFloatingObj& object, TColour borderColour);

}  // namespace kelvor::engine
