#include "kelvor/parser.h"

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "kelvor/kelvor_state.h"
#include "kelvor/parser_steps.h"
#include "kelvor/report_writer.h"
#include "kelvor/rules.h"
#include "kelvor/trace_log.h"
#include "platform/ascii.h"

namespace kelvor {

namespace {

constexpr std::size_t kVersionLength = 6;

void BeginStream(KelvorState& state) {
    EventRecord& event = state.event;
    ParserState& parser = state.parser;
    event.action = "Required";
    event.attendance = "Required";
    event.ruleSource.clear();
    event.hasRule = false;
    event.ruleText.clear();
    event.organizerName = "Self";
    event.categories = "Meeting";
    event.durationText.clear();
    event.attendees.clear();
    event.attendeeCount = 0;
    parser.commonName.clear();
    parser.attendeeAddress.clear();
    // A stream cut off inside an event in an earlier run must not leave this one inside it.
    parser.inEvent = false;
    parser.eventEnded = false;
    parser.endGiven = false;
    parser.eventsShown = 0;
    parser.eventsNotShown = 0;
    LogTraced(state, "Entering ParseStream");
    parser.skipping = true;
}

void EndOfEvent(KelvorState& state) {
    ParserState& parser = state.parser;
    EventRecord& event = state.event;
    parser.inEvent = false;
    parser.eventEnded = true;
    LogTraced(state, "End Event");
    event.durationText = SpanText(event.end - event.start);
    if (parser.eventsShown < kMostEventsShown) {
        ++parser.eventsShown;
        WriteEventReport(state);
    } else {
        ++parser.eventsNotShown;
    }
    parser.eventEnded = false;
    parser.inEvent = false;
}

void DispatchComponent(KelvorState& state) {
    ParserState& parser = state.parser;
    const std::string& value = parser.value;
    if (parser.name == "BEGIN") {
        if (value == "VCALENDAR") {
            parser.inEvent = false;
            parser.eventEnded = false;
            parser.skipping = false;
            LogTraced(state, "VCalendar started");
        } else if (value == "VEVENT") {
            parser.inEvent = true;
            parser.eventEnded = false;
            parser.skipping = false;
            parser.endGiven = false;
            LogTraced(state, "VEvent started");
        } else {
            parser.skipping = true;
            LogTraced(state, "Non-VEvent START ignored: " + value);
        }
        return;
    }
    if (value == "VCALENDAR") {
        parser.inEvent = false;
        parser.eventEnded = false;
        parser.skipping = true;
        LogTraced(state, "End vCalendar read");
    } else if (value == "VEVENT") {
        EndOfEvent(state);
    } else {
        parser.skipping = true;
        LogTraced(state, "Non-VEvent END found: " + value);
    }
}

void ReadVersion(KelvorState& state) {
    EventRecord& event = state.event;
    event.version = state.parser.value.substr(0, kVersionLength);
    LogTraced(state, "Version info: " + event.version);
    const platform::CivilTime now = state.platform.clock.localNow();
    const std::string today =
        FormatDateTime("ddd dd-mmm-yyyy", EncodeDateTime(now.year, now.month, now.day, 0, 0));
    state.caption = "KElVOR 2.50   source type: " + state.sourceType +
                    "     calendar level: " + event.version + "   " + today;
}

void ReadRule(KelvorState& state) {
    EventRecord& event = state.event;
    event.ruleSource = state.parser.value;
    event.hasRule = true;
    if (event.version < "2.0") {
        ParseRulesV1(state);
    } else {
        ParseRulesV2(state);
    }
}

void ReadDescription(KelvorState& state) {
    std::string& value = state.parser.value;
    if (value == "<br>") {
        value = "&nbsp;";
    }
    LogTraced(state, "Description: ", value);
    // The value is not needed after this line, and a description may be most of the stream.
    state.event.description = std::move(value);
}

// Properties that are read inside any component, also while other components are skipped.
bool DispatchAlwaysReadProperty(KelvorState& state) {
    const std::string& name = state.parser.name;
    const std::string& value = state.parser.value;
    EventRecord& event = state.event;
    if (name == "VERSION") {
        ReadVersion(state);
    } else if (name == "CATEGORIES") {
        LogTraced(state, "Categories");
        event.categories = ascii::UpperCased(value);
    } else if (name == "ATTENDEE") {
        ReadAttendee(state);
    } else if (name == "ORGANIZER") {
        ReadOrganizer(state);
    } else if (name == "LOCATION") {
        LogTraced(state, "Location entered");
        event.location = value.empty() ? "[none]" : value;
    } else if (name == "SUMMARY") {
        LogTraced(state, "Summary");
        event.summary = value.empty() ? "[none]" : value;
    } else if (name == "METHOD") {
        event.method = value;
    } else if (name == "COMMENT") {
        event.comment = value;
    } else if (name == "STATUS") {
        LogTraced(state, "Status");
        event.status = value;
    } else if (name == "DURATION") {
        ReadDurationProperty(state);
    } else {
        return false;
    }
    return true;
}

// Properties that only an event (or the calendar itself) can give; skipped inside alarms,
// zone definitions and the rest.
void DispatchEventProperty(KelvorState& state) {
    const std::string& name = state.parser.name;
    if (name == "DTSTART") {
        ReadStart(state);
    } else if (name == "DTEND") {
        ReadEnd(state);
    } else if (name == "DESCRIPTION") {
        ReadDescription(state);
    } else if (name == "RRULE") {
        ReadRule(state);
    }
}

void ReadLine(KelvorState& state, std::string_view line) {
    ParserState& parser = state.parser;
    LogTraced(state, "mylist: ", line);
    if (!line.empty() && (line[0] == ' ' || line[0] == '\t')) {
        LogTraced(state, "line continuation: ", line);
        state.event.description.append(line.substr(1));
        return;
    }
    parser.line = line;
    SplitLine(parser);
    if (parser.name == "BEGIN" || parser.name == "END") {
        DispatchComponent(state);
    } else if (!DispatchAlwaysReadProperty(state) && !parser.skipping) {
        DispatchEventProperty(state);
    }
}

int LeadingNumber(const std::string& text, int fallback) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) {
        return fallback;
    }
    int number = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && number < 10000) {
        number = number * 10 + (text[i] - '0');
        ++i;
    }
    return number;
}

