#include "kelvor/report_writer.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "kelvor/encoding.h"
#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/trace_log.h"
#include "platform/text_file_reader.h"

namespace kelvor {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kIoDiskWriteError = 101;

// The two closing rows of every attendee table; the first cell is left open on purpose, the
// display control has always been given it that way.
constexpr std::string_view kAttendeeTableEnd =
    "<tr><td width=\"50%\">&nbsp;<td width=\"50%\">&nbsp;</td></tr>";

void WriteReportBytes(KelvorState& state, std::string_view bytes) {
    if (!state.markers.report || !state.report.file) {
        throw IoError(kIoFileNotOpenForOutput);
    }
    if (!state.report.file->write(bytes)) {
        throw IoError(kIoDiskWriteError);
    }
}

bool GermanDates(const KelvorState& state) {
    return state.settings.dateFormat == "de";
}

// Day without a leading zero, the short month name and the year: 5.Mar 2010.
std::string GermanDate(DateTime value) {
    return FormatDateTime("d.mmm yyyy", value);
}

void WriteStyleBlock(KelvorState& state) {
    const std::string sheetPath = state.pathIn(state.folders.program, "kelvor.css");
    platform::TextFileReader sheet;
    if (!sheet.open(state.platform.files, sheetPath)) {
        LogLine(state, "Unable to open: " + sheetPath);
        return;
    }
    WriteReportLine(state, "<style>");
    while (!sheet.eof()) {
        WriteReportLine(state, sheet.readLine());
    }
    WriteReportLine(state, "</style>");
    sheet.close();
}

void WriteRowIfNotEmpty(KelvorState& state, std::string_view label, std::string_view value) {
    if (!value.empty()) {
        WriteReportRow(state, label, value);
    }
}

std::string OrganizerCell(const EventRecord& event) {
    if (event.organizerName.empty()) {
        return event.organizerEmail + "&nbsp;";
    }
    return event.organizerName + "&nbsp;&nbsp;<a href=\"" + event.organizerEmail + "\">" +
           event.organizerEmail + "</a>";
}

void WriteAttendeeBlock(KelvorState& state) {
    const EventRecord& event = state.event;
    if (event.attendeeCount == 0) {
        return;
    }
    WriteReportLine(state, kSpacerRow);
    WriteReportRow(state, "<h2>Attendees:</h2>", "&nbsp;");
    const std::size_t count = std::min<std::size_t>(event.attendeeCount, event.attendees.size());
    for (std::size_t i = 0; i < count; ++i) {
        const AttendeeEntry& entry = event.attendees[i];
        WriteReportRow(state, entry.role.empty() ? "&nbsp;" : entry.role, entry.name);
    }
    WriteReportLine(state, kAttendeeTableEnd);
    WriteReportLine(state, kAttendeeTableEnd);
}

void WriteEventRows(KelvorState& state) {
    const EventRecord& event = state.event;
    const ReportLabels& labels = state.settings.labels;
    WriteReportLine(state, kSpacerRow);
    if (!event.categories.empty()) {
        WriteReportRow(state, labels.event, "<b>" + event.categories + "</b>&nbsp;");
    }
    WriteReportRow(state, labels.organizer, OrganizerCell(event));
    WriteReportRow(state, labels.startdate, event.startText);
    WriteReportRow(state, labels.until, event.endText);
    WriteRowIfNotEmpty(state, labels.duration, event.durationText);
    WriteRowIfNotEmpty(state, labels.status, event.status);
    WriteRowIfNotEmpty(state, labels.comment, event.comment);
    WriteRowIfNotEmpty(state, labels.frequency, event.ruleText);
    WriteRowIfNotEmpty(state, labels.where, event.location);
    WriteRowIfNotEmpty(state, labels.attendance, event.attendance);
    WriteRowIfNotEmpty(state, labels.action, event.action);
    WriteReportRow(state, labels.rsvp, event.rsvp);
    WriteRowIfNotEmpty(state, labels.summary, event.summary);
    if (event.description.size() > 2) {
        WriteReportRow(state, labels.description, event.description);
    }
}

}  // namespace

std::string ReportRow(std::string_view label, std::string_view value) {
    std::string row = "<tr><td width=\"30%\">";
    row.append(label);
    row.append("</td><td width=\"70%\">");
    row.append(value);
    row.append("</td></tr>");
    return row;
}

void WriteReport(KelvorState& state, const std::string& bytes) {
    WriteReportBytes(state, bytes);
}

void WriteReportLine(KelvorState& state, std::string_view line) {
    WriteReportBytes(state, line);
    WriteReportBytes(state, kLineEnd);
}

void WriteReportRow(KelvorState& state, std::string_view label, std::string_view value) {
    WriteReportBytes(state, "<tr><td width=\"30%\">");
    WriteReportBytes(state, label);
    WriteReportBytes(state, "</td><td width=\"70%\">");
    WriteReportBytes(state, value);
    WriteReportBytes(state, "</td></tr>\r\n");
}

void CloseReport(KelvorState& state) {
    if (!state.markers.report) {
        return;
    }
    state.markers.report = false;
    const std::unique_ptr<platform::OutputFile> file = std::move(state.report.file);
    if (file && !file->close()) {
        throw IoError(kIoDiskWriteError);
    }
}

bool WriteReportHeading(KelvorState& state) {
    CloseReport(state);
    state.report.path = state.pathIn(state.folders.working, "kelvor.htm");
    state.report.file =
        state.platform.files.openOutput(state.report.path, platform::OutputMode::Replace, true);
    if (!state.report.file) {
        return false;
    }
    state.markers.report = true;
    WriteReportBytes(state, kByteOrderMark);
    WriteReportLine(state, "<html><head><title><h4>KELVOR Report</h4></title>");
    WriteReportLine(state, "</head><body><table>");
    WriteStyleBlock(state);
    return true;
}

void WriteEventReport(KelvorState& state) {
    if (!state.parser.eventEnded) {
        return;
    }
    EventRecord& event = state.event;
    // Only the repair of a leading TAB or line end matters here; the class is for the log.
    IsUtf8(state, event.description);
    DumpZones(state);

    const ZoneState& zones = state.zones;
    const std::string startTime = FormatDateTime("hh:mm", event.start);
    const std::string startDate =
        GermanDates(state) ? GermanDate(event.start) : FormatDateTime("dd-mmm-yyyy", event.start);
    event.startText =
        startDate + " " + startTime + "   " + zones.SenderTZ.Tzid + " " + zones.MyTZ.Tzid;
    LogTraced(state, "EvStartwhen: " + startTime);
    event.endText =
        GermanDates(state) ? GermanDate(event.end) : FormatDateTime("dd-mmm-yyyy hh:nn", event.end);
    LogTraced(state, "EvEndwhen: ");

    WriteEventRows(state);
    WriteAttendeeBlock(state);
    state.parser.inEvent = false;
}

void WriteNoStreamEnding(KelvorState& state) {
    WriteReportLine(state, "<p>No valid VCALENDAR INFORMATION</p></body></html>");
    LogLine(state, "KELVOR: No valid vCALENDAR STREAM");
    CloseReport(state);
    state.display.LoadHtmlFile(state.report.path);
}

}  // namespace kelvor
