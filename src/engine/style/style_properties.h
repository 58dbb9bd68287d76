#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kelvor::engine {

// The style properties, in their fixed order.
enum PropIndex : int {
    FontFamily,
    FontSize,
    FontStyle,
    FontWeight,
    TextAlign,
    TextDecoration,
    LetterSpacing,
    BorderStyle,
    Color,
    BackgroundColor,
    BorderColor,
    MarginTop,
    MarginRight,
    MarginBottom,
    MarginLeft,
    PaddingTop,
    PaddingRight,
    PaddingBottom,
    PaddingLeft,
    BorderTopWidth,
    BorderRightWidth,
    BorderBottomWidth,
    BorderLeftWidth,
    BorderTopColor,
    BorderRightColor,
    BorderBottomColor,
    BorderLeftColor,
    BorderTopStyle,
    BorderRightStyle,
    BorderBottomStyle,
    BorderLeftStyle,
    Width,
    Height,
    Top,
    Bottom,
    Right,
    Left,
    Visibility,
    LineHeight,
    BackgroundImage,
    BackgroundPosition,
    BackgroundRepeat,
    BackgroundAttachment,
    VerticalAlign,
    Position,
    ZIndex,
    ListStyleType,
    ListStyleImage,
    Float,
    Clear,
    TextIndent,
    PageBreakBefore,
    PageBreakAfter,
    PageBreakInside,
    TextTransform,
    WordWrap,
    FontVariant,
    BorderCollapse,
    Overflow,
    Display,
    PropertyCount
};
static_assert(PropertyCount == 60);

// Marker values kept in integer properties.
inline constexpr int kNotSet = -12345678;         // no value; lengths count as 0
inline constexpr int kAutoParagraph = -12348766;  // automatic paragraph margin (14 px)
inline constexpr int kAuto = -12348765;           // "auto", after conversion to pixels

// Visibility values.
inline constexpr int kVisibilityInherit = 0;
inline constexpr int kVisibilityHidden = 1;
inline constexpr int kVisibilityVisible = 2;

// One property value: empty, a text, an integer or a floating-point number.
using PropValue = std::variant<std::monostate, std::string, int, double>;

// The style-sheet name of a property.
std::string_view PropertyName(int index);
// The index of a lower-case property name.
std::optional<int> PropertyIndex(std::string_view name);

// Helpers for reading values.
bool IsEmpty(const PropValue& value);
bool IsNotSet(const PropValue& value);  // empty or the not-set marker
const std::string* AsText(const PropValue& value);
std::optional<int> AsInt(const PropValue& value);

}  // namespace kelvor::engine
