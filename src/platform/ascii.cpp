#include "platform/ascii.h"

#include <algorithm>

namespace kelvor::ascii {

namespace {

template <typename Removed>
std::string_view TrimWhere(std::string_view text, Removed removed) {
    while (!text.empty() && removed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && removed(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string UpperCased(std::string_view text) {
    std::string result(text);
    UpperCaseInPlace(result);
    return result;
}

std::string LowerCased(std::string_view text) {
    std::string result(text);
    LowerCaseInPlace(result);
    return result;
}

void UpperCaseInPlace(std::string& text) {
    std::transform(text.begin(), text.end(), text.begin(), ToUpper);
}

void LowerCaseInPlace(std::string& text) {
    std::transform(text.begin(), text.end(), text.begin(), ToLower);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ToLower(x) == ToLower(y);
           });
}

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char x, char y) { return ToLower(x) == ToLower(y); }) != text.end() ||
           part.empty();
}

std::string_view TrimSpaces(std::string_view text) {
    return TrimWhere(text, [](char c) { return c == ' '; });
}

std::string_view TrimWhitespace(std::string_view text) {
    return TrimWhere(text, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

std::string_view TrimSpacesAndControls(std::string_view text) {
    return TrimWhere(text, [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F;
    });
}

}  // namespace kelvor::ascii
