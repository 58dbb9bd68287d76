#include "kelvor/report_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/io_error.h"

namespace kelvor {
namespace {

using testing::TestPlatform;

const char* const kReport = "/work/tmp/kelvor.htm";
const char* const kSheet = "/opt/kelvor/kelvor.css";
const std::string kBom = "\xEF\xBB\xBF";
const std::string kHead =
    "<html><head><title><h4>KELVOR Report</h4></title>\r\n</head><body><table>\r\n";
const std::string kSpacer =
    "<tr><td width=\"30%\">&nbsp</td><td width=\"70%\">&nbsp;</td></tr>\r\n";
const std::string kTableEnd = "<tr><td width=\"50%\">&nbsp;<td width=\"50%\">&nbsp;</td></tr>\r\n";

std::string Row(const std::string& label, const std::string& value) {
    return "<tr><td width=\"30%\">" + label + "</td><td width=\"70%\">" + value + "</td></tr>\r\n";
}

// A report with its heading written and no style sheet, and an event just ended.
struct ReportFixture {
    TestPlatform t;

    ReportFixture() {
        EXPECT_TRUE(WriteReportHeading(t.state));
        EventRecord& e = t.state.event;
        e.start = EncodeDateTime(2010, 3, 5, 9, 30);
        e.end = EncodeDateTime(2010, 3, 5, 11, 0);
        e.organizerName = "SALES TEAM";
        e.organizerEmail = "sales@example.com";
        e.durationText = "01:30";
        e.status = "CONFIRMED";
        e.location = "Room 4";
        e.action = "Accepted";
        e.rsvp = "Yes";
        e.summary = "Budget";
        e.description = "Figures<br>and plans";
        e.attendees = {{"SALES TEAM", "Chairman"}, {"ANN LEE", ""}};
        e.attendeeCount = 2;
        t.state.zones.SenderTZ.Tzid = "(UTC +01:00)";
        t.state.zones.MyTZ.Tzid = "   (Local  UTC +01:00)";
        t.state.parser.inEvent = true;
        t.state.parser.eventEnded = true;
    }

