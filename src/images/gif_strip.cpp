#include "images/gif_strip.h"

#include <algorithm>
#include <cstring>

namespace kelvor::images {

TStripBitmap::TStripBitmap(int cellWidth, int height)
    : cellWidth_(cellWidth),
      height_(height),
      cellPixels_(static_cast<std::size_t>(cellWidth) * static_cast<std::size_t>(height)) {}

void TStripBitmap::addCell(std::size_t capacityHint) {
    const std::size_t used = static_cast<std::size_t>(cellCount_) * cellPixels_;
    if (pixels_.capacity() < used + cellPixels_) {
        const std::size_t cells = static_cast<std::size_t>(cellCount_) + 1;
        std::size_t wanted = std::max<std::size_t>(cells, cells * 2);
        wanted = std::min(wanted, std::max(capacityHint, cells));
        pixels_.reserve(wanted * cellPixels_);
    }
    if (cellCount_ == 0) {
        pixels_.resize(cellPixels_, 0);
    } else {
        pixels_.resize(used + cellPixels_);
        std::memcpy(pixels_.data() + used, pixels_.data() + used - cellPixels_,
                    cellPixels_ * sizeof(Argb));
    }
    ++cellCount_;
}

void TStripBitmap::makeOpaque() {
    for (Argb& pixel : pixels_)
        pixel |= kOpaqueBlack;
}

bool StripTooLarge(int width, int height, std::uint64_t frames, bool transparent) {
    const std::uint64_t rowSize =
        (std::uint64_t{static_cast<unsigned>(width)} * 3 * frames + 3) & ~std::uint64_t{3};
    const std::uint64_t size = rowSize * static_cast<unsigned>(height) + 54;
    return size > (transparent ? 100'000'000u : 200'000'000u);
}

}  // namespace kelvor::images
