#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvor::engine {

// Charset codes with a meaning of their own.
inline constexpr int kCharsetLatin2Special = 31;  // ISO 8859-2 through code page 28592
inline constexpr int kCharsetEucJpSpecial = 30;   // EUC-JP, turned into Shift-JIS by the reader
inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageLatin2 = 28592;
inline constexpr int kCodePageSystemDefault = 0;

// The code page of a Windows charset, when the charset is one the engine knows.
std::optional<int> CodePageOfCharset(int charset);

// 8-bit text of a code page to 16-bit text. Returns false when the code page is unknown or the
// bytes are not valid in it. Code page 0 is the system default (Windows-1252 here).
bool ConvertToUtf16(std::string_view bytes, int codePage, std::u16string& text);

// 16-bit text to 8-bit text of a code page; characters the code page lacks become "?".
bool ConvertFromUtf16(std::u16string_view text, int codePage, std::string& bytes);

}  // namespace kelvor::engine
