#include <png.h>

#include <cstring>

#include "images/picture_loader.h"
#include "images/still_readers.h"

namespace kelvor::images {

namespace {

// Frees libpng's state on every way out.
struct PngImage {
    png_image image;
    PngImage() {
        std::memset(&image, 0, sizeof image);
        image.version = PNG_IMAGE_VERSION;
    }
    ~PngImage() { png_image_free(&image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;
};

}  // namespace

std::optional<Bitmap> ReadPng(std::span<const std::uint8_t> bytes) {
    // libpng's simplified reader keeps its errors to itself (no jump crosses our frames, and
    // nothing is printed): a failure is a zero result with a message in the image.
    PngImage png;
    if (!png_image_begin_read_from_memory(&png.image, bytes.data(), bytes.size()))
        return std::nullopt;
    if (!PictureSizeAllowed(png.image.width, png.image.height))
        return std::nullopt;
    png.image.format = PNG_FORMAT_RGBA;

    Bitmap bitmap(static_cast<int>(png.image.width), static_cast<int>(png.image.height));
    auto* rgba = reinterpret_cast<png_bytep>(bitmap.pixels());
    if (!png_image_finish_read(&png.image, nullptr, rgba, 0, nullptr))
        return std::nullopt;

    // The pixels arrived as bytes R, G, B, A; make them 0xAARRGGBB words in place.
    const std::size_t count = static_cast<std::size_t>(bitmap.width()) * bitmap.height();
    Argb* pixels = bitmap.pixels();
    bool transparent = false;
    for (std::size_t i = 0; i < count; ++i) {
        const png_bytep p = rgba + i * 4;
        const Argb alpha = p[3];
        transparent = transparent || alpha != 0xFF;
        pixels[i] = (alpha << 24) | (Argb{p[0]} << 16) | (Argb{p[1]} << 8) | p[2];
    }
    bitmap.setHasTransparency(transparent);
    return bitmap;
}

}  // namespace kelvor::images