void EndOfStream(KelvorState& state) {
    ZoneRecord& sender = state.zones.SenderTZ;
    if (sender.DayHrs.empty()) {
        sender.DayHrs = sender.StdHrs;
    }
    LogTraced(state, "EoF");
    const long long notShown = state.parser.eventsNotShown;
    if (notShown > 0) {
        LogLine(state, "Events not shown: " + std::to_string(notShown));
        WriteReportRow(state, "&nbsp;",
                       "\xE2\x80\xA6 " + std::to_string(notShown) + " more events not shown");
    }
    WriteReportLine(state, kSpacerRow);
    WriteReportLine(state, "</table></body></html>");
    CloseReport(state);
    LogLine(state, "KELvor report ready");

    DisplayControl& display = state.display;
    display.ClearDocument();
    if (!state.settings.fontSize.empty()) {
        display.SetDefFontSize(LeadingNumber(state.settings.fontSize, display.DefFontSize()));
        LogTraced(state, "Fontsize set to: " + std::to_string(display.DefFontSize()));
    }
    if (!state.settings.fontName.empty()) {
        display.SetDefFontName(state.settings.fontName);
        LogTraced(state, "Fontname set to: " + state.settings.fontName);
    }
    state.caption = "KELVOR 2.50 input stream content ";
    display.LoadHtmlFile(state.report.path);
}

}  // namespace

// The first of the characters outside double quotes: parameter values may be quoted, and a
// quoted value (an Outlook zone name such as "(UTC+09:00) Osaka, Sapporo, Tokyo") may hold
// both. A line whose quotes never close has no "outside"; there the first one anywhere counts.
namespace {
std::size_t FindOutsideQuotes(std::string_view line, char wanted) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == wanted && !quoted) {
            return i;
        }
    }
    return line.find(wanted);
}
}  // namespace

// Name, parameters and value of a content line. The name is taken as written unless the line
// has parameters; then name and parameters are upper-cased.
void SplitLine(ParserState& parser) {
    const std::string_view line = parser.line;
    const std::size_t colon = FindOutsideQuotes(line, ':');
    std::size_t semicolon = FindOutsideQuotes(line, ';');
    if (colon == std::string::npos || (semicolon != std::string::npos && semicolon > colon)) {
        semicolon = std::string::npos;
    }
    parser.parameters.clear();
    if (colon == std::string::npos) {
        parser.name.clear();
        parser.value = std::string(line);
    } else if (semicolon == std::string::npos) {
        parser.name = std::string(line.substr(0, colon));
        parser.value = std::string(line.substr(colon + 1));
    } else {
        parser.name = ascii::UpperCased(line.substr(0, semicolon));
        parser.parameters = ascii::UpperCased(line.substr(semicolon + 1, colon - semicolon - 1));
        parser.value = colon + 1 < line.size() ? std::string(line.substr(colon + 1)) : " ";
    }
    // The preparation wrote the colon of "MAILTO:" as "~" so that it could not end the name.
    const std::size_t tilde = parser.value.find('~');
    if (tilde != std::string::npos) {
        parser.value[tilde] = ':';
    }
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

void ParseStream(KelvorState& state) {
    if (state.mylist.empty()) {
        LogLine(state, "Mylist is empty");
        return;
    }
    if (!state.streamFound) {
        LogLine(state, "Stream already reported");
        return;
    }
    ReadStreamZones(state);
    BeginStream(state);
    for (const std::string_view line : state.mylist) {
        ReadLine(state, line);
    }
    EndOfStream(state);
}

}  // namespace kelvor
