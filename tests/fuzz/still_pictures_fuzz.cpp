// Feeds arbitrary bytes to the picture entry point that sniffs the format, aimed at the PNG,
// JPEG and BMP readers (the seeds are of those formats).

#include <cstddef>
#include <cstdint>
#include <span>

#include "images/picture_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = kelvor::images::ReadPicture(std::span<const std::uint8_t>(data, size));
    if (!picture)
        return 0;
    const auto frame = picture->frame();
    volatile std::uint32_t sink = 0;
    if (frame.width > 0 && frame.height > 0)
        sink = sink + frame.pixel(0, 0) + frame.pixel(frame.width - 1, frame.height - 1);
    return 0;
}
