#pragma once

#include <string>
#include <string_view>

namespace kelvor::engine {

// A length value split into its number and its unit: the number runs up to the first letter
// (so "1.5em" is 1.5 and "em"), "%" or other character that is no part of a number.
struct NumberAndUnit {
    double number = 0;
    std::string unit;  // lower case, trimmed; empty for a bare number
};
bool SplitNumberAndUnit(std::string_view text, NumberAndUnit& result);

// A font-size value in points. `parent` is the parent element's size, `defaultSize` the
// document's default size (both in points).
double FontSizeToPoints(std::string_view text, double parent, double defaultSize,
                        int pixelsPerInch);

// Is this a font-size value that depends on the parent's size (em, ex, %, larger, smaller)?
bool IsRelativeFontSize(std::string_view text);

// Converted lengths stay within ± this many pixels, far beyond any page, so that no document
// can make layout sums overflow or a length fall on one of the marker values.
inline constexpr int kMaxLengthPixels = 1000000;

// What a unit-less number means to a length conversion.
enum class BareNumber { pixels, multipleOfBase };

// A length in whole pixels (rounded). `base` is what "%" (and, when asked, a bare number) is
// taken of; an unknown unit or an unreadable text gives `defaultValue`.
int LengthToPixels(std::string_view text, double base, int emSize, int exSize, int defaultValue,
                   int pixelsPerInch, BareNumber bare = BareNumber::pixels);

// A border width keyword or length in pixels: "thin" 2, "medium" 4, "thick" 6.
int BorderWidthToPixels(std::string_view text, int emSize, int exSize, int pixelsPerInch);

}  // namespace kelvor::engine
