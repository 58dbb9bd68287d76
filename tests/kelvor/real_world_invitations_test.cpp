// Whole runs on invitations as mail programs and calendar libraries really write them: zone
// names in quotes, with offsets in front, with vendor paths; files with byte order marks, in
// UTF-16 and in quoted-printable parts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "kelvor/installed_run.h"
#include "kelvor/startup.h"

namespace kelvor {
namespace {

using namespace testing::installed;

TEST(RealWorldInvitations, OutlookDisplayNameWithItsColonInQuotes) {
    Installed t;
    ASSERT_EQ(t.run("outlook-display-name.ics"), StartupOutcome::Completed);
    EXPECT_EQ(t.report(),
              t.heading() + Crlf({kSpacer,
                                  Row("Event", "<b>Meeting</b>&nbsp;"),
                                  Row("Organizer",
                                      "SATO, KEN&nbsp;&nbsp;<a "
                                      "href=\"ken.sato@example.jp\">ken.sato@example.jp</a>"),
                                  Row("Start date",
                                      "13-Jul-2026 09:00   (UTC +09:00)    (Local  UTC +01:00)"),
                                  Row("Until", "13-Jul-2026 10:30"),
                                  Row("Duration", "01:30"),
                                  Row("Location", "Room 7F-2"),
                                  Row("Attendance", "Required"),
                                  Row("Action", "Required"),
                                  Row("RSVP", "Yes"),
                                  Row("Summary", "Release planning"),
                                  Row("Description", "Planning of the autumn release.<br>"),
                                  kSpacer,
                                  Row("<h2>Attendees:</h2>", "&nbsp;"),
                                  Row("&nbsp;", "PARK, LENA"),
                                  Row("Chairman", "SATO, KEN"),
                                  kTableEnd,
                                  kTableEnd,
                                  kSpacer,
                                  "</table></body></html>"}));
    EXPECT_EQ(t.logMessages(), Concat(StartupLog("outlook-display-name.ics"),
                                      {"TZ period: STD", "KELvor report ready"}));
    EXPECT_EQ(t.state.zones.senderZoneName, "OSAKA,_SAPPORO,_TOKYO");
}

TEST(RealWorldInvitations, LibicalVendorPrefixedZone) {
    Installed t;
    ASSERT_EQ(t.run("libical-vendor-zone.ics"), StartupOutcome::Completed);
    EXPECT_EQ(
        t.report(),
        t.heading() +
            Crlf({kSpacer, Row("Event", "<b>Meeting</b>&nbsp;"),
                  Row("Organizer",
                      "MAX WEBER&nbsp;&nbsp;<a "
                      "href=\"max.weber@example.de\">max.weber@example.de</a>"),
                  Row("Start date", "15-Jul-2026 14:00   (UTC +01:00)    (Local  UTC +01:00)"),
                  Row("Until", "15-Jul-2026 15:30"), Row("Duration", "01:30"),
                  Row("Location", "Meeting room Elbe"), Row("Attendance", "Required"),
                  Row("Action", "Needs-Action"), Row("RSVP", "Yes"),
                  Row("Summary", "Design review"), kSpacer, Row("<h2>Attendees:</h2>", "&nbsp;"),
                  Row("Chairman", "MAX WEBER"), Row("&nbsp;", "NORA BLUM"), kTableEnd, kTableEnd,
                  kSpacer, "</table></body></html>"}));
    // The event has no description, which the encoding check always logs.
    EXPECT_EQ(t.logMessages(),
              Concat(StartupLog("libical-vendor-zone.ics"),
                     {"TZ period: STD", "IsUtf8 Unicode abort", "KELvor report ready"}));
    EXPECT_EQ(t.state.zones.SenderTZ.DayHrs, "+02:00");
}

// The report's (first) start row.
std::string StartRow(const std::string& report) {
    const std::size_t at = report.find("<tr><td width=\"30%\">Start date</td>");
    return at == std::string::npos ? "" : report.substr(at, report.find("\r\n", at) - at);
}

std::string Calendar(const Lines& eventLines) {
    Lines lines{"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT"};
    lines.insert(lines.end(), eventLines.begin(), eventLines.end());
    lines.insert(lines.end(), {"END:VEVENT", "END:VCALENDAR"});
    return Crlf(lines);
}

TEST(RealWorldInvitations, ZoneNamesTheTableKnowsOnceReadRight) {
    struct Case {
        std::string start;
        std::string row;
    };
    const Case cases[] = {
        // The zone ends at the next parameter, not 35 characters on.
        {"DTSTART;TZID=New Zealand Standard Time;VALUE=DATE-TIME:20260713T090000",
         "13-Jul-2026 09:00   (UTC +12:00)    (Local  UTC +01:00)"},
        {"DTSTART;TZID=\"Europe/Zurich\":20260713T090000",
         "13-Jul-2026 09:00   (UTC +01:00)    (Local  UTC +01:00)"},
        {"DTSTART;TZID=/mozilla.org/20070129_1/America/New_York:20260713T090000",
         "13-Jul-2026 09:00   (UTC -05:00)    (Local  UTC +01:00)"},
        // Not in the table: the offset the name itself gives.
        {"DTSTART;TZID=UTC+11:20260713T090000",
         "13-Jul-2026 09:00   (UTC +11:00)    (Local  UTC +01:00)"},
        {"DTSTART;TZID=\"GMT-03:30\":20260713T090000",
         "13-Jul-2026 09:00   (UTC -03:30)    (Local  UTC +01:00)"},
    };
    for (const Case& c : cases) {
        Installed t;
        ASSERT_EQ(t.runBytes("zone.ics", Calendar({c.start})), StartupOutcome::Completed);
        EXPECT_EQ(StartRow(t.report()), Row("Start date", c.row)) << c.start;
        // No "could not find" line: period, empty description and the end.
        EXPECT_EQ(t.logMessages().size(), StartupLog("zone.ics").size() + 3) << c.start;
    }
}

TEST(RealWorldInvitations, ZoneDefinedOnlyByTheStreamItself) {
    const std::string stream = Crlf(
        {"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VTIMEZONE", "TZID:Customized Time Zone",
         "BEGIN:STANDARD", "DTSTART:16010101T030000", "TZOFFSETFROM:-0230", "TZOFFSETTO:-0330",
         "END:STANDARD", "BEGIN:DAYLIGHT", "DTSTART:16010101T020000", "TZOFFSETFROM:-0330",
         "TZOFFSETTO:-0230", "END:DAYLIGHT", "END:VTIMEZONE", "BEGIN:VEVENT",
         "DTSTART;TZID=\"Customized Time Zone\":20260713T090000", "END:VEVENT", "END:VCALENDAR"});
    Installed winter;
    winter.files.addFile("/opt/kelvor/kelvor.ini", "tracing=true\r\n");
    ASSERT_EQ(winter.runBytes("custom.ics", stream), StartupOutcome::Completed);
    EXPECT_EQ(StartRow(winter.report()),
              Row("Start date", "13-Jul-2026 09:00   (UTC -03:30)    (Local  UTC +01:00)"));
    const Lines log = winter.logMessages();
    EXPECT_NE(std::find(log.begin(), log.end(),
                        "Zone offsets from the stream's VTIMEZONE: CUSTOMIZED_TIME_ZONE"),
              log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "TZLookup could not find: CUSTOMIZED_TIME_ZONE"),
              log.end());

