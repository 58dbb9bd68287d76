// The DTSTART, DTEND and DURATION lines: when the event starts and ends, in which zone.
#include <cmath>
#include <cstdio>
#include <string>

#include "kelvor/kelvor_state.h"
#include "kelvor/parser_steps.h"
#include "kelvor/trace_log.h"
#include "kelvor/zones.h"
#include "platform/ascii.h"

namespace kelvor {

namespace {

constexpr long long kMinutesPerDay = 24 * 60;
constexpr std::size_t kZoneNameLength = 35;
constexpr const char* kShownDateTime = "yyyy/mm/dd hh:nn";

std::string HoursAndMinutes(long long minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
    return text;
}

// Outlook writes TZID="(UTC+01:00) Amsterdam, Berlin, ..."; the offset in front is dropped
// so that the name can be found in the zone table.
void TakeZoneNameFromParameters(KelvorState& state, std::size_t at) {
    std::string& zoneName = state.zones.senderZoneName;
    zoneName = state.parser.parameters.substr(at + 5, kZoneNameLength);
    if (zoneName.rfind("\"(", 0) == 0) {
        const std::size_t closing = zoneName.find(')');
        zoneName.erase(0, closing == std::string::npos ? 1 : closing + 2);
        if (!zoneName.empty() && zoneName.back() == '"') {
            zoneName.pop_back();
        }
        LogTraced(state, "Modified zone name: " + zoneName);
    }
    for (char& c : zoneName) {
        if (c == ' ') {
            c = '_';
        }
    }
}

void ChooseSenderZoneName(KelvorState& state) {
    const std::size_t at = state.parser.parameters.find("TZID=");
    if (at != std::string::npos) {
        TakeZoneNameFromParameters(state, at);
    } else if (!state.settings.myTzid.empty()) {
        state.zones.senderZoneName = state.settings.myTzid;
        LogTraced(state, "Extracted from Kelvor.ini zone name: " + state.zones.senderZoneName);
    }
}

void ReadValue(KelvorState& state) {
    state.dateTime.valueText = state.parser.value;
    Resvalue(state);
}

// A UTC value ("Z") is moved to the system's local time; a value with a zone is shown as written.
void ConvertWhenUtc(KelvorState& state) {
    if (Contains(state.parser.value, "Z")) {
        ToLocalTime(state);
    }
}

}  // namespace

std::string SpanText(DateTime span) {
    if (span < 0) {
        // An end before the start: only the part below a day is shown, as a time of day.
        const double part = std::fabs(span - std::trunc(span));
        return HoursAndMinutes(std::llround(part * kMinutesPerDay) % kMinutesPerDay);
    }
    const long long minutes = std::llround(span * kMinutesPerDay);
    const long long days = minutes / kMinutesPerDay;
    const std::string time = HoursAndMinutes(minutes % kMinutesPerDay);
    if (days >= 1) {
        return std::to_string(days) + "day + " + time;
    }
    return time;
}

void ReadStart(KelvorState& state) {
    ParserState& parser = state.parser;
    ZoneState& zones = state.zones;
    EventRecord& event = state.event;

    LogTraced(state, "Dtstart");
    DecidePeriod(state);
    LogLine(state, "TZ period: " + zones.period);

    // A date without a time starts one minute into the day.
    if (parser.value.size() == 8) {
        parser.value += "T000100";
    }
    ReadValue(state);
    LogTraced(state, "Resvalue: " + parser.value + " modifiers: " + parser.parameters);

    ChooseSenderZoneName(state);
    TZLookup(state);
    ConvertWhenUtc(state);

    event.startText = FormatDateTime(kShownDateTime, state.dateTime.value);
    LogTraced(state, "Start date: " + event.startText);
    event.start = state.dateTime.value;
    // Outlook writes DTEND before DTSTART; the end it gave stands.
    if (!state.parser.endGiven) {
        event.end = state.dateTime.value;
    }

    if (zones.period == "STD") {
        zones.SenderTZ.Tzid = "(UTC " + zones.SenderTZ.StdHrs + ")";
    } else if (zones.period == "DAY") {
        zones.SenderTZ.Tzid = "(UTC " + zones.SenderTZ.DayHrs + ")";
    }
}

void ReadEnd(KelvorState& state) {
    EventRecord& event = state.event;
    LogTraced(state, "DTEND entered with Resvalue: " + state.parser.value);
    ReadValue(state);
    ConvertWhenUtc(state);

    event.endText = FormatDateTime(kShownDateTime, state.dateTime.value);
    const std::string& senderZone = state.zones.SenderTZ.Tzid;
    if (!senderZone.empty()) {
        event.endText += "  " + ascii::UpperCased(senderZone);
    }
    event.end = state.dateTime.value;
    state.parser.endGiven = true;
    LogTraced(state, "End date: " + event.endText);
}

void ReadDurationProperty(KelvorState& state) {
    LogTraced(state, "Duration");
    const DateTime span = ReadDuration(state.parser.value);
    state.event.durationText = SpanText(span);
    state.event.end += span;
}

}  // namespace kelvor
