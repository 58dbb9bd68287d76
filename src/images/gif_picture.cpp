#include "images/gif_picture.h"

#include <algorithm>
#include <new>

#include "images/gif_decoder.h"
#include "images/gif_errors.h"
#include "images/picture_loader.h"

namespace kelvor::images {

namespace {

// Frames are never shown for less than this, so files written with delays of 0 or 1 do not
// race or flood the timer.
constexpr int kMinimumDelayMs = 30;

struct Clip {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
};

// A frame's rectangle clipped to the logical screen, so no frame reaches into the next cell.
Clip ClipToScreen(int left, int top, int width, int height, int screenWidth, int screenHeight) {
    Clip clip;
    clip.left = std::min(left, screenWidth);
    clip.top = std::min(top, screenHeight);
    clip.right = std::min(left + width, screenWidth);
    clip.bottom = std::min(top + height, screenHeight);
    return clip;
}

}  // namespace

// Composes each image into the strip as the decoder reads it.
class GifPictureBuilder final : public GifImageSink {
  public:
    GifPictureBuilder(TGifPicture& picture, const TGifDecoder& decoder, std::size_t expectedFrames)
        : picture_(picture), decoder_(decoder), expectedFrames_(expectedFrames) {}

    void addImage(const GifImage& image) override;
    void finish();

  private:
    void compose(const GifImage& image, const GifGraphicControl* control);

