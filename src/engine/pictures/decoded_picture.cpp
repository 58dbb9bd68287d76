#include "engine/pictures/decoded_picture.h"

#include <utility>

#include "images/gif_picture.h"
#include "platform/canvas.h"

namespace kelvor::engine {

namespace {

// One frame as the canvas takes pictures: the library's pixels are already 0xAARRGGBB, not
// premultiplied, rows from the top, so the frame is handed over without a copy.
class FrameView final : public platform::Picture {
  public:
    explicit FrameView(images::BitmapView frame) : frame_(frame) {}
    int width() const override { return frame_.width; }
    int height() const override { return frame_.height; }
    const std::uint32_t* pixels() const override { return frame_.pixels; }

  private:
    images::BitmapView frame_;
};

}  // namespace

DecodedPicture::DecodedPicture(std::unique_ptr<images::Picture> decoded)
    : decoded_(std::move(decoded)) {}

void DecodedPicture::paint(platform::Canvas& canvas, const platform::Rect& target) const {
    if (target.width() <= 0 || target.height() <= 0) {
        return;
    }
    const images::BitmapView frame = decoded_->frame();
    if (frame.pixels == nullptr || frame.width <= 0 || frame.height <= 0) {
        return;
    }
    canvas.drawPicture(FrameView(frame), target);
}

long long DecodedPicture::pixelCount() const {
    long long pixels = static_cast<long long>(decoded_->width()) * decoded_->height();
    if (const auto* gif = dynamic_cast<const images::TGifPicture*>(decoded_.get())) {
        pixels *= gif->frameCount();
    }
    return pixels;
}

}  // namespace kelvor::engine
