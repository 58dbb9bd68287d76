// Wording of iCalendar 2.0 rules such as "FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,WE;COUNT=10".

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
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

constexpr std::size_t kMaxValueLength = 32;
constexpr std::size_t kMaxListItems = 32;
constexpr std::string_view kUntilPattern = "mmm-dd-yyyy";

// One BYDAY item taken apart. Items of an unexpected length keep what the item before them
// left, so the state lives for the whole call.
struct DayItem {
    std::string sign;
    std::string number;
    std::string code;
};

// The phrases gathered from the parts, put together once all parts are read.
struct RuleWords {
    std::string intervalText;
    std::string countText;
    std::string dayList;
    std::string monthList;
    std::string monthDayList;
    std::string weekNumbers;
    std::string yearDays;
    DayItem dayItem;
};

// The items of a list value split at commas (blanks before an item are skipped), at most 32.
std::vector<std::string> ListItems(std::string_view value) {
    std::vector<std::string> items;
    std::uint16_t position = 1;
    std::uint16_t length = 0;
    while (items.size() < kMaxListItems && NextToken(value, position, length, ",")) {
        items.emplace_back(value.substr(position - 1, length));
        position = static_cast<std::uint16_t>(position + length + 1);
    }
    return items;
}

// The words of a list: the first after lead, the others after ", ". An item without a word of
// its own adds nothing, not even a separator.
std::string JoinWords(const std::vector<std::string>& words, std::string_view lead) {
    std::string text;
    for (const std::string& word : words) {
        if (word.empty()) {
            continue;
        }
        text += text.empty() ? lead : std::string_view(", ");
        text += word;
    }
    return text;
}

void TakeApart(std::string_view item, DayItem& state) {
    switch (item.size()) {
        case 2:
            state.sign.clear();
            state.number.clear();
            state.code = item;
            break;
        case 3:
            state.sign = "+";
            state.number = item.substr(0, 1);
            state.code = item.substr(1, 2);
            break;
        case 4:
            if (static_cast<unsigned char>(item[0]) <= '9') {
                state.sign = item.substr(0, 1);
                state.number = item.substr(1, 1);
            } else {
                state.number = item.substr(0, 2);
            }
            state.code = item.substr(2, 2);
            break;
        case 5:
            state.sign = item.substr(0, 1);
            state.number = item.substr(1, 2);
            state.code = item.substr(3, 2);
            break;
        default:
            break;
    }
}

struct Ordinal {
    std::string_view sign;
    std::string_view number;
    std::string_view word;
};

constexpr std::array<Ordinal, 7> kOrdinals{{
    {"+", "1", "first "},
    {"+", "2", "second "},
    {"+", "3", "third "},
    {"+", "4", "fourth "},
    {"-", "1", "last "},
    {"-", "2", "second last "},
    {"-", "3", "third last "},
}};

std::string DayItemWord(const DayItem& item) {
    const std::string day = DayName(item.code);
    for (const Ordinal& ordinal : kOrdinals) {
        if (item.sign == ordinal.sign && item.number == ordinal.number) {
            return std::string(ordinal.word) + day;
        }
    }
    if (item.sign == "+") {
        return item.number + "th " + day;
    }
    // Other signs, and counts from the end beyond the third, leave the day name alone.
    return day;
}

std::string DayListText(std::string_view value, DayItem& state) {
    std::vector<std::string> words;
    for (const std::string& item : ListItems(value)) {
        TakeApart(item, state);
        words.push_back(DayItemWord(state));
    }
    return JoinWords(words, " on ");
}

std::string MonthListText(std::string_view value) {
    std::vector<std::string> words;
    for (const std::string& item : ListItems(value)) {
        words.push_back(MonthNameOfNumber(LeadingNumber(item)));
    }
    return JoinWords(words, " in ");
}

std::string MonthDayWord(std::string_view item) {
    if (item == "-1") {
        return "last day";
    }
    if (!item.empty() && item[0] == '-') {
        return item.size() <= 3 && item.size() >= 2 ? std::string(item.substr(1)) + " last day"
                                                    : std::string();
    }
    if (item.size() == 1 || item.size() == 2) {
        return "Day " + std::string(item);
    }
    return {};
}

