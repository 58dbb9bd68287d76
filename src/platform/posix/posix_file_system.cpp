#include "platform/posix/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

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

}  // namespace

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

std::optional<std::string> PosixFileSystem::readAll(const std::string& path) const {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ::close(fd);
            return std::nullopt;  // a folder, or a read error
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

bool PosixFileSystem::writeAll(const std::string& path, std::string_view bytes) {
    return WriteAndClose(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666),
                         bytes);
}

bool PosixFileSystem::append(const std::string& path, std::string_view bytes) {
    return WriteAndClose(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC), bytes);
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
