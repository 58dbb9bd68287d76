#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/headless_run.h"
#include "app/window_run.h"

namespace {

constexpr int kWrongCommandLine = 2;

int Usage() {
    std::fputs(
        "usage: kelvor [--] [FILE]                  open the window on FILE\n"
        "       kelvor --headless [FILE]            run without a window\n"
        "       kelvor --screenshot OUT.png [FILE]  save the window as a picture\n",
        stderr);
    return kWrongCommandLine;
}

}  // namespace

int main(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    using Arguments = std::vector<std::string>;
    // After the mode, the program's own command line: the input file first, further arguments
    // ignored.
    if (arguments.empty()) {
        return kelvor::app::RunWindow({}, start);
    }
    const std::string& first = arguments.front();
    if (first == "--headless") {
        return kelvor::app::RunHeadless({arguments.begin() + 1, arguments.end()});
    }
    if (first == "--screenshot") {
        if (arguments.size() < 2 || arguments[1].empty()) {
            return Usage();
        }
        return kelvor::app::RunScreenshot(arguments[1],
                                          Arguments(arguments.begin() + 2, arguments.end()), start);
    }
    if (first == "--") {
        return kelvor::app::RunWindow({arguments.begin() + 1, arguments.end()}, start);
    }
    if (first.starts_with("-")) {
        return Usage();
    }
    return kelvor::app::RunWindow(arguments, start);
}
