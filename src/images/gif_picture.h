#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "images/bitmap.h"
#include "images/gif_strip.h"
#include "images/picture.h"

namespace kelvor::images {

// Interval of the document's timer that steps animated pictures.
inline constexpr int kAnimationTimerMs = 40;

// One frame of a GIF picture.
struct TGifFrame {
    int disposal = 0;  // the two low bits of the graphic control's disposal method
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int delay = 0;  // milliseconds, at least 30
};

using TGifFrameList = std::vector<TGifFrame>;

// A GIF picture: all its frames composed into a film strip with its transparency, and the
// animation state that the document's timer advances.
class TGifPicture final : public Picture {
  public:
    // Builds the picture from a whole file's bytes. Throws GifError (and std::bad_alloc).
    static std::unique_ptr<TGifPicture> Build(std::span<const std::uint8_t> file);
    // The same, giving no picture on any failure.
    static std::unique_ptr<TGifPicture> Load(std::span<const std::uint8_t> file) noexcept;
    static std::unique_ptr<TGifPicture> LoadFile(const std::filesystem::path& path) noexcept;

    int width() const override { return strip_.cellWidth(); }
    int height() const override { return strip_.height(); }
    bool hasTransparency() const override { return transparent_; }
    // The current frame's cell.
    BitmapView frame() const override { return cellView(currentFrame_ - 1); }

    int frameCount() const { return static_cast<int>(frames_.size()); }
    bool isAnimated() const override { return frames_.size() > 1; }
    bool isStill() const { return frames_.size() < 2; }
    // 1 when the file has no "NETSCAPE" block, n + 1 when the block gives n > 0, 0 (endless)
    // when it gives 0.
    int loopCount() const { return loopCount_; }
    const TGifFrameList& frames() const { return frames_; }
    const TStripBitmap& strip() const { return strip_; }
    // Cell `index` (from 0) of the strip: frame index + 1 as shown.
    BitmapView cellView(int index) const;

    // The strip cut to one frame's width (the first frame), and its mask: 255 where the
    // background shows, 0 where the picture is opaque; empty for a picture without a mask.
    Bitmap singleFrameBitmap() const;
    std::vector<std::uint8_t> singleFrameMask() const;

    // Animation. Switching it on (for more than one frame) takes the current frame's delay and
    // notes the time as the last change.
    void startAnimation(std::uint64_t nowMs) override;
    void stopAnimation() override { animating_ = false; }
    // One tick: when the current delay has passed, moves to the next frame (after the last
    // one, frame 1, counting a pass; when the passes have reached the loop count, stops on the
    // last frame instead) and returns the picture's whole area to repaint.
    std::optional<PixelRect> stepAnimation(std::uint64_t nowMs) override;

    int currentFrame() const { return currentFrame_; }   // 1-based
    std::int64_t passesDone() const { return passes_; }  // 1 at start
    bool animating() const { return animating_; }
    int currentDelay() const { return currentDelay_; }
    std::uint64_t lastChange() const { return lastChange_; }

  private:
    friend class GifPictureBuilder;
    TGifPicture() = default;

    TStripBitmap strip_;
    TGifFrameList frames_;
    bool transparent_ = false;
    int loopCount_ = 1;

    int currentFrame_ = 1;
    std::int64_t passes_ = 1;
    bool animating_ = false;
    int currentDelay_ = 0;
    std::uint64_t lastChange_ = 0;
};

}  // namespace kelvor::images
