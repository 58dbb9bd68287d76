#pragma once

#include <string>
#include <string_view>

#include "kelvor/date_time.h"

namespace kelvor {

struct KelvorState;
struct ParserState;

// Splits parser.line into name, parameters and value, and turns the value's first "~" back
// into ":".
void SplitLine(ParserState& parser);

// The property readers of ParseStream. Each works on the line in hand, split into
// state.parser.name, parameters and value.
void ReadAttendee(KelvorState& state);
void ReadOrganizer(KelvorState& state);
void ReadStart(KelvorState& state);
void ReadEnd(KelvorState& state);
void ReadDurationProperty(KelvorState& state);

// A span of days as the report shows it: "hh:mm", or whole days then "day + hh:mm".
std::string SpanText(DateTime span);

bool Contains(std::string_view text, std::string_view part);

}  // namespace kelvor
