#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kelvor/io_error.h"
#include "kelvor/parser_steps.h"
#include "kelvor/parser_test_support.h"

namespace kelvor {
namespace {

using testing::ParseRun;
using Lines = std::vector<std::string>;

const char* const kReport = "/work/tmp/kelvor.htm";
const char* const kZoneTable = "/opt/kelvor/kelvortz.txt";

TEST(ParserLines, NamesParametersAndValues) {
    ParseRun r;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "LOCATION;LANGUAGE=en:", "SUMMARY:", "summary:lost",
             "COMMENT:a~b~c", "METHOD:REQUEST", "CATEGORIES:business",
             "STATUS;X=1:", "no colon at all"});
    EXPECT_EQ(r.event.location, " ");
    EXPECT_EQ(r.event.summary, "[none]");
    EXPECT_EQ(r.event.comment, "a:b~c");
    EXPECT_EQ(r.event.method, "REQUEST");
    EXPECT_EQ(r.event.categories, "BUSINESS");
    EXPECT_EQ(r.event.status, " ");

    ParseRun lower;
    lower.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "LOCATION:", "summary;language=en:Budget",
                 "location:Room 4", "comment:x;y"});
    EXPECT_EQ(lower.event.summary, "Budget");
    EXPECT_EQ(lower.event.location, "[none]");
    // The semicolon after the colon belongs to the value, so the name stays lower case.
    EXPECT_EQ(lower.event.comment, "");
    EXPECT_EQ(lower.event.categories, "Meeting");
}

TEST(ParserLines, ContinuationsJoinTheDescriptionAndOtherComponentsAreSkipped) {
    ParseRun r;
    r.parse({"DESCRIPTION:before the calendar", "BEGIN:VCALENDAR", "BEGIN:VEVENT",
             "DESCRIPTION:Agenda", "\tfirst point", " second", "BEGIN:VALARM",
             "DESCRIPTION:Reminder", "SUMMARY:read in the alarm", "END:VALARM",
             "DESCRIPTION:after the alarm"});
    EXPECT_EQ(r.event.description, "Agendafirst pointsecond");
    EXPECT_EQ(r.event.summary, "read in the alarm");

    ParseRun br;
    br.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DESCRIPTION:<br>"});
    EXPECT_EQ(br.event.description, "&nbsp;");
}

TEST(ParserLines, VersionSetsTheCaptionAndChoosesTheRuleSyntax) {
    ParseRun r;
    r.t.state.sourceType = "File";
    WriteReportHeading(r.t.state);
    // A report that can no longer be written stops the run before the caption changes again.
    r.t.files.unwritable.insert(kReport);
    EXPECT_THROW(r.parse({"BEGIN:VCALENDAR", "VERSION:1.0beta7"}), IoError);
    EXPECT_EQ(r.event.version, "1.0bet");
    EXPECT_EQ(r.t.state.caption,
              "KElVOR 2.50   source type: File     calendar level: 1.0bet   Tue 08-Dec-2026");

    ParseRun before;
    before.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "RRULE:W1 MO #2", "END:VCALENDAR"});
    EXPECT_EQ(before.event.ruleText, "Weekly on Mon for 2 times");
    EXPECT_TRUE(before.event.hasRule);
    EXPECT_EQ(before.event.ruleSource, "W1 MO #2");

    ParseRun two;
    two.parse({"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT", "RRULE:FREQ=DAILY;COUNT=5",
               "BEGIN:VALARM", "RRULE:FREQ=WEEKLY", "END:VALARM"});
    EXPECT_EQ(two.event.ruleText, "DAILY for 5 times");
}

TEST(ParserStream, EndOfStreamClosesAndShowsTheReport) {
    ParseRun r;
    r.t.state.tracing = true;
    r.t.state.settings.fontSize = "14  ";
    r.t.state.settings.fontName = "Verdana";
    r.t.state.zones.SenderTZ.StdHrs = "+01:00";
    r.parse({"BEGIN:VCALENDAR", "END:VCALENDAR"});
    EXPECT_EQ(r.t.files.content(kReport),
              "\xEF\xBB\xBF<html><head><title><h4>KELVOR Report</h4></title>\r\n"
              "</head><body><table>\r\n"
              "<tr><td width=\"30%\">&nbsp</td><td width=\"70%\">&nbsp;</td></tr>\r\n"
              "</table></body></html>\r\n");
    EXPECT_FALSE(r.t.state.markers.report);
    EXPECT_EQ(r.t.state.zones.SenderTZ.DayHrs, "+01:00");
    EXPECT_EQ(r.t.state.caption, "KELVOR 2.50 input stream content ");
    EXPECT_EQ(r.t.display.requests(),
              (Lines{"ClearDocument", "DefFontSize 14", "DefFontName Verdana",
                     "LoadHtmlFile /work/tmp/kelvor.htm"}));
    const Lines log = r.t.logMessages();
    const Lines tail(log.end() - 9, log.end());
    EXPECT_EQ(tail,
              (Lines{"Entering ParseStream", "mylist: BEGIN:VCALENDAR", "VCalendar started",
                     "mylist: END:VCALENDAR", "End vCalendar read", "EoF", "KELvor report ready",
                     "Fontsize set to: 14", "Fontname set to: Verdana"}));
    EXPECT_TRUE(r.t.state.streamFound);
}

