// Wording of vCalendar 1.0 rules such as "W1 MO WE FR #10" or "MP2 1+ FR 20101231T000000".
// Each frequency letter has its own wording; their small differences in capitals and blanks are
// what the report has always shown, so they are kept as they are.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kelvor/kelvor_state.h"
#include "kelvor/rule_until.h"
#include "kelvor/rule_words.h"
#include "kelvor/rules.h"
#include "kelvor/tokens.h"
#include "kelvor/trace_log.h"
#include "platform/ascii.h"

namespace kelvor {

namespace {

constexpr std::string_view kShortYearPattern = "dd mmm yyy";
constexpr std::string_view kLongYearPattern = "dd mmm yyyy";

enum class EndRole { kNone, kCount, kUntil };

// The tokens of one rule by their roles.
struct RuleTokens {
    std::string frequency;
    std::vector<std::string> list;  // the tokens between the frequency and the end token
    EndRole endRole = EndRole::kNone;
    std::string endToken;
};

bool IsCountToken(std::string_view token) {
    return !token.empty() && token.front() == '#';
}
bool IsUntilToken(std::string_view token) {
    return token.size() > 8;
}

// The last token ends the rule when it is a count ("#n") or an until date-time (longer than 8
// characters). The frequency token never does, so a one-token rule keeps its interval.
EndRole RoleOfLast(const TokenList& tokens, bool lengthFirst) {
    if (tokens.count < 2) {
        return EndRole::kNone;
    }
    const std::string& last = tokens.token[tokens.count];
    const EndRole firstTest = lengthFirst ? EndRole::kUntil : EndRole::kCount;
    const EndRole secondTest = lengthFirst ? EndRole::kCount : EndRole::kUntil;
    for (EndRole role : {firstTest, secondTest}) {
        if (role == EndRole::kUntil ? IsUntilToken(last) : IsCountToken(last)) {
            return role;
        }
    }
    return EndRole::kNone;
}

RuleTokens TakeRoles(const TokenList& tokens, bool lengthFirst) {
    RuleTokens rule;
    rule.frequency = std::string(ascii::TrimSpaces(tokens.token[1]));
    rule.endRole = RoleOfLast(tokens, lengthFirst);
    int lastListToken = tokens.count;
    if (rule.endRole != EndRole::kNone) {
        rule.endToken = tokens.token[tokens.count];
        --lastListToken;
    }
    for (int i = 2; i <= lastListToken; ++i) {
        rule.list.push_back(tokens.token[i]);
    }
    return rule;
}

std::string CountOf(const RuleTokens& rule) {
    return rule.endRole == EndRole::kCount ? rule.endToken.substr(1) : std::string();
}

// The frequency token from character `from` (0-based) on.
std::string IntervalText(const RuleTokens& rule, std::size_t from) {
    return rule.frequency.size() > from ? rule.frequency.substr(from) : std::string();
}

void ReadEndDate(KelvorState& state, const RuleTokens& rule, std::string_view pattern) {
    if (rule.endRole != EndRole::kUntil) {
        return;
    }
    if (auto date = ReadUntilDate(state, rule.endToken, pattern)) {
        state.event.endText = *date;
    }
}

void AppendCountAndUntil(EventRecord& event, const std::string& countText) {
    if (!countText.empty()) {
        event.ruleText += " for " + countText + " times";
    }
    if (!event.endText.empty()) {
        event.ruleText += " until " + event.endText;
    }
}

// A count of 0 repeats without end.
void AppendCountOrForeverAndUntil(EventRecord& event, const std::string& countText) {
    if (countText == "0") {
        event.ruleText += " Forever";
        AppendCountAndUntil(event, {});
    } else {
        AppendCountAndUntil(event, countText);
    }
}

void WordDaily(KelvorState& state, const RuleTokens& rule) {
    EventRecord& event = state.event;
    event.ruleText = "Daily";
    LogLine(state,
            "frequency daily: " + rule.frequency + " " + std::to_string(rule.frequency.size()));
    const std::string intervalText(ascii::TrimSpaces(IntervalText(rule, 1)));
    state.rules.interval = LeadingNumber(intervalText);
    const std::string countText(ascii::TrimSpaces(CountOf(rule)));
    if (rule.endRole == EndRole::kCount) {
        state.rules.count = LeadingNumber(countText);
    }
    ReadEndDate(state, rule, kShortYearPattern);

    // Worded the way the weekly form words them: a plain "Daily" for a rule that repeats every
    // third day five times would mislead the reader.
    if (state.rules.interval > 1) {
        event.ruleText = "Every " + intervalText + " days";
    }
    AppendCountOrForeverAndUntil(event, countText);
}

// " on first", " on last", ... for a position token such as "1+" or "2-"; positions beyond
// these have no wording.
std::string PositionWord(std::string_view token) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kPositions{{
        {"1+", " on first"},
        {"2+", " on second"},
        {"3+", " on third"},
        {"1-", " on last"},
        {"2-", " on second last"},
    }};
    for (const auto& [position, word] : kPositions) {
        if (token.substr(0, 2) == position) {
            return std::string(word);
        }
    }
    return {};
}

std::string ByPositionWords(const std::vector<std::string>& list) {
    std::string work;
    for (const std::string& item : list) {
        const std::string_view token = ascii::TrimSpaces(item);
        if (token.empty()) {
            continue;
        }
        if (token.size() >= 2 && (token[1] == '+' || token[1] == '-')) {
            work += PositionWord(token);
        } else if (token[0] >= 'A' && token[0] <= 'Z') {
            work += " " + DayName(token);
        }
    }
    return work;
}

std::string ByMonthDayWords(const std::vector<std::string>& list) {
    std::string work = " on ";
    for (const std::string& item : list) {
        const std::string_view token = ascii::TrimSpaces(item);
        if (token.empty() || token[0] < '0' || token[0] > '9') {
            continue;
        }
        const std::size_t dash = token.find('-');
        if (token == "1") {
            work += "First day ";
        } else if (token == "1-") {
            work += "Last day ";
        } else if (dash != std::string_view::npos) {
            work += std::string(token.substr(0, dash)) + " Last day ";
        } else {
            work += " " + std::string(token) + ",";
        }
    }
    return work;
}

void WordMonthly(KelvorState& state, const RuleTokens& rule) {
    EventRecord& event = state.event;
    LogLine(state, "frequency Monthly: " + rule.frequency);
    event.ruleText = "Monthly";
    const std::string intervalText = IntervalText(rule, 2);
    state.rules.interval = LeadingNumber(intervalText);
    if (state.rules.interval > 1) {
        event.ruleText = "Every " + intervalText + " months";
    }
    const std::string countText = CountOf(rule);
    ReadEndDate(state, rule, kShortYearPattern);

    const std::string_view frequency = rule.frequency;
    if (frequency.starts_with("MP")) {
        event.ruleText += ByPositionWords(rule.list);
        AppendCountAndUntil(event, countText);
    } else if (frequency.starts_with("MD")) {
        event.ruleText += ByMonthDayWords(rule.list);
        AppendCountAndUntil(event, countText);
    }
}

void WordWeekly(KelvorState& state, const RuleTokens& rule) {
    EventRecord& event = state.event;
    event.ruleText = "Weekly";
    const std::string intervalText(ascii::TrimSpaces(IntervalText(rule, 1)));
    state.rules.interval = LeadingNumber(intervalText);
    if (state.rules.interval != 1) {
        event.ruleText = "Every " + intervalText + " weeks";
    }
    const std::string countText(ascii::TrimSpaces(CountOf(rule)));
    ReadEndDate(state, rule, kLongYearPattern);

    if (!rule.list.empty()) {
        event.ruleText += " on";
        for (const std::string& token : rule.list) {
            event.ruleText += " " + DayName(token);
        }
    }
    AppendCountOrForeverAndUntil(event, countText);
}

void WordYearly(KelvorState& state, const RuleTokens& rule) {
    EventRecord& event = state.event;
    event.ruleText = "Yearly";
    const std::string intervalText(ascii::TrimSpaces(IntervalText(rule, 2)));
    state.rules.interval = LeadingNumber(intervalText);
    if (state.rules.interval != 1) {
        event.ruleText = "every " + intervalText + " years ";
    }
    std::string countText = CountOf(rule);
    ReadEndDate(state, rule, kLongYearPattern);

    const char kind = rule.frequency.size() > 1 ? rule.frequency[1] : '\0';
    if (kind == 'M') {
        event.ruleText += " in month";
        for (const std::string& token : rule.list) {
            event.ruleText += " " + MonthNameOfText(token);
        }
    } else if (kind == 'D') {
        event.ruleText += " on day";
        for (const std::string& token : rule.list) {
            event.ruleText += " " + token;
        }
    }
    if (countText == "0") {
        countText.clear();
    }
    AppendCountAndUntil(event, countText);
}

}  // namespace

void ParseRulesV1(KelvorState& state) {
    EventRecord& event = state.event;
    LogLine(state, "Entering ParseRulesV1: " + event.ruleSource);
    event.endText.clear();
    event.ruleText.clear();
    state.rules.interval = 0;

    SplitTokens(event.ruleSource, " ", state.tokens);
    // The shared list keeps the tokens of whatever was split before; an empty rule must not
    // word those.
    if (state.tokens.count == 0) {
        return;
    }
    const char letter = state.tokens.token[1].front();
    const RuleTokens rule = TakeRoles(state.tokens, letter == 'Y');
    switch (letter) {
        case 'D':
            WordDaily(state, rule);
            break;
        case 'M':
            WordMonthly(state, rule);
            break;
        case 'W':
            WordWeekly(state, rule);
            break;
        case 'Y':
            WordYearly(state, rule);
            break;
        default:
            break;
    }
}

}  // namespace kelvor
