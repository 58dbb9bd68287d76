// The DTSTART, DTEND and DURATION lines: when the event starts and ends, in which zone.
#include <cmath>
#include <cstdio>
#include <string>

#include "kelvor/kelvor_state.h"
#include "kelvor/parser_steps.h"
#include "kelvor/trace_log.h"
#include "kelvor/zone_names.h"
#include "kelvor/zones.h"
#include "platform/ascii.h"

namespace kelvor {

namespace {

constexpr long long kMinutesPerDay = 24 * 60;
constexpr const char* kShownDateTime = "yyyy/mm/dd hh:nn";
// How much of a hostile value a log line quotes.
constexpr std::size_t kQuotedValueLength = 64;

std::string HoursAndMinutes(long long minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
    return text;
}

void ChooseSenderZoneName(KelvorState& state) {
    const std::size_t at = state.parser.parameters.find("TZID=");
    if (at != std::string::npos) {
        const ZoneName zone = SenderZoneName(TzidParameterValue(state.parser.parameters, at));
        state.zones.senderZoneName = zone.name;
        if (zone.offsetPrefixRemoved) {
            LogTraced(state, "Modified zone name: " + zone.name);
        }
    } else if (!state.settings.myTzid.empty()) {
        state.zones.senderZoneName = state.settings.myTzid;
        LogTraced(state, "Extracted from Kelvor.ini zone name: " + state.zones.senderZoneName);
    }
}

// Minutes between a shown local time and the UTC time it stands for.
int MinutesBetween(DateTime local, DateTime utc) {
    return static_cast<int>(std::llround((local - utc) * kMinutesPerDay));
}

// The user's own offset at a local time of the user's zone. The platform converts from UTC
// only, so the time is taken as UTC for the question; that is off only within the hours of
// a change between standard and daylight time.
int UsersOffsetAt(KelvorState& state, DateTime local) {
    const platform::CivilTime civil = DecodeDateTime(local);
    if (!IsValidDate(civil.year, civil.month, civil.day)) {
        return 0;
    }
    const auto converted = state.platform.timeZone.utcToLocal(civil);
    if (!converted || !IsValidDate(converted->year, converted->month, converted->day)) {
        return 0;
    }
    return MinutesBetween(
        EncodeDateTime(converted->year, converted->month, converted->day, converted->hour,
                       converted->minute, converted->second),
        EncodeDateTime(civil.year, civil.month, civil.day, civil.hour, civil.minute, civil.second));
}

void ReadValue(KelvorState& state) {
    state.dateTime.valueText = state.parser.value;
    Resvalue(state);
}

// A UTC value ("Z") is moved to the system's local time; a value with a zone is shown as written.
// Returns the minutes the value moved, which is the user's offset at that time (0 when the
// value was not moved).
int ConvertWhenUtc(KelvorState& state) {
    if (!Contains(state.parser.value, "Z")) {
        return 0;
    }
    const DateTime before = state.dateTime.value;
    ToLocalTime(state);
    return MinutesBetween(state.dateTime.value, before);
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
    if (state.tracing) {
        LogLine(state, "Resvalue: " + parser.value + " modifiers: " + parser.parameters);
    }

    const bool hasZone = Contains(parser.parameters, "TZID=");
    const bool utc = Contains(parser.value, "Z");
    ChooseSenderZoneName(state);
    TZLookup(state);
    const int movedMinutes = ConvertWhenUtc(state);

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
    // A time converted to the user's zone is in the user's offset, whatever zone an earlier
    // start or the settings named; so is a time without any zone when no zone name is known.
    if (utc) {
        zones.SenderTZ.Tzid = "(UTC " + SignedOffset(movedMinutes) + ")";
    } else if (!hasZone && zones.senderZoneName.empty()) {
        zones.SenderTZ.Tzid = "(UTC " + SignedOffset(UsersOffsetAt(state, event.start)) + ")";
    }
}

void ReadEnd(KelvorState& state) {
    EventRecord& event = state.event;
    LogTraced(state, "DTEND entered with Resvalue: ", state.parser.value);
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
    bool capped = false;
    const DateTime span = ReadDuration(state.parser.value, &capped);
    if (capped) {
        LogLine(state, "Duration longer than 100 years, read as 100 years: ",
                std::string_view(state.parser.value).substr(0, kQuotedValueLength));
    }
    state.event.durationText = SpanText(span);
    state.event.end += span;
}

}  // namespace kelvor
