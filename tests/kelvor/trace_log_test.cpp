#include "kelvor/trace_log.h"

#include <gtest/gtest.h>

#include "fakes/test_platform.h"
#include "kelvor/io_error.h"

namespace kelvor {
namespace {

using testing::TestPlatform;

const char* const kLog = "/work/tmp/kelvor.log";
const char* const kBackup = "/work/tmp/kelvor.bck";

TEST(TraceLog, FirstLineCreatesTheLogWithAStampedLine) {
    TestPlatform t;
    t.clock.now.hour = 9;
    t.clock.now.minute = 5;
    LogLine(t.state, "hello");
    EXPECT_EQ(t.files.content(kLog), "09:05 hello\r\n");

    t.clock.now.hour = 23;
    t.clock.now.minute = 59;
    LogLine(t.state, "");
    LogLine(t.state, "  ");
    EXPECT_EQ(t.files.content(kLog), "09:05 hello\r\n23:59 \r\n23:59   \r\n");
}

TEST(TraceLog, MessagesAreWrittenByteForByte) {
    TestPlatform t;
    const std::string bytes("a\x01\xff\n\tb", 6);
    LogLine(t.state, bytes);
    EXPECT_EQ(t.files.content(kLog), "09:05 " + bytes + "\r\n");
}

TEST(TraceLog, LogOfExactlyTheLimitIsAppendedTo) {
    TestPlatform t;
    const std::string full(40000, 'x');
    t.files.addFile(kLog, full);
    LogLine(t.state, "next");
    EXPECT_EQ(t.files.content(kLog), full + "09:05 next\r\n");
    EXPECT_FALSE(t.files.exists(kBackup));
}

TEST(TraceLog, LogBeyondTheLimitMovesToTheBackupReplacingTheOldOne) {
    TestPlatform t;
    const std::string over(40001, 'y');
    t.files.addFile(kLog, over);
    t.files.addFile(kBackup, "old backup");
    LogLine(t.state, "first of new log");
    EXPECT_EQ(t.files.content(kBackup), over);
    EXPECT_EQ(t.files.content(kLog), "09:05 first of new log\r\n");
}

TEST(TraceLog, MissingWorkingFolderLosesTheLineSilently) {
    TestPlatform t;
    t.state.folders.working = "/no/such/folder";
    EXPECT_NO_THROW(LogLine(t.state, "lost"));
    EXPECT_FALSE(t.files.exists("/no/such/folder/kelvor.log"));
}

TEST(TraceLog, BackupThatCannotBeReplacedIsAnUnhandledIoError) {
    TestPlatform t;
    t.files.addFile(kLog, std::string(40001, 'z'));
    t.files.addFile(kBackup, "held by another program");
    t.files.locked.insert(kBackup);
    EXPECT_THROW(LogLine(t.state, "x"), IoError);
}

TEST(TraceLog, TracedLinesFollowTheSwitch) {
    TestPlatform t;
    LogTraced(t.state, "hidden");
    t.state.tracing = true;
    LogTraced(t.state, "shown");
    EXPECT_EQ(t.logMessages(), std::vector<std::string>{"shown"});
}

}  // namespace
}  // namespace kelvor
