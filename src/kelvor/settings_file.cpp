#include "kelvor/settings_file.h"

#include <array>
#include <cstddef>
#include <string_view>

#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"
#include "platform/ascii.h"

namespace kelvor {

namespace {

constexpr std::size_t kFontSizeLength = 4;
constexpr std::size_t kZoneNameLength = 32;
constexpr std::size_t kFontNameLength = 24;
constexpr std::size_t kDateFormatLength = 2;
constexpr std::size_t kLabelLength = 32;

struct LabelKey {
    std::string_view key;
    std::string ReportLabels::*label;
};

constexpr std::array<LabelKey, 19> kLabelKeys{{
    {"event=", &ReportLabels::event},         {"organizer=", &ReportLabels::organizer},
    {"startdate=", &ReportLabels::startdate}, {"when=", &ReportLabels::when},
    {"until=", &ReportLabels::until},         {"duration=", &ReportLabels::duration},
    {"status=", &ReportLabels::status},       {"comment=", &ReportLabels::comment},
    {"frequency=", &ReportLabels::frequency}, {"repeating=", &ReportLabels::repeating},
    {"where=", &ReportLabels::where},         {"attendance=", &ReportLabels::attendance},
    {"action=", &ReportLabels::action},       {"rsvp=", &ReportLabels::rsvp},
    {"summary=", &ReportLabels::summary},     {"description=", &ReportLabels::description},
    {"attendees=", &ReportLabels::attendees}, {"role=", &ReportLabels::role},
    {"name=", &ReportLabels::name},
}};

// Stores the characters after the key, at most length of them, untrimmed; false when the line
// does not start with the key.
bool TakeValue(std::string_view line, std::string_view key, std::size_t length,
               std::string& value) {
    if (!line.starts_with(key)) {
        return false;
    }
    value = std::string(line.substr(key.size(), length));
    return true;
}

}  // namespace

void ResetSettingDefaults(Settings& settings) {
    settings.dateFormat = "en";
    settings.myTzid.clear();
    settings.labels = ReportLabels{};
}

void ApplySettingsLine(KelvorState& state, const std::string& line) {
    const std::string_view text(line);
    Settings& settings = state.settings;
    if (text.starts_with("tracing=")) {
        state.tracing = text.find("true") != std::string_view::npos;
        return;
    }
    if (TakeValue(text, "fontsize=", kFontSizeLength, settings.fontSize)) {
        LogTraced(state, "Fontsize set to: " + settings.fontSize);
        return;
    }
    if (TakeValue(text, "mytzid=", kZoneNameLength, settings.myTzid)) {
        LogTraced(state, "TimeZone name: " + settings.myTzid);
        return;
    }
    if (TakeValue(text, "fontname=", kFontNameLength, settings.fontName)) {
        LogTraced(state, "Fontname set to: " + settings.fontName);
        return;
    }
    if (TakeValue(text, "dateformat=", kDateFormatLength, settings.dateFormat)) {
        LogTraced(state, "DateFormat: " + settings.dateFormat);
        return;
    }
    for (const LabelKey& entry : kLabelKeys) {
        if (text.starts_with(entry.key)) {
            settings.labels.*entry.label = std::string(
                ascii::TrimSpacesAndControls(text.substr(entry.key.size(), kLabelLength)));
            return;
        }
    }
}

void ReadSettingsLines(KelvorState& state, platform::TextFileReader& settingsFile) {
    while (!settingsFile.eof()) {
        const std::string line = settingsFile.readLine();
        if (line.empty()) {
            break;
        }
        ApplySettingsLine(state, line);
    }
}

}  // namespace kelvor
