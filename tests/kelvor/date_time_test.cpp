#include "kelvor/date_time.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/test_platform.h"

namespace kelvor {
namespace {

using testing::TestPlatform;

constexpr double kMinute = 1.0 / (24 * 60);

TEST(DateTimeValues, CountDaysFromTheLastDaysOf1899) {
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(1900, 1, 1, 0, 0), 2.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2010, 3, 5, 0, 0), 40242.0);
    EXPECT_NEAR(EncodeDateTime(2010, 3, 5, 14, 30), 40242.0 + 870 * kMinute, 1e-9);

    const platform::CivilTime t = DecodeDateTime(EncodeDateTime(2012, 12, 31, 23, 59, 58));
    EXPECT_EQ(t.year, 2012);
    EXPECT_EQ(t.month, 12);
    EXPECT_EQ(t.day, 31);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    EXPECT_EQ(t.second, 58);
    EXPECT_EQ(t.dayOfWeek, 1);  // a Monday
}

TEST(DateTimeValues, LeapYearsAndDaysOfTheYear) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_FALSE(IsLeapYear(2011));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2012));

    EXPECT_EQ(DayOfYear(1, 1, 2011), 1);
    EXPECT_EQ(DayOfYear(3, 1, 2011), 60);
    EXPECT_EQ(DayOfYear(3, 1, 2012), 61);
    EXPECT_EQ(DayOfYear(12, 31, 2011), 365);
    EXPECT_EQ(DayOfYear(12, 31, 2012), 366);
    EXPECT_EQ(DayOfYear(0, 5, 2012), 0);  // no month: no day of the year
}

TEST(Resvalue, ReadsDateAndTimeButNotSeconds) {
    TestPlatform t;
    t.state.dateTime.valueText = "20100305T143059Z";
    Resvalue(t.state);
    EXPECT_EQ(t.state.dateTime.year, 2010);
    EXPECT_EQ(t.state.dateTime.month, 3);
    EXPECT_EQ(t.state.dateTime.day, 5);
    EXPECT_EQ(t.state.dateTime.hour, 14);
    EXPECT_EQ(t.state.dateTime.minute, 30);
    EXPECT_NEAR(t.state.dateTime.value, 40242.0 + 870 * kMinute, 1e-9);

    t.state.dateTime.valueText = "20100305";
    Resvalue(t.state);
    EXPECT_DOUBLE_EQ(t.state.dateTime.value, 40242.0);

    // Too short: the day slice is "5" and the time slices are empty.
    t.state.dateTime.valueText = "2010035";
    Resvalue(t.state);
    EXPECT_DOUBLE_EQ(t.state.dateTime.value, 40242.0);
    EXPECT_TRUE(t.logMessages().empty());
}

TEST(Resvalue, AnInvalidValueIsLoggedAndKeepsTheLastValue) {
    TestPlatform t;
    t.state.dateTime.value = 123.5;
    t.state.dateTime.valueText = "20101305T100000";
    Resvalue(t.state);
    EXPECT_EQ(t.state.dateTime.month, 13);
    EXPECT_EQ(t.state.dateTime.hour, 10);
    EXPECT_DOUBLE_EQ(t.state.dateTime.value, 123.5);

    t.state.dateTime.valueText = "20100305T240000";
    Resvalue(t.state);
    t.state.dateTime.valueText = "";
    Resvalue(t.state);
    EXPECT_DOUBLE_EQ(t.state.dateTime.value, 123.5);
    EXPECT_EQ(t.logMessages(), (std::vector<std::string>{"Exception in Resvalue: 20101305T100000",
                                                         "Exception in Resvalue: 20100305T240000",
                                                         "Exception in Resvalue: "}));
}

TEST(ToLocalTime, ConvertsUtcAndRewritesTheValueText) {
    TestPlatform t;
    t.state.tracing = true;
    t.timeZone.offsetMinutes = 60;
    t.state.dateTime.valueText = "20100305T143000Z";
    Resvalue(t.state);
    ToLocalTime(t.state);
    EXPECT_EQ(t.state.dateTime.valueText, "20100305T153000");
    EXPECT_EQ(t.state.dateTime.hour, 15);
    EXPECT_NEAR(t.state.dateTime.value, 40242.0 + 930 * kMinute, 1e-9);
    EXPECT_EQ(t.logMessages(), (std::vector<std::string>{"Original time: 20100305T143000Z",
                                                         "Modified time: 20100305T153000"}));

    t.state.dateTime.valueText = "20101231T233000Z";
    Resvalue(t.state);
    ToLocalTime(t.state);
    EXPECT_EQ(t.state.dateTime.valueText, "20110101T003000");
    EXPECT_EQ(t.state.dateTime.year, 2011);
}

