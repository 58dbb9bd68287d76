#include "kelvor/zone_names.h"

#include <algorithm>
#include <cstdlib>

namespace kelvor {

namespace {

constexpr std::size_t kZoneNameLength = 35;
constexpr std::size_t kVendorNameLength = 255;
constexpr int kLargestOffsetHours = 14;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Reads one or two digits at i; nothing when none stands there.
std::optional<int> ReadDigits(std::string_view text, std::size_t& i, std::size_t most) {
    const std::size_t first = i;
    int number = 0;
    while (i < text.size() && i - first < most && IsDigit(text[i])) {
        number = number * 10 + (text[i] - '0');
        ++i;
    }
    if (i == first) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::string TzidParameterValue(std::string_view parameters, std::size_t at) {
    const std::size_t first = at + 5;  // after "TZID="
    if (first > parameters.size()) {
        return "";
    }
    bool quoted = false;
    std::size_t i = first;
    for (; i < parameters.size(); ++i) {
        const char c = parameters[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == ';' || c == ':')) {
            break;
        }
    }
    return std::string(parameters.substr(first, i - first));
}

std::string CutZoneName(std::string_view name) {
    return std::string(name.substr(0, kZoneNameLength));
}

ZoneName SenderZoneName(std::string_view tzid) {
    ZoneName result;
    std::string name;
    name.reserve(tzid.size());
    for (const char c : tzid) {
        name.push_back(Upper(c));
    }
    if (!name.empty() && name.front() == '"') {
        const std::size_t closing = name.find('"', 1);
        name = name.substr(1, closing == std::string::npos ? std::string::npos : closing - 1);
    }
    // Outlook leads its display names with the offset: "(UTC+01:00) Amsterdam, Berlin, ...".
    if (!name.empty() && name.front() == '(') {
        const std::size_t closing = name.find(')');
        if (closing != std::string::npos) {
            name.erase(0, closing + 2);
            result.offsetPrefixRemoved = true;
        }
    }
    const bool vendorPrefixed = !name.empty() && name.front() == '/';
    name.resize(std::min(name.size(), vendorPrefixed ? kVendorNameLength : kZoneNameLength));
    for (char& c : name) {
        if (c == ' ') {
            c = '_';
        }
    }
    result.name = std::move(name);
    return result;
}

std::string SignedOffset(int minutesEastOfUtc) {
    const int size = std::abs(minutesEastOfUtc);
    std::string text;
    text += minutesEastOfUtc < 0 ? '-' : '+';
    text += static_cast<char>('0' + size / 60 / 10 % 10);
    text += static_cast<char>('0' + size / 60 % 10);
    text += ':';
    text += static_cast<char>('0' + size % 60 / 10);
    text += static_cast<char>('0' + size % 60 % 10);
    return text;
}

std::optional<std::string> OffsetOfZoneName(std::string_view name) {
    if (!name.starts_with("UTC") && !name.starts_with("GMT")) {
        return std::nullopt;
    }
    if (name.size() == 3) {
        return SignedOffset(0);
    }
    const char sign = name[3];
    if (sign != '+' && sign != '-') {
        return std::nullopt;
    }
    std::size_t i = 4;
    const auto hours = ReadDigits(name, i, 2);
    if (!hours) {
        return std::nullopt;
    }
    int minutes = 0;
    if (i < name.size()) {
        if (name[i] != ':' || name.size() - i != 3) {
            return std::nullopt;
        }
        ++i;
        const auto written = ReadDigits(name, i, 2);
        if (!written || i != name.size()) {
            return std::nullopt;
        }
        minutes = *written;
    }
    if (*hours > kLargestOffsetHours || minutes > 59) {
        return std::nullopt;
    }
    const int east = *hours * 60 + minutes;
    return SignedOffset(sign == '-' ? -east : east);
}

std::optional<std::string> OffsetOfUtcOffsetValue(std::string_view value) {
    if (value.empty() || (value.front() != '+' && value.front() != '-')) {
        return std::nullopt;
    }
    std::size_t i = 1;
    const auto hours = ReadDigits(value, i, 2);
    if (!hours || i != 3) {
        return std::nullopt;
    }
    if (i < value.size() && value[i] == ':') {
        ++i;
    }
    const std::size_t minuteStart = i;
    const auto minutes = ReadDigits(value, i, 2);
    if (!minutes || i != minuteStart + 2 || *hours > 23 || *minutes > 59) {
        return std::nullopt;
    }
    // Seconds, which some writers add, are not shown.
    const int east = *hours * 60 + *minutes;
    return SignedOffset(value.front() == '-' ? -east : east);
}

}  // namespace kelvor
