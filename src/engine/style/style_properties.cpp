#include "engine/style/style_properties.h"

namespace kelvor::engine {

namespace {

constexpr std::array<std::string_view, PropertyCount> kPropertyNames = {
    "font-family",
    "font-size",
    "font-style",
    "font-weight",
    "text-align",
    "text-decoration",
    "letter-spacing",
    "border-style",
    "color",
    "background-color",
    "border-color",
    "margin-top",
    "margin-right",
    "margin-bottom",
    "margin-left",
    "padding-top",
    "padding-right",
    "padding-bottom",
    "padding-left",
    "border-top-width",
    "border-right-width",
    "border-bottom-width",
    "border-left-width",
    "border-top-color",
    "border-right-color",
    "border-bottom-color",
    "border-left-color",
    "border-top-style",
    "border-right-style",
    "border-bottom-style",
    "border-left-style",
    "width",
    "height",
    "top",
    "bottom",
    "right",
    "left",
    "visibility",
    "line-height",
    "background-image",
    "background-position",
    "background-repeat",
    "background-attachment",
    "vertical-align",
    "position",
    "z-index",
    "list-style-type",
    "list-style-image",
    "float",
    "clear",
    "text-indent",
    "page-break-before",
    "page-break-after",
    "page-break-inside",
    "text-transform",
    "word-wrap",
    "font-variant",
    "border-collapse",
    "overflow",
    "display",
};

}  // namespace

std::string_view PropertyName(int index) {
    if (index < 0 || index >= PropertyCount)
        return {};
    return kPropertyNames[static_cast<std::size_t>(index)];
}

std::optional<int> PropertyIndex(std::string_view name) {
    for (std::size_t i = 0; i < kPropertyNames.size(); ++i) {
        if (kPropertyNames[i] == name)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

bool IsEmpty(const PropValue& value) {
    return std::holds_alternative<std::monostate>(value);
}

bool IsNotSet(const PropValue& value) {
    if (IsEmpty(value))
        return true;
    const int* number = std::get_if<int>(&value);
    return number != nullptr && *number == kNotSet;
}

const std::string* AsText(const PropValue& value) {
    return std::get_if<std::string>(&value);
}

std::optional<int> AsInt(const PropValue& value) {
    if (const int* number = std::get_if<int>(&value))
        return *number;
    return std::nullopt;
}

}  // namespace kelvor::engine
