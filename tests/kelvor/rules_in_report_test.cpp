#include <gtest/gtest.h>

#include <string>

#include "kelvor/program_run.h"
#include "platform/posix/posix_file_system.h"

namespace kelvor {
namespace {

using testing::RunProgram;
using testing::TempFolder;

std::string FrequencyRow(const std::string& words) {
    return "<tr><td width=\"30%\">Frequency</td><td width=\"70%\">" + words + "</td></tr>\r\n";
}

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

std::string RunOn(const TempFolder& temp, const std::string& input) {
    EXPECT_EQ(RunProgram(temp, "--headless '" + input + "'").status, 0);
    return platform::PosixFileSystem().readAll(temp / "cache/kelvor/kelvor.htm").value_or("");
}

TEST(RulesInReport, VersionOneRuleIsWordedInTheFrequencyRow) {
    TempFolder temp;
    const std::string report =
        RunOn(temp, std::string(KELVOR_SOURCE_DIR) + "/examples/meeting-v1.vcs");
    EXPECT_EQ(Occurrences(report, FrequencyRow("Weekly on Mon Wed Fri for 10 times")), 1) << report;
}

TEST(RulesInReport, VersionTwoRuleCarriesOverToALaterEventWithoutARule) {
    TempFolder temp;
    const std::string stream =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:No rule yet\r\nDTSTART:20100301T090000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Planning\r\nDTSTART:20100305T093000\r\n"
        "RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE;COUNT=10\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Follow-up\r\nDTSTART:20100312T093000\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n";
    ASSERT_TRUE(platform::PosixFileSystem().writeAll(temp / "rules.ics", stream));
    const std::string report = RunOn(temp, temp / "rules.ics");

    // The first event has no rule, so no frequency row; the third shows the second's rule.
    const std::string row = FrequencyRow("Every 2 weeks on Mon, Wed for 10 times");
    EXPECT_EQ(Occurrences(report, "Frequency"), 2) << report;
    EXPECT_EQ(Occurrences(report, row), 2) << report;
    EXPECT_LT(report.find("No rule yet"), report.find(row));
    EXPECT_LT(report.find(row), report.find("Follow-up"));
}

}  // namespace
}  // namespace kelvor
