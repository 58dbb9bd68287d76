#include "fakes/test_platform.h"

namespace kelvor::testing {

std::vector<std::string> TestPlatform::logMessages() const {
    std::vector<std::string> messages;
    const std::string text = log();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        messages.push_back(line.size() >= 6 ? line.substr(6) : line);
        start = end + 2;
    }
    return messages;
}

}  // namespace kelvor::testing
