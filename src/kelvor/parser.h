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
};

// Reads mylist into the event record, writes the report rows, and ends and shows the report.
void ParseStream(KelvorState& state);

}  // namespace kelvor
