// "Save Event...": a copy of the report file in a file the user chooses.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/main_window_layout.h"
#include "kelvor/report_writer.h"
#include "kelvor/trace_log.h"
#include "kelvor/window_commands.h"

namespace kelvor {

namespace {

constexpr int kIoDiskWriteError = 101;

// The text with every line ended by CR LF, the last one included. A line ends at CR or CR LF;
// an LF alone stays in its line. Unlike the reading of the program's input, a byte 26 does not
// end the text here: a description may hold one, and the copy must not stop there.
std::string WithCrlfLineEnds(std::string_view text) {
    std::string copy;
    copy.reserve(text.size() + 2);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\r', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        copy.append(text.substr(start, end - start));
        copy.append("\r\n");
        start = end + 1;
        if (end < text.size() && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return copy;
}

}  // namespace

void WindowCommands::SaveEvent1Click() {
    Guarded([this] { SaveReportCopy(); });
}

// What is saved is always the report file, whatever the display shows.
void WindowCommands::SaveReportCopy() {
    const char separator = state_.platform.files.separator();
    const std::optional<std::string> chosen = services_.saveDialog.Execute(
        platform::SaveDialogRequest{kSaveDialogTitle, kSaveDialogExtension, kSavedReportName,
                                    state_.folders.working + separator});
    if (!chosen) {
        return;
    }
    const std::string reportPath = WorkingFile("kelvor.htm");
    // A run that ended early may still hold the report open; what it wrote is saved whole.
    if (state_.markers.report) {
        CloseReport(state_);
    }
    // The report is read whole before the copy is created, so choosing the report itself as
    // the copy leaves it as it was.
    const std::optional<std::string> report = state_.platform.files.readAll(reportPath);
    if (!report) {
        LogLine(state_, "SaveEvent: Unable to open: " + reportPath);
        return;
    }
    // The user named this file, so it is written even through a link.
    const std::unique_ptr<platform::OutputFile> copy =
        state_.platform.files.createChosenFile(*chosen);
    if (!copy) {
        LogLine(state_, "SaveEvent: unable to create: " + *chosen);
        return;
    }
    const bool written = copy->write(WithCrlfLineEnds(*report));
    if (!copy->close() || !written) {
        throw IoError(kIoDiskWriteError);
    }
}

}  // namespace kelvor
