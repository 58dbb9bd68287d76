#include "platform/posix/posix_environment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <utility>

namespace kelvor::platform {

PosixEnvironment::PosixEnvironment(std::vector<std::string> arguments)
    : arguments_(std::move(arguments)) {}

std::optional<std::string> PosixEnvironment::variable(std::string_view name) const {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

std::string PosixEnvironment::programPath() const {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        // The path may have been cut at the buffer's end; try again with more room.
        buffer.resize(buffer.size() * 2);
    }
}

std::string PosixEnvironment::homeFromUserDatabase() const {
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

}  // namespace kelvor::platform