    // In summer the user's period is daylight time, and so is the sender's label.
    Installed summer;
    summer.clock.now = {2026, 7, 1, 10, 0, 0, 0, 3};
    summer.timeZone.offsetMinutes = 120;
    summer.timeZone.info->inForce = platform::ZonePeriodInForce::Daylight;
    ASSERT_EQ(summer.runBytes("custom.ics", stream), StartupOutcome::Completed);
    EXPECT_EQ(StartRow(summer.report()),
              Row("Start date", "13-Jul-2026 09:00   (UTC -02:30)    (Local  UTC +02:00)"));
}

TEST(RealWorldInvitations, StartsWithoutAZoneOfTheirOwnShowTheUsersOffset) {
    // A UTC start after one in Tokyo: shown in the user's time, so labelled with the user's
    // offset, not with Tokyo's.
    Installed t;
    ASSERT_EQ(t.runBytes("two.ics", Crlf({"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT",
                                          "DTSTART;TZID=Tokyo Standard Time:20260713T090000",
                                          "END:VEVENT", "BEGIN:VEVENT", "DTSTART:20260714T080000Z",
                                          "END:VEVENT", "END:VCALENDAR"})),
              StartupOutcome::Completed);
    const std::string report = t.report();
    EXPECT_NE(
        report.find(Row("Start date", "13-Jul-2026 09:00   (UTC +09:00)    (Local  UTC +01:00)")),
        std::string::npos);
    EXPECT_NE(
        report.find(Row("Start date", "14-Jul-2026 09:00   (UTC +01:00)    (Local  UTC +01:00)")),
        std::string::npos);

    // A floating start with no zone name known at all, for a user in New York in summer.
    Installed newYork;
    platform::TimeZoneInformation eastern;
    eastern.bias = 300;
    eastern.daylightBias = -60;
    eastern.standardDate = {11, 1, 0, 2, 0};
    eastern.daylightDate = {3, 2, 0, 2, 0};
    eastern.inForce = platform::ZonePeriodInForce::Daylight;
    newYork.timeZone.info = eastern;
    newYork.timeZone.offsetMinutes = -240;
    newYork.clock.now = {2026, 7, 15, 10, 0, 0, 0, 3};
    ASSERT_EQ(newYork.runBytes("floating.ics", Calendar({"DTSTART:20260715T130000"})),
              StartupOutcome::Completed);
    EXPECT_EQ(StartRow(newYork.report()),
              Row("Start date", "15-Jul-2026 13:00   (UTC -04:00)    (Local  UTC -04:00)"));

    // With a configured zone the floating start keeps that zone's label.
    // (A configured zone leaves the local label empty.)
    Installed configured;
    configured.files.addFile("/opt/kelvor/kelvor.ini", "mytzid=TOKYO_STANDARD_TIME\r\n");
    ASSERT_EQ(configured.runBytes("floating.ics", Calendar({"DTSTART:20260715T130000"})),
              StartupOutcome::Completed);
    EXPECT_EQ(StartRow(configured.report()),
              Row("Start date", "15-Jul-2026 13:00   (UTC +09:00) "));
}

std::string Utf16(const std::string& text, bool bigEndian) {
    std::string wide = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : text) {
        wide += bigEndian ? '\0' : c;
        wide += bigEndian ? c : '\0';
    }
    return wide;
}

