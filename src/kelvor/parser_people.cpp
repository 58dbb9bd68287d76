// The ATTENDEE and ORGANIZER lines: who takes part, in which role, and who to answer.
#include <cstddef>
#include <string>
#include <string_view>

#include "kelvor/kelvor_state.h"
#include "kelvor/parser_steps.h"
#include "kelvor/trace_log.h"

namespace kelvor {

namespace {

struct CommonName {
    bool present = false;
    bool quoted = false;
    std::string name;
};

// The CN parameter, quoted or plain, as the (upper-cased) parameter text holds it.
CommonName ReadCommonName(const std::string& parameters) {
    CommonName result;
    const std::size_t at = parameters.find("CN=");
    if (at == std::string::npos) {
        return result;
    }
    result.present = true;
    std::size_t first = at + 3;
    std::size_t last = std::string::npos;
    if (first < parameters.size() && parameters[first] == '"') {
        result.quoted = true;
        ++first;
        last = parameters.find('"', first);
    } else {
        last = parameters.find_first_of(";:", first);
    }
    if (last == std::string::npos) {
        last = parameters.size();
    }
    result.name = parameters.substr(first, last - first);
    return result;
}

// The value's "mailto:" prefix goes wherever the word appears in it, as senders write the
// scheme in either case.
void DropMailtoPrefix(std::string& value) {
    if (Contains(value, "mailto") || Contains(value, "MAILTO")) {
        value.erase(0, 7);
    }
}

// The list has room for 64 entries; a longer list loses the rest with a note in the log, so a
// crowded invitation still shows.
void AddAttendeeEntry(KelvorState& state, const std::string& name, const std::string& role) {
    EventRecord& event = state.event;
    if (event.attendeeCount >= EventRecord::kMaxAttendees) {
        LogLine(state, "Attendee list full, not shown: " + name);
        return;
    }
    event.attendees.resize(event.attendeeCount);
    event.attendees.push_back(AttendeeEntry{name, role});
    ++event.attendeeCount;
}

struct WordAndText {
    std::string_view word;
    std::string_view text;
};

constexpr WordAndText kParticipation[] = {
    {"NEEDS-ACTION", "Needs-Action"}, {"ACCEPTED", "Accepted"},   {"SENT", "Sent"},
    {"TENTATIVE", "Tentative"},       {"CONFIRMED", "Confirmed"}, {"DECLINED", "Declined"},
    {"COMPLETED", "Completed"},       {"DELEGATED", "Delegated"},
};

constexpr WordAndText kRoles[] = {
    {"ROLE=CHAIR", "Chair"},
    {"ROLE=REQ-PARTICIPANT", "Required"},
    {"ROLE=OPT-PARTICIPANT", "Optional"},
    {"ROLE=NON-PARTICIPANT", "FYI only"},
};

// The first word of the table found anywhere in the parameters wins; none leaves the field.
template <std::size_t N>
void TakeFirstWord(const std::string& parameters, const WordAndText (&table)[N],
                   std::string& field) {
    for (const WordAndText& entry : table) {
        if (Contains(parameters, entry.word)) {
            field = entry.text;
            return;
        }
    }
}

// vCalendar 1.0 writes YES and NO; iCalendar 2.0 writes TRUE and FALSE for the same answer.
void ReadRsvp(KelvorState& state) {
    const std::string& parameters = state.parser.parameters;
    EventRecord& event = state.event;
    event.rsvp = "No";
    if (Contains(parameters, "RSVP=YES") || Contains(parameters, "RSVP=TRUE")) {
        event.rsvp = "Yes";
        LogTraced(state, "Rsvp: " + event.rsvp);
    } else if (Contains(parameters, "RSVP=NO") || Contains(parameters, "RSVP=FALSE")) {
        event.rsvp = "No";
    }
    LogTraced(state, "Using Rsvp: " + event.rsvp);
}

}  // namespace

void ReadAttendee(KelvorState& state) {
    ParserState& parser = state.parser;
    DropMailtoPrefix(parser.value);
    parser.attendeeAddress = parser.value;
    parser.commonName.clear();

    const CommonName cn = ReadCommonName(parser.parameters);
    if (cn.present) {
        LogTraced(state, "Attendee CN detected");
        parser.commonName = cn.name;
        LogTraced(state, "Addressee common name: " + parser.commonName);
        AddAttendeeEntry(
            state, parser.commonName.empty() ? parser.attendeeAddress : parser.commonName, "");
    } else {
        LogTraced(state, "Attendee no CN detected");
        AddAttendeeEntry(state, parser.attendeeAddress, "");
    }

    ReadRsvp(state);
    TakeFirstWord(parser.parameters, kParticipation, state.event.action);
    TakeFirstWord(parser.parameters, kRoles, state.event.attendance);
}

void ReadOrganizer(KelvorState& state) {
    ParserState& parser = state.parser;
    EventRecord& event = state.event;
    DropMailtoPrefix(parser.value);
    LogTraced(state, "Entering Organizer");
    LogTraced(state, "Organizer: " + parser.name + " " + parser.parameters + " " + parser.value);
    if (parser.inEvent) {
        event.organizerEmail = parser.value;
        LogTraced(state, "OrnanizerEmail: " + event.organizerEmail);
    }

    const CommonName cn = ReadCommonName(parser.parameters);
    if (cn.present) {
        LogTraced(state, "CN= modifier found");
        parser.commonName = cn.name;
        LogTraced(state, (cn.quoted ? "D-Quoted CN: " : "Simple CN: ") + cn.name);
        if (parser.inEvent) {
            event.organizerName = cn.name;
            LogTraced(state, "Organizer name: " + event.organizerName);
        }
    } else if (parser.inEvent) {
        event.organizerName = event.organizerEmail;
        LogTraced(state, "Organizer name (email): " + event.organizerEmail);
    }

    AddAttendeeEntry(state,
                     event.organizerName.empty() ? event.organizerEmail : event.organizerName,
                     "Chairman");
    LogTraced(state, "Organiser ended");
}

}  // namespace kelvor
