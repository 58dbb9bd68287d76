#pragma once

#include <string>
#include <vector>

#include "platform/posix/posix_clock.h"
#include "platform/posix/posix_environment.h"
#include "platform/posix/posix_file_system.h"
#include "platform/posix/posix_registry.h"
#include "platform/posix/posix_time_zone.h"

namespace kelvor::app {

// The system services of one run on POSIX, all but the message boxes, which each mode brings.
struct PosixServices {
    explicit PosixServices(const std::vector<std::string>& arguments)
        : environment(arguments),
          registry(files, platform::PosixRegistry::DefaultPath(environment)) {}

    platform::PosixEnvironment environment;
    platform::PosixFileSystem files;
    platform::PosixRegistry registry;
    platform::PosixClock clock;
    platform::PosixTimeZone timeZone;
};

}  // namespace kelvor::app
