#include "kelvor/zone_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_platform.h"
#include "kelvor/parser_test_support.h"
#include "kelvor/zones.h"

namespace kelvor {
namespace {

using testing::ParseRun;
using testing::TestPlatform;
using Lines = std::vector<std::string>;

const char* const kZoneTable = "/opt/kelvor/kelvortz.txt";

TEST(ZoneNames, TzidValueEndsAtTheNextParameterOutsideQuotes) {
    EXPECT_EQ(TzidParameterValue("TZID=NEW ZEALAND STANDARD TIME;VALUE=DATE-TIME", 0),
              "NEW ZEALAND STANDARD TIME");
    EXPECT_EQ(TzidParameterValue("VALUE=DATE-TIME;TZID=\"A;B:C\";X=1", 16), "\"A;B:C\"");
    EXPECT_EQ(TzidParameterValue("TZID=", 0), "");
}

TEST(ZoneNames, SenderNamesLoseQuotesOffsetsAndBlanks) {
    EXPECT_EQ(SenderZoneName("\"(UTC+09:00) Osaka, Sapporo, Tokyo\"").name,
              "OSAKA,_SAPPORO,_TOKYO");
    EXPECT_TRUE(SenderZoneName("\"(UTC+09:00) Osaka\"").offsetPrefixRemoved);
    EXPECT_EQ(SenderZoneName("(GMT+01.00) Central Europe").name, "CENTRAL_EUROPE");
    EXPECT_EQ(SenderZoneName("\"Europe/Zurich\"").name, "EUROPE/ZURICH");
    EXPECT_FALSE(SenderZoneName("\"Europe/Zurich\"").offsetPrefixRemoved);
    // The cut comes after the offset is gone.
    EXPECT_EQ(SenderZoneName("(UTC+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna").name,
              "AMSTERDAM,_BERLIN,_BERN,_ROME,_STOC");
    // A vendor path is kept whole for its tails to be looked up.
    EXPECT_EQ(SenderZoneName("/mozilla.org/20070129_1/America/New_York").name,
              "/MOZILLA.ORG/20070129_1/AMERICA/NEW_YORK");
    EXPECT_EQ(SenderZoneName("/" + std::string(400, 'x')).name.size(), 255u);
    EXPECT_EQ(SenderZoneName("\"unclosed").name, "UNCLOSED");
}

TEST(ZoneNames, OffsetsWrittenAsNames) {
    EXPECT_EQ(OffsetOfZoneName("UTC"), "+00:00");
    EXPECT_EQ(OffsetOfZoneName("GMT"), "+00:00");
    EXPECT_EQ(OffsetOfZoneName("UTC+11"), "+11:00");
    EXPECT_EQ(OffsetOfZoneName("UTC-3"), "-03:00");
    EXPECT_EQ(OffsetOfZoneName("GMT+05:30"), "+05:30");
    EXPECT_EQ(OffsetOfZoneName("UTC-09:30"), "-09:30");
    for (const char* notAnOffset : {"UTC+15", "UTC+", "UTC+1:3", "UTC+123", "UTCX", "GMT+01:60",
                                    "COORDINATED_UNIVERSAL_TIME", "UTC+01:00_X"}) {
        EXPECT_EQ(OffsetOfZoneName(notAnOffset), std::nullopt) << notAnOffset;
    }
    EXPECT_EQ(OffsetOfUtcOffsetValue("+0100"), "+01:00");
    EXPECT_EQ(OffsetOfUtcOffsetValue("-0330"), "-03:30");
    EXPECT_EQ(OffsetOfUtcOffsetValue("+053000"), "+05:30");
    EXPECT_EQ(OffsetOfUtcOffsetValue("0100"), std::nullopt);
    EXPECT_EQ(OffsetOfUtcOffsetValue("+1"), std::nullopt);
}

TEST(TZLookup, OffsetNamesAreNotFoundInsideLongerNames) {
    TestPlatform t;
    t.files.addFile(kZoneTable,
                    "UTC+12 +12 STD +12:00\r\nUTC+12 +12 DAY +12:00\r\n"
                    "Etc/GMT+1 -01 STD -01:00\r\nEtc/GMT+1 -01 DAY -01:00\r\n");
    auto lookUp = [&](const std::string& name) {
        t.state.zones.SenderTZ = {};
        t.state.zones.senderZoneName = name;
        TZLookup(t.state);
        return t.state.zones.SenderTZ.StdHrs + " " + t.state.zones.SenderTZ.DayHrs;
    };
    EXPECT_EQ(lookUp("UTC+1"), "+01:00 +01:00");
    EXPECT_EQ(lookUp("GMT+1"), "+01:00 +01:00");
    EXPECT_EQ(lookUp("UTC+12"), "+12:00 +12:00");
    EXPECT_EQ(lookUp("UTC-2"), "-02:00 -02:00");
    EXPECT_TRUE(t.logMessages().empty());
}

TEST(TZLookup, VendorPathsFindTheLongestTailTheTableHolds) {
    TestPlatform t;
    t.state.tracing = true;
    t.files.addFile(kZoneTable,
                    "Amsterdam,_Berlin,_Bern CET STD +01:00\r\n"
                    "Europe/Berlin CET STD +01:00\r\nEurope/Berlin CEST DAY +02:00\r\n");
    t.state.zones.senderZoneName = "/FREEASSOCIATION.SOURCEFORGE.NET/EUROPE/BERLIN";
    TZLookup(t.state);
    EXPECT_EQ(t.state.zones.SenderTZ.DayHrs, "+02:00");
    EXPECT_EQ(t.logMessages().front(), "Zone name tail used: EUROPE/BERLIN");

    // No tail known: the whole name is reported.
    TestPlatform unknown;
    unknown.files.addFile(kZoneTable, "Europe/Berlin CET STD +01:00\r\n");
    unknown.state.zones.senderZoneName = "/VENDOR/MARS/OLYMPUS";
    TZLookup(unknown.state);
    EXPECT_EQ(unknown.logMessages(), Lines{"TZLookup could not find: /VENDOR/MARS/OLYMPUS"});
}

TEST(StreamZones, TheLatestObservanceOfEachKindCounts) {
    ParseRun r;
    r.t.files.addFile(kZoneTable, "Europe/Berlin CET STD +01:00\r\n");
    r.parse({"BEGIN:VCALENDAR",
             "BEGIN:VTIMEZONE",
             "TZID:Olympus Time",
             "BEGIN:STANDARD",
             "DTSTART:19700101T000000",
             "TZOFFSETTO:+0400",
             "END:STANDARD",
             "BEGIN:STANDARD",
             "DTSTART:20100101T000000",
             "TZOFFSETTO:+0500",
             "END:STANDARD",
             "BEGIN:STANDARD",
             "DTSTART:19900101T000000",
             "TZOFFSETTO:+0600",
             "END:STANDARD",
             "END:VTIMEZONE",
             "BEGIN:VTIMEZONE",
             "TZID:Europe/Berlin",
             "BEGIN:STANDARD",
             "TZOFFSETTO:+0900",
             "END:STANDARD",
             "END:VTIMEZONE",
             "BEGIN:VEVENT",
             "DTSTART;TZID=Olympus Time:20260713T090000",
             "END:VEVENT",
             "BEGIN:VEVENT",
             "DTSTART;TZID=Europe/Berlin:20260713T090000",
             "END:VEVENT"});
    const auto& zones = r.t.state.zones.streamZones;
    ASSERT_EQ(zones.count("OLYMPUS_TIME"), 1u);
    EXPECT_EQ(zones.at("OLYMPUS_TIME").standard, "+05:00");
    EXPECT_EQ(zones.at("OLYMPUS_TIME").daylight, "");
    // The table comes first: the stream's own Berlin is not taken.
    EXPECT_EQ(r.t.state.zones.SenderTZ.StdHrs, "+01:00");
    EXPECT_NE(r.t.files.content("/work/tmp/kelvor.htm").find("(UTC +05:00)"), std::string::npos);
}

TEST(ParserLines, ColonsAndSemicolonsInsideQuotesBelongToTheParameter) {
    ParseRun r;
    r.parse({"BEGIN:VCALENDAR", "BEGIN:VEVENT",
             "ORGANIZER;CN=\"Doe; Jane: Sales\";ROLE=CHAIR:MAILTO~jane@example.com",
             "ATTENDEE;CN=\"Roe: Bob:MAILTO~bob@example.com"});
    EXPECT_EQ(r.event.organizerName, "DOE; JANE: SALES");
    EXPECT_EQ(r.event.organizerEmail, "jane@example.com");
    // A quote that never closes: the first colon anywhere ends the parameters, as before.
    EXPECT_EQ(r.attendeeNames().back(), "|ROE");
}

}  // namespace
}  // namespace kelvor
