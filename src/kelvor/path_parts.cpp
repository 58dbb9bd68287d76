#include "kelvor/path_parts.h"

namespace kelvor {

std::string FolderOf(const std::string& path, char separator) {
    const auto last = path.find_last_of(separator);
    if (last == std::string::npos) {
        return {};
    }
    if (last == 0) {
        return std::string(1, separator);
    }
    return path.substr(0, last);
}

std::string NameOf(const std::string& path, char separator) {
    const auto last = path.find_last_of(separator);
    return last == std::string::npos ? path : path.substr(last + 1);
}

}  // namespace kelvor
