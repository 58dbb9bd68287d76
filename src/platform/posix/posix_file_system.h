#pragma once

#include "platform/file_system.h"

namespace kelvor::platform {

// The file system of a POSIX system. Paths are used as given; there is no short form, so the
// short path of an existing path is the path itself.
class PosixFileSystem : public FileSystem {
  public:
    bool exists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    std::optional<std::uint64_t> size(const std::string& path) const override;
    bool rename(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    ReadResult readFile(const std::string& path, std::uint64_t limit) const override;
    bool writeAll(const std::string& path, std::string_view bytes) override;
    bool append(const std::string& path, std::string_view bytes) override;
    std::unique_ptr<OutputFile> openOutput(const std::string& path, OutputMode mode,
                                           bool buffered) override;
    std::unique_ptr<OutputFile> createChosenFile(const std::string& path) override;
    bool createDirectories(const std::string& path, unsigned mode) override;
    FolderState folderState(const std::string& path) const override;
    bool isAbsolute(const std::string& path) const override {
        return !path.empty() && path.front() == '/';
    }
    std::string shortPath(const std::string& path) const override;
    char separator() const override { return '/'; }
};

}  // namespace kelvor::platform
