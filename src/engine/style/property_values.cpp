#include "engine/style/property_values.h"

#include <cmath>

#include "engine/style/lengths.h"
#include "engine/text/text_utils.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

bool IsLengthProperty(int index) {
    return index == LetterSpacing || (index >= MarginTop && index <= PaddingLeft) ||
           (index >= Width && index <= Left) || index == TextIndent;
}

bool IsBorderWidthProperty(int index) {
    return index >= BorderTopWidth && index <= BorderLeftWidth;
}

bool IsLength(std::string_view text) {
    NumberAndUnit value;
    return SplitNumberAndUnit(text, value);
}

}  // namespace

bool IsColourProperty(int index) {
    return index == Color || index == BackgroundColor || index == BorderColor ||
           (index >= BorderTopColor && index <= BorderLeftColor);
}

bool PropertyValueFromText(int index, std::string_view raw, bool strict, TColour paletteFlag,
                           PropValue& value) {
    const std::string_view text = ascii::TrimWhitespace(raw);
    if (text.empty())
        return false;
    if (IsColourProperty(index)) {
        TColour colour = 0;
        if (!ColorFromString(text, strict, colour))
            return false;
        if (colour != kNoColour && (colour & kSystemColourBase) == 0)
            colour |= paletteFlag;
        value = static_cast<int>(colour);
        return true;
    }
    if (IsLengthProperty(index)) {
        if (text == "auto" || (index == LetterSpacing && text == "normal") || IsLength(text)) {
            value = std::string(text);
            return true;
        }
        return false;
    }
    if (IsBorderWidthProperty(index)) {
        if (text == "thin" || text == "medium" || text == "thick" || IsLength(text)) {
            value = std::string(text);
            return true;
        }
        return false;
    }
    if (index == LineHeight) {
        if (text == "normal" || IsLength(text)) {
            value = std::string(text);
            return true;
        }
        return false;
    }
    if (index == ZIndex) {
        double number = 0;
        if (!ParseNumber(text, number))
            return false;
        value = static_cast<int>(std::lround(number));
        return true;
    }
    if (index == Visibility) {
        if (text == "visible") {
            value = kVisibilityVisible;
        } else if (text == "hidden") {
            value = kVisibilityHidden;
        } else if (text == "inherit") {
            value = kVisibilityInherit;
        } else {
            return false;
        }
        return true;
    }
    value = std::string(text);
    return true;
}

}  // namespace kelvor::engine
