#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace kelvor {

struct KelvorState;

// The report file, held open from the heading to the closing rows and written through a buffer.
struct ReportState {
    std::string path;
    std::unique_ptr<platform::OutputFile> file;
};

// The blank row that opens every event block and the closing rows.
inline constexpr std::string_view kSpacerRow =
    "<tr><td width=\"30%\">&nbsp</td><td width=\"70%\">&nbsp;</td></tr>";

// Creates the report and writes its heading; false when it cannot be created.
bool WriteReportHeading(KelvorState& state);
// Appends the rows of the event in hand.
void WriteEventReport(KelvorState& state);
// Finishes the report for an input without a stream and shows it.
void WriteNoStreamEnding(KelvorState& state);
// Appends bytes to the open report.
void WriteReport(KelvorState& state, const std::string& bytes);
// Appends one line and its CR LF to the open report.
void WriteReportLine(KelvorState& state, std::string_view line);
// Appends one row of the two-column table and its CR LF, piece by piece.
void WriteReportRow(KelvorState& state, std::string_view label, std::string_view value);
// Closes the report when its marker says it is open; a write that fails only now (the buffer's
// last one, or the close itself) is an input/output error.
void CloseReport(KelvorState& state);

// One row of the report's two-column table, without its line end.
std::string ReportRow(std::string_view label, std::string_view value);

}  // namespace kelvor
