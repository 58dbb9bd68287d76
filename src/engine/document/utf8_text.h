#pragma once

#include <string>
#include <string_view>

namespace kelvor::engine {

// The reader hands attribute texts (ALT, TITLE) over as the document's bytes in the code page
// in force; the model keeps such texts as UTF-8, to show them and to hand them on as hints.
std::string Utf8FromCodePage(std::string_view bytes, int codePage);

// UTF-8 of 16-bit text (a lone surrogate half becomes U+FFFD).
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace kelvor::engine
