// The built program against endless inputs, links and open folders on the real file system.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "kelvor/program_run.h"
#include "platform/posix/posix_file_system.h"
#include "platform/temp_folder.h"

namespace kelvor {
namespace {

using testing::ProgramRun;
using testing::RunProgram;
using testing::TempFolder;

const std::string kInvitation =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART:20100305T100000\r\n"
    "SUMMARY:Lunch\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

std::string Read(const std::string& path) {
    return platform::PosixFileSystem().readAll(path).value_or("");
}

TEST(HeadlessHostileInput, EndlessAndHugeInputsAreRefusedPromptly) {
    TempFolder temp;
    ASSERT_EQ(::mkfifo((temp / "pipe").c_str(), 0600), 0);
    {
        // A sparse file: 65 MB long, nothing on the disk.
        platform::PosixFileSystem files;
        ASSERT_TRUE(files.writeAll(temp / "huge.ics", ""));
        std::filesystem::resize_file(temp / "huge.ics", 65ull * 1024 * 1024);
    }
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/zero", "Kelvor: Unable to open /dev/zero (not a regular file)\n"},
        {temp / "pipe", "Kelvor: Unable to open " + temp / "pipe" + " (not a regular file)\n"},
        {temp / "huge.ics",
         "Kelvor: Unable to open " + temp / "huge.ics" + " (larger than 64 MB)\n"},
    };
    for (const auto& [input, message] : cases) {
        const auto started = std::chrono::steady_clock::now();
        const ProgramRun run = RunProgram(temp, "--headless '" + input + "'");
        const auto took = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(run.errors, message);
        EXPECT_LT(took, std::chrono::seconds(10)) << input;
        const std::string log = Read(temp / "cache/kelvor/kelvor.log");
        EXPECT_NE(log.find(message.substr(8, message.size() - 9) + "\r\n"), std::string::npos);
    }
}

TEST(HeadlessHostileInput, LinksInTheWorkingFolderLeaveTheirTargetsAlone) {
    for (const std::string name : {"kelvor.htm", "kelvor.ics", "kelvor.log"}) {
        TempFolder temp;
        platform::PosixFileSystem files;
        ASSERT_TRUE(files.createDirectories(temp / "cache/kelvor", 0700));
        ASSERT_TRUE(files.writeAll(temp / "precious", "keep me"));
        ASSERT_EQ(::symlink((temp / "precious").c_str(), (temp / ("cache/kelvor/" + name)).c_str()),
                  0);
        ASSERT_TRUE(files.writeAll(temp / "inv.ics", kInvitation));
        const ProgramRun run = RunProgram(temp, "--headless '" + temp / "inv.ics" + "'");
        EXPECT_EQ(Read(temp / "precious"), "keep me") << name;
        const std::string log = Read(temp / "cache/kelvor/kelvor.log");
        if (name == "kelvor.htm") {
            EXPECT_EQ(run.status, 1);
            EXPECT_NE(log.find("Unable to create " + temp / "cache/kelvor/kelvor.htm"),
                      std::string::npos);
        } else if (name == "kelvor.ics") {
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.errors, "Kelvor: I/O error 5\n");
        } else {
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.errors,
                      "Kelvor: Unable to write the log " + temp / "cache/kelvor/kelvor.log" + "\n");
        }
    }
}

TEST(HeadlessHostileInput, AWorkingFolderOthersCanWriteIsRefused) {
    TempFolder temp;
    platform::PosixFileSystem files;
    ASSERT_TRUE(files.createDirectories(temp / "cache/kelvor", 0700));
    ASSERT_EQ(::chmod((temp / "cache/kelvor").c_str(), 0777), 0);
    ASSERT_TRUE(files.writeAll(temp / "inv.ics", kInvitation));
    const ProgramRun run = RunProgram(temp, "--headless '" + temp / "inv.ics" + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "Kelvor: Unable to use the working folder " + temp / "cache/kelvor" +
                              " (writable by group or others)\n");
    EXPECT_FALSE(files.exists(temp / "cache/kelvor/kelvor.log"));

    // The APPDATA folder is created when missing, and private.
    const ProgramRun appdata = RunProgram(temp, "--headless '" + temp / "inv.ics" + "'",
                                          "APPDATA='" + temp / "AppData/Roaming" + "'");
    EXPECT_EQ(appdata.status, 0) << appdata.errors;
    struct stat info {};
    ASSERT_EQ(::stat((temp / "AppData/local/temp").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(files.exists(temp / "AppData/local/temp/kelvor.htm"));
}

}  // namespace
}  // namespace kelvor
