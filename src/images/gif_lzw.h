#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kelvor::images {

// Decodes the variable-length LZW data of one GIF image (its sub-blocks joined) into colour
// indices, writing at most `count` of them to `out` in the order the data gives them. Indices
// beyond `count` are dropped, but the data is still read to its end code so that a fault in it
// is found. Returns how many indices were written.
//
// Throws GifError: invalidLzwCodeSize when the starting code width would exceed 12 bits,
// valueOutOfRange when the minimum code size gives literals that are no colour index (above 8
// bits), invalidLzwDataFormat for an end code right after a clear code or a code beyond the
// next free one.
std::size_t DecodeGifLzw(std::span<const std::uint8_t> data, int minimumCodeSize, std::uint8_t* out,
                         std::size_t count);

}  // namespace kelvor::images
