#include "kelvor/date_time.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"

namespace kelvor {

namespace {

constexpr std::int64_t kMillisecondsPerDay = 86400000;

// Days in the year before the first day of each month of a common year.
constexpr std::uint16_t kDaysBeforeMonth[12] = {0,   31,  59,  90,  120, 151,
                                                181, 212, 243, 273, 304, 334};

// Days from 1 January of year 1 of the proleptic Gregorian calendar.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

const std::int64_t kEpochDays = DaysFromCivil(1899, 12, 30);

// Reads a slice of the value text as a number: leading blanks skipped, digits up to the first
// other character, 0 when no digit starts it. A slice beyond the end of the text is empty.
std::uint16_t SliceNumber(const std::string& text, std::size_t first, std::size_t count) {
    if (first >= text.size()) {
        return 0;
    }
    const std::string slice = text.substr(first, count);
    std::size_t i = 0;
    while (i < slice.size() && slice[i] == ' ') {
        ++i;
    }
    unsigned number = 0;
    for (; i < slice.size() && slice[i] >= '0' && slice[i] <= '9'; ++i) {
        number = number * 10 + static_cast<unsigned>(slice[i] - '0');
    }
    return static_cast<std::uint16_t>(number);
}

}  // namespace

bool IsLeapYear(std::uint16_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

std::uint16_t DayOfYear(std::uint16_t month, std::uint16_t day, std::uint16_t year) {
    if (month < 1 || month > 12) {
        return 0;
    }
    std::uint16_t result = static_cast<std::uint16_t>(kDaysBeforeMonth[month - 1] + day);
    if (month > 2 && IsLeapYear(year)) {
        ++result;
    }
    return result;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    if (month == 2 && year >= 0 && IsLeapYear(static_cast<std::uint16_t>(year))) {
        return 29;
    }
    return kDays[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

bool IsValidTime(int hour, int minute, int second) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60;
}

int DayOfWeek(int year, int month, int day) {
    // 1 January of year 1 was a Monday.
    const std::int64_t days = DaysFromCivil(year, month, day) - DaysFromCivil(1, 1, 1);
    return static_cast<int>(((days + 1) % 7 + 7) % 7);
}

DateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
    const auto days = static_cast<double>(DaysFromCivil(year, month, day) - kEpochDays);
    return days + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

platform::CivilTime DecodeDateTime(DateTime value) {
    std::int64_t days = 0;
    std::int64_t milliseconds = 0;
    if (value >= 0) {
        const auto total = static_cast<std::int64_t>(std::llround(value * kMillisecondsPerDay));
        days = total / kMillisecondsPerDay;
        milliseconds = total % kMillisecondsPerDay;
    } else {
        // Before the epoch the day counts down while the fraction still tells the time of day.
        const double whole = std::trunc(value);
        days = static_cast<std::int64_t>(whole);
        milliseconds = std::llround((whole - value) * kMillisecondsPerDay);
        if (milliseconds >= kMillisecondsPerDay) {
            milliseconds = kMillisecondsPerDay - 1;
        }
    }
    platform::CivilTime civil;
    CivilFromDays(days + kEpochDays, civil.year, civil.month, civil.day);
    civil.hour = static_cast<int>(milliseconds / 3600000);
    civil.minute = static_cast<int>(milliseconds / 60000 % 60);
    civil.second = static_cast<int>(milliseconds / 1000 % 60);
    civil.millisecond = static_cast<int>(milliseconds % 1000);
    civil.dayOfWeek = DayOfWeek(civil.year, civil.month, civil.day);
    return civil;
}

void Resvalue(KelvorState& state) {
    DateTimeState& dt = state.dateTime;
    const std::string& text = dt.valueText;
    dt.year = SliceNumber(text, 0, 4);
    dt.month = SliceNumber(text, 4, 2);
    dt.day = SliceNumber(text, 6, 2);
    dt.hour = SliceNumber(text, 9, 2);
    dt.minute = SliceNumber(text, 11, 2);
    if (!IsValidDate(dt.year, dt.month, dt.day) || !IsValidTime(dt.hour, dt.minute)) {
        LogLine(state, "Exception in Resvalue: " + text);
        return;
    }
    dt.value = EncodeDateTime(dt.year, dt.month, dt.day, dt.hour, dt.minute);
}

void ToLocalTime(KelvorState& state) {
    DateTimeState& dt = state.dateTime;
    const bool partsValid = IsValidDate(dt.year, dt.month, dt.day) &&
                            IsValidTime(dt.hour, dt.minute, dt.second) && dt.millisecond < 1000;
    std::optional<platform::CivilTime> local;
    if (partsValid) {
        platform::CivilTime utc;
        utc.year = dt.year;
        utc.month = dt.month;
        utc.day = dt.day;
        utc.hour = dt.hour;
        utc.minute = dt.minute;
        utc.second = dt.second;
        utc.millisecond = dt.millisecond;
        utc.dayOfWeek = DayOfWeek(utc.year, utc.month, utc.day);
        local = state.platform.timeZone.utcToLocal(utc);
    }
    if (!local || !IsValidDate(local->year, local->month, local->day) ||
        !IsValidTime(local->hour, local->minute, local->second) || local->millisecond < 0 ||
        local->millisecond >= 1000) {
        LogTraced(state, "Exception in Resvalue GMT to Local: " + dt.valueText);
        return;
    }
    dt.value = EncodeDateTime(local->year, local->month, local->day, local->hour, local->minute,
                              local->second) +
               local->millisecond / static_cast<double>(kMillisecondsPerDay);
    dt.year = static_cast<std::uint16_t>(local->year);
    dt.month = static_cast<std::uint16_t>(local->month);
    dt.day = static_cast<std::uint16_t>(local->day);
    dt.hour = static_cast<std::uint16_t>(local->hour);
    dt.minute = static_cast<std::uint16_t>(local->minute);
    dt.second = static_cast<std::uint16_t>(local->second);
    dt.millisecond = static_cast<std::uint16_t>(local->millisecond);
    LogTraced(state, "Original time: " + dt.valueText);
    dt.valueText = FormatDateTime("yyyymmdd\"T\"hhnnss", dt.value);
    LogTraced(state, "Modified time: " + dt.valueText);
}

}  // namespace kelvor