std::string MonthDayListText(std::string_view value) {
    std::vector<std::string> words;
    for (const std::string& item : ListItems(value)) {
        words.push_back(MonthDayWord(item));
    }
    return JoinWords(words, " on ");
}

void HandlePart(KelvorState& state, const std::string& key, const std::string& value,
                RuleWords& words) {
    if (key == "FREQ") {
        LogLine(state, "Freq: " + value);
        state.event.ruleText = value;
    } else if (key == "INTERVAL") {
        LogLine(state, "Interval: " + value);
        words.intervalText = value;
        state.rules.interval = LeadingNumber(value);
    } else if (key == "BYDAY") {
        LogLine(state, "Byday: " + value);
        words.dayList = DayListText(value, words.dayItem);
        LogLine(state, "Byday: " + words.dayList);
    } else if (key == "BYMONTH") {
        LogLine(state, "Bymonth: " + value);
        words.monthList = MonthListText(value);
        LogLine(state, "Bymonth: " + words.monthList);
    } else if (key == "COUNT") {
        LogLine(state, "Count: " + value);
        words.countText = value;
    } else if (key == "BYMONTHDAY") {
        LogLine(state, "BYMONTHDAY: " + value);
        words.monthDayList = MonthDayListText(value);
    } else if (key == "BYWEEKNO") {
        LogLine(state, "BYWEEKNO: " + value);
        words.weekNumbers = " in week " + value;
    } else if (key == "BYYEARDAY") {
        LogLine(state, "BYYEARDAY: " + value);
        words.yearDays = " on day " + value;
    } else if (key == "UNTIL") {
        LogLine(state, "Until: " + value);
        // A date without a time (8 characters) gives no until-date.
        if (value.size() > 8) {
            if (auto date = ReadUntilDate(state, value, kUntilPattern)) {
                state.event.endText = *date;
            }
        }
    }
}

void BuildSentence(KelvorState& state, const RuleWords& words) {
    EventRecord& event = state.event;
    const std::string frequency = event.ruleText;
    const bool hasInterval = state.rules.interval > 0;
    const std::string every = "Every " + words.intervalText;
    if (frequency == "DAILY" && hasInterval) {
        event.ruleText = every + " days";
    } else if (frequency == "WEEKLY" && hasInterval) {
        event.ruleText = every + " weeks";
    } else if (frequency == "MONTHLY" && hasInterval) {
        event.ruleText = every + " months";
    } else if (frequency == "YEARLY") {
        event.ruleText = hasInterval ? every + " years" : std::string("Yearly");
    }
    event.ruleText +=
        words.yearDays + words.monthList + words.monthDayList + words.weekNumbers + words.dayList;
    if (!words.countText.empty()) {
        event.ruleText += " for " + words.countText + " times";
    }
    if (!event.endText.empty()) {
        event.ruleText += " until " + event.endText;
    }
}

}  // namespace

void ParseRulesV2(KelvorState& state) {
    EventRecord& event = state.event;
    LogLine(state, "Entering ParseRulesV2: " + event.ruleSource);
    // Parts beyond the sixteenth are not kept. An empty rule has no parts at all: the shared
    // list still holds whatever was split before, which must not be worded.
    const int parts = SplitTokens(event.ruleSource, ";", state.tokens);
    event.ruleText.clear();
    event.endText.clear();
    state.rules.interval = 0;

    RuleWords words;
    std::string key;
    std::string value;
    for (int i = 1; i <= parts; ++i) {
        const std::string& part = state.tokens.token[i];
        const std::size_t equals = part.find('=');
        // A part without "=" repeats the part before it.
        if (equals != std::string::npos) {
            key = ascii::UpperCased(std::string_view(part).substr(0, equals));
            value = part.substr(equals + 1, kMaxValueLength);
        }
        HandlePart(state, key, value, words);
    }
    BuildSentence(state, words);
}

}  // namespace kelvor
