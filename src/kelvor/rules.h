#pragma once

namespace kelvor {

struct KelvorState;

// Numbers of the last rule worded. The start-up sequence sets both to 1; each call sets the
// interval afresh, and the version 1 daily form records its count.
struct RuleState {
    int interval = 1;
    int count = 1;
};

// Word the RRULE in event.ruleSource into event.ruleText; an until-date of the rule goes to
// event.endText. Version 1 (vCalendar) and version 2 (iCalendar) syntax.
void ParseRulesV1(KelvorState& state);
void ParseRulesV2(KelvorState& state);

}  // namespace kelvor
