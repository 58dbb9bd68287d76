#include "platform/posix/posix_time_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "platform/posix/posix_tz_rule.h"

namespace kelvor::platform {
namespace {

// Sets TZ for one test and puts the old value back.
class ScopedTz {
  public:
    explicit ScopedTz(const char* value) {
        if (const char* old = std::getenv("TZ")) {
            old_ = old;
        }
        ::setenv("TZ", value, 1);
        ::tzset();
    }
    ~ScopedTz() {
        if (old_) {
            ::setenv("TZ", old_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

  private:
    std::optional<std::string> old_;
};

std::time_t Utc(int year, int month, int day, int hour, int minute) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    return timegm(&tm);
}

std::string LocalText(const PosixTimeZone& zone, int year, int month, int day, int hour,
                      int minute) {
    CivilTime utc;
    utc.year = year;
    utc.month = month;
    utc.day = day;
    utc.hour = hour;
    utc.minute = minute;
    const auto local = zone.utcToLocal(utc);
    if (!local) {
        return "none";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local->year, local->month,
                  local->day, local->hour, local->minute);
    return text;
}

bool SameChange(const ZoneTransition& change, int month, int week, int weekday, int hour) {
    return change.month == month && change.week == week && change.dayOfWeek == weekday &&
           change.hour == hour && change.minute == 0;
}

TEST(PosixTzRule, ReadsNamesOffsetsAndChangeDates) {
    const auto cet = ParsePosixTzRule("CET-1CEST,M3.5.0,M10.5.0/3");
    ASSERT_TRUE(cet);
    EXPECT_EQ(cet->standardName, "CET");
    EXPECT_EQ(cet->standardOffset, 3600);
    EXPECT_TRUE(cet->hasDaylight);
    EXPECT_EQ(cet->daylightName, "CEST");
    EXPECT_EQ(cet->daylightOffset, 7200);
    EXPECT_EQ(cet->daylightStarts.month, 3);
    EXPECT_EQ(cet->daylightStarts.week, 5);
    EXPECT_EQ(cet->daylightStarts.secondsAfterMidnight, 7200);
    EXPECT_EQ(cet->daylightEnds.month, 10);
    EXPECT_EQ(cet->daylightEnds.secondsAfterMidnight, 10800);

    const auto india = ParsePosixTzRule("IST-5:30");
    ASSERT_TRUE(india);
    EXPECT_EQ(india->standardOffset, 19800);
    EXPECT_FALSE(india->hasDaylight);

    const auto utc = ParsePosixTzRule("UTC0");
    ASSERT_TRUE(utc);
    EXPECT_EQ(utc->standardOffset, 0);

    const auto quoted = ParsePosixTzRule("<-03>3");
    ASSERT_TRUE(quoted);
    EXPECT_EQ(quoted->standardName, "-03");
    EXPECT_EQ(quoted->standardOffset, -10800);

    // Daylight time without dates: one hour ahead, on the C library's default dates.
    const auto eastern = ParsePosixTzRule("EST5EDT");
    ASSERT_TRUE(eastern);
    EXPECT_EQ(eastern->daylightOffset, -4 * 3600);
    EXPECT_EQ(eastern->daylightStarts.month, 3);
    EXPECT_EQ(eastern->daylightStarts.week, 2);
    EXPECT_EQ(eastern->daylightEnds.month, 11);

    EXPECT_FALSE(ParsePosixTzRule(""));
    EXPECT_FALSE(ParsePosixTzRule("C-1"));
    EXPECT_FALSE(ParsePosixTzRule("CET"));
    EXPECT_FALSE(ParsePosixTzRule("CET-1CEST,M3.5.0"));
    EXPECT_FALSE(ParsePosixTzRule("CET-1CEST,M13.5.0,M10.5.0"));
    EXPECT_FALSE(ParsePosixTzRule("CET-1CEST,M3.5.0,M10.5.0 trailing"));
}

TEST(PosixTzRule, BecomesTheZoneInformationOfAYear) {
    const TimeZoneInformation cet =
        ZoneInformationFromRule(*ParsePosixTzRule("CET-1CEST,M3.5.0,M10.5.0/3"), 2026);
    EXPECT_EQ(cet.bias, -60);
    EXPECT_EQ(cet.daylightBias, -60);
    EXPECT_TRUE(SameChange(cet.daylightDate, 3, 5, 0, 2));
    EXPECT_TRUE(SameChange(cet.standardDate, 10, 5, 0, 3));

    // Irish winter time is written as a "daylight" time one hour behind; it is turned round.
    const TimeZoneInformation dublin =
        ZoneInformationFromRule(*ParsePosixTzRule("IST-1GMT0,M10.5.0,M3.5.0/1"), 2026);
    EXPECT_EQ(dublin.bias, 0);
    EXPECT_EQ(dublin.daylightBias, -60);
    EXPECT_TRUE(SameChange(dublin.daylightDate, 3, 5, 0, 1));
    EXPECT_TRUE(SameChange(dublin.standardDate, 10, 5, 0, 2));

    const TimeZoneInformation india = ZoneInformationFromRule(*ParsePosixTzRule("IST-5:30"), 2026);
    EXPECT_EQ(india.bias, -330);
    EXPECT_EQ(india.daylightBias, 0);
    EXPECT_EQ(india.standardDate.month, 0);
    EXPECT_EQ(india.daylightDate.month, 0);

    // A day-of-year rule is told as the weekday and week of its date in that year:
    // day 60 without leap days is 1 March, a Sunday in 2026.
    const TimeZoneInformation julian =
        ZoneInformationFromRule(*ParsePosixTzRule("XST-3XDT,J60,J300"), 2026);
    EXPECT_TRUE(SameChange(julian.daylightDate, 3, 1, 0, 2));
}

TEST(PosixTimeZone, ReadsTheRuleOfTzAndThePeriodInForce) {
    const PosixTimeZone zone;
    {
        ScopedTz tz("CET-1CEST,M3.5.0,M10.5.0/3");
        const auto summer = zone.informationAt(Utc(2010, 7, 1, 12, 0));
        ASSERT_TRUE(summer);
        EXPECT_EQ(summer->bias, -60);
        EXPECT_EQ(summer->daylightBias, -60);
        EXPECT_TRUE(SameChange(summer->standardDate, 10, 5, 0, 3));
        EXPECT_EQ(summer->inForce, ZonePeriodInForce::Daylight);
        const auto winter = zone.informationAt(Utc(2010, 1, 15, 12, 0));
        ASSERT_TRUE(winter);
        EXPECT_EQ(winter->inForce, ZonePeriodInForce::Standard);
        EXPECT_TRUE(zone.information());
    }
    {
        ScopedTz tz("IST-5:30");
        const auto india = zone.information();
        ASSERT_TRUE(india);
        EXPECT_EQ(india->bias, -330);
        EXPECT_EQ(india->daylightDate.month, 0);
        EXPECT_EQ(india->inForce, ZonePeriodInForce::Standard);
    }
    {
        ScopedTz tz("UTC0");
        const auto utc = zone.information();
        ASSERT_TRUE(utc);
        EXPECT_EQ(utc->bias, 0);
        EXPECT_EQ(utc->inForce, ZonePeriodInForce::Standard);
    }
    {
        ScopedTz tz("IST-1GMT0,M10.5.0,M3.5.0/1");
        const auto irishSummer = zone.informationAt(Utc(2010, 7, 1, 12, 0));
        ASSERT_TRUE(irishSummer);
        EXPECT_EQ(irishSummer->inForce, ZonePeriodInForce::Daylight);
        EXPECT_EQ(zone.informationAt(Utc(2010, 1, 15, 12, 0))->inForce,
                  ZonePeriodInForce::Standard);
    }
}

TEST(PosixTimeZone, ReadsANamedZoneFromTheZoneDatabase) {
    std::ifstream file("/usr/share/zoneinfo/America/New_York", std::ios::binary);
    if (!file) {
        GTEST_SKIP() << "no zone database";
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    EXPECT_EQ(TzifFooter(bytes.str()), std::optional<std::string>("EST5EDT,M3.2.0,M11.1.0"));
    EXPECT_FALSE(TzifFooter("not a zone file at all, but long enough to have a header"));

    ScopedTz tz("America/New_York");
    const PosixTimeZone zone;
    const auto info = zone.informationAt(Utc(2010, 3, 5, 14, 30));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->bias, 300);
    EXPECT_EQ(info->daylightBias, -60);
    EXPECT_TRUE(SameChange(info->daylightDate, 3, 2, 0, 2));
    EXPECT_TRUE(SameChange(info->standardDate, 11, 1, 0, 2));
    EXPECT_EQ(info->inForce, ZonePeriodInForce::Standard);
    EXPECT_EQ(zone.informationAt(Utc(2010, 7, 1, 12, 0))->inForce, ZonePeriodInForce::Daylight);

    EXPECT_EQ(LocalText(zone, 2010, 3, 5, 14, 30), "2010-03-05 09:30");
    EXPECT_EQ(LocalText(zone, 2010, 7, 1, 14, 30), "2010-07-01 10:30");
}

TEST(PosixTimeZone, ConvertsUtcWithTheDaylightRulesOfTheDate) {
    const PosixTimeZone zone;
    {
        ScopedTz tz("CET-1CEST,M3.5.0,M10.5.0/3");
        EXPECT_EQ(LocalText(zone, 2010, 3, 5, 14, 30), "2010-03-05 15:30");
        EXPECT_EQ(LocalText(zone, 2010, 7, 1, 12, 0), "2010-07-01 14:00");
        // Daylight time began at 01:00 UTC on 28 March 2010.
        EXPECT_EQ(LocalText(zone, 2010, 3, 28, 0, 59), "2010-03-28 01:59");
        EXPECT_EQ(LocalText(zone, 2010, 3, 28, 1, 0), "2010-03-28 03:00");
        EXPECT_EQ(LocalText(zone, 2010, 12, 31, 23, 30), "2011-01-01 00:30");
    }
    {
        ScopedTz tz("IST-5:30");
        EXPECT_EQ(LocalText(zone, 2010, 3, 5, 14, 30), "2010-03-05 20:00");
    }
}

}  // namespace
}  // namespace kelvor::platform
