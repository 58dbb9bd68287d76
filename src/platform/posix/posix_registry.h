#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/registry.h"

namespace kelvor::platform {

// A POSIX system has no registry, so the few values the program reads from one come from a
// small text file of ours. Each line is a key, "=" and its default value, for example
//     \Software\Pegasus Mail\NewMail=/home/me/pmail/new
// Keys are matched without regard to case and to a leading backslash, as the Windows registry
// does; blank lines and lines starting with "#" are ignored; when a key appears twice, the last
// line wins. A missing or unreadable file is a registry without keys.
class PosixRegistry : public Registry {
  public:
    // Reads from the file at path.
    PosixRegistry(const FileSystem& files, std::string path);

    std::optional<std::string> readDefaultValue(std::string_view key) const override;
    const std::string& path() const { return path_; }

    // Where the file lies: $KELVOR_REGISTRY when set, else $XDG_CONFIG_HOME/kelvor/registry,
    // else ~/.config/kelvor/registry.
    static std::string DefaultPath(const Environment& environment);

  private:
    const FileSystem& files_;
    std::string path_;
};

}  // namespace kelvor::platform
