#include <cctype>
#include <cstdint>

#include "kelvor/date_time.h"

namespace kelvor {

namespace {
// Large enough for any real duration, small enough that a number times its unit cannot
// overflow; the sum is bounded by kLongestSeconds after each part.
constexpr std::int64_t kNumberLimit = 100000000;
constexpr std::int64_t kLongestSeconds = static_cast<std::int64_t>(kLongestDuration) * 86400;
}  // namespace

DateTime ReadDuration(std::string_view value, bool* capped) {
    bool beyond = false;
    std::int64_t seconds = 0;
    std::int64_t number = 0;
    bool inTimePart = false;
    bool negative = false;
    bool started = false;
    for (const char c : value) {
        if (c >= '0' && c <= '9') {
            number = number * 10 + (c - '0');
            if (number > kNumberLimit) {
                number = kNumberLimit;
            }
            continue;
        }
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (letter == '-' && !started) {
            negative = true;
        } else if (letter == 'P') {
            started = true;
        } else if (letter == 'T') {
            started = true;
            inTimePart = true;
        } else if (!inTimePart && letter == 'W') {
            seconds += number * 7 * 86400;
        } else if (!inTimePart && letter == 'D') {
            seconds += number * 86400;
        } else if (inTimePart && letter == 'H') {
            seconds += number * 3600;
        } else if (inTimePart && letter == 'M') {
            seconds += number * 60;
        } else if (inTimePart && letter == 'S') {
            seconds += number;
        }
        // Anything else (years and months have no fixed length) is passed over with its number.
        number = 0;
        if (seconds > kLongestSeconds) {
            seconds = kLongestSeconds;
            beyond = true;
        }
    }
    if (capped != nullptr) {
        *capped = beyond;
    }
    const DateTime span = static_cast<double>(seconds) / 86400.0;
    return negative ? -span : span;
}

}  // namespace kelvor
