#include "images/picture_loader.h"

#include <cstring>
#include <fstream>
#include <new>
#include <system_error>

#include "images/gif_picture.h"
#include "images/still_readers.h"

namespace kelvor::images {

namespace {

bool StartsWith(std::span<const std::uint8_t> bytes, const char* magic, std::size_t length) {
    return bytes.size() >= length && std::memcmp(bytes.data(), magic, length) == 0;
}

std::unique_ptr<Picture> Still(std::optional<Bitmap> bitmap) {
    if (!bitmap)
        return nullptr;
    return std::make_unique<StillPicture>(std::move(*bitmap));
}

}  // namespace

PictureFormat SniffPictureFormat(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 3 && (bytes[0] | 0x20) == 'g' && (bytes[1] | 0x20) == 'i' &&
        (bytes[2] | 0x20) == 'f')
        return PictureFormat::gif;
    if (StartsWith(bytes, "\x89PNG\r\n\x1a\n", 8))
        return PictureFormat::png;
    if (StartsWith(bytes, "\xFF\xD8\xFF", 3))
        return PictureFormat::jpeg;
    if (StartsWith(bytes, "BM", 2))
        return PictureFormat::bmp;
    return PictureFormat::unknown;
}

bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height) {
    if (width == 0 || height == 0)
        return false;
    // Each side is at most 2^32 here, so the product cannot wrap.
    if (width > 0xFFFFFFFFu || height > 0xFFFFFFFFu)
        return false;
    return width * height <= kMaxPicturePixels;
}

std::unique_ptr<Picture> ReadPicture(std::span<const std::uint8_t> bytes) noexcept {
    if (bytes.size() > kMaxPictureFileBytes)
        return nullptr;
    try {
        switch (SniffPictureFormat(bytes)) {
            case PictureFormat::gif:
                return TGifPicture::Load(bytes);
            case PictureFormat::png:
                return Still(ReadPng(bytes));
            case PictureFormat::jpeg:
                return Still(ReadJpeg(bytes));
            case PictureFormat::bmp:
                return Still(ReadBmp(bytes));
            case PictureFormat::unknown:
                break;
        }
    } catch (const std::bad_alloc&) {
    }
    return nullptr;
}

std::unique_ptr<Picture> ReadPictureFile(const std::filesystem::path& path) noexcept {
    try {
        const auto bytes = ReadPictureBytes(path);
        if (!bytes)
            return nullptr;
        return ReadPicture(*bytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

std::optional<std::vector<std::uint8_t>> ReadPictureBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxPictureFileBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // A file that changed size while it was read is not trusted.
    if (static_cast<std::size_t>(in.gcount()) != bytes.size() ||
        in.peek() != std::ifstream::traits_type::eof())
        return std::nullopt;
    return bytes;
}

}  // namespace kelvor::images
