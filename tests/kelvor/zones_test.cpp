#include "kelvor/zones.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fakes/test_platform.h"

namespace kelvor {
namespace {

using testing::TestPlatform;
using Lines = std::vector<std::string>;

const char* const kZoneTable = "/opt/kelvor/kelvortz.txt";

platform::TimeZoneInformation CentralEurope() {
    platform::TimeZoneInformation info;
    info.bias = -60;
    info.daylightBias = -60;
    info.standardDate = {10, 5, 0, 3, 0};  // last Sunday of October
    info.daylightDate = {3, 5, 0, 2, 0};   // last Sunday of March
    info.inForce = platform::ZonePeriodInForce::Daylight;
    return info;
}

TEST(OffsetText, ShowsSignHoursAndMinutes) {
    EXPECT_EQ(OffsetText(0), "UTC +00:00");
    EXPECT_EQ(OffsetText(60), "UTC +01:00");
    EXPECT_EQ(OffsetText(330), "UTC +05:30");
    EXPECT_EQ(OffsetText(780), "UTC +13:00");
    EXPECT_EQ(OffsetText(-210), "UTC -03:30");
    EXPECT_EQ(OffsetText(-300), "UTC -05:00");
    EXPECT_EQ(OffsetText(-720), "UTC -12:00");
}

TEST(Gettimezone, TakesOffsetsAndTheRealChangeDaysOfThisYear) {
    TestPlatform t;
    t.state.tracing = true;
    t.timeZone.info = CentralEurope();
    Gettimezone(t.state);
    const ZoneRecord& my = t.state.zones.MyTZ;
    EXPECT_EQ(t.state.zones.period, "DAY");
    EXPECT_EQ(my.StdHrs, "UTC +01:00");
    EXPECT_EQ(my.DayHrs, "UTC +02:00");
    // 2026: the last Sunday of October is the 25th, the last Sunday of March the 29th.
    EXPECT_EQ(my.StdDate, "298");
    EXPECT_EQ(my.DayDate, "88");
    EXPECT_EQ(t.logMessages(), (Lines{"StdBias: 1", "StandardTime Bias: UTC +01:00", "DayBias: 2",
                                      "DaylightTime Bias: UTC +02:00", "Standard Date start: 298",
                                      "Daylight Date start: 88"}));

    // North America: second Sunday of March (8th), first Sunday of November (1st).
    TestPlatform us;
    platform::TimeZoneInformation eastern;
    eastern.bias = 300;
    eastern.daylightBias = -60;
    eastern.daylightDate = {3, 2, 0, 2, 0};
    eastern.standardDate = {11, 1, 0, 2, 0};
    eastern.inForce = platform::ZonePeriodInForce::Standard;
    us.timeZone.info = eastern;
    Gettimezone(us.state);
    EXPECT_EQ(us.state.zones.period, "STD");
    EXPECT_EQ(us.state.zones.MyTZ.StdHrs, "UTC -05:00");
    EXPECT_EQ(us.state.zones.MyTZ.DayHrs, "UTC -04:00");
    EXPECT_EQ(us.state.zones.MyTZ.DayDate, "67");
    EXPECT_EQ(us.state.zones.MyTZ.StdDate, "305");
}

TEST(Gettimezone, ZonesAtUtcOffHalfHoursAndWithoutDaylightSaving) {
    TestPlatform london;
    platform::TimeZoneInformation gmt = CentralEurope();
    gmt.bias = 0;
    london.timeZone.info = gmt;
    Gettimezone(london.state);
    EXPECT_EQ(london.state.zones.MyTZ.StdHrs, "UTC +00:00");
    EXPECT_EQ(london.state.zones.MyTZ.DayHrs, "UTC +01:00");

    TestPlatform india;
    india.state.tracing = true;
    india.state.zones.period = "STD";
    platform::TimeZoneInformation ist;
    ist.bias = -330;
    india.timeZone.info = ist;
    Gettimezone(india.state);
    EXPECT_EQ(india.state.zones.period, "STD");  // nothing in force is told: kept
    EXPECT_EQ(india.state.zones.MyTZ.StdHrs, "UTC +05:30");
    EXPECT_EQ(india.state.zones.MyTZ.DayHrs, "UTC +05:30");
    EXPECT_EQ(india.state.zones.MyTZ.StdDate, "");
    EXPECT_EQ(india.state.zones.MyTZ.DayDate, "");
    EXPECT_EQ(india.logMessages(), (Lines{"StdBias: 5", "StandardTime Bias: UTC +05:30",
                                          "DayBias: 5", "DaylightTime Bias: UTC +05:30",
                                          "Standard Date start: ", "Daylight Date start: "}));

    TestPlatform chatham;  // +12:45, daylight +13:45
    platform::TimeZoneInformation far;
    far.bias = -765;
    far.daylightBias = -60;
    chatham.timeZone.info = far;
    Gettimezone(chatham.state);
    EXPECT_EQ(chatham.state.zones.MyTZ.StdHrs, "UTC +12:45");
    EXPECT_EQ(chatham.state.zones.MyTZ.DayHrs, "UTC +13:45");

    TestPlatform unknown;  // the system cannot tell its zone
    Gettimezone(unknown.state);
    EXPECT_EQ(unknown.state.zones.period, "");
}

TEST(CompleteMyTZ, BuildsTheLocalLabelOfThePeriodInForce) {
    TestPlatform t;
    t.timeZone.info = CentralEurope();
    Gettimezone(t.state);
    CompleteMyTZ(t.state);
    EXPECT_EQ(t.state.zones.MyTZ.Tzid, "   (Local  UTC +02:00)");

    t.state.zones.period = "STD";
    CompleteMyTZ(t.state);
    EXPECT_EQ(t.state.zones.MyTZ.Tzid, "   (Local  UTC +01:00)");

    TestPlatform undecided;
    undecided.state.zones.MyTZ.StdHrs = "UTC +05:30";
    CompleteMyTZ(undecided.state);
    EXPECT_EQ(undecided.state.zones.MyTZ.DayHrs, "UTC +05:30");
    EXPECT_EQ(undecided.state.zones.MyTZ.Tzid, "");
}

TEST(DecidePeriod, ComparesTodayWithTheChangeDays) {
    TestPlatform t;
    t.state.tracing = true;
    t.state.zones.MyTZ.DayDate = "64";
    t.state.zones.MyTZ.StdDate = "278";
    auto periodOn = [&](int month, int day) {
        t.clock.now.month = month;
        t.clock.now.day = day;
        DecidePeriod(t.state);
        return t.state.zones.period;
    };
    EXPECT_EQ(periodOn(4, 10), "DAY");  // day 100 of 2026
    EXPECT_EQ(t.state.zones.MyTZ.Today, "100");
    EXPECT_EQ(t.logMessages().back(), "Today Date: 100");
    EXPECT_EQ(periodOn(10, 27), "STD");  // day 300
    EXPECT_EQ(periodOn(1, 20), "STD");   // day 20
    EXPECT_EQ(periodOn(3, 5), "DAY");    // day 64 itself
    EXPECT_EQ(periodOn(10, 5), "DAY");   // day 278 itself

    // South of the equator daylight time runs from October into April.
    t.state.zones.MyTZ.DayDate = "278";
    t.state.zones.MyTZ.StdDate = "95";
    EXPECT_EQ(periodOn(10, 27), "DAY");
    EXPECT_EQ(periodOn(1, 20), "DAY");
    EXPECT_EQ(periodOn(4, 10), "STD");

    // Without change days standard time is always in force.
    t.state.zones.MyTZ.DayDate = "";
    t.state.zones.MyTZ.StdDate = "";
    EXPECT_EQ(periodOn(7, 1), "STD");
}

TEST(TZLookup, FindsTheNameAnywhereAndTheLastLinesWin) {
    TestPlatform t;
    t.state.tracing = true;
    t.files.addFile(kZoneTable,
                    "* comment W._Europe_Standard_Time naming the zone\r\n"
                    "W._Europe_Standard_Time CET STD +01:00\r\n"
                    "w._europe_standard_time cest day +02:00\r\n"
                    "Other W._Europe_Standard_Time_Copy XX STD +09:00\r\n"
                    "W._Europe_Standard_Time_Late LT STD +07:00\r\n");
    // The token list of a line holds its blank-separated fields, so the copy line's third
    // field is "XX" and it sets nothing.
    t.state.zones.senderZoneName = "W._EUROPE_STANDARD_TIME";
    TZLookup(t.state);
    EXPECT_EQ(t.state.zones.SenderTZ.StdHrs, "+07:00");
    EXPECT_EQ(t.state.zones.SenderTZ.DayHrs, "+02:00");
    EXPECT_EQ(t.logMessages(),
              (Lines{"TZ name found: W._EUROPE_STANDARD_TIME CET STD +01:00",
                     "Tokens: W._EUROPE_STANDARD_TIME CET STD +01:00", "StdHours: +01:00",
                     "TZ name found: W._EUROPE_STANDARD_TIME CEST DAY +02:00",
                     "Tokens: W._EUROPE_STANDARD_TIME CEST DAY +02:00", "DayHours: +02:00",
                     "TZ name found: OTHER W._EUROPE_STANDARD_TIME_COPY XX STD +09:00",
                     "Tokens: OTHER W._EUROPE_STANDARD_TIME_COPY XX STD",
                     "TZ name found: W._EUROPE_STANDARD_TIME_LATE LT STD +07:00",
                     "Tokens: W._EUROPE_STANDARD_TIME_LATE LT STD +07:00", "StdHours: +07:00"}));

    // A part of a longer name matches too.
    t.state.zones.senderZoneName = "_TIME_L";
    t.state.zones.SenderTZ = {};
    TZLookup(t.state);
    EXPECT_EQ(t.state.zones.SenderTZ.StdHrs, "+07:00");
    EXPECT_EQ(t.state.zones.SenderTZ.DayHrs, "");
}

TEST(TZLookup, NotFoundKeepsTheEarlierValues) {
    TestPlatform t;
    t.files.addFile(kZoneTable,
                    "CET CET STD +01:00\r\n"
                    "\r\n"
                    "MARS MST STD +09:00\r\n");
    t.state.zones.SenderTZ.StdHrs = "-05:00";
    t.state.zones.SenderTZ.DayHrs = "-04:00";
    t.state.zones.senderZoneName = "MARS";  // after the empty line that ends the table
    TZLookup(t.state);
    t.state.zones.senderZoneName = "";
    TZLookup(t.state);
    EXPECT_EQ(t.state.zones.SenderTZ.StdHrs, "-05:00");
    EXPECT_EQ(t.state.zones.SenderTZ.DayHrs, "-04:00");
    EXPECT_EQ(t.logMessages(),
              (Lines{"TZLookup could not find: MARS", "TZLookup could not find: "}));

    TestPlatform empty;
    empty.files.addFile(kZoneTable, "\r\nCET CET STD +01:00\r\n");
    empty.state.zones.senderZoneName = "CET";
    TZLookup(empty.state);
    EXPECT_EQ(empty.state.zones.SenderTZ.StdHrs, "");
    EXPECT_EQ(empty.logMessages(), Lines{"TZLookup could not find: CET"});

    TestPlatform missing;
    missing.state.zones.senderZoneName = "CET";
    TZLookup(missing.state);
    EXPECT_EQ(missing.logMessages(), Lines{"Unable to open Kelvortz.txt in /opt/kelvor"});
}

TEST(LookUpConfiguredZone, RecordsNothingBeforeAPeriodIsDecided) {
    TestPlatform t;
    t.state.tracing = true;
    t.files.addFile(kZoneTable,
                    "* zones\r\n"
                    "W._Europe_Standard_Time CET STD +01:00\r\n"
                    "Tokyo_Standard_Time JST STD +09:00\r\n");
    LookUpConfiguredZone(t.state, "W. EUROPE");
    EXPECT_EQ(t.state.zones.SenderTZ.Tzid, "");
    EXPECT_EQ(t.state.zones.SenderTZ.StdHrs, "");
    EXPECT_EQ(t.state.zones.MyTZ.Tzid, "");
    EXPECT_EQ(t.logMessages(),
              (Lines{"Looking for: W. EUROPE STANDARD TIME CET STD +01:00",
                     "TZ name found: W. EUROPE STANDARD TIME CET STD +01:00",
                     "Tokens: W. EUROPE STANDARD TIME",
                     "Looking for: TOKYO STANDARD TIME JST STD +09:00", "Day TZID: "}));
}

TEST(LookUpConfiguredZone, FillsTheSenderRecordForThePeriodInForce) {
    TestPlatform t;
    t.files.addFile(kZoneTable, "CET CET STD +01:00\r\nCET CEST DAY +02:00\r\n");
    t.state.zones.period = "STD";
    t.state.zones.MyTZ.StdHrs = "UTC +01:00";
    LookUpConfiguredZone(t.state, "CET");
    const ZoneRecord& sender = t.state.zones.SenderTZ;
    EXPECT_EQ(sender.StdAbbrev, "CET");
    EXPECT_EQ(sender.StdHrs, "+01:00");
    EXPECT_EQ(sender.DayAbbrev, "CET");  // taken from the standard fields
    EXPECT_EQ(sender.DayHrs, "+01:00");
    EXPECT_EQ(sender.Tzid, "CET (+01:00)");
    EXPECT_EQ(t.state.zones.MyTZ.Tzid, "(local  UTC +01:00)");

    TestPlatform missing;
    missing.state.tracing = true;
    LookUpConfiguredZone(missing.state, "CET");
    EXPECT_EQ(missing.logMessages(), (Lines{"Unable to open KELVORTZ.txt", "Day TZID: "}));
}

TEST(DumpZones, WritesBothRecordsUnderTheirLabels) {
    TestPlatform t;
    t.state.tracing = true;
    ZoneRecord& my = t.state.zones.MyTZ;
    my.Tzid = "   (Local  UTC +01:00)";
    my.DayHrs = "UTC +02:00";
    my.DayDate = "88";
    my.StdHrs = "UTC +01:00";
    my.StdDate = "298";
    my.Today = "342";
    t.state.zones.SenderTZ.Tzid = "(UTC -05:00)";
    t.state.zones.SenderTZ.StdHrs = "-05:00";
    DumpZones(t.state);
    EXPECT_EQ(t.logMessages(),
              (Lines{" ", "Dumping MyTZ: ", "   Tzid:         (Local  UTC +01:00)",
                     "   DayHrs:    UTC +02:00", "   DayDate:   88", "   StdHrs:    UTC +01:00",
                     "   StdDate:   298", "   Today:     342", " ",
                     "Dumping SenderTZ: ", "   Tzid:      (UTC -05:00)", "   DayHrs:    ",
                     "   DayDate:   ", "   StdHrs:    -05:00", "   StdDate:   ", " "}));
}

// The shipped table: every sender spelling finds its own zone's offsets.
TEST(ShippedZoneTable, NamesFindTheirOwnOffsets) {
    std::ifstream in(std::string(KELVOR_SOURCE_DIR) + "/data/kelvortz.txt", std::ios::binary);
    ASSERT_TRUE(in);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    TestPlatform t;
    t.files.addFile(kZoneTable, bytes.str());
    auto lookUp = [&](const std::string& name) {
        t.state.zones.SenderTZ = {};
        t.state.zones.senderZoneName = name;
        TZLookup(t.state);
        return t.state.zones.SenderTZ.StdHrs + " " + t.state.zones.SenderTZ.DayHrs;
    };
    EXPECT_EQ(lookUp("W._EUROPE_STANDARD_TIME"), "+01:00 +02:00");
    EXPECT_EQ(lookUp("EUROPE/BERLIN"), "+01:00 +02:00");
    EXPECT_EQ(lookUp("AMSTERDAM,_BERLIN,_BERN"), "+01:00 +02:00");  // an Outlook TZID, cut
    EXPECT_EQ(lookUp("EASTERN_STANDARD_TIME"), "-05:00 -04:00");
    EXPECT_EQ(lookUp("US/EASTERN"), "-05:00 -04:00");
    EXPECT_EQ(lookUp("AMERICA/NEW_YORK"), "-05:00 -04:00");
    EXPECT_EQ(lookUp("INDIA_STANDARD_TIME"), "+05:30 +05:30");
    EXPECT_EQ(lookUp("ASIA/KOLKATA"), "+05:30 +05:30");
    EXPECT_EQ(lookUp("EUROPE/DUBLIN"), "+00:00 +01:00");
    EXPECT_EQ(lookUp("UTC"), "+00:00 +00:00");
    EXPECT_EQ(lookUp("GMT"), "+00:00 +00:00");
    EXPECT_EQ(lookUp("EST"), "-05:00 -05:00");
    EXPECT_EQ(lookUp("AUS_EASTERN_STANDARD_TIME"), "+10:00 +11:00");
    EXPECT_EQ(lookUp("NEWFOUNDLAND_STANDARD_TIME"), "-03:30 -02:30");
    EXPECT_EQ(lookUp("PACIFIC/KIRITIMATI"), "+14:00 +14:00");
}

}  // namespace
}  // namespace kelvor
