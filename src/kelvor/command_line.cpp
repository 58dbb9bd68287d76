#include "kelvor/intake.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/path_parts.h"
#include "kelvor/trace_log.h"

namespace kelvor {

bool CommandLineStep(KelvorState& state) {
    const auto arguments = state.platform.environment.arguments();
    if (arguments.empty()) {
        state.platform.ui.messageBox("trace", "No input file available");
        LogLine(state, "No input file");
        LogLine(state, "   Either Pegasus Mail should call Kelvor with CNM message file, or");
        LogLine(state, "   ICS file should be opened in Pegasus Mail attachment viewer, or");
        LogLine(state, "   ICS file should be opened in Windows Explorer (or equivalent)");
        return false;
    }
    // Only the first argument counts; the path is used as given, relative to the current folder.
    const char separator = state.platform.files.separator();
    state.inputPath = arguments.front();
    state.folders.input = FolderOf(state.inputPath, separator);
    LogLine(state, "Processing file: " + NameOf(state.inputPath, separator));
    LogLine(state, "In location: " + state.folders.input);
    state.sourceType = "File";
    return true;
}

}  // namespace kelvor
