#include "images/gif_lzw.h"

#include <bit>
#include <cstring>

#include "images/gif_errors.h"

namespace kelvor::images {

namespace {

constexpr int kMaxCodeWidth = 12;
constexpr unsigned kTableSize = 1u << kMaxCodeWidth;
constexpr unsigned kNoCode = 0xFFFF;

// The string table. A string is its prefix code plus one last character; its length and first
// character are kept so a string can be written backwards straight into the output.
struct Table {
    std::uint16_t prefix[kTableSize];
    std::uint16_t length[kTableSize];
    std::uint8_t suffix[kTableSize];
    std::uint8_t first[kTableSize];
};

// Reads codes low bit first from the data; bytes past its end read as 0.
class CodeReader {
  public:
    explicit CodeReader(std::span<const std::uint8_t> data)
        : data_(data.data()), size_(data.size()), totalBits_(std::uint64_t{data.size()} * 8) {}

    bool exhausted() const { return bitPos_ >= totalBits_; }

    unsigned read(int width) {
        const std::size_t index = static_cast<std::size_t>(bitPos_ >> 3);
        std::uint64_t bits;
        if constexpr (std::endian::native == std::endian::little) {
            if (index + 8 <= size_) {
                std::memcpy(&bits, data_ + index, 8);
            } else {
                bits = Tail(index);
            }
        } else {
            bits = Tail(index);
        }
        const unsigned code = static_cast<unsigned>(bits >> (bitPos_ & 7)) & ((1u << width) - 1);
        bitPos_ += static_cast<unsigned>(width);
        return code;
    }

  private:
    // The three bytes a code can span, assembled one by one; past the end they read as 0.
    std::uint64_t Tail(std::size_t index) const {
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < 3 && index + i < size_; ++i)
            bits |= std::uint64_t{data_[index + i]} << (8 * i);
        return bits;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::uint64_t totalBits_;
    std::uint64_t bitPos_ = 0;
};

// Writes the string of `code` at out[pos...], keeping only what lies below `count`.
inline std::size_t Emit(const Table& table, unsigned code, std::uint8_t* out, std::size_t pos,
                        std::size_t count) {
    const std::size_t length = table.length[code];
    if (length == 1) {
        if (pos < count)
            out[pos] = table.suffix[code];
        return pos + 1;
    }
    if (pos + length <= count) {
        std::uint8_t* q = out + pos + length - 1;
        for (std::size_t i = 1; i < length; ++i) {
            *q-- = table.suffix[code];
            code = table.prefix[code];
        }
        *q = table.suffix[code];
        return pos + length;
    }
    if (pos < count) {
        // Only the head of the string fits: walk past the tail, then write the head.
        std::size_t skip = pos + length - count;
        std::size_t keep = length - skip;
        while (skip-- > 0)
            code = table.prefix[code];
        std::uint8_t* q = out + count - 1;
        while (keep-- > 0) {
            *q-- = table.suffix[code];
            code = table.prefix[code];
        }
    }
    return pos + length;
}

}  // namespace

std::size_t DecodeGifLzw(std::span<const std::uint8_t> data, int minimumCodeSize, std::uint8_t* out,
                         std::size_t count) {
    if (minimumCodeSize < 0 || minimumCodeSize + 1 > kMaxCodeWidth)
        throw GifError(GifErrorCode::invalidLzwCodeSize);
    // Colour indices are bytes and colour tables hold at most 256 entries.
    if (minimumCodeSize > 8)
        throw GifError(GifErrorCode::valueOutOfRange);

    Table table;
    const unsigned clearCode = 1u << minimumCodeSize;
    const unsigned endCode = clearCode + 1;
    for (unsigned code = 0; code < clearCode; ++code) {
        table.prefix[code] = kNoCode;
        table.length[code] = 1;
        table.suffix[code] = static_cast<std::uint8_t>(code);
        table.first[code] = static_cast<std::uint8_t>(code);
    }

    CodeReader reader(data);
    const int startWidth = minimumCodeSize + 1;
    int width = startWidth;
    unsigned limit = 1u << width;
    unsigned next = clearCode + 2;
    unsigned previous = kNoCode;
    bool afterClear = false;
    std::size_t pos = 0;

    while (!reader.exhausted()) {
        unsigned code = reader.read(width);
        if (code == clearCode) {
            width = startWidth;
            limit = 1u << width;
            next = clearCode + 2;
            previous = kNoCode;
            afterClear = true;
            continue;
        }
        if (code == endCode) {
            if (afterClear)
                throw GifError(GifErrorCode::invalidLzwDataFormat);
            break;
        }
        afterClear = false;
        if (previous == kNoCode) {
            if (code >= next)
                code = 0;
            pos = Emit(table, code, out, pos, count);
            previous = code;
            continue;
        }
        std::uint8_t firstChar;
        if (code < next)
            firstChar = table.first[code];
        else if (code == next)
            firstChar = table.first[previous];
        else
            throw GifError(GifErrorCode::invalidLzwDataFormat);
        if (next < kTableSize) {
            table.prefix[next] = static_cast<std::uint16_t>(previous);
            table.length[next] = static_cast<std::uint16_t>(table.length[previous] + 1);
            table.suffix[next] = firstChar;
            table.first[next] = table.first[previous];
            ++next;
            if (next >= limit && width < kMaxCodeWidth) {
                ++width;
                limit <<= 1;
            }
        }
        pos = Emit(table, code, out, pos, count);
        previous = code;
    }
    return pos < count ? pos : count;
}

}  // namespace kelvor::images
