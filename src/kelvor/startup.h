#pragma once

namespace kelvor {

struct KelvorState;

enum class StartupOutcome {
    Completed,  // the sequence ran to its end
    EndedEarly  // no input, settings unreadable, report not created, or an unhandled I/O error
};

// The start-up sequence that drives one complete run.
StartupOutcome startup(KelvorState& state);

}  // namespace kelvor
