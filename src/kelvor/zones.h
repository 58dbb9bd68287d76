#pragma once

#include <map>
#include <string>
#include <vector>

namespace kelvor {

struct KelvorState;

// A zone's display texts: MyTZ for the user's own zone, SenderTZ for the sender's.
struct ZoneRecord {
    std::string Tzid;
    std::string DayHrs;
    std::string StdHrs;
    std::string DayDate;
    std::string StdDate;
    std::string Today;
    std::string DayAbbrev;
    std::string StdAbbrev;
};

// A zone as the stream itself defines it (VTIMEZONE): the offsets of its current standard and
// daylight observances, "+hh:mm" as the zone table writes them; empty when not given.
struct StreamZone {
    std::string standard;
    std::string daylight;
};

// The zone table's entry lines, upper-cased, as read at the first lookup of a stream; a copy of
// the file, so the table is not read and upper-cased again for every start.
struct ZoneTableCopy {
    bool loaded = false;
    bool opened = false;
    std::vector<std::string> lines;
};

struct ZoneState {
    ZoneRecord MyTZ;
    ZoneRecord SenderTZ;
    std::string period;  // "STD", "DAY" or empty
    std::string senderZoneName;
    // The stream's own zone definitions, by the name they are looked up under.
    std::map<std::string, StreamZone> streamZones;
    ZoneTableCopy table;
};

// Fills MyTZ and period from the system's zone. A system that cannot tell its zone is taken as
// UTC without daylight saving, and the period stays as it was.
void Gettimezone(KelvorState& state);
// The start-up lookup of a zone named by the "mytzid=" setting.
void LookUpConfiguredZone(KelvorState& state, const std::string& zoneName);
// Completes MyTZ after either of the two above (empty DayHrs, Tzid text); logs nothing, the
// start-up sequence logs "My TZID: " itself.
void CompleteMyTZ(KelvorState& state);
// Sets MyTZ.Today and period from today's date (daylight time may run over the turn of the
// year, as south of the equator).
void DecidePeriod(KelvorState& state);
// Looks senderZoneName up in the zone table; fills SenderTZ.DayHrs and StdHrs. A name the
// table does not know is taken from the stream's own zone definitions, or read as an offset
// when it is written as one ("UTC+11").
void TZLookup(KelvorState& state);
// Reads the stream's VTIMEZONE components from mylist into streamZones.
void ReadStreamZones(KelvorState& state);
// Writes both zone records to the log (traced), as the report writer does before each event:
// the whole dump, from its opening " " line to its closing one.
void DumpZones(KelvorState& state);

// "UTC " + sign + hh:mm for an offset east of UTC in minutes.
std::string OffsetText(int minutesEastOfUtc);

}  // namespace kelvor
