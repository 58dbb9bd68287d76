#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "platform/time_zone.h"

namespace kelvor::platform {

// The zone of the process as the C library sees it: the TZ variable (a rule such as
// "CET-1CEST,M3.5.0,M10.5.0/3", or a zone name or file read from the zone database), else
// /etc/localtime, else UTC.
class PosixTimeZone : public SystemTimeZone {
  public:
    std::optional<TimeZoneInformation> information() const override;
    std::optional<CivilTime> utcToLocal(const CivilTime& utc) const override;

    // The same answer for another moment than now (which period is in force, and the change
    // dates of that moment's year).
    std::optional<TimeZoneInformation> informationAt(std::time_t moment) const;

  private:
    // The rule text that governs the process zone, or nothing when no rule can be found.
    std::optional<std::string> ruleText() const;
};

}  // namespace kelvor::platform
