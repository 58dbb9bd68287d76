#include "engine/view/display_files.h"

namespace kelvor::engine {

namespace {

std::string Reason(platform::ReadStatus status, std::uint64_t limit) {
    switch (status) {
        case platform::ReadStatus::NotRegular:
            return " (not a regular file)";
        case platform::ReadStatus::TooLarge:
            return " (larger than " + std::to_string(limit / (1024 * 1024)) + " MB)";
        default:
            return "";
    }
}

}  // namespace

UnreadableFileError::UnreadableFileError(const std::string& path, platform::ReadStatus status,
                                         std::uint64_t limit)
    : DisplayFileError("Cannot open file \"" + path + "\"" + Reason(status, limit)) {}

std::string ReadShownFile(const platform::FileSystem& files, const std::string& path,
                          std::uint64_t limit) {
    platform::ReadResult read = files.readFile(path, limit);
    if (read.status != platform::ReadStatus::Ok) {
        throw UnreadableFileError(path, read.status, limit);
    }
    return std::move(read.bytes);
}

std::optional<std::string> ReadLinkedFile(const platform::FileSystem& files,
                                          const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    platform::ReadResult read = files.readFile(path, kLargestLinkedFile);
    if (read.status != platform::ReadStatus::Ok) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

}  // namespace kelvor::engine
