#include "fakes/platform/fake_platform.h"

#include <ctime>

namespace kelvor::testing {

namespace {
std::string parentOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return "";
    return path.substr(0, slash);
}
}  // namespace

void FakeFileSystem::addFile(const std::string& path, std::string content) {
    addFolder(parentOf(path));
    files[path] = std::move(content);
}

void FakeFileSystem::addFolder(const std::string& path) {
    std::string folder = path;
    while (!folder.empty()) {
        folders.insert(folder);
        folder = parentOf(folder);
    }
}

std::string FakeFileSystem::content(const std::string& path) const {
    auto it = files.find(path);
    return it == files.end() ? std::string() : it->second;
}

bool FakeFileSystem::parentExists(const std::string& path) const {
    const std::string parent = parentOf(path);
    return parent.empty() || folders.count(parent) > 0;
}

bool FakeFileSystem::exists(const std::string& path) const {
    return files.count(path) > 0 || folders.count(path) > 0 || special.count(path) > 0;
}

bool FakeFileSystem::isDirectory(const std::string& path) const {
    return folders.count(path) > 0;
}

std::optional<std::uint64_t> FakeFileSystem::size(const std::string& path) const {
    auto it = files.find(path);
    if (it == files.end())
        return std::nullopt;
    return it->second.size();
}

bool FakeFileSystem::rename(const std::string& from, const std::string& to) {
    auto it = files.find(from);
    if (it == files.end() || locked.count(from) || locked.count(to) || !parentExists(to)) {
        return false;
    }
    std::string bytes = std::move(it->second);
    files.erase(it);
    files[to] = std::move(bytes);
    return true;
}

bool FakeFileSystem::remove(const std::string& path) {
    if (locked.count(path))
        return false;
    return files.erase(path) > 0;
}

platform::ReadResult FakeFileSystem::readFile(const std::string& path, std::uint64_t limit) const {
    platform::ReadResult result;
    if (special.count(path) || folders.count(path)) {
        result.status = platform::ReadStatus::NotRegular;
        return result;
    }
    auto it = files.find(path);
    if (it == files.end() || unreadable.count(path))
        return result;
    if (it->second.size() > limit) {
        result.status = platform::ReadStatus::TooLarge;
        return result;
    }
    result.status = platform::ReadStatus::Ok;
    result.bytes = it->second;
    return result;
}

platform::FolderState FakeFileSystem::folderState(const std::string& path) const {
    auto it = folderStates.find(path);
    if (it != folderStates.end())
        return it->second;
    if (files.count(path) || special.count(path))
        return platform::FolderState::NotAFolder;
    return folders.count(path) ? platform::FolderState::Usable : platform::FolderState::Missing;
}

bool FakeFileSystem::writeAll(const std::string& path, std::string_view bytes) {
    if (links.count(path) || unwritable.count(path) || !parentExists(path) || folders.count(path))
        return false;
    files[path] = std::string(bytes);
    return true;
}

bool FakeFileSystem::append(const std::string& path, std::string_view bytes) {
    auto it = files.find(path);
    if (it == files.end() || unwritable.count(path))
        return false;
    it->second.append(bytes);
    return true;
}

namespace {
class FakeOutputFile : public platform::OutputFile {
  public:
    FakeOutputFile(FakeFileSystem& files, std::string path)
        : files_(files), path_(std::move(path)) {}
    bool write(std::string_view bytes) override {
        if (closed_ || files_.unwritable.count(path_) || files_.full.count(path_)) {
            failed_ = true;
            return false;
        }
        files_.files[path_].append(bytes);
        return true;
    }
    // Like a buffered file, one that can no longer be written fails at its close too.
    bool close() override {
        if (!closed_ && (files_.unwritable.count(path_) || files_.full.count(path_))) {
            failed_ = true;
        }
        closed_ = true;
        return !failed_;
    }
    std::uint64_t size() const override { return files_.content(path_).size(); }

  private:
    FakeFileSystem& files_;
    std::string path_;
    bool closed_ = false;
    bool failed_ = false;
};
}  // namespace

std::unique_ptr<platform::OutputFile> FakeFileSystem::openOutput(const std::string& path,
                                                                 platform::OutputMode mode, bool) {
    if (links.count(path) || unwritable.count(path) || !parentExists(path) || folders.count(path)) {
        return nullptr;
    }
    if (mode == platform::OutputMode::Replace || !files.count(path)) {
        files[path].clear();
    }
    return std::make_unique<FakeOutputFile>(*this, path);
}

std::unique_ptr<platform::OutputFile> FakeFileSystem::createChosenFile(const std::string& path) {
    if (unwritable.count(path) || special.count(path) || !parentExists(path) ||
        folders.count(path)) {
        return nullptr;
    }
    files[path].clear();
    return std::make_unique<FakeOutputFile>(*this, path);
}

bool FakeFileSystem::createDirectories(const std::string& path, unsigned) {
    addFolder(path);
    return true;
}

std::string FakeFileSystem::shortPath(const std::string& path) const {
    return exists(path) ? path : std::string();
}

std::optional<platform::CivilTime> FakeTimeZone::utcToLocal(const platform::CivilTime& utc) const {
    if (failConversion)
        return std::nullopt;
    std::tm tm{};
    tm.tm_year = utc.year - 1900;
    tm.tm_mon = utc.month - 1;
    tm.tm_mday = utc.day;
    tm.tm_hour = utc.hour;
    tm.tm_min = utc.minute + offsetMinutes;
    tm.tm_sec = utc.second;
    std::time_t t = timegm(&tm);  // normalises the shifted minutes
    std::tm out{};
    gmtime_r(&t, &out);
    platform::CivilTime local;
    local.year = out.tm_year + 1900;
    local.month = out.tm_mon + 1;
    local.day = out.tm_mday;
    local.hour = out.tm_hour;
    local.minute = out.tm_min;
    local.second = out.tm_sec;
    local.millisecond = utc.millisecond;
    local.dayOfWeek = out.tm_wday;
    return local;
}

}  // namespace kelvor::testing
