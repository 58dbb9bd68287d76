#include "kelvor/rule_until.h"

#include "kelvor/date_time.h"
#include "kelvor/kelvor_state.h"

namespace kelvor {

std::optional<std::string> ReadUntilDate(KelvorState& state, std::string_view text,
                                         std::string_view pattern) {
    DateTimeState& dateTime = state.dateTime;
    dateTime.valueText = std::string(text);
    Resvalue(state);
    // A failed read leaves the previous value in place; the parts show whether this one was good.
    const bool readable = IsValidDate(dateTime.year, dateTime.month, dateTime.day) &&
                          dateTime.hour < 24 && dateTime.minute < 60;
    if (!readable) {
        return std::nullopt;
    }
    if (text.find('Z') != std::string_view::npos) {
        ToLocalTime(state);
    }
    return FormatDateTime(pattern, dateTime.value);
}

}  // namespace kelvor
