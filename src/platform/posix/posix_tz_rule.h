#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/time_zone.h"

namespace kelvor::platform {

// One change date of a POSIX TZ rule: "Mm.w.d" (weekday d of week w of month m, week 5 the
// last), "Jn" (day n of 1..365, 29 February never counted) or "n" (day n of 0..365).
struct PosixChangeDate {
    enum class Kind { MonthWeekDay, JulianNoLeap, JulianZeroBased };
    Kind kind = Kind::MonthWeekDay;
    int month = 0;
    int week = 0;
    int weekday = 0;
    int day = 0;
    int secondsAfterMidnight = 7200;  // local time of the change, may lie outside 0..24 h
};

// A POSIX TZ rule such as "CET-1CEST,M3.5.0,M10.5.0/3". Offsets are seconds east of UTC (the
// rule text writes them west of UTC).
struct PosixZoneRule {
    std::string standardName;
    int standardOffset = 0;
    bool hasDaylight = false;
    std::string daylightName;
    int daylightOffset = 0;
    PosixChangeDate daylightStarts;
    PosixChangeDate daylightEnds;
};

// Nothing when the text is not a complete rule.
std::optional<PosixZoneRule> ParsePosixTzRule(std::string_view text);

// The rule line at the end of a version 2 or later TZif file; nothing for other files and for
// files whose rule line is empty.
std::optional<std::string> TzifFooter(std::string_view bytes);

// The rule in the form the calendar code asks for, with the change dates of the given year.
// A rule whose "daylight" time lies behind its standard time (as Irish winter time does) is
// turned round, so that daylight time is always the later clock.
TimeZoneInformation ZoneInformationFromRule(const PosixZoneRule& rule, int year);

}  // namespace kelvor::platform
