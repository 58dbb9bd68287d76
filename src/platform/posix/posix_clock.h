#pragma once

#include "platform/clock.h"

namespace kelvor::platform {

// The system clock in the local zone of the process (TZ or /etc/localtime).
class PosixClock : public Clock {
  public:
    CivilTime localNow() const override;
    std::uint64_t milliseconds() const override;
};

}  // namespace kelvor::platform