    TGifPicture& picture_;
    const TGifDecoder& decoder_;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    std::size_t expectedFrames_ = 0;
    std::size_t capacityLimit_ = 0;
    // Whether some pixel may have been left transparent although no frame is.
    bool maskTouched_ = false;
};

void GifPictureBuilder::addImage(const GifImage& image) {
    auto& frames = picture_.frames_;
    auto& strip = picture_.strip_;
    if (frames.empty()) {
        screenWidth_ = decoder_.screen().width;
        screenHeight_ = decoder_.screen().height;
        // A picture without a pixel could not be drawn or measured (the engine divides by its
        // size to keep the aspect).
        if (screenWidth_ == 0 || screenHeight_ == 0)
            throw GifError(GifErrorCode::zeroWidthOrHeight).makeFatal();
        strip = TStripBitmap(screenWidth_, screenHeight_);
        // No strip over the size limit is ever kept, so never reserve room for more cells.
        capacityLimit_ = 200'000'000u / (3u * strip.cellPixels()) + 1;
        if (!StripTooLarge(screenWidth_, screenHeight_, 1, false))
            strip.reserveCells(std::clamp<std::size_t>(expectedFrames_, 1, capacityLimit_));
    }
    const GifGraphicControl* control = image.graphicControl();
    const bool transparent = picture_.transparent_ || (control != nullptr && control->transparent);
    // The limit only tightens as frames and transparency are added, so once passed the load
    // can only end in the same error: stop now rather than read on.
    if (StripTooLarge(screenWidth_, screenHeight_, frames.size() + 1, transparent))
        throw GifError(GifErrorCode::animationTooLarge).makeFatal();
    picture_.transparent_ = transparent;

    const Clip clip =
        ClipToScreen(image.left, image.top, image.width, image.height, screenWidth_, screenHeight_);
    const bool coversScreen = clip.left == 0 && clip.top == 0 && clip.right == screenWidth_ &&
                              clip.bottom == screenHeight_;
    const bool framesTransparent = control != nullptr && control->transparent;
    // A frame that paints every pixel of the screen itself needs nothing of the one before.
    const bool overwritesAll = !frames.empty() && coversScreen && !framesTransparent;
    strip.addCell(capacityLimit_, !overwritesAll);
    if (!frames.empty() && !overwritesAll) {
        const TGifFrame& before = frames.back();
        if (before.disposal == 2 || before.disposal == 3) {
            const Clip covered = ClipToScreen(before.left, before.top, before.width, before.height,
                                              screenWidth_, screenHeight_);
            Argb* cell = strip.cell(strip.cellCount() - 1);
            for (int y = covered.top; y < covered.bottom; ++y) {
                Argb* row = cell + static_cast<std::size_t>(y) * screenWidth_;
                for (int x = covered.left; x < covered.right; ++x)
                    row[x] &= ~kOpaqueBlack;
            }
            maskTouched_ = maskTouched_ || !covered.empty();
        }
    }
    compose(image, control);

    TGifFrame frame;
    frame.disposal = control != nullptr ? (control->disposal & 3) : 0;
    frame.left = image.left;
    frame.top = image.top;
    frame.width = image.width;
    frame.height = image.height;
    const int delay = (control == nullptr || control->delay == 0) ? 1 : control->delay;
    frame.delay = std::max(kMinimumDelayMs, 10 * delay);
    frames.push_back(frame);
}

void GifPictureBuilder::compose(const GifImage& image, const GifGraphicControl* control) {
    auto& strip = picture_.strip_;
    const Clip clip =
        ClipToScreen(image.left, image.top, image.width, image.height, screenWidth_, screenHeight_);
    if (strip.cellCount() == 1 &&
        (clip.left > 0 || clip.top > 0 || clip.right < screenWidth_ || clip.bottom < screenHeight_))
        maskTouched_ = true;
    if (clip.empty())
        return;

    const Argb* colours = image.colours->colours.data();
    Argb* cell = strip.cell(strip.cellCount() - 1);
    const std::size_t columns = static_cast<std::size_t>(clip.right - clip.left);
    const bool transparent = control != nullptr && control->transparent;
    const std::uint8_t transparentIndex =
        static_cast<std::uint8_t>(control ? control->transparentIndex : 0);
    for (int y = clip.top; y < clip.bottom; ++y) {
        const std::uint8_t* source =
            image.pixels.data() + static_cast<std::size_t>(y - image.top) * image.width;
        Argb* target = cell + static_cast<std::size_t>(y) * screenWidth_ + clip.left;
        if (!transparent) {
            for (std::size_t x = 0; x < columns; ++x)
                target[x] = colours[source[x]];
        } else {
            // A transparent index leaves what the frames before drew (in the first frame, the
            // strip's black, transparent start).
            for (std::size_t x = 0; x < columns; ++x) {
                const std::uint8_t index = source[x];
                if (index != transparentIndex)
                    target[x] = colours[index];
            }
        }
    }
}

void GifPictureBuilder::finish() {
    const int loops = decoder_.loopCount();
    picture_.loopCount_ = loops < 0 ? 1 : (loops == 0 ? 0 : loops + 1);
    // Without any transparent frame the picture has no mask: what no frame covered stays black.
    if (!picture_.transparent_ && maskTouched_)
        picture_.strip_.makeOpaque();
}

std::unique_ptr<TGifPicture> TGifPicture::Build(std::span<const std::uint8_t> file) {
    std::unique_ptr<TGifPicture> picture(new TGifPicture());
    TGifDecoder decoder;
    GifPictureBuilder builder(*picture, decoder, TGifDecoder::CountImages(file));
    decoder.read(file, builder);
    builder.finish();
    return picture;
}

std::unique_ptr<TGifPicture> TGifPicture::Load(std::span<const std::uint8_t> file) noexcept {
    try {
        return Build(file);
    } catch (const GifError&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

std::unique_ptr<TGifPicture> TGifPicture::LoadFile(const std::filesystem::path& path) noexcept {
    const auto bytes = ReadPictureBytes(path);
    if (!bytes)
        return nullptr;
    return Load(*bytes);
}

BitmapView TGifPicture::cellView(int index) const {
    if (index < 0 || index >= strip_.cellCount())
        return {};
    return {strip_.cellWidth(), strip_.height(), strip_.cell(index), transparent_};
}

Bitmap TGifPicture::singleFrameBitmap() const {
    Bitmap bitmap(strip_.cellWidth(), strip_.height());
    if (strip_.cellCount() > 0)
        std::copy_n(strip_.cell(0), strip_.cellPixels(), bitmap.pixels());
    bitmap.setHasTransparency(transparent_);
    return bitmap;
}

std::vector<std::uint8_t> TGifPicture::singleFrameMask() const {
    std::vector<std::uint8_t> mask;
    if (!transparent_ || strip_.cellCount() == 0)
        return mask;
    mask.resize(strip_.cellPixels());
    const Argb* cell = strip_.cell(0);
    for (std::size_t i = 0; i < mask.size(); ++i)
        mask[i] = (cell[i] >> 24) == 0 ? 255 : 0;
    return mask;
}

}  // namespace kelvor::images
