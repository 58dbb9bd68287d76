#pragma once

#include <string_view>

namespace kelvor {

struct KelvorState;

// Appends one stamped line to kelvor.log in the working folder in force now.
void LogLine(KelvorState& state, std::string_view message);
// Writes the line only while tracing is on.
void LogTraced(KelvorState& state, std::string_view message);

}  // namespace kelvor
