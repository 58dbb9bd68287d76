#include "platform/posix/posix_clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace kelvor::platform {
namespace {

TEST(PosixClock, LocalNowIsTheSystemsLocalTime) {
    PosixClock clock;
    // Taken twice around the reading so a minute that turns over in between cannot fail it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::time_t before = std::time(nullptr);
        const CivilTime now = clock.localNow();
        const std::time_t after = std::time(nullptr);
        if (before / 60 != after / 60) {
            continue;
        }
        std::tm local{};
        ASSERT_NE(::localtime_r(&before, &local), nullptr);
        EXPECT_EQ(now.year, local.tm_year + 1900);
        EXPECT_EQ(now.month, local.tm_mon + 1);
        EXPECT_EQ(now.day, local.tm_mday);
        EXPECT_EQ(now.hour, local.tm_hour);
        EXPECT_EQ(now.minute, local.tm_min);
        EXPECT_EQ(now.dayOfWeek, local.tm_wday);
        EXPECT_GE(now.millisecond, 0);
        EXPECT_LT(now.millisecond, 1000);
        return;
    }
    FAIL() << "the minute kept turning over";
}

TEST(PosixClock, MillisecondsNeverGoBack) {
    PosixClock clock;
    const auto first = clock.milliseconds();
    const auto second = clock.milliseconds();
    EXPECT_GE(second, first);
}

}  // namespace
}  // namespace kelvor::platform
