#pragma once

#include <string>
#include <vector>

#include "fakes/platform/fake_platform.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/recording_display.h"

namespace kelvor::testing {

// A complete fake world for one run: the program lives in /opt/kelvor, the working folder is
// /work/tmp (already set in state.folders.working), the clock stands at 09:05.
struct TestPlatform {
    FakeEnvironment environment;
    FakeFileSystem files;
    FakeRegistry registry;
    FakeClock clock;
    FakeTimeZone timeZone;
    FakeUserInterface ui;
    platform::Platform platform{environment, files, registry, clock, timeZone, ui};
    RecordingDisplay display{files};
    KelvorState state{platform, display};

    TestPlatform() {
        files.addFolder("/opt/kelvor");
        files.addFolder("/work/tmp");
        state.folders.working = "/work/tmp";
        state.folders.program = "/opt/kelvor";
    }

    // The log's lines without their "hh:mm " stamps.
    std::vector<std::string> logMessages() const;
    // The whole log file.
    std::string log() const { return files.content(state.folders.working + "/kelvor.log"); }
};

}  // namespace kelvor::testing
