#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kelvor {

// The value of the TZID parameter that starts at `at` in a parameter text: up to the first ";"
// or ":" outside double quotes, quotes included.
std::string TzidParameterValue(std::string_view parameters, std::size_t at);

struct ZoneName {
    std::string name;
    bool offsetPrefixRemoved = false;
};

// The name under which a zone is looked up, from a TZID as senders write it: upper-cased,
// without the double quotes that may enclose it, without the "(UTC+hh:mm) " that leads a
// display name, cut to 35 characters, blanks written as "_". A vendor-prefixed name
// ("/mozilla.org/20070129_1/America/New_York") is kept whole up to 255 characters, since its
// useful part is at the end; the cut then applies to the tail that is looked up.
ZoneName SenderZoneName(std::string_view tzid);

// The 35-character cut of a name (or of the tail of a vendor-prefixed name).
std::string CutZoneName(std::string_view name);

// An offset written as a zone name: "UTC", "GMT", "UTC+h", "UTC+hh", "UTC+hh:mm" and the same
// with "-" or with "GMT"; as the zone table writes offsets ("+hh:mm"). Nothing for any other
// name. Expects an upper-cased name.
std::optional<std::string> OffsetOfZoneName(std::string_view name);

// A UTC offset property value (TZOFFSETTO: "+0100", "-0500", "+053000", also "+01:00") as the
// zone table writes offsets; nothing when it is not one.
std::optional<std::string> OffsetOfUtcOffsetValue(std::string_view value);

// An offset east of UTC in minutes as "+hh:mm" or "-hh:mm".
std::string SignedOffset(int minutesEastOfUtc);

}  // namespace kelvor
