#pragma once

namespace kelvor {

struct KelvorState;

// Working values of the rule wording that outlive one call.
struct RuleState {
    int interval = 1;
    int count = 1;
};

// Word the RRULE in event.ruleSource into event.ruleText (and the until-date into event.endText).
void ParseRulesV1(KelvorState& state);
void ParseRulesV2(KelvorState& state);

}  // namespace kelvor
