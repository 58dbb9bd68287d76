#include <algorithm>

#include "images/gif_picture.h"

namespace kelvor::images {

void TGifPicture::startAnimation(std::uint64_t nowMs) {
    if (frames_.size() < 2)
        return;
    animating_ = true;
    currentDelay_ = std::max(1, frames_[static_cast<std::size_t>(currentFrame_ - 1)].delay);
    lastChange_ = nowMs;
}

std::optional<PixelRect> TGifPicture::stepAnimation(std::uint64_t nowMs) {
    if (!animating_ || frames_.empty())
        return std::nullopt;
    // A clock that went back counts as no time passed.
    const std::uint64_t passed = nowMs >= lastChange_ ? nowMs - lastChange_ : 0;
    if (passed < static_cast<std::uint64_t>(currentDelay_))
        return std::nullopt;
    lastChange_ = nowMs;
    if (currentFrame_ == frameCount()) {
        if (loopCount_ > 0 && passes_ >= loopCount_) {
            animating_ = false;
            return std::nullopt;
        }
        ++passes_;
    }
    currentFrame_ = currentFrame_ % frameCount() + 1;
    currentDelay_ = std::max(1, frames_[static_cast<std::size_t>(currentFrame_ - 1)].delay);
    return PixelRect{0, 0, width(), height()};
}

}  // namespace kelvor::images
