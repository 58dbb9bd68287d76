#pragma once

#include <string>
#include <string_view>

namespace kelvor::engine {

// Attribute bytes of the page in a code page as 16-bit text; bytes the code page cannot read
// are read in the system default code page instead.
std::u16string Utf16FromCodePage(std::string_view bytes, int codePage);
// UTF-8 back to 16-bit text (what the history keeps of a control).
std::u16string Utf16FromUtf8(std::string_view text);
// A TYPE value as controls are chosen by: lower case, its first 20 characters.
std::string ControlType(std::string_view type);
// Equal without regard to (ASCII) case: radio groups by name.
bool SameNameNoCase(std::string_view a, std::string_view b);

}  // namespace kelvor::engine
