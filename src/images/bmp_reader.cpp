#include <array>
#include <bit>

#include "images/picture_loader.h"
#include "images/still_readers.h"

namespace kelvor::images {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | (std::uint32_t{b[at + 1]} << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

// One colour channel given by a bit mask, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    std::uint32_t of(std::uint32_t value) const {
        if (max == 0)
            return 0;
        return ((value & mask) >> shift) * 255 / max;
    }
};

struct Header {
    std::uint64_t dataOffset = 0;
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
    std::size_t paletteAt = 0;
    int paletteEntrySize = 4;
};

bool ReadHeader(std::span<const std::uint8_t> b, Header& h) {
    if (b.size() < 26)
        return false;
    h.dataOffset = U32(b, 10);
    h.headerSize = U32(b, 14);
    if (h.headerSize == 12) {
        h.width = U16(b, 18);
        h.height = U16(b, 20);
        h.bitCount = static_cast<int>(U16(b, 24));
        h.paletteEntrySize = 3;
    } else if (h.headerSize >= 40) {
        if (b.size() < 14 + std::uint64_t{40})
            return false;
        h.width = static_cast<std::int32_t>(U32(b, 18));
        h.height = static_cast<std::int32_t>(U32(b, 22));
        h.bitCount = static_cast<int>(U16(b, 28));
        h.compression = U32(b, 30);
        h.coloursUsed = U32(b, 46);
        std::size_t masksAt = 54;
        if (h.headerSize == 40 &&
            (h.compression == kBitFields || h.compression == kAlphaBitFields)) {
            const int count = h.compression == kAlphaBitFields ? 4 : 3;
            if (b.size() < masksAt + 4u * count)
                return false;
            for (int i = 0; i < count; ++i)
                h.masks[static_cast<std::size_t>(i)] = U32(b, masksAt + 4u * i);
        } else if (h.headerSize >= 56 && b.size() >= 70) {
            for (std::size_t i = 0; i < 4; ++i)
                h.masks[i] = U32(b, masksAt + 4 * i);
        } else if (h.headerSize >= 52 && b.size() >= 66) {
            for (std::size_t i = 0; i < 3; ++i)
                h.masks[i] = U32(b, masksAt + 4 * i);
        }
    } else {
        return false;
    }
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    h.paletteAt = 14 + std::size_t{h.headerSize};
    if (h.headerSize == 40 && h.compression == kBitFields)
        h.paletteAt += 12;
    else if (h.headerSize == 40 && h.compression == kAlphaBitFields)
        h.paletteAt += 16;
    return true;
}

}  // namespace

std::optional<Bitmap> ReadBmp(std::span<const std::uint8_t> b) {
    Header h;
    if (!ReadHeader(b, h) || h.width <= 0 || h.height <= 0)
        return std::nullopt;
    if (!PictureSizeAllowed(static_cast<std::uint64_t>(h.width),
                            static_cast<std::uint64_t>(h.height)))
        return std::nullopt;
    const int bits = h.bitCount;
    const bool paletted = bits == 1 || bits == 4 || bits == 8;
    // Compressed (run-length) bitmaps are not read.
    if (paletted || bits == 24) {
        if (h.compression != kRgb)
            return std::nullopt;
    } else if (bits == 16 || bits == 32) {
        if (h.compression == kRgb) {
            h.masks = bits == 16 ? std::array<std::uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                 : std::array<std::uint32_t, 4>{0xFF0000, 0xFF00, 0xFF, 0};
        } else if (h.compression != kBitFields && h.compression != kAlphaBitFields) {
            return std::nullopt;
        }
    } else {
        return std::nullopt;
    }

    std::array<Argb, 256> palette;
    palette.fill(kOpaqueBlack);
    if (paletted) {
        std::uint64_t entries = h.coloursUsed != 0 ? h.coloursUsed : (1u << bits);
        entries = std::min<std::uint64_t>(entries, 256);
        for (std::uint64_t i = 0; i < entries; ++i) {
            const std::uint64_t at = h.paletteAt + i * static_cast<unsigned>(h.paletteEntrySize);
            if (at + 3 > b.size())
                return std::nullopt;
            palette[i] = kOpaqueBlack | (Argb{b[at + 2]} << 16) | (Argb{b[at + 1]} << 8) | b[at];
        }
    }

    const std::uint64_t width = static_cast<std::uint64_t>(h.width);
    const std::uint64_t height = static_cast<std::uint64_t>(h.height);
    const std::uint64_t stride = (width * static_cast<unsigned>(bits) + 31) / 32 * 4;
    if (h.dataOffset > b.size() || (b.size() - h.dataOffset) / stride < height)
        return std::nullopt;

    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
    Bitmap bitmap(static_cast<int>(width), static_cast<int>(height));
    bool anyAlpha = false;
    for (std::uint64_t y = 0; y < height; ++y) {
        const std::uint8_t* row =
            b.data() + h.dataOffset + stride * (h.topDown ? y : height - 1 - y);
        Argb* out = bitmap.row(static_cast<int>(y));
        for (std::uint64_t x = 0; x < width; ++x) {
            switch (bits) {
                case 1:
                    out[x] = palette[(row[x / 8] >> (7 - x % 8)) & 1];
                    break;
                case 4:
                    out[x] = palette[(row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF];
                    break;
                case 8:
                    out[x] = palette[row[x]];
                    break;
                case 24: {
                    const std::uint8_t* p = row + x * 3;
                    out[x] = kOpaqueBlack | (Argb{p[2]} << 16) | (Argb{p[1]} << 8) | p[0];
                    break;
                }
                default: {
                    const std::uint32_t value =
                        bits == 16 ? U16(b, static_cast<std::size_t>(row - b.data() + x * 2))
                                   : U32(b, static_cast<std::size_t>(row - b.data() + x * 4));
                    const Argb a = alpha.mask != 0 ? alpha.of(value) : 0xFF;
                    anyAlpha = anyAlpha || a != 0;
                    out[x] =
                        (a << 24) | (red.of(value) << 16) | (green.of(value) << 8) | blue.of(value);
                }
            }
        }
    }
    if (alpha.mask != 0) {
        // Many writers leave the alpha bytes 0 throughout; such a picture is meant opaque.
        bool transparent = false;
        Argb* pixels = bitmap.pixels();
        const std::size_t count = static_cast<std::size_t>(width * height);
        for (std::size_t i = 0; i < count; ++i) {
            if (!anyAlpha)
                pixels[i] |= kOpaqueBlack;
            else
                transparent = transparent || (pixels[i] >> 24) != 0xFF;
        }
        bitmap.setHasTransparency(transparent);
    }
    return bitmap;
}

}  // namespace kelvor::images
