#pragma once

#include <string>
#include <vector>

namespace kelvor::app {

// Runs the start-up sequence once, as the window's first activation would, but without a
// window: message boxes go to stderr. The arguments are the program's own (the input file
// first). Returns the exit status: 0 when the sequence ran to its end, 1 when it ended early.
int RunHeadless(const std::vector<std::string>& arguments);

}  // namespace kelvor::app
