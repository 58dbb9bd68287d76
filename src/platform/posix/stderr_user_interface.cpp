#include "platform/posix/stderr_user_interface.h"

namespace kelvor::platform {

void StderrUserInterface::messageBox(const std::string& caption, const std::string& text) {
    std::string line = caption;
    line += ": ";
    line += text;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stream_);
    std::fflush(stream_);
}

}  // namespace kelvor::platform
