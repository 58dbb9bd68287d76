#pragma once

#include <string>

namespace kelvor {

struct KelvorState;

// Classifies how a text is encoded: 0 plain 7-bit, 1 UTF-8, 2 other 8-bit, 3 UTF-16.
int IsUtf8(KelvorState& state, std::string& text);

}  // namespace kelvor
