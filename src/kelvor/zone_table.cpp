// The two readers of the zone table kelvortz.txt: the sender's zone at each start time, and
// the zone named in the settings at start-up.
#include <algorithm>
#include <cctype>
#include <string>

#include "kelvor/kelvor_state.h"
#include "kelvor/tokens.h"
#include "kelvor/trace_log.h"
#include "kelvor/zones.h"
#include "platform/ascii.h"
#include "platform/text_file_reader.h"

namespace kelvor {

namespace {

std::string ZoneTablePath(const KelvorState& state) {
    return state.pathIn(state.folders.program, "kelvortz.txt");
}

// Splits an entry line into the shared token list and logs its first four tokens.
void SplitEntry(KelvorState& state, const std::string& line) {
    SplitTokens(line, " ", state.tokens);
    const auto& token = state.tokens.token;
    LogTraced(state, "Tokens: " + token[1] + " " + token[2] + " " + token[3] + " " + token[4]);
}

}  // namespace

void TZLookup(KelvorState& state) {
    platform::TextFileReader table;
    if (!table.open(state.platform.files, ZoneTablePath(state))) {
        LogLine(state, "Unable to open Kelvortz.txt in " + state.folders.program);
        return;
    }
    const std::string& name = state.zones.senderZoneName;
    ZoneRecord& sender = state.zones.SenderTZ;
    bool found = false;
    while (!table.eof()) {
        const std::string line = ascii::UpperCased(table.readLine());
        if (line.empty()) {
            break;  // the table ends at its first empty line
        }
        if (line[0] == '*' || name.empty() || line.find(name) == std::string::npos) {
            continue;
        }
        found = true;
        LogTraced(state, "TZ name found: " + line);
        SplitEntry(state, line);
        const auto& token = state.tokens.token;
        if (token[3] == "DAY") {
            sender.DayHrs = token[4];
            LogTraced(state, "DayHours: " + sender.DayHrs);
        }
        if (token[3] == "STD") {
            sender.StdHrs = token[4];
            LogTraced(state, "StdHours: " + sender.StdHrs);
        }
    }
    if (!found) {
        LogLine(state, "TZLookup could not find: " + name);
    }
    table.close();
}

void LookUpConfiguredZone(KelvorState& state, const std::string& zoneName) {
    platform::TextFileReader table;
    if (!table.open(state.platform.files, ZoneTablePath(state))) {
        LogLine(state, "Unable to open KELVORTZ.txt");
    }
    ZoneRecord& sender = state.zones.SenderTZ;
    const std::string& period = state.zones.period;
    while (!table.eof()) {
        const std::string raw = table.readLine();
        if (raw.empty()) {
            break;
        }
        if (raw[0] == '*') {
            continue;
        }
        std::string text = ascii::UpperCased(raw);
        std::replace(text.begin(), text.end(), '_', ' ');
        LogTraced(state, "Looking for: " + text);
        if (text.compare(0, zoneName.size(), zoneName) != 0) {
            continue;
        }
        LogTraced(state, "TZ name found: " + text);
        SplitEntry(state, text);
        const auto& token = state.tokens.token;
        if (token[3] == "DAY" && period == "DAY") {
            sender.DayAbbrev = token[2];
            LogTraced(state, "Abbrev: " + sender.DayAbbrev);
            sender.DayHrs = token[4];
            LogTraced(state, "DayHours: " + sender.DayHrs);
        }
        if (token[3] == "STD" && period == "STD") {
            sender.StdAbbrev = token[2];
            LogTraced(state, "Abbrev: " + sender.StdAbbrev);
            sender.StdHrs = token[4];
            LogTraced(state, "StdHours: " + sender.StdHrs);
        }
    }
    if (sender.DayAbbrev.empty()) {
        sender.DayAbbrev = sender.StdAbbrev;
    }
    if (sender.DayHrs.empty()) {
        sender.DayHrs = sender.StdHrs;
    }
    if (period == "DAY") {
        sender.Tzid = sender.DayAbbrev + " (" + sender.DayHrs + ")";
    } else if (period == "STD") {
        sender.Tzid = sender.StdAbbrev + " (" + sender.StdHrs + ")";
    }
    LogTraced(state, "Day TZID: " + sender.Tzid);
    ZoneRecord& my = state.zones.MyTZ;
    if (period == "DAY") {
        my.Tzid = "(local  " + my.DayHrs + ")";
    } else if (period == "STD") {
        my.Tzid = "(local  " + my.StdHrs + ")";
    }
    table.close();
}

}  // namespace kelvor
