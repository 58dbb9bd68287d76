// Feeds arbitrary bytes to the GIF reader and, when a picture comes out, plays its animation
// and reads every frame, so faults in composition and stepping are found as well.

#include <cstddef>
#include <cstdint>
#include <span>

#include "images/gif_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kelvor::images::TGifPicture;
    const auto picture = TGifPicture::Load(std::span<const std::uint8_t>(data, size));
    if (!picture)
        return 0;
    volatile std::uint32_t sink = 0;
    for (int i = 0; i < picture->frameCount(); ++i) {
        const auto cell = picture->cellView(i);
        if (cell.width > 0 && cell.height > 0)
            sink = sink + cell.pixel(cell.width - 1, cell.height - 1);
    }
    const auto mask = picture->singleFrameMask();
    const auto single = picture->singleFrameBitmap();
    sink =
        sink + static_cast<std::uint32_t>(mask.size()) + static_cast<std::uint32_t>(single.width());
    std::uint64_t now = 0;
    picture->startAnimation(now);
    for (int tick = 0; tick < 64; ++tick) {
        now += 40;
        if (picture->stepAnimation(now))
            sink = sink + picture->frame().pixel(0, 0);
    }
    picture->stopAnimation();
    return 0;
}
