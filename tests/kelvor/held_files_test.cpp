// The report and the log are held open across writes: failures still end the run, and the
// log's size rule stays exact without asking the file system for the size.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/intake.h"
#include "kelvor/io_error.h"
#include "kelvor/report_writer.h"
#include "kelvor/trace_log.h"

namespace kelvor {
namespace {

using testing::TestPlatform;

const char* const kReport = "/work/tmp/kelvor.htm";
const char* const kLog = "/work/tmp/kelvor.log";

TEST(HeldReport, AFailedWriteEndsTheRunWithItsError) {
    TestPlatform t;
    t.files.addFile(
        "/home/ann/inv.ics",
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    t.state.inputPath = "/home/ann/inv.ics";
    ASSERT_TRUE(WriteReportHeading(t.state));
    t.files.unwritable.insert(kReport);  // the disk fills up after the heading
    try {
        ScanStep(t.state);
        FAIL() << "the failed write was not reported";
    } catch (const IoError& error) {
        EXPECT_EQ(error.code(), 101);
    }
    // The report was not shown as if it were complete.
    EXPECT_TRUE(t.display.requests().empty());
}

TEST(HeldReport, AFailureFoundOnlyAtTheCloseIsAnError) {
    TestPlatform t;
    ASSERT_TRUE(WriteReportHeading(t.state));
    WriteReportRow(t.state, "Summary", "Lunch");
    t.files.unwritable.insert(kReport);
    EXPECT_THROW(CloseReport(t.state), IoError);
    EXPECT_FALSE(t.state.markers.report);
    EXPECT_NO_THROW(CloseReport(t.state));  // closed once only
    EXPECT_THROW(WriteReportLine(t.state, "late"), IoError);
}

TEST(HeldReport, RowsAreWrittenPieceByPieceAsOneLine) {
    TestPlatform t;
    ASSERT_TRUE(WriteReportHeading(t.state));
    const std::string big(100000, 'd');
    WriteReportRow(t.state, "Description", big);
    CloseReport(t.state);
    const std::string report = t.files.content(kReport);
    const std::string row = ReportRow("Description", big) + "\r\n";
    ASSERT_GE(report.size(), row.size());
    EXPECT_EQ(report.substr(report.size() - row.size()), row);
}

TEST(HeldLog, TheSizeRuleCountsTheLinesWrittenSinceOpening) {
    TestPlatform t;
    t.files.addFile(kLog, std::string(39990, 'x'));
    LogLine(t.state, "first");   // 39990 + 13 bytes: over the limit only after this line
    LogLine(t.state, "second");  // finds 40003 bytes and moves the log aside first
    EXPECT_EQ(t.files.content("/work/tmp/kelvor.bck"), std::string(39990, 'x') + "09:05 first\r\n");
    EXPECT_EQ(t.files.content(kLog), "09:05 second\r\n");
    LogLine(t.state, "third");
    EXPECT_EQ(t.files.content(kLog), "09:05 second\r\n09:05 third\r\n");
}

TEST(HeldLog, ANewWorkingFolderGetsItsOwnLog) {
    TestPlatform t;
    t.files.addFolder("/work/other");
    LogLine(t.state, "here");
    t.state.folders.working = "/work/other";
    EXPECT_TRUE(LogLine(t.state, "there"));
    EXPECT_EQ(t.files.content(kLog), "09:05 here\r\n");
    EXPECT_EQ(t.files.content("/work/other/kelvor.log"), "09:05 there\r\n");
    t.state.folders.working = "/work/gone";
    EXPECT_FALSE(LogLine(t.state, "lost"));
}

TEST(TracedText, IsNotBuiltWhileTracingIsOff) {
    TestPlatform t;
    LogTraced(t.state, "mylist: ", "BEGIN:VCALENDAR");
    EXPECT_FALSE(t.files.exists(kLog));
    t.state.tracing = true;
    LogTraced(t.state, "mylist: ", "BEGIN:VCALENDAR");
    EXPECT_EQ(t.logMessages(), std::vector<std::string>{"mylist: BEGIN:VCALENDAR"});
}

}  // namespace
}  // namespace kelvor
