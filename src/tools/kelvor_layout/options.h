#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kelvor::tools {

// The command line of kelvor-layout:
//   kelvor-layout [--width W] [--canvas fixed|qt] [--png OUT.png] [--tree]
//                 [--pdf OUT.pdf [--print-scale S]] FILE
struct LayoutOptions {
    int width = 800;
    bool qtCanvas = false;
    std::string png;  // empty: no picture
    bool tree = false;
    std::string pdf;  // empty: no printing
    double printScale = 1.0;
    std::string file;
};

// Widths are taken from 1 to this many pixels.
inline constexpr int kMaxWidth = 100000;

// The options, or nothing (with a message in `error`) for a wrong command line.
std::optional<LayoutOptions> ParseLayoutOptions(const std::vector<std::string>& arguments,
                                                std::string& error);

}  // namespace kelvor::tools
