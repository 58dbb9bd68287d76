#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gif_writer.h"
#include "images/gif_errors.h"
#include "images/gif_picture.h"

namespace kelvor::images::testing {

inline constexpr std::uint32_t kBlack = 0x000000;
inline constexpr std::uint32_t kRed = 0xFF0000;
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kBlue = 0x0000FF;

// The four colours above as a global table, in that order.
inline GifWriter FourColours(int width, int height, std::string_view signature = "GIF89a") {
    GifWriter gif(width, height, signature);
    gif.globalTable({kBlack, kRed, kGreen, kBlue});
    return gif;
}

// An opaque pixel of an 0xRRGGBB colour.
inline Argb Opaque(std::uint32_t rgb) {
    return 0xFF000000u | rgb;
}

inline std::vector<std::uint8_t> Filled(int width, int height, std::uint8_t index) {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, index);
}

// The error number a build fails with, or -1 when it succeeds.
inline int ErrorNumber(const Bytes& file) {
    try {
        TGifPicture::Build(file);
    } catch (const GifError& error) {
        return error.number();
    }
    return -1;
}

inline std::unique_ptr<TGifPicture> MustBuild(const Bytes& file) {
    try {
        return TGifPicture::Build(file);
    } catch (const GifError& error) {
        ADD_FAILURE() << error.what();
    }
    return nullptr;
}

}  // namespace kelvor::images::testing
