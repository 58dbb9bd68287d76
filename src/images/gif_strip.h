#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

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

    Argb* cell(int index) { return pixels_.get() + static_cast<std::size_t>(index) * cellPixels_; }
    const Argb* cell(int index) const {
        return pixels_.get() + static_cast<std::size_t>(index) * cellPixels_;
    }

    // Room for this many cells in all, so that adding them moves nothing.
    void reserveCells(std::size_t cells);
    // Adds a cell: the first is black and transparent, every later one a copy of the one
    // before, unless `copyPrevious` is false (the caller overwrites every pixel). Growth never
    // reserves more than `capacityLimit` cells (the most the strip may come to hold).
    void addCell(std::size_t capacityLimit, bool copyPrevious = true);

    // Makes every pixel opaque (a picture without a mask).
    void makeOpaque();

  private:
    int cellWidth_ = 0;
    int height_ = 0;
    int cellCount_ = 0;
    std::size_t cellPixels_ = 0;
    std::size_t capacityCells_ = 0;
    // Not a vector: a new cell is written whole at once, so zero-filling it first is waste.
    std::unique_ptr<Argb[]> pixels_;
};

// Whether a strip of `frames` cells of width x height would exceed its size limit: the size of
// a 24-bit bitmap file of the whole strip (rows padded to 4 bytes, 54 bytes of headers) above
// 200,000,000 bytes, or above 100,000,000 when the picture has a transparency mask.
bool StripTooLarge(int width, int height, std::uint64_t frames, bool transparent);

}  // namespace kelvor::images
