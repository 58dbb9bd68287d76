#include "engine/forms/text_values.h"

#include <algorithm>

#include "engine/text/charsets.h"

namespace kelvor::engine {

namespace {

constexpr std::size_t kTypeLength = 20;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::u16string Utf16FromCodePage(std::string_view bytes, int codePage) {
    std::u16string text;
    if (ConvertToUtf16(bytes, codePage, text))
        return text;
    text.clear();
    if (ConvertToUtf16(bytes, kCodePageSystemDefault, text))
        return text;
    // Nothing reads it: each byte stands for itself.
    text.assign(bytes.begin(), bytes.end());
    for (char16_t& c : text)
        c = static_cast<char16_t>(static_cast<unsigned char>(c));
    return text;
}

std::u16string Utf16FromUtf8(std::string_view text) {
    return Utf16FromCodePage(text, kCodePageUtf8);
}

std::string ControlType(std::string_view type) {
    std::string result(type.substr(0, std::min(type.size(), kTypeLength)));
    std::transform(result.begin(), result.end(), result.begin(), Lower);
    return result;
}

bool SameNameNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace kelvor::engine
