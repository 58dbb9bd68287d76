#include "kelvor/zones.h"

#include <cstdlib>
#include <string>

#include "kelvor/date_time.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"

namespace kelvor {

namespace {

// The day of the year on which a recurring change falls in the given year ("the second
// Sunday of March", week 5 being the last such weekday); empty when no date can be formed,
// as for a zone without daylight saving, whose changes carry month 0.
std::string TransitionDayText(const platform::ZoneTransition& change, int year) {
    if (change.month < 1 || change.month > 12 || change.week < 1 || change.week > 5 ||
        change.dayOfWeek < 0 || change.dayOfWeek > 6 || year < 1 || year > 9999) {
        return "";
    }
    const int firstWeekday = DayOfWeek(year, change.month, 1);
    int day = 1 + (change.dayOfWeek - firstWeekday + 7) % 7 + (change.week - 1) * 7;
    while (day > DaysInMonth(year, change.month)) {
        day -= 7;
    }
    return std::to_string(DayOfYear(static_cast<std::uint16_t>(change.month),
                                    static_cast<std::uint16_t>(day),
                                    static_cast<std::uint16_t>(year)));
}

// A day-of-year text as a number; empty or unreadable texts count as 0.
int DayNumber(const std::string& text) {
    return std::atoi(text.c_str());
}

}  // namespace

std::string OffsetText(int minutesEastOfUtc) {
    const int size = minutesEastOfUtc < 0 ? -minutesEastOfUtc : minutesEastOfUtc;
    const int hours = size / 60;
    const int minutes = size % 60;
    std::string text = "UTC ";
    text += minutesEastOfUtc < 0 ? '-' : '+';
    if (hours < 10) {
        text += '0';
    }
    text += std::to_string(hours);
    text += ':';
    text += static_cast<char>('0' + minutes / 10);
    text += static_cast<char>('0' + minutes % 10);
    return text;
}

void Gettimezone(KelvorState& state) {
    // A system that cannot tell its zone answers like a zone at UTC without daylight saving,
    // and leaves the period undecided.
    const platform::TimeZoneInformation info =
        state.platform.timeZone.information().value_or(platform::TimeZoneInformation{});
    ZoneRecord& my = state.zones.MyTZ;

    if (info.inForce == platform::ZonePeriodInForce::Standard) {
        state.zones.period = "STD";
    } else if (info.inForce == platform::ZonePeriodInForce::Daylight) {
        state.zones.period = "DAY";
    }

    const int standardEast = -(info.bias + info.standardBias);
    LogTraced(state, "StdBias: " + std::to_string(standardEast / 60));
    my.StdHrs = OffsetText(standardEast);
    LogTraced(state, "StandardTime Bias: " + my.StdHrs);

    const int daylightEast = -(info.bias + info.daylightBias);
    LogTraced(state, "DayBias: " + std::to_string(daylightEast / 60));
    my.DayHrs = OffsetText(daylightEast);
    LogTraced(state, "DaylightTime Bias: " + my.DayHrs);

    const int year = state.platform.clock.localNow().year;
    my.StdDate = TransitionDayText(info.standardDate, year);
    LogTraced(state, "Standard Date start: " + my.StdDate);
    my.DayDate = TransitionDayText(info.daylightDate, year);
    LogTraced(state, "Daylight Date start: " + my.DayDate);
}

void CompleteMyTZ(KelvorState& state) {
    ZoneRecord& my = state.zones.MyTZ;
    if (my.DayHrs.empty()) {
        my.DayHrs = my.StdHrs;
    }
    if (state.zones.period == "DAY") {
        my.Tzid = "   (Local  " + my.DayHrs + ")";
    } else if (state.zones.period == "STD") {
        my.Tzid = "   (Local  " + my.StdHrs + ")";
    }
}

void DecidePeriod(KelvorState& state) {
    const platform::CivilTime now = state.platform.clock.localNow();
    const int today =
        DayOfYear(static_cast<std::uint16_t>(now.month), static_cast<std::uint16_t>(now.day),
                  static_cast<std::uint16_t>(now.year));
    ZoneRecord& my = state.zones.MyTZ;
    my.Today = std::to_string(today);
    LogTraced(state, "Today Date: " + my.Today);

    const int standardStarts = DayNumber(my.StdDate);
    const int daylightStarts = DayNumber(my.DayDate);
    bool daylight = false;
    if (daylightStarts > 0 && standardStarts > 0 && daylightStarts > standardStarts) {
        // South of the equator daylight time runs over the turn of the year.
        daylight = today >= daylightStarts || today <= standardStarts;
    } else {
        daylight = today >= daylightStarts && today <= standardStarts;
    }
    state.zones.period = daylight ? "DAY" : "STD";
}

void DumpZones(KelvorState& state) {
    const ZoneRecord& my = state.zones.MyTZ;
    const ZoneRecord& sender = state.zones.SenderTZ;
    LogTraced(state, " ");
    LogTraced(state, "Dumping MyTZ: ");
    LogTraced(state, "   Tzid:      " + my.Tzid);
    LogTraced(state, "   DayHrs:    " + my.DayHrs);
    LogTraced(state, "   DayDate:   " + my.DayDate);
    LogTraced(state, "   StdHrs:    " + my.StdHrs);
    LogTraced(state, "   StdDate:   " + my.StdDate);
    LogTraced(state, "   Today:     " + my.Today);
    LogTraced(state, " ");
    LogTraced(state, "Dumping SenderTZ: ");
    LogTraced(state, "   Tzid:      " + sender.Tzid);
    LogTraced(state, "   DayHrs:    " + sender.DayHrs);
    LogTraced(state, "   DayDate:   " + sender.DayDate);
    LogTraced(state, "   StdHrs:    " + sender.StdHrs);
    LogTraced(state, "   StdDate:   " + sender.StdDate);
    LogTraced(state, " ");
}

}  // namespace kelvor
