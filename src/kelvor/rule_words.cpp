#include "kelvor/rule_words.h"

#include <array>
#include <climits>
#include <utility>

namespace kelvor {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kDays{{
    {"SU", "Sun"},
    {"MO", "Mon"},
    {"TU", "Tue"},
    {"WE", "Wed"},
    {"TH", "Thu"},
    {"FR", "Fri"},
    {"SA", "Sat"},
}};

constexpr std::array<std::string_view, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

}  // namespace

std::string DayName(std::string_view code) {
    for (const auto& [dayCode, name] : kDays) {
        if (code == dayCode) {
            return std::string(name);
        }
    }
    return std::string(code);
}

std::string MonthNameOfText(std::string_view number) {
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (number == std::to_string(i + 1)) {
            return std::string(kMonths[i]);
        }
    }
    return std::string(number);
}

std::string MonthNameOfNumber(int number) {
    if (number < 1 || number > 12) {
        return {};
    }
    return std::string(kMonths[static_cast<std::size_t>(number - 1)]);
}

int LeadingNumber(std::string_view text) {
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        number = number * 10 + (c - '0');
        if (number > INT_MAX) {
            return INT_MAX;
        }
    }
    return static_cast<int>(number);
}

}  // namespace kelvor
