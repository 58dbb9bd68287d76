#include "invitation_generator.h"

#include <string>

namespace kelvor::bench {

namespace {

constexpr std::size_t kFoldWidth = 75;

// Appends a content line, folded as calendar writers do: CR LF and one blank every 75 octets.
void AppendFolded(std::string& out, const std::string& line) {
    std::size_t position = 0;
    std::size_t width = kFoldWidth;
    while (line.size() - position > width) {
        out.append(line, position, width);
        out += "\r\n ";
        position += width;
        width = kFoldWidth - 1;
    }
    out.append(line, position, std::string::npos);
    out += "\r\n";
}

std::string Description(int event, std::size_t bytes) {
    static const std::string kWords =
        "Agenda for the planning meeting: figures of the quarter, the next steps, the budget "
        "and the open questions of the teams. Please bring your notes\\, and read the minutes. ";
    std::string text = "Meeting " + std::to_string(event) + ". ";
    while (text.size() < bytes) {
        text += kWords;
    }
    text.resize(bytes);
    if (text.back() == '\\') {
        text.back() = '.';
    }
    return text;
}

}  // namespace

std::string GenerateInvitation(int events, std::size_t descriptionBytes) {
    std::string out;
    out.reserve(static_cast<std::size_t>(events) * (descriptionBytes + 900) + 1000);
    for (const char* line :
         {"BEGIN:VCALENDAR", "PRODID:-//Kelvor//Benchmark Generator//EN", "VERSION:2.0",
          "METHOD:REQUEST", "BEGIN:VTIMEZONE", "TZID:W. Europe Standard Time", "BEGIN:STANDARD",
          "DTSTART:16011028T030000", "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=10",
          "TZOFFSETFROM:+0200", "TZOFFSETTO:+0100", "END:STANDARD", "BEGIN:DAYLIGHT",
          "DTSTART:16010325T020000", "RRULE:FREQ=YEARLY;BYDAY=-1SU;BYMONTH=3", "TZOFFSETFROM:+0100",
          "TZOFFSETTO:+0200", "END:DAYLIGHT", "END:VTIMEZONE"}) {
        AppendFolded(out, line);
    }
    for (int event = 1; event <= events; ++event) {
        const std::string number = std::to_string(event);
        const std::string day = std::to_string(10 + event % 18);
        AppendFolded(out, "BEGIN:VEVENT");
        AppendFolded(out, "UID:event-" + number + "@example.com");
        AppendFolded(out, "DTSTAMP:20260701T080000Z");
        AppendFolded(out, "DTSTART;TZID=W. Europe Standard Time:202607" + day + "T090000");
        AppendFolded(out, "DTEND;TZID=W. Europe Standard Time:202607" + day + "T103000");
        AppendFolded(out, "RRULE:FREQ=WEEKLY;INTERVAL=1;BYDAY=MO;UNTIL=20261231T080000Z");
        AppendFolded(out, "SUMMARY:Planning meeting " + number);
        AppendFolded(out, "LOCATION:Room " + number);
        AppendFolded(out, "ORGANIZER;CN=Olga Organizer:MAILTO:olga@example.com");
        for (int attendee = 1; attendee <= 5; ++attendee) {
            const std::string who = std::to_string(attendee);
            AppendFolded(out,
                         "ATTENDEE;CUTYPE=INDIVIDUAL;ROLE=REQ-PARTICIPANT;PARTSTAT=NEEDS-"
                         "ACTION;RSVP=TRUE;CN=Attendee " +
                             who + ":MAILTO:attendee" + who + "@example.com");
        }
        AppendFolded(out, "DESCRIPTION:" + Description(event, descriptionBytes));
        AppendFolded(out, "END:VEVENT");
    }
    AppendFolded(out, "END:VCALENDAR");
    return out;
}

}  // namespace kelvor::bench
