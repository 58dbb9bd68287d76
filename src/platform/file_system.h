#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace kelvor::platform {

// A file held open for writing across many writes. A buffered file may report a failed write
// only at a later write or at close, so the result of close() must be checked.
class OutputFile {
  public:
    virtual ~OutputFile() = default;  // closes without telling the outcome
    virtual bool write(std::string_view bytes) = 0;
    virtual bool close() = 0;
    // The file's size now, bytes still in the buffer included.
    virtual std::uint64_t size() const = 0;
};

enum class OutputMode {
    Replace,  // created or emptied
    Append    // created when missing, written at its end
};

// Why a file could not be read, or that it was.
enum class ReadStatus {
    Ok,
    CannotOpen,  // missing, not permitted, or a read error
    NotRegular,  // a folder, a device, a pipe: nothing the program reads whole
    TooLarge     // larger than the limit asked for
};

struct ReadResult {
    ReadStatus status = ReadStatus::CannotOpen;
    std::string bytes;
};

// What stands in the way of using a folder as the program's private working folder.
enum class FolderState {
    Usable,
    Missing,
    NotAFolder,
    NotOwned,      // owned by another user
    OpenToOthers,  // writable by group or others
    NotWritable
};

// The file operations the program needs. Most calls are complete in themselves; only an
// output file keeps a handle between calls.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool exists(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    // Size from the directory entry, or nothing when the file is not there.
    virtual std::optional<std::uint64_t> size(const std::string& path) const = 0;
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
    // The whole file's bytes, when it is a regular file of at most `limit` bytes. Opening
    // never waits (a pipe without a writer is refused at once).
    virtual ReadResult readFile(const std::string& path, std::uint64_t limit) const = 0;
    // The whole file's bytes, or nothing when it cannot be read or is no regular file.
    std::optional<std::string> readAll(const std::string& path) const {
        ReadResult result = readFile(path, UINT64_MAX);
        if (result.status != ReadStatus::Ok) {
            return std::nullopt;
        }
        return std::move(result.bytes);
    }
    // Creates or empties the file and writes the bytes exactly. Like openOutput, it refuses a
    // path that is a symbolic link: the program's own files are never written through one.
    virtual bool writeAll(const std::string& path, std::string_view bytes) = 0;
    // Appends to an existing file; fails when the file cannot be opened for appending.
    virtual bool append(const std::string& path, std::string_view bytes) = 0;
    // Opens a file for writing; nothing when it cannot be opened or is a symbolic link. A buffered
    // file collects small writes; an unbuffered one writes each at once.
    virtual std::unique_ptr<OutputFile> openOutput(const std::string& path, OutputMode mode,
                                                   bool buffered) = 0;
    // Creates or empties a file the user chose in a dialog and opens it for buffered writing;
    // nothing when it cannot be created or is no regular file. Unlike openOutput it follows a
    // symbolic link: the user named that file, link or not.
    virtual std::unique_ptr<OutputFile> createChosenFile(const std::string& path) = 0;
    // Creates a folder (and its missing parents) with the given permission bits.
    virtual bool createDirectories(const std::string& path, unsigned mode) = 0;
    // Whether a folder may serve as the user's private working folder.
    virtual FolderState folderState(const std::string& path) const = 0;
    // Whether a path names its file from the root, not from the current folder.
    virtual bool isAbsolute(const std::string& path) const = 0;
    // The platform's short form of a path; empty when the path names nothing.
    virtual std::string shortPath(const std::string& path) const = 0;
    // The platform's separator between a folder and a name.
    virtual char separator() const = 0;
};

}  // namespace kelvor::platform