TEST(ToLocalTime, AFailedConversionLeavesValueAndText) {
    TestPlatform t;
    t.state.tracing = true;
    t.timeZone.failConversion = true;
    t.state.dateTime.valueText = "20100305T143000Z";
    Resvalue(t.state);
    ToLocalTime(t.state);
    EXPECT_EQ(t.state.dateTime.valueText, "20100305T143000Z");
    EXPECT_NEAR(t.state.dateTime.value, 40242.0 + 870 * kMinute, 1e-9);
    EXPECT_EQ(t.logMessages(),
              std::vector<std::string>{"Exception in Resvalue GMT to Local: 20100305T143000Z"});

    // Parts left invalid by a failed reading cannot be converted either.
    TestPlatform u;
    u.state.dateTime.valueText = "20101305T100000Z";
    Resvalue(u.state);
    u.state.tracing = true;
    ToLocalTime(u.state);
    EXPECT_EQ(u.state.dateTime.valueText, "20101305T100000Z");
    EXPECT_EQ(u.logMessages().back(), "Exception in Resvalue GMT to Local: 20101305T100000Z");
}

TEST(ReadDuration, ReadsWeeksDaysHoursMinutesAndSeconds) {
    EXPECT_NEAR(ReadDuration("PT1H30M"), 90 * kMinute, 1e-9);
    EXPECT_NEAR(ReadDuration("PT45M"), 45 * kMinute, 1e-9);
    EXPECT_NEAR(ReadDuration("PT10H5M"), 605 * kMinute, 1e-9);
    EXPECT_NEAR(ReadDuration("PT2H"), 120 * kMinute, 1e-9);
    EXPECT_NEAR(ReadDuration("PT90M"), 90 * kMinute, 1e-9);
    EXPECT_NEAR(ReadDuration("P1D"), 1.0, 1e-9);
    EXPECT_NEAR(ReadDuration("P1W"), 7.0, 1e-9);
    EXPECT_NEAR(ReadDuration("P1DT2H"), 1.0 + 120 * kMinute, 1e-9);
    EXPECT_NEAR(ReadDuration("PT30S"), 0.5 * kMinute, 1e-9);
    EXPECT_NEAR(ReadDuration("-PT15M"), -15 * kMinute, 1e-9);
    EXPECT_DOUBLE_EQ(ReadDuration(""), 0.0);
    EXPECT_DOUBLE_EQ(ReadDuration("P"), 0.0);
}

TEST(FormatDateTime, PatternsOfTheCalendarCode) {
    const DateTime friday = EncodeDateTime(2010, 3, 5, 9, 30, 7);
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", friday), "2010/03/05 09:30");
    EXPECT_EQ(FormatDateTime("yyyymmdd\"T\"hhnnss", friday), "20100305T093007");
    EXPECT_EQ(FormatDateTime("ddd dd-mmm-yyyy", friday), "Fri 05-Mar-2010");
    EXPECT_EQ(FormatDateTime("dd-mmm-yyyy", friday), "05-Mar-2010");
    EXPECT_EQ(FormatDateTime("dd-mmm-yyyy hh:nn", friday), "05-Mar-2010 09:30");
    EXPECT_EQ(FormatDateTime("hh:mm", friday), "09:30");
    EXPECT_EQ(FormatDateTime("dd mmm yyy", friday), "05 Mar 2010");
    EXPECT_EQ(FormatDateTime("dd mmm yyyy", EncodeDateTime(2010, 12, 31, 0, 0)), "31 Dec 2010");
    EXPECT_EQ(FormatDateTime("mmm-dd-yyyy", friday), "Mar-05-2010");
    EXPECT_EQ(FormatDateTime("d.mmm yyyy", friday), "5.Mar 2010");
    EXPECT_EQ(FormatDateTime("yy m d h:n", friday), "10 3 5 9:30");
    EXPECT_EQ(FormatDateTime("dddd d mmmm", EncodeDateTime(2012, 12, 31, 0, 0)),
              "Monday 31 December");
    EXPECT_EQ(FormatDateTime("ddd", EncodeDateTime(2011, 1, 2, 0, 0)), "Sun");
    EXPECT_EQ(FormatDateTime("ddd", EncodeDateTime(2011, 1, 8, 0, 0)), "Sat");
    // Spans shown as a time of day.
    EXPECT_EQ(FormatDateTime("hh:mm", 90 * kMinute), "01:30");
    EXPECT_EQ(FormatDateTime("hh:mm", 2.0 + 210 * kMinute), "03:30");
}

}  // namespace
}  // namespace kelvor
