#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace kelvor {

struct KelvorState;

// Days since 30 December 1899; the fraction is the time of day.
using DateTime = double;

// The last date-time value read from the stream, shared by the parser and the rule readers.
struct DateTimeState {
    std::string valueText;  // the value being read; ToLocalTime rewrites it
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t millisecond = 0;
    DateTime value = 0;
};

// Reads dateTime.valueText into the numeric parts and the last value.
void Resvalue(KelvorState& state);
// Converts the last value from UTC to the system's local time; rewrites parts and text.
void ToLocalTime(KelvorState& state);

bool IsLeapYear(std::uint16_t year);
std::uint16_t DayOfYear(std::uint16_t month, std::uint16_t day, std::uint16_t year);

// A DURATION value as a span of days (weeks, days, hours, minutes and seconds are read; a
// leading "-" makes the span negative; years and months, which have no fixed length, are not).
// A duration longer than kLongestDuration (about 100 years) is read as that, and `capped` (when
// given) is set.
DateTime ReadDuration(std::string_view value, bool* capped = nullptr);
inline constexpr DateTime kLongestDuration = 36525;

// Building and taking apart date-time values.
DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second = 0);
bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second = 0);
// The civil parts of a value (the day of the week included); the time is rounded to the
// millisecond, and a negative value keeps its time of day as the size of its fraction.
platform::CivilTime DecodeDateTime(DateTime value);
// Days in a month of a year, 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// 0 = Sunday .. 6 = Saturday.
int DayOfWeek(int year, int month, int day);

// Formats a value with a date-time pattern: yyyy, yy, mm / m (month, or minutes after hh or h),
// mmm (short month name), dd / d, ddd (short day name), hh / h, nn / n, ss / s, and text in
// double quotes taken literally. Month and day names are English.
std::string FormatDateTime(std::string_view pattern, DateTime value);

}  // namespace kelvor
