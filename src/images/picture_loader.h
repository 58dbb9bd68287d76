#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "images/picture.h"

namespace kelvor::images {

// A picture file larger than this is not read at all.
inline constexpr std::size_t kMaxPictureFileBytes = 16 * 1024 * 1024;
// A picture of more pixels than this is refused before its pixels are allocated.
inline constexpr std::uint64_t kMaxPicturePixels = 50'000'000;

enum class PictureFormat { unknown, gif, png, jpeg, bmp };

// The format by the file's first bytes, whatever its name says.
PictureFormat SniffPictureFormat(std::span<const std::uint8_t> bytes);

// Decodes a picture of any known format. Gives no picture (null) for an unknown format, a
// damaged or truncated file, a file over kMaxPictureFileBytes or a picture over
// kMaxPicturePixels; GIF pictures are TGifPicture, the others StillPicture.
std::unique_ptr<Picture> ReadPicture(std::span<const std::uint8_t> bytes) noexcept;
std::unique_ptr<Picture> ReadPictureFile(const std::filesystem::path& path) noexcept;

// A file's bytes, or nothing when it cannot be read or is larger than kMaxPictureFileBytes
// (checked before reading).
std::optional<std::vector<std::uint8_t>> ReadPictureBytes(const std::filesystem::path& path);

// Whether width x height pixels are within kMaxPicturePixels (and neither is 0).
bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height);

}  // namespace kelvor::images
