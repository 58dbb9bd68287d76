#pragma once

#include <string>
#include <string_view>

namespace kelvor {

struct KelvorState;

struct ParserState {
    std::string_view line;  // the line in hand, as mylist holds it
    std::string name;
    std::string parameters;
    std::string value;
    std::string commonName;
    std::string attendeeAddress;
    bool inEvent = false;
    bool eventEnded = false;
    bool skipping = true;
    bool endGiven = false;  // the event in hand has had its DTEND
    int eventsShown = 0;    // event blocks written for this stream
    long long eventsNotShown = 0;
};

// A stream's events beyond this number are counted, not written: the attendee list gathers over
// all events, so thousands of empty events would make a report of hundreds of megabytes.
inline constexpr int kMostEventsShown = 1000;

// Reads mylist into the event record, writes the report rows, and ends and shows the report.
void ParseStream(KelvorState& state);

}  // namespace kelvor
