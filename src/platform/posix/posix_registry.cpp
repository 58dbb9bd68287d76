#include "platform/posix/posix_registry.h"

#include <cctype>
#include <utility>

#include "platform/ascii.h"

namespace kelvor::platform {

namespace {

// The key as it is compared: lower case, without leading backslashes.
std::string NormalKey(std::string_view key) {
    while (!key.empty() && key.front() == '\\') {
        key.remove_prefix(1);
    }
    return ascii::LowerCased(key);
}

bool IsSet(const std::optional<std::string>& value) {
    return value && !value->empty();
}

}  // namespace

PosixRegistry::PosixRegistry(const FileSystem& files, std::string path)
    : files_(files), path_(std::move(path)) {}

std::optional<std::string> PosixRegistry::readDefaultValue(std::string_view key) const {
    const auto content = files_.readAll(path_);
    if (!content) {
        return std::nullopt;
    }
    const std::string wanted = NormalKey(key);
    std::optional<std::string> found;
    std::size_t start = 0;
    while (start < content->size()) {
        std::size_t end = content->find('\n', start);
        if (end == std::string::npos) {
            end = content->size();
        }
        std::string_view line(content->data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        if (NormalKey(line.substr(0, equals)) == wanted) {
            found = std::string(line.substr(equals + 1));
        }
    }
    return found;
}

std::string PosixRegistry::DefaultPath(const Environment& environment) {
    if (const auto explicitPath = environment.variable("KELVOR_REGISTRY"); IsSet(explicitPath)) {
        return *explicitPath;
    }
    if (const auto config = environment.variable("XDG_CONFIG_HOME");
        IsSet(config) && config->front() == '/') {
        return *config + "/kelvor/registry";
    }
    const auto home = environment.variable("HOME");
    return (home ? *home : std::string()) + "/.config/kelvor/registry";
}

}  // namespace kelvor::platform
