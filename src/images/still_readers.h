#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "images/bitmap.h"

namespace kelvor::images {

// The readers of the one-frame formats. Each gives no bitmap for a damaged or truncated file
// and checks the picture's size against the pixel limit before allocating its pixels.
std::optional<Bitmap> ReadPng(std::span<const std::uint8_t> bytes);
std::optional<Bitmap> ReadJpeg(std::span<const std::uint8_t> bytes);
std::optional<Bitmap> ReadBmp(std::span<const std::uint8_t> bytes);

}  // namespace kelvor::images
