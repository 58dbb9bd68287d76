#include "images/gif_strip.h"

#include <algorithm>
#include <cstring>

namespace kelvor::images {

TStripBitmap::TStripBitmap(int cellWidth, int height)
    : cellWidth_(cellWidth),
      height_(height),
      cellPixels_(static_cast<std::size_t>(cellWidth) * static_cast<std::size_t>(height)) {}

void TStripBitmap::reserveCells(std::size_t cells) {
    if (cells <= capacityCells_)
        return;
    std::unique_ptr<Argb[]> larger(new Argb[cells * cellPixels_]);
    if (cellCount_ > 0)
        std::memcpy(larger.get(), pixels_.get(),
                    static_cast<std::size_t>(cellCount_) * cellPixels_ * sizeof(Argb));
    pixels_ = std::move(larger);
    capacityCells_ = cells;
}

void TStripBitmap::addCell(std::size_t capacityLimit, bool copyPrevious) {
    const std::size_t cells = static_cast<std::size_t>(cellCount_) + 1;
    if (cells > capacityCells_)
        reserveCells(std::max(cells, std::min(cells * 2, capacityLimit)));
    Argb* added = cell(cellCount_);
    if (cellCount_ == 0)
        std::fill_n(added, cellPixels_, Argb{0});
    else if (copyPrevious)
        std::memcpy(added, added - cellPixels_, cellPixels_ * sizeof(Argb));
    ++cellCount_;
}

void TStripBitmap::makeOpaque() {
    const std::size_t count = static_cast<std::size_t>(cellCount_) * cellPixels_;
    Argb* pixels = pixels_.get();
    for (std::size_t i = 0; i < count; ++i)
        pixels[i] |= kOpaqueBlack;
}

bool StripTooLarge(int width, int height, std::uint64_t frames, bool transparent) {
    const std::uint64_t rowSize =
        (std::uint64_t{static_cast<unsigned>(width)} * 3 * frames + 3) & ~std::uint64_t{3};
    const std::uint64_t size = rowSize * static_cast<unsigned>(height) + 54;
    return size > (transparent ? 100'000'000u : 200'000'000u);
}

}  // namespace kelvor::images
