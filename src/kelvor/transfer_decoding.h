#pragma once

#include <string>
#include <string_view>

namespace kelvor {

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// True when the bytes begin with a UTF-16 byte order mark, little- or big-endian.
bool HasUtf16Mark(std::string_view bytes);

// UTF-16 text (its byte order taken from its mark, which is dropped) as UTF-8. A lone surrogate
// becomes U+FFFD; an odd last byte is dropped.
std::string Utf16ToUtf8(std::string_view bytes);

// Undoes a quoted-printable transfer encoding: "=XX" (two hexadecimal digits, either case) is
// that byte, "=" at the end of a line joins the line to the next one, blanks and tabs at the
// end of a line are padding. Anything else, a lone "=" included, stays as it is.
std::string QuotedPrintableDecode(std::string_view text);

}  // namespace kelvor
