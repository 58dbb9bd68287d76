#pragma once

#include <optional>

#include "platform/clock.h"

namespace kelvor::platform {

// When a period begins, in the system's recurring-rule form: the weekday of a given week of a
// month (week 5 meaning the last such weekday). A month of 0 means the zone has no such change.
struct ZoneTransition {
    int month = 0;      // 1..12, 0 = none
    int week = 0;       // 1..5, 5 = last
    int dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
    int hour = 0;
    int minute = 0;
};

enum class ZonePeriodInForce { Unknown, Standard, Daylight };

// The system zone as the calendar code wants it: biases in minutes are what is added to local
// time to give UTC (so a zone east of UTC has a negative bias).
struct TimeZoneInformation {
    int bias = 0;
    int standardBias = 0;
    int daylightBias = 0;
    ZoneTransition standardDate;
    ZoneTransition daylightDate;
    ZonePeriodInForce inForce = ZonePeriodInForce::Unknown;
};

class SystemTimeZone {
  public:
    virtual ~SystemTimeZone() = default;
    // Nothing when the system cannot tell its zone.
    virtual std::optional<TimeZoneInformation> information() const = 0;
    // Converts a UTC civil time into the local civil time of the system zone, with the
    // daylight rules in force on that date; nothing when the time cannot be converted.
    virtual std::optional<CivilTime> utcToLocal(const CivilTime& utc) const = 0;
};

}  // namespace kelvor::platform
