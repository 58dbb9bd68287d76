// The POSIX zone rules (the TZ variable, the rule line at the end of a zone file) on any text,
// and the zone information the calendar code is given for them.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/posix/posix_tz_rule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kelvor::platform::TzifFooter(text);
    if (const auto rule = kelvor::platform::ParsePosixTzRule(text)) {
        for (const int year : {1, 1970, 2026, 2100, 9999}) {
            kelvor::platform::ZoneInformationFromRule(*rule, year);
        }
    }
    return 0;
}
