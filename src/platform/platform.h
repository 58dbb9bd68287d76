#pragma once

#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/time_zone.h"
#include "platform/user_interface.h"

namespace kelvor::platform {

// The services one run of the program reaches the outside through. The owner keeps the
// implementations alive; tests hand in fakes.
struct Platform {
    Environment& environment;
    FileSystem& files;
    Registry& registry;
    Clock& clock;
    SystemTimeZone& timeZone;
    UserInterface& ui;
};

}  // namespace kelvor::platform
