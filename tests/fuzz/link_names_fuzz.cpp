// Link targets as pages write them, on hostile bytes. The input is split at NUL bytes into the
// target, the current file, the base and the server root. Whatever they hold, a name that is not
// a URL of another scheme must come out as a path without empty, "." or ".." steps below an
// absolute start, and the extension must stay within five characters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "engine/view/link_names.h"

namespace {

bool HasStep(std::string_view path, std::string_view step) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        // An empty step only counts inside the path: the root and a final "/" are fine.
        const std::string_view piece = path.substr(start, end - start);
        if (piece == step && !(step.empty() && (start == 0 || end == path.size()))) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts(4);
    std::size_t part = 0;
    for (char c : input) {
        if (c == '\0' && part < parts.size() - 1) {
            ++part;
        } else {
            parts[part] += c;
        }
    }
    const kelvor::engine::LinkNameContext context{parts[1], parts[2], parts[3]};
    const std::string expanded = kelvor::engine::ExpandLinkNameOnPosix(parts[0], context);
    const std::size_t scheme = expanded.find("://");
    const bool url = scheme != std::string::npos && scheme >= 1 && expanded == parts[0];
    if (!url && !expanded.empty() && expanded.front() == '/') {
        if (HasStep(expanded, ".") || HasStep(expanded, "..") || HasStep(expanded, "")) {
            std::abort();
        }
    }
    if (kelvor::engine::UpperExtension(expanded).size() > 5) {
        std::abort();
    }
    return 0;
}
