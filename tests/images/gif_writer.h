#pragma once

// Builds GIF files byte by byte for the tests, the benchmarks and the fuzz seeds: blocks as the
// published format lays them out, and a plain LZW encoder.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvor::images::testing {

using Bytes = std::vector<std::uint8_t>;

// Packs codes low bit first, each at its own width.
class CodePacker {
  public:
    void put(unsigned code, int width) {
        buffer_ |= std::uint64_t{code} << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    Bytes finish() {
        if (bits_ > 0)
            bytes_.push_back(static_cast<std::uint8_t>(buffer_ & 0xFF));
        bits_ = 0;
        buffer_ = 0;
        return std::move(bytes_);
    }

  private:
    Bytes bytes_;
    std::uint64_t buffer_ = 0;
    int bits_ = 0;
};

// Packs a list of (code, width) pairs.
inline Bytes PackCodes(const std::vector<std::pair<unsigned, int>>& codes) {
    CodePacker packer;
    for (const auto& [code, width] : codes)
        packer.put(code, width);
    return packer.finish();
}

// LZW-encodes colour indices. The code width follows what a decoder knows: it grows when the
// decoder's next free code reaches the width's limit. When the table is full the encoder sends
// a clear code, or, with `clearWhenFull` false, goes on with the full table.
inline Bytes LzwEncode(const std::vector<std::uint8_t>& indices, int minimumCodeSize,
                       bool clearWhenFull = true) {
    const unsigned clear = 1u << minimumCodeSize;
    const unsigned end = clear + 1;
    CodePacker packer;
    std::vector<std::uint16_t> dictionary(4096 * 256, 0);
    std::vector<std::uint32_t> used;
    unsigned free = clear + 2;         // the encoder's next code
    unsigned decoderNext = clear + 2;  // the decoder's, one entry behind
    int width = minimumCodeSize + 1;
    bool first = true;
    auto emit = [&](unsigned code) {
        packer.put(code, width);
        if (!first && decoderNext < 4096) {
            ++decoderNext;
            if (decoderNext >= (1u << width) && width < 12)
                ++width;
        }
        first = false;
    };
    auto reset = [&] {
        for (std::uint32_t key : used)
            dictionary[key] = 0;
        used.clear();
        free = clear + 2;
        decoderNext = clear + 2;
        width = minimumCodeSize + 1;
        first = true;
    };
    packer.put(clear, width);
    if (indices.empty()) {
        packer.put(end, width);
        return packer.finish();
    }
    unsigned prefix = indices[0];
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint8_t c = indices[i];
        const std::uint32_t key = prefix * 256u + c;
        if (dictionary[key] != 0) {
            prefix = dictionary[key];
            continue;
        }
        emit(prefix);
        if (free < 4096) {
            dictionary[key] = static_cast<std::uint16_t>(free++);
            used.push_back(key);
        } else if (clearWhenFull) {
            packer.put(clear, width);
            reset();
        }
        prefix = c;
    }
    emit(prefix);
    packer.put(end, width);
    return packer.finish();
}

// Cuts data into sub-blocks of at most 255 bytes, with the terminating 0.
inline Bytes SubBlocks(const Bytes& data) {
    Bytes out;
    std::size_t pos = 0;
    while (pos < data.size()) {
        const std::size_t size = std::min<std::size_t>(255, data.size() - pos);
        out.push_back(static_cast<std::uint8_t>(size));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
                   data.begin() + static_cast<std::ptrdiff_t>(pos + size));
        pos += size;
    }
    out.push_back(0);
    return out;
}

struct ImageOptions {
    std::vector<std::uint32_t> localTable;  // 0xRRGGBB entries; empty: none
    bool interlaced = false;
    int minimumCodeSize = 8;
    // When set, used as the image's sub-block data instead of encoding the indices.
    std::optional<Bytes> rawData;
};

class GifWriter {
  public:
    GifWriter(int width, int height, std::string_view signature = "GIF89a") {
        put(signature);
        word(width);
        word(height);
        packedAt_ = bytes_.size();
        bytes_.push_back(0);
        bytes_.push_back(0);  // background
        bytes_.push_back(0);  // aspect
    }

