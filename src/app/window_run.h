#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace kelvor::app {

// Opens the program's window, which runs the start-up sequence on its first activation, and
// runs until it is closed. The arguments are the program's own (the input file first). Returns
// the exit status; 1 when there is no display to open the window on.
int RunWindow(const std::vector<std::string>& arguments,
              std::chrono::steady_clock::time_point start);

// Runs the start-up sequence in a window of the program's size on Qt's offscreen platform,
// waits until the report is shown and saves the window as a PNG at `picture`, whose full path
// it prints. Message boxes go to stderr, as without a window. Returns 0 when the sequence ran to
// its end and the picture was written, 1 otherwise.
int RunScreenshot(const std::string& picture, const std::vector<std::string>& arguments,
                  std::chrono::steady_clock::time_point start);

}  // namespace kelvor::app
