#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvor::platform {

// What the running process knows about itself: its environment, its own file and its arguments.
class Environment {
  public:
    virtual ~Environment() = default;
    // The value of an environment variable, or nothing when it is not set.
    virtual std::optional<std::string> variable(std::string_view name) const = 0;
    // Full path of the running program's own executable file.
    virtual std::string programPath() const = 0;
    // Command-line arguments after the program name.
    virtual std::vector<std::string> arguments() const = 0;
    // The user's home folder as the system's user database records it (HOME aside); empty
    // when it does not tell.
    virtual std::string homeFromUserDatabase() const = 0;
};

}  // namespace kelvor::platform