    // 0xRRGGBB entries, padded to a power of two (2 to 256).
    GifWriter& globalTable(std::vector<std::uint32_t> colours) {
        const int bits = TableBits(colours.size());
        bytes_[packedAt_] = static_cast<std::uint8_t>(0x80 | 0x70 | (bits - 1));
        table(colours, bits);
        return *this;
    }

    GifWriter& graphicControl(int disposal, int delay, std::optional<int> transparentIndex = {}) {
        put({0x21, 0xF9, 4});
        bytes_.push_back(
            static_cast<std::uint8_t>((disposal << 2) | (transparentIndex.has_value() ? 1 : 0)));
        word(delay);
        bytes_.push_back(static_cast<std::uint8_t>(transparentIndex.value_or(0)));
        bytes_.push_back(0);
        return *this;
    }

    GifWriter& netscape(int loops) {
        put({0x21, 0xFF, 11});
        put("NETSCAPE2.0");
        put({3, 1});
        word(loops);
        bytes_.push_back(0);
        return *this;
    }

    GifWriter& comment(std::string_view text) {
        put({0x21, 0xFE});
        append(SubBlocks(Bytes(text.begin(), text.end())));
        return *this;
    }

    GifWriter& image(int left, int top, int width, int height,
                     const std::vector<std::uint8_t>& indices, const ImageOptions& options = {}) {
        bytes_.push_back(0x2C);
        word(left);
        word(top);
        word(width);
        word(height);
        std::uint8_t packed = options.interlaced ? 0x40 : 0;
        int bits = 0;
        if (!options.localTable.empty()) {
            bits = TableBits(options.localTable.size());
            packed = static_cast<std::uint8_t>(packed | 0x80 | (bits - 1));
        }
        bytes_.push_back(packed);
        if (bits > 0)
            table(options.localTable, bits);
        bytes_.push_back(static_cast<std::uint8_t>(options.minimumCodeSize));
        if (options.rawData) {
            append(SubBlocks(*options.rawData));
            return *this;
        }
        std::vector<std::uint8_t> order = indices;
        if (options.interlaced)
            order = InterlaceOrder(indices, width, height);
        append(SubBlocks(LzwEncode(order, options.minimumCodeSize)));
        return *this;
    }

    GifWriter& raw(std::initializer_list<std::uint8_t> more) {
        put(more);
        return *this;
    }
    GifWriter& raw(const Bytes& more) {
        append(more);
        return *this;
    }
    GifWriter& trailer() {
        bytes_.push_back(0x3B);
        return *this;
    }

    const Bytes& bytes() const { return bytes_; }

    // Rows in the order an interlaced image sends them.
    static std::vector<std::uint8_t> InterlaceOrder(const std::vector<std::uint8_t>& indices,
                                                    int width, int height) {
        std::vector<std::uint8_t> out;
        const int starts[4] = {0, 4, 2, 1};
        const int steps[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            for (int row = starts[pass]; row < height; row += steps[pass]) {
                const auto at = indices.begin() + static_cast<std::ptrdiff_t>(row) * width;
                out.insert(out.end(), at, at + width);
            }
        }
        return out;
    }

  private:
    static int TableBits(std::size_t size) {
        int bits = 1;
        while ((std::size_t{1} << bits) < size && bits < 8)
            ++bits;
        return bits;
    }
    void table(const std::vector<std::uint32_t>& colours, int bits) {
        for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
            const std::uint32_t c = i < colours.size() ? colours[i] : 0;
            put({static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                 static_cast<std::uint8_t>(c)});
        }
    }
    void word(int value) {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xFF));
        bytes_.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    void put(std::string_view text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    void put(std::initializer_list<std::uint8_t> more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
    }
    void append(const Bytes& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }

    Bytes bytes_;
    std::size_t packedAt_ = 0;
};

}  // namespace kelvor::images::testing
