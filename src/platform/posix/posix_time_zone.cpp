#include "platform/posix/posix_time_zone.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/posix/posix_tz_rule.h"

namespace kelvor::platform {

namespace {

constexpr const char* kDefaultZoneFolder = "/usr/share/zoneinfo";

std::optional<std::string> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes.str();
}

// The file a TZ value names, as the C library looks it up.
std::string ZoneFilePath(const std::string& name) {
    if (!name.empty() && name[0] == '/') {
        return name;
    }
    const char* folder = std::getenv("TZDIR");
    return std::string(folder && *folder ? folder : kDefaultZoneFolder) + "/" + name;
}

}  // namespace

std::optional<std::string> PosixTimeZone::ruleText() const {
    const char* tz = std::getenv("TZ");
    if (tz == nullptr) {
        auto bytes = ReadFile("/etc/localtime");
        if (!bytes) {
            return std::string("UTC0");  // the C library's zone when nothing is configured
        }
        return TzifFooter(*bytes);
    }
    std::string value = tz;
    if (value.empty()) {
        return std::string("UTC0");
    }
    if (value[0] == ':') {
        value.erase(0, 1);
    }
    // A zone database file wins over a rule of the same spelling, as in the C library.
    if (!value.empty() && value.find("..") == std::string::npos) {
        if (auto bytes = ReadFile(ZoneFilePath(value))) {
            if (bytes->compare(0, 4, "TZif") == 0) {
                return TzifFooter(*bytes);
            }
        }
    }
    return value;
}

std::optional<TimeZoneInformation> PosixTimeZone::information() const {
    return informationAt(std::time(nullptr));
}

std::optional<TimeZoneInformation> PosixTimeZone::informationAt(std::time_t moment) const {
    tzset();
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr) {
        return std::nullopt;
    }
    const std::optional<std::string> text = ruleText();
    const std::optional<PosixZoneRule> rule = text ? ParsePosixTzRule(*text) : std::nullopt;
    if (!rule) {
        // No rule to read (an old zone file, or a TZ value the C library takes for UTC):
        // tell what the C library applies at that moment, without change dates.
        if (local.tm_isdst > 0) {
            return std::nullopt;
        }
        TimeZoneInformation info;
        info.bias = static_cast<int>(-local.tm_gmtoff / 60);
        info.inForce = ZonePeriodInForce::Standard;
        return info;
    }
    TimeZoneInformation info = ZoneInformationFromRule(*rule, local.tm_year + 1900);
    const long standardOffset = -60L * info.bias;
    const long daylightOffset = -60L * (info.bias + info.daylightBias);
    if (!rule->hasDaylight || standardOffset == daylightOffset) {
        info.inForce = rule->hasDaylight && local.tm_isdst > 0 ? ZonePeriodInForce::Daylight
                                                               : ZonePeriodInForce::Standard;
    } else {
        info.inForce = local.tm_gmtoff == daylightOffset ? ZonePeriodInForce::Daylight
                                                         : ZonePeriodInForce::Standard;
    }
    return info;
}

std::optional<CivilTime> PosixTimeZone::utcToLocal(const CivilTime& utc) const {
    tzset();
    std::tm in{};
    in.tm_year = utc.year - 1900;
    in.tm_mon = utc.month - 1;
    in.tm_mday = utc.day;
    in.tm_hour = utc.hour;
    in.tm_min = utc.minute;
    in.tm_sec = utc.second;
    const std::time_t moment = timegm(&in);
    std::tm out{};
    if (localtime_r(&moment, &out) == nullptr) {
        return std::nullopt;
    }
    CivilTime local;
    local.year = out.tm_year + 1900;
    local.month = out.tm_mon + 1;
    local.day = out.tm_mday;
    local.hour = out.tm_hour;
    local.minute = out.tm_min;
    local.second = out.tm_sec;
    local.millisecond = utc.millisecond;
    local.dayOfWeek = out.tm_wday;
    return local;
}

}  // namespace kelvor::platform
