#pragma once

namespace kelvor::engine {

// Blocks nest at most this deep below the body. Layout, painting and hit testing walk the block
// tree recursively, so the depth is what keeps any document within the stack; the reader reads
// elements deeper than this as if they stood at the limit (see TFlowCell::depth), and the model
// lays out nothing of a block that lies deeper still.
inline constexpr int kMaxBlockDepth = 256;

// Image spacing and borders are limited as their attributes are read.
inline constexpr int kMaxImageSpace = 40;
inline constexpr int kMaxImageBorder = 10;

// The automatic paragraph margin, in pixels.
inline constexpr int kAutoParagraphMargin = 14;

// Layout keeps every coordinate within this many pixels of the origin: far beyond any page, and
// far enough from the int limits that the sums of layout cannot overflow, however tall or wide
// the content a document asks for.
inline constexpr int kMaxCoordinate = 1 << 28;

// A sum worked out wide, brought into the coordinate range.
constexpr int Saturated(long long value) {
    return value > kMaxCoordinate
               ? kMaxCoordinate
               : (value < -kMaxCoordinate ? -kMaxCoordinate : static_cast<int>(value));
}

// Documents with more links than this get no keyboard focus objects for them.
inline constexpr int kManyLinks = 400;

}  // namespace kelvor::engine
