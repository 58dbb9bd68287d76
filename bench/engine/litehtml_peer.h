#pragma once

#include <string>

namespace kelvor::bench {

// Whether this build has the litehtml comparison (liblitehtml-dev was found).
bool HaveLitehtml();

// Parses and lays out `html` with litehtml at `width` pixels, on a container with the fixed
// metrics of platform/fixed (an em of 16 pixels at 12 pt, characters half an em wide). Returns
// the laid-out height; 0 without litehtml.
int LitehtmlLayout(const std::string& html, int width);

}  // namespace kelvor::bench
