#pragma once

#include <string>
#include <string_view>

namespace kelvor {

struct KelvorState;

// Takes the input file from the command line; false (after telling the user) when there is none.
bool CommandLineStep(KelvorState& state);
// Finds the stream in the input file, extracts, prepares and parses it, or writes the
// no-stream ending. False when the input file cannot be opened.
bool ScanStep(KelvorState& state);

std::string Base64Decode(std::string_view encoded);

}  // namespace kelvor
