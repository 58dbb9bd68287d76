// The whole run from input bytes: the start-up sequence on the fake platform, with an input
// file made of the bytes. The first byte chooses the settings (tracing, date layout, a
// configured zone), so both the traced and the quiet paths are reached.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fakes/test_platform.h"
#include "kelvor/startup.h"

namespace {

const char* const kZoneTable =
    "* zones\r\n"
    "W._Europe_Standard_Time CET STD +01:00\r\nW._Europe_Standard_Time CEST DAY +02:00\r\n"
    "Europe/Berlin CET STD +01:00\r\nEurope/Berlin CEST DAY +02:00\r\n"
    "UTC+12 +12 STD +12:00\r\nUTC+12 +12 DAY +12:00\r\n"
    "Tokyo_Standard_Time JST STD +09:00\r\nOsaka,_Sapporo,_Tokyo JST DAY +09:00\r\n";

std::string Settings(std::uint8_t choice) {
    std::string settings;
    if (choice & 1) {
        settings += "tracing=true\r\n";
    }
    if (choice & 2) {
        settings += "dateformat=de\r\n";
    }
    if (choice & 4) {
        settings += "mytzid=W._EUROPE_STANDARD_TIME\r\n";
    }
    if (choice & 8) {
        settings += "fontsize=11\r\nfontname=Arial\r\n";
    }
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t choice = size > 0 ? data[0] : 0;
    const std::string input(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0),
                            size > 0 ? size - 1 : 0);

    kelvor::testing::TestPlatform t;
    t.environment.variables["XDG_CACHE_HOME"] = "/work/tmp";
    t.files.addFile("/opt/kelvor/kelvor", "program");
    t.files.addFile("/opt/kelvor/kelvor.ini", Settings(choice));
    t.files.addFile("/opt/kelvor/kelvor.css", "body { margin: 0 }\r\n");
    t.files.addFile("/opt/kelvor/kelvortz.txt", kZoneTable);
    kelvor::platform::TimeZoneInformation zone;
    zone.bias = -60;
    zone.daylightBias = -60;
    zone.standardDate = {10, 5, 0, 3, 0};
    zone.daylightDate = {3, 5, 0, 2, 0};
    zone.inForce = (choice & 16) ? kelvor::platform::ZonePeriodInForce::Daylight
                                 : kelvor::platform::ZonePeriodInForce::Standard;
    t.timeZone.info = zone;
    t.timeZone.offsetMinutes = (choice & 32) ? -240 : 60;
    t.files.addFile("/home/ann/mail/input.ics", input);
    t.environment.args = {"/home/ann/mail/input.ics"};
    kelvor::startup(t.state);
    return 0;
}
