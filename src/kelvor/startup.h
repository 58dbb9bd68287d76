#pragma once

namespace kelvor {

struct KelvorState;

enum class StartupOutcome {
    Completed,  // the sequence ran to its end
    EndedEarly  // no input, settings unreadable, report not created, or an unhandled I/O error
};

// The start-up sequence that drives one complete run.
StartupOutcome startup(KelvorState& state);

// The steps of the sequence up to and including the reading of the settings (folders, companion
// files, new-mail folder, command line, settings); false when the sequence ends there. Unhandled
// I/O errors pass through to the caller.
bool StartupThroughSettings(KelvorState& state);

}  // namespace kelvor
