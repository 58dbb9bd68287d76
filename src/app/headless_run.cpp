#include "app/headless_run.h"

#include <cstdio>
#include <exception>

#include "kelvor/kelvor_state.h"
#include "kelvor/recording_display.h"
#include "kelvor/startup.h"
#include "platform/platform.h"
#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_environment.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/posix_time_zone.h"
#include "platform/posix/stderr_user_interface.h"

namespace kelvor::app {

int RunHeadless(const std::vector<std::string>& arguments) {
    platform::PosixEnvironment environment(arguments);
    platform::PosixFileSystem files;
    platform::PosixRegistry registry(files, platform::PosixRegistry::DefaultPath(environment));
    platform::PosixClock clock;
    platform::PosixTimeZone timeZone;
    platform::StderrUserInterface ui;
    platform::Platform services{environment, files, registry, clock, timeZone, ui};
    RecordingDisplay display(files);
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
