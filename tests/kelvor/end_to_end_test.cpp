// Whole runs of the start-up sequence on the shipped examples, with the real companion files
// in a fake program folder: the working copy, the report and the log are compared in full.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kelvor/installed_run.h"
#include "kelvor/startup.h"

namespace kelvor {
namespace {

using namespace testing::installed;

TEST(EndToEnd, PlainInvitationWithZoneAttendeesRuleAndAlarm) {
    Installed t;
    ASSERT_EQ(t.run("invitation.ics"), StartupOutcome::Completed);
    EXPECT_EQ(t.state.folders.working, kWorking);

    EXPECT_EQ(
        t.files.content(kWorkingCopy),
        Crlf({"BEGIN:VCALENDAR",
              "PRODID:-//Example Corp//Kelvor Samples//EN",
              "VERSION:2.0",
              "METHOD:REQUEST",
              "BEGIN:VTIMEZONE",
              "TZID:W. Europe Standard Time",
              "BEGIN:STANDARD",
              "DTSTART:16010101T030000",
              "TZOFFSETFROM:+0200",
              "TZOFFSETTO:+0100",
              "RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=-1SU;BYMONTH=10",
              "END:STANDARD",
              "BEGIN:DAYLIGHT",
              "DTSTART:16010101T020000",
              "TZOFFSETFROM:+0100",
              "TZOFFSETTO:+0200",
              "RRULE:FREQ=YEARLY;INTERVAL=1;BYDAY=-1SU;BYMONTH=3",
              "END:DAYLIGHT",
              "END:VTIMEZONE",
              "BEGIN:VEVENT",
              "ORGANIZER;CN=\"Sales Team\":MAILTO~sales@example.com",
              "ATTENDEE;ROLE=REQ-PARTICIPANT;PARTSTAT=NEEDS-ACTION;RSVP=TRUE;CN=Ann "
              "Lee:MAILTO~ann.lee@example.com",
              "ATTENDEE;ROLE=OPT-PARTICIPANT;PARTSTAT=TENTATIVE;RSVP=FALSE:MAILTO~bob@example.com",
              "DESCRIPTION:Quarterly figures  plans and next year's budget.<br>Please bring your "
              "notes.",
              "SUMMARY;LANGUAGE=en-GB:Quarterly budget review",
              "DTSTART;TZID=W. Europe Standard Time:20100305T093000",
              "DTEND;TZID=W. Europe Standard Time:20100305T110000",
              "RRULE:FREQ=WEEKLY;INTERVAL=1;BYDAY=FR;UNTIL=20100326T083000Z",
              "LOCATION:Room 4  Main Building",
              "STATUS:CONFIRMED",
              "CLASS:PUBLIC",
              "UID:20100301T120000Z-4711@example.com",
              "DTSTAMP:20100301T120000Z",
              "BEGIN:VALARM",
              "ACTION:DISPLAY",
              "DESCRIPTION:REMINDER",
              "TRIGGER;RELATED=START:-PT15M",
              "END:VALARM",
              "END:VEVENT",
              "END:VCALENDAR"}));

    EXPECT_EQ(
        t.report(),
        t.heading() +
            Crlf({kSpacer,
                  Row("Event", "<b>Meeting</b>&nbsp;"),
                  Row("Organizer",
                      "SALES TEAM&nbsp;&nbsp;<a href=\"sales@example.com\">sales@example.com</a>"),
                  Row("Start date", "05-Mar-2010 09:30   (UTC +01:00)    (Local  UTC +01:00)"),
                  Row("Until", "05-Mar-2010 11:00"),
                  Row("Duration", "01:30"),
                  Row("Status", "CONFIRMED"),
                  Row("Frequency", "Every 1 weeks on Fri until Mar-26-2010"),
                  Row("Location", "Room 4  Main Building"),
                  Row("Attendance", "Optional"),
                  Row("Action", "Tentative"),
                  Row("RSVP", "No"),
                  Row("Summary", "Quarterly budget review"),
                  Row("Description",
                      "Quarterly figures  plans and next year's budget.<br>Please bring your "
                      "notes."),
                  kSpacer,
                  Row("<h2>Attendees:</h2>", "&nbsp;"),
                  Row("Chairman", "SALES TEAM"),
                  Row("&nbsp;", "ANN LEE"),
                  Row("&nbsp;", "bob@example.com"),
                  kTableEnd,
                  kTableEnd,
                  kSpacer,
                  "</table></body></html>"}));

    EXPECT_EQ(
        t.logMessages(),
        Concat(StartupLog("invitation.ics"),
               {"TZ period: STD",
                "Entering ParseRulesV2: FREQ=WEEKLY;INTERVAL=1;BYDAY=FR;UNTIL=20100326T083000Z",
                "Freq: WEEKLY", "Interval: 1", "Byday: FR", "Byday:  on Fri",
                "Until: 20100326T083000Z", "KELvor report ready"}));
    EXPECT_EQ(t.display.requests(), (Lines{"DefBackground 16777215", "ClearDocument",
                                           "LoadHtmlFile /work/tmp/kelvor/kelvor.htm"}));
    EXPECT_EQ(t.state.caption, "KELVOR 2.50 input stream content ");
    EXPECT_FALSE(t.state.markers.report);
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST(EndToEnd, Base64MessageWithTwoEventsCarriesValuesOver) {
    Installed t;
    ASSERT_EQ(t.run("mime-base64.eml"), StartupOutcome::Completed);

    EXPECT_EQ(t.files.content(kWorkingCopy),
              Crlf({"BEGIN:VCALENDAR",
                    "PRODID:-//Example Calendar Service//Calendar 70.9054//EN",
                    "VERSION:2.0",
                    "CALSCALE:GREGORIAN",
                    "METHOD:REQUEST",
                    "BEGIN:VEVENT",
                    "DTSTART:20100305T140000Z",
                    "DTEND:20100305T150000Z",
                    "DTSTAMP:20100301T090000Z",
                    "ORGANIZER;CN=Carol Diaz:mailto:carol.diaz@example.org",
                    "UID:7kukuqrfedlm2f9t5gq0aqkd0g@example.org",
                    "ATTENDEE;CUTYPE=INDIVIDUAL;ROLE=REQ-PARTICIPANT;PARTSTAT=ACCEPTED;RSVP=TRUE;"
                    "CN=Carol Diaz;X-NUM-GUESTS=0:mailto:carol.diaz@example.org",
                    "ATTENDEE;CUTYPE=INDIVIDUAL;ROLE=REQ-PARTICIPANT;PARTSTAT=NEEDS-ACTION;RSVP="
                    "TRUE;X-NUM-GUESTS=0:mailto:dan@example.net",
                    "CREATED:20100301T085900Z",
                    "DESCRIPTION:Kick-off for the spring campaign.<br>Agenda:<br>1. Goals<br>2. "
                    "Budget",
                    "LAST-MODIFIED:20100301T090000Z",
                    "LOCATION:",
                    "SEQUENCE:0",
                    "STATUS:CONFIRMED",
                    "SUMMARY:Spring campaign kick-off",
                    "TRANSP:OPAQUE",
                    "END:VEVENT",
                    "BEGIN:VEVENT",
                    "DURATION:PT2H",
                    "DTSTART;VALUE=DATE:20100308",
                    "DURATION:P1D",
                    "DTSTAMP:20100301T090000Z",
                    "ORGANIZER;CN=Carol Diaz:mailto:carol.diaz@example.org",
                    "UID:0b3c5d7e9f1a2b4c6d8e0f1a3b5c7d9e@example.org",
                    "location;language=en:Studio B",
                    "comment:not read, the name is in lower case",
                    "STATUS:TENTATIVE",
                    "BEGIN:VALARM",
                    "ACTION:DISPLAY",
                    "DESCRIPTION:This is an event reminder",
                    "TRIGGER:-P0DT0H30M0S",
                    "END:VALARM",
                    "END:VEVENT",
                    "END:VCALENDAR"}));

    const Lines organizer{Row("Event", "<b>Meeting</b>&nbsp;"),
                          Row("Organizer",
                              "CAROL DIAZ&nbsp;&nbsp;<a "
                              "href=\"carol.diaz@example.org\">carol.diaz@example.org</a>")};
    const Lines shared{
        Row("Attendance", "Required"), Row("Action", "Needs-Action"), Row("RSVP", "Yes"),
        Row("Summary", "Spring campaign kick-off"),
        Row("Description",
            "Kick-off for the spring campaign.<br>Agenda:<br>1. Goals<br>2. Budget")};
    const Lines attendees{kSpacer, Row("<h2>Attendees:</h2>", "&nbsp;"),
                          Row("Chairman", "CAROL DIAZ"), Row("&nbsp;", "CAROL DIAZ"),
                          Row("&nbsp;", "dan@example.net")};
    Lines rows{kSpacer};
    rows = Concat(rows, organizer);
    rows =
        Concat(rows, {Row("Start date", "05-Mar-2010 15:00   (UTC +01:00)    (Local  UTC +01:00)"),
                      Row("Until", "05-Mar-2010 16:00"), Row("Duration", "01:00"),
                      Row("Status", "CONFIRMED"), Row("Location", "[none]")});
    rows = Concat(rows, shared);
    rows = Concat(rows, attendees);
    rows = Concat(rows, {kTableEnd, kTableEnd, kSpacer});
    rows = Concat(rows, organizer);
    rows =
        Concat(rows, {Row("Start date", "08-Mar-2010 00:01   (UTC +01:00)    (Local  UTC +01:00)"),
                      Row("Until", "09-Mar-2010 00:01"), Row("Duration", "1day + 00:00"),
                      Row("Status", "TENTATIVE"), Row("Location", "Studio B")});
    rows = Concat(rows, shared);
    rows = Concat(rows, attendees);
    rows = Concat(rows, {Row("Chairman", "CAROL DIAZ"), kTableEnd, kTableEnd, kSpacer,
                         "</table></body></html>"});
    EXPECT_EQ(t.report(), t.heading() + Crlf(rows));

    EXPECT_EQ(t.logMessages(),
              Concat(StartupLog("mime-base64.eml"),
                     {"TZ period: STD", "TZLookup could not find: ", "TZ period: STD",
                      "TZLookup could not find: ", "KELvor report ready"}));
}

TEST(EndToEnd, PlainMimePartFromOutlookWithUnknownZoneAndGermanDates) {
    Installed t;
    t.files.addFile("/opt/kelvor/kelvor.ini", "dateformat=de\r\n");
    ASSERT_EQ(t.run("mime-plain.eml"), StartupOutcome::Completed);

    EXPECT_EQ(
        t.files.content(kWorkingCopy),
        Crlf({"BEGIN:VCALENDAR",
              "PRODID:-//Example Mail Client 12.0 MIMEDIR//EN",
              "VERSION:2.0",
              "METHOD:REQUEST",
              "X-MS-OLK-FORCEINSPECTOROPEN:TRUE",
              "BEGIN:VTIMEZONE",
              "TZID:Mars Standard Time",
              "BEGIN:STANDARD",
              "DTSTART:16011104T020000",
              "RRULE:FREQ=YEARLY;BYDAY=1SU;BYMONTH=11",
              "TZOFFSETFROM:-0400",
              "TZOFFSETTO:-0500",
              "END:STANDARD",
              "END:VTIMEZONE",
              "BEGIN:VEVENT",
              "ATTENDEE;CN=\"Hill, Ivy\";ROLE=CHAIR;PARTSTAT=ACCEPTED:MAILTO~ivy.hill@example.com",
              "ATTENDEE;CN=jack@example.com;RSVP=TRUE:MAILTO~jack@example.com",
              "CLASS:PUBLIC",
              "CREATED:20100302T101500Z",
              "DESCRIPTION:Review of the supplier contracts.",
              "\tBring the signed copies.",
              "DTEND;TZID=\"Mars Standard Time\":20100310T163000",
              "DTSTAMP:20100302T101500Z",
              "DTSTART;TZID=\"Mars Standard Time\":20100310T150000",
              "LAST-MODIFIED:20100302T101500Z",
              "LOCATION:Board room",
              "ORGANIZER;CN=\"Hill, Ivy\":MAILTO~ivy.hill@example.com",
              "PRIORITY:5",
              "SEQUENCE:0",
              "SUMMARY;LANGUAGE=en-us:Supplier contracts",
              "TRANSP:OPAQUE",
              "UID:040000008200E00074C5B7101A82E00800000000B0A1",
              "END:VEVENT",
              "END:VCALENDAR"}));

    EXPECT_EQ(
        t.report(),
        t.heading() +
            Crlf({kSpacer,
                  Row("Event", "<b>Meeting</b>&nbsp;"),
                  Row("Organizer",
                      "HILL, IVY&nbsp;&nbsp;<a "
                      "href=\"ivy.hill@example.com\">ivy.hill@example.com</a>"),
                  Row("Start date", "10.Mar 2010 15:00   (UTC -05:00)    (Local  UTC +01:00)"),
                  Row("Until", "10.Mar 2010"),
                  Row("Duration", "01:30"),
                  Row("Location", "Board room"),
                  Row("Attendance", "Chair"),
                  Row("Action", "Accepted"),
                  Row("RSVP", "Yes"),
                  Row("Summary", "Supplier contracts"),
                  Row("Description", "Review of the supplier contracts.Bring the signed copies."),
                  kSpacer,
                  Row("<h2>Attendees:</h2>", "&nbsp;"),
                  Row("&nbsp;", "HILL, IVY"),
                  Row("&nbsp;", "JACK@EXAMPLE.COM"),
                  Row("Chairman", "HILL, IVY"),
                  kTableEnd,
                  kTableEnd,
                  kSpacer,
                  "</table></body></html>"}));

    EXPECT_EQ(t.logMessages(),
              Concat(StartupLog("mime-plain.eml"), {"TZ period: STD", "KELvor report ready"}));
}

TEST(EndToEnd, VersionOneFileWithUtcTimesAndVersionOneRule) {
    Installed t;
    ASSERT_EQ(t.run("meeting-v1.vcs"), StartupOutcome::Completed);

    EXPECT_EQ(
        t.files.content(kWorkingCopy),
        Crlf({"BEGIN:VCALENDAR", "PRODID:-//Example Organiser//vCal 1.0//EN", "VERSION:1.0",
              "BEGIN:VEVENT", "CATEGORIES:Business", "STATUS:NEEDS ACTION",
              "DTSTART:20100301T080000Z", "DTEND:20100301T083000Z", "RRULE:W1 MO WE FR #10",
              "SUMMARY:Morning stand-up", "DESCRIPTION:Ten short meetings to plan the trade fair.",
              "LOCATION:Hall 2", "ORGANIZER:MAILTO~erik@example.com",
              "ATTENDEE;ROLE=ATTENDEE;STATUS=CONFIRMED;RSVP=YES:MAILTO~fay@example.com",
              "ATTENDEE;ROLE=OWNER;STATUS=NEEDS ACTION;RSVP=NO;EXPECT=REQUIRE:MAILTO~gus@"
              "example.com",
              "END:VEVENT", "END:VCALENDAR"}));

    EXPECT_EQ(t.report(),
              t.heading() + Crlf({kSpacer,
                                  Row("Event", "<b>BUSINESS</b>&nbsp;"),
                                  Row("Organizer",
                                      "erik@example.com&nbsp;&nbsp;<a "
                                      "href=\"erik@example.com\">erik@example.com</a>"),
                                  Row("Start date",
                                      "01-Mar-2010 09:00   (UTC +01:00)    (Local  UTC +01:00)"),
                                  Row("Until", "01-Mar-2010 09:30"),
                                  Row("Duration", "00:30"),
                                  Row("Status", "NEEDS ACTION"),
                                  Row("Frequency", "Weekly on Mon Wed Fri for 10 times"),
                                  Row("Location", "Hall 2"),
                                  Row("Attendance", "Required"),
                                  Row("Action", "Confirmed"),
                                  Row("RSVP", "No"),
                                  Row("Summary", "Morning stand-up"),
                                  Row("Description", "Ten short meetings to plan the trade fair."),
                                  kSpacer,
                                  Row("<h2>Attendees:</h2>", "&nbsp;"),
                                  Row("Chairman", "erik@example.com"),
                                  Row("&nbsp;", "fay@example.com"),
                                  Row("&nbsp;", "gus@example.com"),
                                  kTableEnd,
                                  kTableEnd,
                                  kSpacer,
                                  "</table></body></html>"}));

    EXPECT_EQ(t.logMessages(),
              Concat(StartupLog("meeting-v1.vcs"),
                     {"TZ period: STD", "TZLookup could not find: ",
                      "Entering ParseRulesV1: W1 MO WE FR #10", "KELvor report ready"}));
}

TEST(EndToEnd, TracedRunLogsEveryStep) {
    Installed t;
    t.files.addFile("/opt/kelvor/kelvor.ini", "tracing=true\r\n");
    ASSERT_EQ(t.runBytes("mini.ics", Crlf({"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT",
                                           "ORGANIZER;CN=Sales:MAILTO:sales@example.com",
                                           "DTSTART;TZID=W. Europe Standard Time:20100305T093000",
                                           "DTEND;TZID=W. Europe Standard Time:20100305T110000",
                                           "DESCRIPTION:Figures", "END:VEVENT", "END:VCALENDAR"})),
              StartupOutcome::Completed);
    const Lines expected =
        Concat(StartupLog("mini.ics"),
               {"Writing report to: /work/tmp/kelvor/kelvor.htm",
                "Report heading written",
                "Calling Gettimezone",
                "StdBias: 1",
                "StandardTime Bias: UTC +01:00",
                "DayBias: 2",
                "DaylightTime Bias: UTC +02:00",
                "Standard Date start: 298",
                "Daylight Date start: 88",
                "My TZID:    (Local  UTC +01:00)",
                "Done Gettimezone",
                "Opening /home/ann/mail/mini.ics",
                "Infile closed",
                "Line breaks fixed",
                "\\; semi-colon changed to semi-colon ok",
                "Mailto tilde injected ok",
                "CID tilde injected ok",
                "PrepareStream ended",
                "Entering ParseStream",
                "mylist: BEGIN:VCALENDAR",
                "VCalendar started",
                "mylist: VERSION:2.0",
                "Version info: 2.0",
                "mylist: BEGIN:VEVENT",
                "VEvent started",
                "mylist: ORGANIZER;CN=Sales:MAILTO~sales@example.com",
                "Entering Organizer",
                "Organizer: ORGANIZER CN=SALES sales@example.com",
                "OrnanizerEmail: sales@example.com",
                "CN= modifier found",
                "Simple CN: SALES",
                "Organizer name: SALES",
                "Organiser ended",
                "mylist: DTSTART;TZID=W. Europe Standard Time:20100305T093000",
                "Dtstart",
                "Today Date: 342",
                "TZ period: STD",
                "Resvalue: 20100305T093000 modifiers: TZID=W. EUROPE STANDARD TIME",
                "TZ name found: W._EUROPE_STANDARD_TIME CET STD +01:00",
                "Tokens: W._EUROPE_STANDARD_TIME CET STD +01:00",
                "StdHours: +01:00",
                "TZ name found: W._EUROPE_STANDARD_TIME CEST DAY +02:00",
                "Tokens: W._EUROPE_STANDARD_TIME CEST DAY +02:00",
                "DayHours: +02:00",
                "Start date: 2010/03/05 09:30",
                "mylist: DTEND;TZID=W. Europe Standard Time:20100305T110000",
                "DTEND entered with Resvalue: 20100305T110000",
                "End date: 2010/03/05 11:00  (UTC +01:00)",
                "mylist: DESCRIPTION:Figures",
                "Description: Figures",
                "mylist: END:VEVENT",
                "End Event",
                "IsUtf8 Checking for unicode",
                "IsUtf8 End checking for unicode",
                "IsUtf8 Checking for binary",
                "IsUtf8 Encoding type: 0",
                "IsUtf8 0 = Not Utf8, All (0-127)",
                " ",
                "Dumping MyTZ: ",
                "   Tzid:         (Local  UTC +01:00)",
                "   DayHrs:    UTC +02:00",
                "   DayDate:   88",
                "   StdHrs:    UTC +01:00",
                "   StdDate:   298",
                "   Today:     342",
                " ",
                "Dumping SenderTZ: ",
                "   Tzid:      (UTC +01:00)",
                "   DayHrs:    +02:00",
                "   DayDate:   ",
                "   StdHrs:    +01:00",
                "   StdDate:   ",
                " ",
                "EvStartwhen: 09:30",
                "EvEndwhen: ",
                "mylist: END:VCALENDAR",
                "End vCalendar read",
                "EoF",
                "KELvor report ready"});
    EXPECT_EQ(t.logMessages(), expected);
}

TEST(EndToEnd, InputWithoutAStreamGetsTheNotice) {
    Installed t;
    ASSERT_EQ(t.run("no-calendar.eml"), StartupOutcome::Completed);
    EXPECT_EQ(t.report(),
              t.heading() + Crlf({"<p>No valid VCALENDAR INFORMATION</p></body></html>"}));
    EXPECT_FALSE(t.files.exists(kWorkingCopy));
    EXPECT_EQ(t.logMessages(),
              Concat(StartupLog("no-calendar.eml"), {"KELVOR: No valid vCALENDAR STREAM"}));
    EXPECT_EQ(t.display.requests(),
              (Lines{"DefBackground 16777215", "LoadHtmlFile /work/tmp/kelvor/kelvor.htm"}));
    EXPECT_FALSE(t.state.markers.report);
}

}  // namespace
}  // namespace kelvor
