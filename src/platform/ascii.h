#pragma once

#include <string>
#include <string_view>

// Case and trimming of ASCII text, shared by the calendar core and the display engine. Only the
// ASCII letters change case and only the named bytes are trimmed; every other byte, 8-bit ones
// included, passes unchanged whatever the locale, because the texts are 8-bit text of a code
// page the program does not know at this point.
namespace kelvor::ascii {

constexpr char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char ToLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string UpperCased(std::string_view text);
std::string LowerCased(std::string_view text);
// The same without a copy, for texts read line by line in bulk.
void UpperCaseInPlace(std::string& text);
void LowerCaseInPlace(std::string& text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// Trimming at both ends; each name says which bytes go.
// Blanks (code 32) only.
std::string_view TrimSpaces(std::string_view text);
// Blanks, TAB, CR and LF: the white space of HTML and style sheets.
std::string_view TrimWhitespace(std::string_view text);
// Blanks and every control character: codes 0 to 32 and 127.
std::string_view TrimSpacesAndControls(std::string_view text);

}  // namespace kelvor::ascii
