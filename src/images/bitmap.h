#pragma once

#include <cstdint>
#include <vector>

namespace kelvor::images {

// A pixel as 0xAARRGGBB, not premultiplied. Alpha 0 lets the background show through (the
// transparency mask's "transparent"), 255 is opaque; PNG pictures may hold the values between.
using Argb = std::uint32_t;

inline constexpr Argb kOpaqueBlack = 0xFF000000;

// A rectangle in pixels; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

// Pixels owned by someone else (a bitmap, one frame of an animation), row by row from the top.
struct BitmapView {
    int width = 0;
    int height = 0;
    const Argb* pixels = nullptr;
    // Whether any pixel may be less than opaque, so a drawer can skip blending when not.
    bool hasTransparency = false;

    Argb pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// A decoded picture of one frame.
class Bitmap {
  public:
    Bitmap() = default;
    Bitmap(int width, int height, Argb fill = kOpaqueBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ == 0 || height_ == 0; }
    bool hasTransparency() const { return hasTransparency_; }
    void setHasTransparency(bool value) { hasTransparency_ = value; }

    Argb* pixels() { return pixels_.data(); }
    const Argb* pixels() const { return pixels_.data(); }
    Argb* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Argb pixel(int x, int y) const { return view().pixel(x, y); }
    BitmapView view() const { return {width_, height_, pixels_.data(), hasTransparency_}; }

  private:
    int width_ = 0;
    int height_ = 0;
    bool hasTransparency_ = false;
    std::vector<Argb> pixels_;
};

}  // namespace kelvor::images
