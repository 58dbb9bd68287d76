#include <cstdio>
#include <string>
#include <vector>

#include "app/headless_run.h"

namespace {

constexpr int kWrongCommandLine = 2;

int Usage() {
    std::fputs("usage: kelvor --headless [FILE]\n", stderr);
    return kWrongCommandLine;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty() || arguments.front() != "--headless") {
        return Usage();
    }
    // Everything after the option is the program's own command line: the input file first,
    // further arguments ignored.
    return kelvor::app::RunHeadless({arguments.begin() + 1, arguments.end()});
}
