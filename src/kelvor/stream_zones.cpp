// The stream's own zone definitions (VTIMEZONE), read in a pass of their own before the events,
// so that a start can use a zone defined anywhere in the stream.
#include <cstddef>
#include <string>

#include "kelvor/kelvor_state.h"
#include "kelvor/parser_steps.h"
#include "kelvor/zone_names.h"
#include "kelvor/zones.h"

namespace kelvor {

namespace {

// Real invitations define a zone or two; a stream that defines more is not believed further.
constexpr std::size_t kMostStreamZones = 100;

enum class Observance { None, Standard, Daylight };

// One observance of a zone: when it took effect and its offset. The one that took effect last
// is the zone's current rule.
struct ObservanceReading {
    std::string since;
    std::string offset;
};

void KeepLatest(std::string& offset, std::string& since, const ObservanceReading& reading) {
    if (!reading.offset.empty() && (offset.empty() || reading.since >= since)) {
        offset = reading.offset;
        since = reading.since;
    }
}

}  // namespace

void ReadStreamZones(KelvorState& state) {
    auto& zones = state.zones.streamZones;
    zones.clear();
    // Each stream reads the zone table afresh at its first lookup.
    state.zones.table = ZoneTableCopy{};
    ParserState scratch;
    bool inZone = false;
    std::string zoneName;
    StreamZone zone;
    std::string standardSince;
    std::string daylightSince;
    Observance observance = Observance::None;
    ObservanceReading reading;

    for (const std::string_view line : state.mylist) {
        if (line.empty() || line[0] == ' ' || line[0] == '\t') {
            continue;
        }
        scratch.line = line;
        SplitLine(scratch);
        const std::string& name = scratch.name;
        const std::string& value = scratch.value;
        if (name == "BEGIN") {
            if (value == "VTIMEZONE") {
                inZone = true;
                zoneName.clear();
                zone = StreamZone{};
                standardSince.clear();
                daylightSince.clear();
                observance = Observance::None;
            } else if (inZone && (value == "STANDARD" || value == "DAYLIGHT")) {
                observance = value == "STANDARD" ? Observance::Standard : Observance::Daylight;
                reading = ObservanceReading{};
            }
        } else if (name == "END") {
            if (observance == Observance::Standard && value == "STANDARD") {
                KeepLatest(zone.standard, standardSince, reading);
                observance = Observance::None;
            } else if (observance == Observance::Daylight && value == "DAYLIGHT") {
                KeepLatest(zone.daylight, daylightSince, reading);
                observance = Observance::None;
            } else if (value == "VTIMEZONE" && inZone) {
                const std::string key = SenderZoneName(zoneName).name;
                if (!key.empty() && zones.size() < kMostStreamZones) {
                    zones[key] = zone;
                }
                inZone = false;
                observance = Observance::None;
            }
        } else if (inZone && observance == Observance::None && name == "TZID") {
            zoneName = value;
        } else if (observance != Observance::None && name == "DTSTART") {
            reading.since = value;
        } else if (observance != Observance::None && name == "TZOFFSETTO") {
            reading.offset = OffsetOfUtcOffsetValue(value).value_or("");
        }
    }
}

}  // namespace kelvor
