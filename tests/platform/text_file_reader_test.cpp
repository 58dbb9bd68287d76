#include "platform/text_file_reader.h"

#include <gtest/gtest.h>

#include "platform/posix/posix_file_system.h"
#include "platform/temp_folder.h"

namespace kelvor::platform {
namespace {

using testing::TempFolder;
using Lines = std::vector<std::string>;

TEST(TextFileReader, LineEndsAreCrOrCrLfAndLfAloneStaysInTheLine) {
    EXPECT_EQ(SplitTextLines("a\r\nb\rc\nd\r\n"), (Lines{"a", "b", "c\nd"}));
    EXPECT_EQ(SplitTextLines("last line without end"), (Lines{"last line without end"}));
    EXPECT_EQ(SplitTextLines("\r\n\r\nx"), (Lines{"", "", "x"}));
    EXPECT_EQ(SplitTextLines("a\r\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitTextLines(""), Lines{});
}

TEST(TextFileReader, ByteTwentySixEndsTheFile) {
    EXPECT_EQ(SplitTextLines(std::string("one\r\ntw\x1ao\r\nthree\r\n")), (Lines{"one", "tw"}));
    EXPECT_EQ(SplitTextLines(std::string("one\r\n\x1a\r\nthree")), (Lines{"one"}));
}

TEST(TextFileReader, ReadsARealFileAndReportsOneThatCannotBeOpened) {
    TempFolder temp;
    PosixFileSystem files;
    ASSERT_TRUE(files.writeAll(temp / "kelvor.ini", "tracing=true\r\nfontsize=12\r\n"));

    TextFileReader reader;
    ASSERT_TRUE(reader.open(files, temp / "kelvor.ini"));
    EXPECT_EQ(reader.readLine(), "tracing=true");
    EXPECT_FALSE(reader.eof());
    EXPECT_EQ(reader.readLine(), "fontsize=12");
    EXPECT_TRUE(reader.eof());
    EXPECT_EQ(reader.readLine(), "");

    EXPECT_FALSE(reader.open(files, temp / "missing.ini"));
    EXPECT_FALSE(reader.isOpen());
    EXPECT_TRUE(reader.eof());
}

}  // namespace
}  // namespace kelvor::platform
