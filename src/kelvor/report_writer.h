#pragma once

#include <string>

namespace kelvor {

struct KelvorState;

struct ReportState {
    std::string path;
};

// Creates the report and writes its heading; false when it cannot be created.
bool WriteReportHeading(KelvorState& state);
// Appends the rows of the event in hand.
void WriteEventReport(KelvorState& state);
// Finishes the report for an input without a stream and shows it.
void WriteNoStreamEnding(KelvorState& state);
// Appends bytes to the open report.
void WriteReport(KelvorState& state, const std::string& bytes);
// Closes the report when its marker says it is open.
void CloseReport(KelvorState& state);

}  // namespace kelvor
