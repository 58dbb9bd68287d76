#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/environment.h"

namespace kelvor::platform {

// The process's own environment. The arguments are those main() hands over, after the program
// name and after any options main() has taken for itself.
class PosixEnvironment : public Environment {
  public:
    explicit PosixEnvironment(std::vector<std::string> arguments);

    std::optional<std::string> variable(std::string_view name) const override;
    // The executable as the kernel knows it (/proc/self/exe), so a start through a link or a
    // relative path still finds the companion files beside the real program.
    std::string programPath() const override;
    std::vector<std::string> arguments() const override { return arguments_; }
    std::string homeFromUserDatabase() const override;

  private:
    std::vector<std::string> arguments_;
};

}  // namespace kelvor::platform
