#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelvor::engine {

// Small text helpers of the style code (case and trimming are in platform/ascii.h). The engine
// works on ASCII keywords; other bytes pass through unchanged.
// Splits at `separator`, keeping empty parts.
std::vector<std::string_view> Split(std::string_view text, char separator);
// Splits at runs of blanks, keeping "rgb(...)" groups together.
std::vector<std::string> SplitWords(std::string_view text);
// The whole text as a decimal number (an optional sign, digits, an optional fraction).
bool ParseNumber(std::string_view text, double& value);
// A value wholly enclosed in matching single or double quotes loses them.
std::string_view Unquote(std::string_view text);

}  // namespace kelvor::engine
