#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvor::platform {

// Read access to the current user's settings registry.
class Registry {
  public:
    virtual ~Registry() = default;
    // The default (unnamed) value of a key below the current user's root, for example
    // "\Software\Pegasus Mail\NewMail"; nothing when the key cannot be opened.
    virtual std::optional<std::string> readDefaultValue(std::string_view key) const = 0;
};

}  // namespace kelvor::platform
