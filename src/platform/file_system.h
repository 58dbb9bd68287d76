#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvor::platform {

// The file operations the program needs. Every call is complete in itself: no handle is kept,
// which is how the trace log and the whole-file reads and writes use files anyway.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    // Size from the directory entry, or nothing when the file is not there.
    virtual std::optional<std::uint64_t> size(const std::string& path) const = 0;
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
    // The whole file's bytes, or nothing when it cannot be opened or read.
    virtual std::optional<std::string> readAll(const std::string& path) const = 0;
    // Creates or empties the file and writes the bytes exactly.
    virtual bool writeAll(const std::string& path, std::string_view bytes) = 0;
    // Appends to an existing file; fails when the file cannot be opened for appending.
    virtual bool append(const std::string& path, std::string_view bytes) = 0;
    // Creates a folder (and its missing parents) with the given permission bits.
    virtual bool createDirectories(const std::string& path, unsigned mode) = 0;
    // The platform's short form of a path; empty when the path names nothing.
    virtual std::string shortPath(const std::string& path) const = 0;
    // The platform's separator between a folder and a name.
    virtual char separator() const = 0;
};

}  // namespace kelvor::platform
