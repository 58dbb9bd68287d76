#include "engine/style/lengths.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "engine/text/text_utils.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

bool IsNumberChar(char c, bool first) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.' ||
           (first && (c == '-' || c == '+'));
}

// Rounds a length to whole pixels within ±kMaxLengthPixels; a value that is no number is 0.
int Round(double value) {
    if (!(value == value))
        return 0;
    const double limited = std::clamp<double>(value, -kMaxLengthPixels, kMaxLengthPixels);
    return static_cast<int>(std::lround(limited));
}

struct SizeKeyword {
    std::string_view name;
    double factor;  // of the default size
};

constexpr std::array<SizeKeyword, 7> kSizeKeywords = {{
    {"xx-small", 1 / 1.5},
    {"x-small", 1 / 1.2},
    {"small", 1.0},
    {"medium", 1.2},
    {"large", 1.5},
    {"x-large", 2.0},
    {"xx-large", 3.0},
}};

}  // namespace

bool SplitNumberAndUnit(std::string_view text, NumberAndUnit& result) {
    text = ascii::TrimWhitespace(text);
    std::size_t end = 0;
    while (end < text.size() && IsNumberChar(text[end], end == 0))
        ++end;
    if (!ParseNumber(text.substr(0, end), result.number))
        return false;
    result.unit = ascii::LowerCased(ascii::TrimWhitespace(text.substr(end)));
    return true;
}

bool IsRelativeFontSize(std::string_view raw) {
    const std::string text = ascii::LowerCased(ascii::TrimWhitespace(raw));
    if (text == "larger" || text == "smaller")
        return true;
    NumberAndUnit value;
    if (!SplitNumberAndUnit(text, value))
        return false;
    return value.unit == "em" || value.unit == "ex" || value.unit == "%";
}

double FontSizeToPoints(std::string_view raw, double parent, double defaultSize,
                        int pixelsPerInch) {
    const std::string text = ascii::LowerCased(ascii::TrimWhitespace(raw));
    if (text == "smaller")
        return parent * 0.75;
    if (text == "larger")
        return parent * 1.25;
    for (const SizeKeyword& keyword : kSizeKeywords) {
        if (text == keyword.name)
            return defaultSize * keyword.factor;
    }
    NumberAndUnit value;
    if (!SplitNumberAndUnit(text, value))
        return defaultSize;
    const double n = value.number;
    const std::string& unit = value.unit;
    if (unit == "in")
        return n * 72;
    if (unit == "cm")
        return n * 72 / 2.54;
    if (unit == "mm")
        return n * 72 / 25.4;
    if (unit == "pt")
        return n;
    if (unit == "px" || unit.empty())
        return n * 72 / pixelsPerInch;
    if (unit == "pc")
        return n * 12;
    if (unit == "em")
        return n * parent;
    if (unit == "ex")
        return n * parent / 2;
    if (unit == "%")
        return n * parent / 100;
    return defaultSize;
}

int LengthToPixels(std::string_view raw, double base, int emSize, int exSize, int defaultValue,
                   int pixelsPerInch, BareNumber bare) {
    NumberAndUnit value;
    if (!SplitNumberAndUnit(raw, value))
        return defaultValue;
    const double n = value.number;
    const std::string& unit = value.unit;
    const double ppi = pixelsPerInch;
    if (unit.empty())
        return Round(bare == BareNumber::multipleOfBase ? n * base : n);
    if (unit == "in")
        return Round(n * ppi);
    if (unit == "cm")
        return Round(n * ppi / 2.54);
    if (unit == "mm")
        return Round(n * ppi / 25.4);
    if (unit == "pt")
        return Round(n * ppi / 72);
    if (unit == "px")
        return Round(n);
    if (unit == "pc")
        return Round(n * ppi / 6);
    if (unit == "em")
        return Round(n * emSize);
    if (unit == "ex")
        return Round(n * exSize);
    if (unit == "%")
        return Round(n * base / 100);
    return defaultValue;
}

int BorderWidthToPixels(std::string_view raw, int emSize, int exSize, int pixelsPerInch) {
    const std::string text = ascii::LowerCased(ascii::TrimWhitespace(raw));
    if (text == "thin")
        return 2;
    if (text == "medium")
        return 4;
    if (text == "thick")
        return 6;
    return LengthToPixels(text, 0, emSize, exSize, 4, pixelsPerInch);
}

}  // namespace kelvor::engine
