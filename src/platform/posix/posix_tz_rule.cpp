#include "platform/posix/posix_tz_rule.h"

#include <cctype>
#include <cstdint>
#include <utility>

namespace kelvor::platform {

namespace {

bool IsLeap(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// 0 = Sunday .. 6 = Saturday.
int Weekday(int year, int month, int day) {
    static constexpr int kOffsets[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) {
        --year;
    }
    return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

class RuleReader {
  public:
    explicit RuleReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[position_]; }
    bool take(char c) {
        if (peek() != c) {
            return false;
        }
        ++position_;
        return true;
    }

    // A zone abbreviation: three or more letters, or anything up to ">" inside "<" and ">".
    bool name(std::string& out) {
        std::size_t start = position_;
        if (take('<')) {
            const std::size_t close = text_.find('>', position_);
            if (close == std::string_view::npos) {
                return false;
            }
            out = std::string(text_.substr(position_, close - position_));
            position_ = close + 1;
        } else {
            while (std::isalpha(static_cast<unsigned char>(peek()))) {
                ++position_;
            }
            out = std::string(text_.substr(start, position_ - start));
        }
        return out.size() >= 3;
    }

    // [+|-]hh[:mm[:ss]] in seconds.
    bool time(int& seconds) {
        const bool negative = take('-');
        if (!negative) {
            take('+');
        }
        int parts[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && !take(':')) {
                break;
            }
            if (!number(parts[i], i == 0 ? 167 : 59)) {
                return false;
            }
        }
        seconds = parts[0] * 3600 + parts[1] * 60 + parts[2];
        if (negative) {
            seconds = -seconds;
        }
        return true;
    }

    bool number(int& out, int limit) {
        if (!std::isdigit(static_cast<unsigned char>(peek()))) {
            return false;
        }
        out = 0;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
            out = out * 10 + (text_[position_++] - '0');
            if (out > limit) {
                return false;
            }
        }
        return true;
    }

