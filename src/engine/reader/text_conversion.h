#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvor::engine {

// Appends the bytes of a text, each with its source position, as 16-bit characters of
// `codePage`; when the bytes are not valid in it the system default code page is used. A
// character made of several bytes takes the position of its first byte. Plain ASCII, UTF-8 and
// the default code page are converted here without a conversion handle, as they are met for
// every text of a document.
void AppendConverted(std::string_view bytes, std::span<const int> positions, int codePage,
                     std::u16string& text, std::vector<int>& textPositions);

// A character (any Unicode value up to 0x10FFFF) as bytes of `codePage`; what the code page
// lacks becomes "?". At most `limit` bytes.
std::string CharToCodePage(char32_t c, int codePage, std::size_t limit);

// Appends a character as 16-bit text (a pair of surrogates beyond 0xFFFF).
void AppendUtf16(char32_t c, std::u16string& text);

// 16-bit text as UTF-8 (a lone surrogate becomes U+FFFD).
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace kelvor::engine
