#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

namespace kelvor::platform {

namespace {

// Writes every byte, going on after short writes and interruptions.
bool WriteFully(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

bool WriteAndClose(int fd, std::string_view bytes) {
    if (fd < 0) {
        return false;
    }
    const bool written = WriteFully(fd, bytes);
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

// A descriptor held open; a buffered one gathers writes up to kBufferSize and writes larger
// pieces straight through, so a big piece is never copied.
class PosixOutputFile : public OutputFile {
  public:
    PosixOutputFile(int fd, std::uint64_t size, bool buffered)
        : fd_(fd), size_(size), buffered_(buffered) {}
    ~PosixOutputFile() override { close(); }

    bool write(std::string_view bytes) override {
        if (fd_ < 0 || failed_) {
            return false;
        }
        size_ += bytes.size();
        if (buffered_ && buffer_.size() + bytes.size() <= kBufferSize) {
            buffer_.append(bytes);
            return true;
        }
        if (!flush() || !WriteFully(fd_, bytes)) {
            failed_ = true;
            return false;
        }
        return true;
    }

    bool close() override {
        if (fd_ < 0) {
            return !failed_;
        }
        const bool flushed = flush();
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        failed_ = failed_ || !flushed || !closed;
        return !failed_;
    }

    std::uint64_t size() const override { return size_; }

  private:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    bool flush() {
        if (buffer_.empty()) {
            return true;
        }
        const bool written = WriteFully(fd_, buffer_);
        buffer_.clear();
        return written;
    }

    int fd_;
    std::uint64_t size_;
    bool buffered_;
    bool failed_ = false;
    std::string buffer_;
};

}  // namespace

std::unique_ptr<OutputFile> PosixFileSystem::openOutput(const std::string& path, OutputMode mode,
                                                        bool buffered) {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW |
                      (mode == OutputMode::Append ? O_APPEND : O_TRUNC);
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixOutputFile>(fd, static_cast<std::uint64_t>(info.st_size),
                                             buffered);
}

std::unique_ptr<OutputFile> PosixFileSystem::createChosenFile(const std::string& path) {
    // O_NONBLOCK keeps a pipe without a reader from holding the program for ever; only a
    // regular file is kept.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0) {
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    return std::make_unique<PosixOutputFile>(fd, static_cast<std::uint64_t>(info.st_size), true);
}

bool PosixFileSystem::exists(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool PosixFileSystem::isDirectory(const std::string& path) const {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::uint64_t> PosixFileSystem::size(const std::string& path) const {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

bool PosixFileSystem::rename(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool PosixFileSystem::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

ReadResult PosixFileSystem::readFile(const std::string& path, std::uint64_t limit) const {
    ReadResult result;
    // Without O_NONBLOCK, opening a pipe that nobody writes to would wait for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        result.status = ReadStatus::NotRegular;
        return result;
    }
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > limit) {
        ::close(fd);
        result.status = ReadStatus::TooLarge;
        return result;
    }
    // Room for the whole file at once: growing by doubling would hold twice its size.
    result.bytes.reserve(static_cast<std::size_t>(size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(fd);
            result.bytes.clear();
            return result;
        }
        if (got == 0) {
            break;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(got));
        if (result.bytes.size() > limit) {  // it grew while being read
            ::close(fd);
            result.bytes.clear();
            result.status = ReadStatus::TooLarge;
            return result;
        }
    }
    ::close(fd);
    result.status = ReadStatus::Ok;
    return result;
}

FolderState PosixFileSystem::folderState(const std::string& path) const {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return FolderState::Missing;
    }
    if (!S_ISDIR(info.st_mode)) {
        return FolderState::NotAFolder;
    }
    if (info.st_uid != ::geteuid()) {
        return FolderState::NotOwned;
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return FolderState::OpenToOthers;
    }
    if (::access(path.c_str(), W_OK | X_OK) != 0) {
        return FolderState::NotWritable;
    }
    return FolderState::Usable;
}

bool PosixFileSystem::writeAll(const std::string& path, std::string_view bytes) {
    return WriteAndClose(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666), bytes);
}

bool PosixFileSystem::append(const std::string& path, std::string_view bytes) {
    return WriteAndClose(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW), bytes);
}

bool PosixFileSystem::createDirectories(const std::string& path, unsigned mode) {
    if (path.empty()) {
        return false;
    }
    // Every missing folder on the way gets the same mode, so a private folder's parents
    // created here are not readable by others either.
    std::size_t position = 0;
    for (;;) {
        position = path.find('/', position + 1);
        const std::string part = path.substr(0, position);
        if (::mkdir(part.c_str(), static_cast<mode_t>(mode)) != 0 && errno != EEXIST) {
            return false;
        }
        if (position == std::string::npos) {
            break;
        }
    }
    return isDirectory(path);
}

std::string PosixFileSystem::shortPath(const std::string& path) const {
    return exists(path) ? path : std::string();
}

}  // namespace kelvor::platform
