#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kelvor/date_time.h"

namespace kelvor {

struct AttendeeEntry {
    std::string name;
    std::string role;
};

// One record per run, filled by the parser and not cleared between events: a later event shows
// an earlier event's values for what it does not set itself.
struct EventRecord {
    static constexpr std::size_t kMaxAttendees = 64;

    DateTime start = 0;
    DateTime end = 0;
    std::string startText;
    std::string endText;
    std::string summary;
    std::string location;
    std::string description;
    std::string status;
    std::string comment;
    std::string method;
    std::string categories = "Meeting";
    std::string durationText;
    std::string ruleSource;
    bool hasRule = false;
    std::string ruleText;
    std::string organizerEmail;
    std::string organizerName = "Self";
    std::string attendance = "Required";  // at most 8 characters
    std::string action = "Required";
    std::string rsvp;
    std::vector<AttendeeEntry> attendees;  // never more than kMaxAttendees
    std::uint16_t attendeeCount = 0;
    std::string version;  // at most 6 characters
};

}  // namespace kelvor
