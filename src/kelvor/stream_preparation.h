#pragma once

namespace kelvor {

struct KelvorState;

// Regularises, unfolds and unescapes the stream text, fills mylist and writes the working copy.
void PrepareStream(KelvorState& state);
// Fills mylist from the stream text, one entry per line, stopping at a byte 0.
void FillMylist(KelvorState& state);

}  // namespace kelvor
