#include "app/headless_run.h"

#include <cstdio>
#include <exception>

#include "app/posix_services.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/recording_display.h"
#include "kelvor/startup.h"
#include "platform/platform.h"
#include "platform/posix/stderr_user_interface.h"

namespace kelvor::app {

int RunHeadless(const std::vector<std::string>& arguments) {
    PosixServices system(arguments);
    platform::StderrUserInterface ui;
    platform::Platform services{system.environment, system.files,    system.registry,
                                system.clock,       system.timeZone, ui};
    RecordingDisplay display(system.files);
    KelvorState state(services, display);

    try {
        return startup(state) == StartupOutcome::Completed ? 0 : 1;
    } catch (const std::exception& error) {
        // Whatever the sequence itself does not report is still reported, not swallowed.
        std::fprintf(stderr, "kelvor: %s\n", error.what());
        return 1;
    }
}

}  // namespace kelvor::app
