#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "images/bitmap.h"

namespace kelvor::images {

// The film strip of an animated picture: one cell of the logical screen's size per frame, each
// holding that frame fully composed over the frames before it. The alpha of a pixel is the
// transparency mask (0: the background shows, 255: opaque). Cells lie one after another, so a
// frame is a plain bitmap of its own.
class TStripBitmap {
  public:
    TStripBitmap() = default;
    TStripBitmap(int cellWidth, int height);

    int cellWidth() const { return cellWidth_; }
    int height() const { return height_; }
    int cellCount() const { return cellCount_; }
    std::size_t cellPixels() const { return cellPixels_; }

    Argb* cell(int index) { return pixels_.data() + static_cast<std::size_t>(index) * cellPixels_; }
    const Argb* cell(int index) const {
        return pixels_.data() + static_cast<std::size_t>(index) * cellPixels_;
    }

    // Adds a cell: the first is black and transparent, every later one a copy of the one before.
    // `capacityHint` is the most cells the strip may come to hold, so growth never reserves more.
    void addCell(std::size_t capacityHint);

    // Makes every pixel opaque (a picture without a mask).
    void makeOpaque();

  private:
    int cellWidth_ = 0;
    int height_ = 0;
    int cellCount_ = 0;
    std::size_t cellPixels_ = 0;
    std::vector<Argb> pixels_;
};

// Whether a strip of `frames` cells of width x height would exceed its size limit: the size of
// a 24-bit bitmap file of the whole strip (rows padded to 4 bytes, 54 bytes of headers) above
// 200,000,000 bytes, or above 100,000,000 when the picture has a transparency mask.
bool StripTooLarge(int width, int height, std::uint64_t frames, bool transparent);

}  // namespace kelvor::images