TEST(RealWorldInvitations, MarkedAndUtf16FilesReadLikeTheirUtf8Twin) {
    Installed plain;
    ASSERT_EQ(plain.run("invitation.ics"), StartupOutcome::Completed);
    const std::string text = SourceFile("examples/invitation.ics");

    const std::string variants[] = {"\xEF\xBB\xBF" + text, Utf16(text, false), Utf16(text, true),
                                    // The mark before the calendar's line inside a message.
                                    "Subject: invite\r\n\r\n\xEF\xBB\xBF" + text};
    for (const std::string& bytes : variants) {
        Installed t;
        ASSERT_EQ(t.runBytes("invitation.ics", bytes), StartupOutcome::Completed);
        EXPECT_EQ(t.report(), plain.report());
        EXPECT_EQ(t.files.content(kWorkingCopy), plain.files.content(kWorkingCopy));
        EXPECT_EQ(t.logMessages(), plain.logMessages());
    }
}

TEST(RealWorldInvitations, QuotedPrintableCalendarPart) {
    const std::string message =
        "Content-Type: multipart/alternative; boundary=\"b3\"\r\n"
        "\r\n"
        "--b3\r\n"
        "Content-Type: text/plain\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        "Agenda =3D budget\r\n"
        "--b3\r\n"
        "Content-Type: text/calendar; method=REQUEST\r\n"
        "Content-Transfer-Encoding: Quoted-Printable\r\n"
        "\r\n"
        "BEGIN:VCALENDAR\r\n"
        "VERSION:2.0\r\n"
        "BEGIN:VEVENT\r\n"
        "ATTENDEE;CN=3DAnn;RSVP=3DTRUE:MAILTO:ann@example.com\r\n"
        "SUMMARY:Quarterly bud=\r\n"
        "get review =E2=80=93 draft  \r\n"
        "END:VEVENT\r\n"
        "END:VCALENDAR\r\n"
        "--b3--\r\n";
    Installed t;
    ASSERT_EQ(t.runBytes("qp.eml", message), StartupOutcome::Completed);
    EXPECT_EQ(t.files.content(kWorkingCopy),
              Crlf({"BEGIN:VCALENDAR", "VERSION:2.0", "BEGIN:VEVENT",
                    "ATTENDEE;CN=Ann;RSVP=TRUE:MAILTO~ann@example.com",
                    "SUMMARY:Quarterly budget review \xE2\x80\x93 draft", "END:VEVENT",
                    "END:VCALENDAR"}));
    const std::string report = t.report();
    EXPECT_NE(report.find(Row("RSVP", "Yes")), std::string::npos);
    EXPECT_NE(report.find(Row("&nbsp;", "ANN")), std::string::npos);

    // A calendar part of its own without the header is not decoded, even after a
    // quoted-printable text part.
    Installed sevenBit;
    std::string plainPart = message;
    plainPart.erase(plainPart.find("Content-Transfer-Encoding: Quoted-Printable\r\n"), 45);
    ASSERT_EQ(sevenBit.runBytes("7bit.eml", plainPart), StartupOutcome::Completed);
    EXPECT_NE(sevenBit.files.content(kWorkingCopy).find("ATTENDEE;CN=3DAnn;RSVP=3DTRUE"),
              std::string::npos);
}

}  // namespace
}  // namespace kelvor
