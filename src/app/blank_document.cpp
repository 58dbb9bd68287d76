#include "app/blank_document.h"

#include "engine/style/colours.h"

namespace kelvor::app {

void BlankDocument::paint(platform::Canvas& canvas, const platform::Rect& clip) {
    constexpr platform::RgbColour kWhite = 0xFFFFFF;
    canvas.fillRect(clip, engine::ResolveColour(background_, *device_).value_or(kWhite));
}

}  // namespace kelvor::app
