// The two readers of the zone table kelvortz.txt: the sender's zone at each start time, and
// the zone named in the settings at start-up.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

#include "kelvor/kelvor_state.h"
#include "kelvor/tokens.h"
#include "kelvor/trace_log.h"
#include "kelvor/zone_names.h"
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

// A name matches a line anywhere in it, or, when asked, only as the line's first field.
bool Matches(const std::string& line, const std::string& name, bool wholeField) {
    if (name.empty()) {
        return false;
    }
    if (wholeField) {
        return line.starts_with(name) && (line.size() == name.size() || line[name.size()] == ' ');
    }
    return line.find(name) != std::string::npos;
}

bool Holds(const ZoneTableCopy& table, const std::string& name) {
    for (const std::string& line : table.lines) {
        if (Matches(line, name, false)) {
            return true;
        }
    }
    return false;
}

// The table as the lookups of this stream see it: read once, up to its first empty line,
// upper-cased, comments left out.
const ZoneTableCopy& ZoneTable(KelvorState& state) {
    ZoneTableCopy& table = state.zones.table;
    if (table.loaded) {
        return table;
    }
    table = ZoneTableCopy{};
    table.loaded = true;
    platform::TextFileReader file;
    if (!file.open(state.platform.files, ZoneTablePath(state))) {
        return table;
    }
    table.opened = true;
    while (!file.eof()) {
        std::string line = file.readLine();
        if (line.empty()) {
            break;  // the table ends at its first empty line
        }
        if (line[0] != '*') {
            ascii::UpperCaseInPlace(line);
            table.lines.push_back(std::move(line));
        }
    }
    return table;
}

}  // namespace

void TZLookup(KelvorState& state) {
    const ZoneTableCopy& table = ZoneTable(state);
    if (!table.opened) {
        LogLine(state, "Unable to open Kelvortz.txt in " + state.folders.program);
    }
    const std::string& name = state.zones.senderZoneName;
    ZoneRecord& sender = state.zones.SenderTZ;

    // libical and Mozilla put their own path in front of the zone's name
    // ("/freeassociation.sourceforge.net/Europe/Berlin"); the longest tail the table holds is
    // the zone meant.
    std::string wanted = name;
    if (!name.empty() && name.front() == '/') {
        for (std::size_t slash = name.find('/'); slash != std::string::npos;
             slash = name.find('/', slash + 1)) {
            const std::string tail = CutZoneName(std::string_view(name).substr(slash + 1));
            if (Holds(table, tail)) {
                wanted = tail;
                LogTraced(state, "Zone name tail used: " + tail);
                break;
            }
        }
    }

    // An offset written as a name is only taken from the table under exactly that name: found
    // anywhere in a line, "UTC+1" would take the offsets of "UTC+12", and "GMT+1" those of
    // "Etc/GMT+1", which lies the other side of UTC.
    const auto offsetName = OffsetOfZoneName(wanted);
    bool found = false;
    for (const std::string& line : table.lines) {
        if (!Matches(line, wanted, offsetName.has_value())) {
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
    if (found) {
        return;
    }

    const auto defined = state.zones.streamZones.find(name);
    if (!name.empty() && defined != state.zones.streamZones.end()) {
        const StreamZone& zone = defined->second;
        sender.StdHrs = zone.standard.empty() ? zone.daylight : zone.standard;
        sender.DayHrs = zone.daylight.empty() ? sender.StdHrs : zone.daylight;
        LogTraced(state, "Zone offsets from the stream's VTIMEZONE: " + name);
        return;
    }
    if (offsetName) {
        sender.StdHrs = *offsetName;
        sender.DayHrs = *offsetName;
        LogTraced(state, "Zone offsets from the zone name: " + name);
        return;
    }
    if (table.opened) {
        LogLine(state, "TZLookup could not find: " + name);
    }
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
