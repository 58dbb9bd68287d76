#pragma once

#include <string>
#include <string_view>

namespace kelvor {

// Whether the bytes are well-formed UTF-8: shortest forms only, no surrogates, nothing beyond
// U+10FFFF.
bool IsWellFormedUtf8(std::string_view text);

// The report's 8-bit text as UTF-8. Text that already is well-formed UTF-8 (what calendars of
// version 2.0 carry, and what UTF-16 input was turned into) stays as it is; any other text is
// read byte by byte as Windows-1252, the 8-bit code page of the Windows senders, which keeps
// ISO-8859-1 letters as they are and gives the bytes 128 to 159 their quotes and dashes.
std::string ToUtf8(std::string_view text);

}  // namespace kelvor
