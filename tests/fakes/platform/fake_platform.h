#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace kelvor::testing {

class FakeEnvironment : public platform::Environment {
  public:
    std::map<std::string, std::string> variables;
    std::string program = "/opt/kelvor/kelvor";
    std::vector<std::string> args;
    std::string userDatabaseHome;

    std::optional<std::string> variable(std::string_view name) const override {
        auto it = variables.find(std::string(name));
        if (it == variables.end())
            return std::nullopt;
        return it->second;
    }
    std::string programPath() const override { return program; }
    std::vector<std::string> arguments() const override { return args; }
    std::string homeFromUserDatabase() const override { return userDatabaseHome; }
};

// An in-memory file system with "/" as separator. Folders exist when created or when a file
// lies in them; paths can be marked unreadable or unwritable to provoke failures.
class FakeFileSystem : public platform::FileSystem {
  public:
    std::map<std::string, std::string> files;
    std::set<std::string> folders;
    std::set<std::string> unreadable;
    std::set<std::string> unwritable;
    std::set<std::string> full;     // can be created, but every write fails (a full disk)
    std::set<std::string> locked;   // cannot be renamed or removed
    std::set<std::string> links;    // symbolic links: never written through
    std::set<std::string> special;  // devices and pipes: exist, but are no regular files
    std::map<std::string, platform::FolderState> folderStates;  // folders that are not usable

    void addFile(const std::string& path, std::string content);
    void addFolder(const std::string& path);
    std::string content(const std::string& path) const;

    bool exists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    std::optional<std::uint64_t> size(const std::string& path) const override;
    bool rename(const std::string& from, const std::string& to) override;
    bool remove(const std::string& path) override;
    platform::ReadResult readFile(const std::string& path, std::uint64_t limit) const override;
    bool writeAll(const std::string& path, std::string_view bytes) override;
    bool append(const std::string& path, std::string_view bytes) override;
    // Writes go straight into the file's content, so tests see them at once; a path marked
    // unwritable fails at its next write.
    std::unique_ptr<platform::OutputFile> openOutput(const std::string& path,
                                                     platform::OutputMode mode,
                                                     bool buffered) override;
    // Like openOutput, but a path in `links` is written too: the user chose it.
    std::unique_ptr<platform::OutputFile> createChosenFile(const std::string& path) override;
    bool createDirectories(const std::string& path, unsigned mode) override;
    platform::FolderState folderState(const std::string& path) const override;
    bool isAbsolute(const std::string& path) const override {
        return !path.empty() && path.front() == '/';
    }
    std::string shortPath(const std::string& path) const override;
    char separator() const override { return '/'; }

  private:
    bool parentExists(const std::string& path) const;
};

class FakeRegistry : public platform::Registry {
  public:
    std::map<std::string, std::string> defaultValues;
    std::optional<std::string> readDefaultValue(std::string_view key) const override {
        auto it = defaultValues.find(std::string(key));
        if (it == defaultValues.end())
            return std::nullopt;
        return it->second;
    }
};

class FakeClock : public platform::Clock {
  public:
    platform::CivilTime now{2026, 12, 8, 9, 5, 0, 0, 2};
    std::uint64_t ms = 0;
    platform::CivilTime localNow() const override { return now; }
    std::uint64_t milliseconds() const override { return ms; }
};

// A zone whose local time is always UTC plus offsetMinutes; information() answers info.
class FakeTimeZone : public platform::SystemTimeZone {
  public:
    std::optional<platform::TimeZoneInformation> info;  // nothing: the system cannot tell
    int offsetMinutes = 0;                              // east of UTC, used by utcToLocal
    bool failConversion = false;

    std::optional<platform::TimeZoneInformation> information() const override { return info; }
    std::optional<platform::CivilTime> utcToLocal(const platform::CivilTime& utc) const override;
};

class FakeUserInterface : public platform::UserInterface {
  public:
    std::vector<std::pair<std::string, std::string>> boxes;  // caption, text
    void messageBox(const std::string& caption, const std::string& text) override {
        boxes.emplace_back(caption, text);
    }
};

}  // namespace kelvor::testing