TEST(ParserStream, NothingHappensWithoutLinesOrAfterTheStreamWasReported) {
    ParseRun empty;
    empty.parse({});
    EXPECT_EQ(empty.t.logMessages().back(), "Mylist is empty");
    EXPECT_TRUE(empty.t.display.requests().empty());
    EXPECT_TRUE(empty.t.state.markers.report);

    ParseRun reported;
    WriteReportHeading(reported.t.state);
    reported.t.state.mylist = {"BEGIN:VCALENDAR"};
    ParseStream(reported.t.state);
    EXPECT_EQ(reported.t.logMessages().back(), "Stream already reported");
    EXPECT_TRUE(reported.t.display.requests().empty());
}

TEST(ParserStream, ReadsEveryLineOfALongStream) {
    ParseRun r;
    Lines lines{"BEGIN:VCALENDAR", "BEGIN:VEVENT"};
    lines.resize(70000, "X-FILLER:x");
    lines.push_back("SUMMARY:after line 65535");
    r.parse(lines);
    EXPECT_EQ(r.event.summary, "after line 65535");
}

TEST(ParserSpans, DurationTextsOfEventSpans) {
    const double tenAm = 40242.0 + 10.0 / 24;
    EXPECT_EQ(SpanText(40242.0 + 11.5 / 24 - tenAm), "01:30");
    EXPECT_EQ(SpanText(40244.0 + 13.5 / 24 - tenAm), "2day + 03:30");
    EXPECT_EQ(SpanText(0), "00:00");
    EXPECT_EQ(SpanText(1.0), "1day + 00:00");
    EXPECT_EQ(SpanText(23.0 / 24 + 59.0 / 1440), "23:59");
    // An end before the start keeps only the part below a day, as a time of day.
    EXPECT_EQ(SpanText(-(1 + 1.5 / 24)), "01:30");
}

// Zone table of the fake program folder with one zone in both periods.
void AddZoneTable(testing::TestPlatform& t) {
    t.files.addFile(kZoneTable,
                    "* test zones\r\n"
                    "W._Europe_Standard_Time CET STD +01:00\r\n"
                    "W._Europe_Standard_Time CEST DAY +02:00\r\n");
}

TEST(ParserTimes, DateOnlyStartAndEndAndZoneLabels) {
    ParseRun r;
    AddZoneTable(r.t);
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTSTART;VALUE=DATE:20100305"});
    EXPECT_DOUBLE_EQ(r.event.start, EncodeDateTime(2010, 3, 5, 0, 1));
    EXPECT_DOUBLE_EQ(r.event.end, r.event.start);
    EXPECT_EQ(r.event.startText, "2010/03/05 00:01");
    EXPECT_EQ(r.t.state.zones.period, "STD");
    EXPECT_TRUE(r.logged("TZ period: STD"));

    ParseRun end;
    AddZoneTable(end.t);
    end.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
               "DTSTART;TZID=W. Europe Standard Time:20100305T093000", "DTEND:20100306"});
    EXPECT_EQ(end.t.state.zones.senderZoneName, "W._EUROPE_STANDARD_TIME");
    EXPECT_EQ(end.t.state.zones.SenderTZ.Tzid, "(UTC +01:00)");
    EXPECT_EQ(end.event.startText, "2010/03/05 09:30");
    EXPECT_DOUBLE_EQ(end.event.end, EncodeDateTime(2010, 3, 6, 0, 0));
    EXPECT_EQ(end.event.endText, "2010/03/06 00:00  (UTC +01:00)");
}

