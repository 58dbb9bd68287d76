#pragma once

#include <cstdint>
#include <optional>
#include <utility>

#include "images/bitmap.h"

namespace kelvor::images {

// A picture as the display engine holds it: its size, what to draw now, and, for animated GIF
// pictures, the animation driven by the document's timer with a millisecond clock passed in.
class Picture {
  public:
    virtual ~Picture() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual bool hasTransparency() const = 0;
    // The frame to draw now.
    virtual BitmapView frame() const = 0;

    virtual bool isAnimated() const { return false; }
    virtual void startAnimation(std::uint64_t /*nowMs*/) {}
    virtual void stopAnimation() {}
    // Called on each tick of the document's timer. Returns the area of the picture (in its own
    // pixels) whose drawing changed, which the caller must repaint where it shows the picture.
    virtual std::optional<PixelRect> stepAnimation(std::uint64_t /*nowMs*/) { return std::nullopt; }
};

// A picture of one frame (PNG, JPEG, BMP).
class StillPicture final : public Picture {
  public:
    explicit StillPicture(Bitmap bitmap) : bitmap_(std::move(bitmap)) {}

    int width() const override { return bitmap_.width(); }
    int height() const override { return bitmap_.height(); }
    bool hasTransparency() const override { return bitmap_.hasTransparency(); }
    BitmapView frame() const override { return bitmap_.view(); }
    const Bitmap& bitmap() const { return bitmap_; }

  private:
    Bitmap bitmap_;
};

}  // namespace kelvor::images
