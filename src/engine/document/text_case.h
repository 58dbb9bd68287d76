#pragma once

namespace kelvor::engine {

// Simple one-to-one case mapping of 16-bit characters for text-transform and small-caps: Basic
// Latin, Latin-1, Latin Extended-A, Greek and Cyrillic. Other characters stay as they are.
char16_t UpperChar(char16_t c);
char16_t LowerChar(char16_t c);

}  // namespace kelvor::engine
