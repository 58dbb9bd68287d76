#include <cctype>
#include <string>

#include "kelvor/date_time.h"

namespace kelvor {

namespace {

constexpr const char* kShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kLongMonthNames[12] = {"January",   "February", "March",    "April",
                                             "May",       "June",     "July",     "August",
                                             "September", "October",  "November", "December"};
constexpr const char* kShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kLongDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

void AppendNumber(std::string& out, int number, int digits) {
    std::string text = std::to_string(number < 0 ? -number : number);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    if (number < 0) {
        out.push_back('-');
    }
    out += text;
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, DateTime value) {
    const platform::CivilTime t = DecodeDateTime(value);
    const int monthIndex = t.month >= 1 && t.month <= 12 ? t.month - 1 : 0;
    const int dayIndex = t.dayOfWeek >= 0 && t.dayOfWeek <= 6 ? t.dayOfWeek : 0;
    std::string out;
    // An "m" right after an hour letter means minutes; letters in between other than hour or
    // minute letters cancel that, characters that are not letters do not.
    char lastLetter = ' ';
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = pattern.find(c, i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            out.append(pattern.substr(i + 1, end - i - 1));
            i = end == pattern.size() ? end : end + 1;
            continue;
        }
        std::size_t count = 1;
        while (i + count < pattern.size() && pattern[i + count] == c) {
            ++count;
        }
        char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (std::isalpha(static_cast<unsigned char>(letter))) {
            if (letter == 'M' && lastLetter == 'H') {
                letter = 'N';
            }
            lastLetter = letter;
        }
        switch (letter) {
            case 'Y':
                if (count <= 2) {
                    AppendNumber(out, t.year % 100, 2);
                } else {
                    AppendNumber(out, t.year, 4);
                }
                break;
            case 'M':
                if (count <= 2) {
                    AppendNumber(out, t.month, static_cast<int>(count));
                } else if (count == 3) {
                    out += kShortMonthNames[monthIndex];
                } else {
                    out += kLongMonthNames[monthIndex];
                }
                break;
            case 'D':
                if (count <= 2) {
                    AppendNumber(out, t.day, static_cast<int>(count));
                } else if (count == 3) {
                    out += kShortDayNames[dayIndex];
                } else {
                    out += kLongDayNames[dayIndex];
                }
                break;
            case 'H':
                AppendNumber(out, t.hour, count == 1 ? 1 : 2);
                break;
            case 'N':
                AppendNumber(out, t.minute, count == 1 ? 1 : 2);
                break;
            case 'S':
                AppendNumber(out, t.second, count == 1 ? 1 : 2);
                break;
            case 'Z':
                AppendNumber(out, t.millisecond, count == 1 ? 1 : 3);
                break;
            default:
                out.append(pattern.substr(i, count));
                break;
        }
        i += count;
    }
    return out;
}

}  // namespace kelvor
