#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvor::engine {

// Small text helpers shared by the style code. The engine works on ASCII keywords; other bytes
// pass through unchanged.
std::string_view Trim(std::string_view text);
std::string ToLower(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
bool ContainsIgnoreCase(std::string_view text, std::string_view part);
// Splits at `separator`, keeping empty parts.
std::vector<std::string_view> Split(std::string_view text, char separator);
// Splits at runs of blanks, keeping "rgb(...)" groups together.
std::vector<std::string> SplitWords(std::string_view text);
// The whole text as a decimal number (an optional sign, digits, an optional fraction).
bool ParseNumber(std::string_view text, double& value);
// A value wholly enclosed in matching single or double quotes loses them.
std::string_view Unquote(std::string_view text);

}  // namespace kelvor::engine
