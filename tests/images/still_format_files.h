#pragma once

// Small PNG, JPEG and BMP files made in the tests with the format libraries (BMP by hand).

#include <cstdint>
#include <vector>

namespace kelvor::images::testing {

using Bytes = std::vector<std::uint8_t>;

// An RGBA picture (bytes R, G, B, A per pixel, rows from the top) as a PNG file.
Bytes MakePng(int width, int height, const std::vector<std::uint8_t>& rgba);
// An RGB picture as a JPEG file of quality 100, baseline or progressive.
Bytes MakeJpeg(int width, int height, const std::vector<std::uint8_t>& rgb, bool grey = false,
               bool progressive = false);
// A 24-bit bottom-up BMP file of an RGB picture.
Bytes MakeBmp24(int width, int height, const std::vector<std::uint8_t>& rgb);

// Sets a PNG's width and height in its header chunk and mends the chunk's checksum.
void SetPngSize(Bytes& png, std::uint32_t width, std::uint32_t height);
// Sets a JPEG's width and height in its frame header.
void SetJpegSize(Bytes& jpeg, std::uint16_t width, std::uint16_t height);

}  // namespace kelvor::images::testing