    bool changeDate(PosixChangeDate& date) {
        if (take('M')) {
            date.kind = PosixChangeDate::Kind::MonthWeekDay;
            if (!number(date.month, 12) || date.month < 1 || !take('.') || !number(date.week, 5) ||
                date.week < 1 || !take('.') || !number(date.weekday, 6)) {
                return false;
            }
        } else if (take('J')) {
            date.kind = PosixChangeDate::Kind::JulianNoLeap;
            if (!number(date.day, 365) || date.day < 1) {
                return false;
            }
        } else {
            date.kind = PosixChangeDate::Kind::JulianZeroBased;
            if (!number(date.day, 365)) {
                return false;
            }
        }
        date.secondsAfterMidnight = 7200;
        return !take('/') || time(date.secondsAfterMidnight);
    }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

ZoneTransition TransitionFor(const PosixChangeDate& date, int year) {
    ZoneTransition change;
    change.hour = date.secondsAfterMidnight / 3600;
    change.minute = date.secondsAfterMidnight % 3600 / 60;
    if (date.kind == PosixChangeDate::Kind::MonthWeekDay) {
        change.month = date.month;
        change.week = date.week;
        change.dayOfWeek = date.weekday;
        return change;
    }
    // A day-of-year rule names a fixed date; told as month, week and weekday it is right for
    // the year asked about.
    int dayOfYear = date.kind == PosixChangeDate::Kind::JulianZeroBased ? date.day + 1 : date.day;
    if (date.kind == PosixChangeDate::Kind::JulianNoLeap && IsLeap(year) && dayOfYear >= 60) {
        ++dayOfYear;
    }
    int month = 1;
    while (month < 12 && dayOfYear > MonthLength(year, month)) {
        dayOfYear -= MonthLength(year, month);
        ++month;
    }
    const int day = dayOfYear > MonthLength(year, month) ? MonthLength(year, month) : dayOfYear;
    change.month = month;
    change.week = day + 7 > MonthLength(year, month) ? 5 : (day - 1) / 7 + 1;
    change.dayOfWeek = Weekday(year, month, day);
    return change;
}

std::uint32_t BigEndian32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

}  // namespace

std::optional<PosixZoneRule> ParsePosixTzRule(std::string_view text) {
    RuleReader reader(text);
    PosixZoneRule rule;
    int westOfUtc = 0;
    if (!reader.name(rule.standardName) || !reader.time(westOfUtc)) {
        return std::nullopt;
    }
    rule.standardOffset = -westOfUtc;
    if (reader.atEnd()) {
        return rule;
    }
    if (!reader.name(rule.daylightName)) {
        return std::nullopt;
    }
    rule.hasDaylight = true;
    rule.daylightOffset = rule.standardOffset + 3600;
    const char next = reader.peek();
    if (next == '+' || next == '-' || std::isdigit(static_cast<unsigned char>(next))) {
        if (!reader.time(westOfUtc)) {
            return std::nullopt;
        }
        rule.daylightOffset = -westOfUtc;
    }
    if (reader.atEnd()) {
        // The C library's default when a rule names daylight time without dates.
        rule.daylightStarts = {PosixChangeDate::Kind::MonthWeekDay, 3, 2, 0, 0, 7200};
        rule.daylightEnds = {PosixChangeDate::Kind::MonthWeekDay, 11, 1, 0, 0, 7200};
        return rule;
    }
    if (!reader.take(',') || !reader.changeDate(rule.daylightStarts) || !reader.take(',') ||
        !reader.changeDate(rule.daylightEnds) || !reader.atEnd()) {
        return std::nullopt;
    }
    return rule;
}

std::optional<std::string> TzifFooter(std::string_view bytes) {
    if (bytes.size() < 44 || bytes.substr(0, 4) != "TZif" || bytes[4] < '2') {
        return std::nullopt;
    }
    // Skip the version 1 block, then read the second header's counts to find the footer.
    auto blockSize = [&](std::size_t header, std::size_t timeSize) -> std::uint64_t {
        const std::uint64_t isUtCount = BigEndian32(bytes, header + 20);
        const std::uint64_t isStdCount = BigEndian32(bytes, header + 24);
        const std::uint64_t leapCount = BigEndian32(bytes, header + 28);
        const std::uint64_t timeCount = BigEndian32(bytes, header + 32);
        const std::uint64_t typeCount = BigEndian32(bytes, header + 36);
        const std::uint64_t charCount = BigEndian32(bytes, header + 40);
        return timeCount * timeSize + timeCount + typeCount * 6 + charCount +
               leapCount * (timeSize + 4) + isStdCount + isUtCount;
    };
    const std::uint64_t secondHeader = 44 + blockSize(0, 4);
    if (secondHeader + 44 > bytes.size() || bytes.substr(secondHeader, 4) != "TZif") {
        return std::nullopt;
    }
    const std::uint64_t footerStart = secondHeader + 44 + blockSize(secondHeader, 8);
    if (footerStart >= bytes.size() || bytes[footerStart] != '\n') {
        return std::nullopt;
    }
    const std::size_t end = bytes.find('\n', footerStart + 1);
    if (end == std::string_view::npos || end == footerStart + 1) {
        return std::nullopt;
    }
    return std::string(bytes.substr(footerStart + 1, end - footerStart - 1));
}

TimeZoneInformation ZoneInformationFromRule(const PosixZoneRule& rule, int year) {
    int standardOffset = rule.standardOffset;
    int daylightOffset = rule.hasDaylight ? rule.daylightOffset : rule.standardOffset;
    PosixChangeDate daylightStarts = rule.daylightStarts;
    PosixChangeDate standardStarts = rule.daylightEnds;
    if (daylightOffset < standardOffset) {
        std::swap(standardOffset, daylightOffset);
        std::swap(daylightStarts, standardStarts);
    }
    TimeZoneInformation info;
    info.bias = -standardOffset / 60;
    info.standardBias = 0;
    info.daylightBias = -(daylightOffset - standardOffset) / 60;
    if (rule.hasDaylight) {
        info.daylightDate = TransitionFor(daylightStarts, year);
        info.standardDate = TransitionFor(standardStarts, year);
    }
    return info;
}

}  // namespace kelvor::platform
