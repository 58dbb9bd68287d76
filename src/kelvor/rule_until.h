#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvor {

struct KelvorState;

// Reads the until date-time of a rule through the shared date-time state (a value marked "Z" is
// moved to local time) and formats it with pattern. Nothing when the text holds no valid
// date-time: the reader has logged it, and an until-date the rule never gave would mislead.
std::optional<std::string> ReadUntilDate(KelvorState& state, std::string_view text,
                                         std::string_view pattern);

}  // namespace kelvor