    // What the event added after the heading.
    std::string rows() const { return t.files.content(kReport).substr(kBom.size() + kHead.size()); }
};

TEST(ReportHeading, WritesMarkByteOrderMarkAndStyleSheetLines) {
    TestPlatform t;
    t.files.addFile(
        kSheet, "body { color: black; }\r\ntd { padding: 2px; }\r\nh2 { font-size: 12pt; }\r\n");
    ASSERT_TRUE(WriteReportHeading(t.state));
    EXPECT_TRUE(t.state.markers.report);
    EXPECT_EQ(t.state.report.path, kReport);
    EXPECT_EQ(t.files.content(kReport),
              kBom + kHead +
                  "<style>\r\nbody { color: black; }\r\ntd { padding: 2px; }\r\n"
                  "h2 { font-size: 12pt; }\r\n</style>\r\n");
}

TEST(ReportHeading, MissingStyleSheetIsLoggedAndLeftOut) {
    TestPlatform t;
    ASSERT_TRUE(WriteReportHeading(t.state));
    EXPECT_EQ(t.files.content(kReport), kBom + kHead);
    EXPECT_EQ(t.logMessages(), std::vector<std::string>{"Unable to open: /opt/kelvor/kelvor.css"});
}

TEST(ReportHeading, StartsAFreshReportAndFailsWhenItCannotCreateIt) {
    TestPlatform t;
    t.files.addFile(kReport, "old report of an earlier run");
    t.state.markers.report = true;
    ASSERT_TRUE(WriteReportHeading(t.state));
    EXPECT_EQ(t.files.content(kReport), kBom + kHead);

    t.state.folders.working = "/no/such/folder";
    EXPECT_FALSE(WriteReportHeading(t.state));
    EXPECT_FALSE(t.state.markers.report);
}

TEST(EventReport, WritesEveryRowThatAppliesAndTheAttendeeTable) {
    ReportFixture f;
    WriteEventReport(f.t.state);
    EXPECT_EQ(f.rows(),
              kSpacer + Row("Event", "<b>Meeting</b>&nbsp;") +
                  Row("Organizer",
                      "SALES TEAM&nbsp;&nbsp;<a href=\"sales@example.com\">sales@example.com</a>") +
                  Row("Start date", "05-Mar-2010 09:30   (UTC +01:00)    (Local  UTC +01:00)") +
                  Row("Until", "05-Mar-2010 11:00") + Row("Duration", "01:30") +
                  Row("Status", "CONFIRMED") + Row("Location", "Room 4") +
                  Row("Attendance", "Required") + Row("Action", "Accepted") + Row("RSVP", "Yes") +
                  Row("Summary", "Budget") + Row("Description", "Figures<br>and plans") + kSpacer +
                  Row("<h2>Attendees:</h2>", "&nbsp;") + Row("Chairman", "SALES TEAM") +
                  Row("&nbsp;", "ANN LEE") + kTableEnd + kTableEnd);
    EXPECT_EQ(f.t.state.event.startText, "05-Mar-2010 09:30   (UTC +01:00)    (Local  UTC +01:00)");
    EXPECT_EQ(f.t.state.event.endText, "05-Mar-2010 11:00");
    EXPECT_FALSE(f.t.state.parser.inEvent);
}

TEST(EventReport, LeavesOutEmptyRowsButAlwaysWritesStartUntilAndRsvp) {
    ReportFixture f;
    EventRecord& e = f.t.state.event;
    e.categories.clear();
    e.organizerName.clear();
    e.durationText.clear();
    e.status.clear();
    e.location.clear();
    e.attendance.clear();
    e.action.clear();
    e.rsvp.clear();
    e.summary.clear();
    e.description = "ab";
    e.attendeeCount = 0;
    f.t.state.settings.labels.until = "Ends";
    WriteEventReport(f.t.state);
    EXPECT_EQ(f.rows(),
              kSpacer + Row("Organizer", "sales@example.com&nbsp;") +
                  Row("Start date", "05-Mar-2010 09:30   (UTC +01:00)    (Local  UTC +01:00)") +
                  Row("Ends", "05-Mar-2010 11:00") + Row("RSVP", ""));
}

TEST(EventReport, DescriptionOfThreeCharactersIsShownAndALeadingTabBecomesABlank) {
    ReportFixture f;
    f.t.state.event.description = "\tab";
    f.t.state.event.attendeeCount = 0;
    WriteEventReport(f.t.state);
    EXPECT_EQ(f.t.state.event.description, " ab");
    const std::string rows = f.rows();
    EXPECT_NE(rows.find(Row("Description", " ab")), std::string::npos);
}

TEST(EventReport, GermanDateFormatShowsDayMonthYearWithoutLeadingZero) {
    ReportFixture f;
    f.t.state.settings.dateFormat = "de";
    WriteEventReport(f.t.state);
    EXPECT_EQ(f.t.state.event.endText, "5.Mar 2010");
    EXPECT_EQ(f.t.state.event.startText, "5.Mar 2010 09:30   (UTC +01:00)    (Local  UTC +01:00)");

    ReportFixture english;
    english.t.state.settings.dateFormat = "dx";
    WriteEventReport(english.t.state);
    EXPECT_EQ(english.t.state.event.endText, "05-Mar-2010 11:00");
}

TEST(EventReport, WritesNothingUnlessTheParserHasEndedAnEvent) {
    ReportFixture f;
    f.t.state.parser.eventEnded = false;
    WriteEventReport(f.t.state);
    EXPECT_EQ(f.rows(), "");
    EXPECT_TRUE(f.t.state.parser.inEvent);
}

TEST(EventReport, WriteFailureOnTheOpenReportIsAnIoError) {
    ReportFixture f;
    f.t.files.unwritable.insert(kReport);
    EXPECT_THROW(WriteEventReport(f.t.state), IoError);

    ReportFixture closed;
    CloseReport(closed.t.state);
    EXPECT_THROW(WriteEventReport(closed.t.state), IoError);
}

TEST(NoStreamEnding, ClosesTheReportAndShowsIt) {
    TestPlatform t;
    ASSERT_TRUE(WriteReportHeading(t.state));
    WriteNoStreamEnding(t.state);
    EXPECT_EQ(t.files.content(kReport),
              kBom + kHead + "<p>No valid VCALENDAR INFORMATION</p></body></html>\r\n");
    EXPECT_FALSE(t.state.markers.report);
    EXPECT_EQ(t.logMessages().back(), "KELVOR: No valid vCALENDAR STREAM");
    EXPECT_EQ(t.display.requests(), std::vector<std::string>{"LoadHtmlFile /work/tmp/kelvor.htm"});
}

}  // namespace
}  // namespace kelvor
