#include "platform/posix/posix_clock.h"

#include <chrono>
#include <ctime>

namespace kelvor::platform {

CivilTime PosixClock::localNow() const {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto sinceEpoch = now.time_since_epoch();
    const auto millisecond =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    std::tm local{};
    CivilTime civil;
    if (::localtime_r(&seconds, &local) == nullptr) {
        return civil;
    }
    civil.year = local.tm_year + 1900;
    civil.month = local.tm_mon + 1;
    civil.day = local.tm_mday;
    civil.hour = local.tm_hour;
    civil.minute = local.tm_min;
    civil.second = local.tm_sec > 59 ? 59 : local.tm_sec;  // a leap second reads as :59
    civil.millisecond = static_cast<int>(millisecond < 0 ? millisecond + 1000 : millisecond);
    civil.dayOfWeek = local.tm_wday;
    return civil;
}

std::uint64_t PosixClock::milliseconds() const {
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

}  // namespace kelvor::platform