TEST(ParserTimes, ZoneNamesFromParametersAndSettings) {
    ParseRun outlook;
    outlook.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
                   "DTSTART;TZID=\"(GMT+01.00) "
                   "Amsterdam/Berlin/Bern/Rome/Stockholm/Vienna\":20100305T093000"});
    // The cut to 35 characters applies to what remains after the offset.
    EXPECT_EQ(outlook.t.state.zones.senderZoneName, "AMSTERDAM/BERLIN/BERN/ROME/STOCKHOL");

    ParseRun shortName;
    shortName.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
                     "DTSTART;TZID=\"(GMT+01.00) Central Europe\":20100305T093000"});
    EXPECT_EQ(shortName.t.state.zones.senderZoneName, "CENTRAL_EUROPE");

    ParseRun quoted;
    AddZoneTable(quoted.t);
    quoted.parse(
        {"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTSTART;TZID=\"Europe/Berlin\":20100305T093000"});
    // Any parameter value may be quoted; the quotes are no part of the name.
    EXPECT_EQ(quoted.t.state.zones.senderZoneName, "EUROPE/BERLIN");
    EXPECT_TRUE(quoted.logged("TZLookup could not find: EUROPE/BERLIN"));

    ParseRun configured;
    AddZoneTable(configured.t);
    configured.t.state.settings.myTzid = "W. EUROPE";
    configured.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTSTART:20100305T093000"});
    EXPECT_EQ(configured.t.state.zones.senderZoneName, "W. EUROPE");
}

TEST(ParserTimes, UtcValuesAreShownInLocalTime) {
    ParseRun r;
    r.t.timeZone.offsetMinutes = 60;
    r.parse(
        {"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTSTART:20100305T093000Z", "DTEND:20100305T110000Z"});
    EXPECT_EQ(r.event.startText, "2010/03/05 10:30");
    EXPECT_DOUBLE_EQ(r.event.end, EncodeDateTime(2010, 3, 5, 12, 0));
}

TEST(ParserTimes, DurationLengthensTheEndInHand) {
    ParseRun r;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DURATION:PT5H", "DTSTART:20100305T100000",
             "DURATION:PT1H30M"});
    EXPECT_DOUBLE_EQ(r.event.end, EncodeDateTime(2010, 3, 5, 11, 30));
    EXPECT_EQ(r.event.durationText, "01:30");

    ParseRun replaced;
    replaced.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTSTART:20100305T100000",
                    "DURATION:PT1H30M", "DTEND:20100305T103000"});
    EXPECT_DOUBLE_EQ(replaced.event.end, EncodeDateTime(2010, 3, 5, 10, 30));

    ParseRun days;
    days.parse(
        {"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTSTART;VALUE=DATE:20100305", "DURATION:P1DT2H"});
    EXPECT_DOUBLE_EQ(days.event.end, EncodeDateTime(2010, 3, 6, 2, 1));
    EXPECT_EQ(days.event.durationText, "1day + 02:00");
}

TEST(ParserTimes, EndGivenBeforeTheStartStandsForItsOwnEventOnly) {
    ParseRun r;
    r.parse(
        {"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTEND:20100310T163000", "DTSTART:20100310T150000"});
    EXPECT_DOUBLE_EQ(r.event.start, EncodeDateTime(2010, 3, 10, 15, 0));
    EXPECT_DOUBLE_EQ(r.event.end, EncodeDateTime(2010, 3, 10, 16, 30));

    ParseRun next;
    next.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTEND:20100310T163000",
                "DTSTART:20100310T150000", "END:VEVENT", "BEGIN:VEVENT",
                "DTSTART:20100311T090000"});
    EXPECT_DOUBLE_EQ(next.event.end, EncodeDateTime(2010, 3, 11, 9, 0));
}

TEST(ParserEvents, EachEndOfEventWritesABlockWithItsSpan) {
    ParseRun r;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT", "DTSTART:20100305T100000", "DTEND:20100305T113000",
             "SUMMARY:First", "END:VEVENT", "BEGIN:VEVENT", "DTSTART;VALUE=DATE:20100308",
             "DURATION:P1D", "END:VEVENT", "END:VCALENDAR"});
    const std::string report = r.t.files.content(kReport);
    const auto durationRow = [](const std::string& value) {
        return "<tr><td width=\"30%\">Duration</td><td width=\"70%\">" + value + "</td></tr>\r\n";
    };
    EXPECT_NE(report.find(durationRow("01:30")), std::string::npos);
    EXPECT_NE(report.find(durationRow("1day + 00:00")), std::string::npos);
    // The second event has no summary of its own and shows the first one's.
    const std::string summaryRow =
        "<tr><td width=\"30%\">Summary</td><td width=\"70%\">First</td></tr>";
    EXPECT_NE(report.rfind(summaryRow), report.find(summaryRow));
    EXPECT_FALSE(r.t.state.parser.inEvent);
    EXPECT_FALSE(r.t.state.parser.eventEnded);
}

}  // namespace
}  // namespace kelvor
