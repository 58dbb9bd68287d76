#pragma once

#include <cstdint>

namespace kelvor::platform {

// A civil date and time as the system reports it, without a zone.
struct CivilTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
};

class Clock {
  public:
    virtual ~Clock() = default;
    // The local date and time of the system clock now.
    virtual CivilTime localNow() const = 0;
    // A steady millisecond count for animation and timing.
    virtual std::uint64_t milliseconds() const = 0;
};

}  // namespace kelvor::platform
