#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/file_system.h"

namespace kelvor::engine {

// Files a page refers to (style sheets, pictures, followed links) are read only when they are
// regular files of at most this size, so that no page can make the viewer wait on a device or
// a pipe, or fill its memory.
inline constexpr std::uint64_t kLargestLinkedFile = 16u * 1024 * 1024;
// Files the program itself asks to show (its report, the calendar source, the log, the help
// page) may be larger: the report of a large input grows beyond it.
inline constexpr std::uint64_t kLargestShownFile = 256u * 1024 * 1024;

// A load the control could not do. The shown document stays as it was.
class DisplayFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The file to show is not there. The message names it, without its anchor.
class MissingFileError : public DisplayFileError {
  public:
    explicit MissingFileError(const std::string& path)
        : DisplayFileError("Can't locate file: " + path), path_(path) {}
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The file is there but cannot be read: no permission, no regular file, or too large.
class UnreadableFileError : public DisplayFileError {
  public:
    UnreadableFileError(const std::string& path, platform::ReadStatus status, std::uint64_t limit);
};

// Reads a whole file for showing, or raises the errors above.
std::string ReadShownFile(const platform::FileSystem& files, const std::string& path,
                          std::uint64_t limit);

// Reads a file a page refers to; nothing when it is missing, no regular file or too large.
std::optional<std::string> ReadLinkedFile(const platform::FileSystem& files,
                                          const std::string& path);

}  // namespace kelvor::engine
