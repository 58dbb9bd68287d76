#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "kelvor/program_run.h"
#include "platform/posix/posix_file_system.h"
#include "platform/temp_folder.h"
#include "platform/text_file_reader.h"

namespace kelvor {
namespace {

using testing::ProgramRun;
using testing::RunProgram;
using testing::TempFolder;

TEST(HeadlessProgram, WithoutInputFileTellsTheUserAndEndsEarly) {
    TempFolder temp;
    const ProgramRun run = RunProgram(temp, "--headless");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "trace: No input file available\n");

    const std::string log =
        platform::PosixFileSystem().readAll(temp / "cache/kelvor/kelvor.log").value_or("");
    std::vector<std::string> messages;
    for (const std::string& line : platform::SplitTextLines(log)) {
        ASSERT_GE(line.size(), 6u);
        // The stamp: two-digit hours of the day, ":", two-digit minutes, one blank.
        const bool digits = std::isdigit(static_cast<unsigned char>(line[0])) &&
                            std::isdigit(static_cast<unsigned char>(line[1])) &&
                            std::isdigit(static_cast<unsigned char>(line[3])) &&
                            std::isdigit(static_cast<unsigned char>(line[4]));
        EXPECT_TRUE(digits && line[2] == ':' && line[5] == ' ') << line;
        EXPECT_LT(std::stoi(line.substr(0, 2)), 24) << line;
        EXPECT_LT(std::stoi(line.substr(3, 2)), 60) << line;
        messages.push_back(line.substr(6));
    }
    ASSERT_EQ(messages.size(), 15u);
    EXPECT_EQ(messages[0], "No APPDATA variable on system, using " + temp / "cache/kelvor");
    EXPECT_EQ(messages[1], "  ");
    EXPECT_EQ(messages[2], "KELVOR file locations check:");
    EXPECT_EQ(messages[3], "Tempdir: " + temp / "cache/kelvor");
    EXPECT_EQ(messages[4].substr(0, 14), "KVDIR:        ");
    EXPECT_EQ(messages[5].substr(0, 19), "KELVOR.EXE (ok) in ");
    EXPECT_EQ(messages[10].substr(0, 30), "Current KELVOR.EXE directory: ");
    EXPECT_EQ(messages[11], "No input file");
    EXPECT_EQ(messages[12], "   Either Pegasus Mail should call Kelvor with CNM message file, or");
    EXPECT_EQ(messages[13], "   ICS file should be opened in Pegasus Mail attachment viewer, or");
    EXPECT_EQ(messages[14], "   ICS file should be opened in Windows Explorer (or equivalent)");
}

TEST(HeadlessProgram, WrongCommandLine) {
    TempFolder temp;
    EXPECT_EQ(RunProgram(temp, "--window").status, 2);
    EXPECT_EQ(RunProgram(temp, "-v").status, 2);
    EXPECT_EQ(RunProgram(temp, "--screenshot").status, 2);
}

}  // namespace
}  // namespace kelvor
