#pragma once

#include "fakes/fake_window.h"
#include "fakes/test_platform.h"
#include "kelvor/window_commands.h"

namespace kelvor::testing {

// The fake world of TestPlatform with a window around it: dialogs, the window itself and a
// mail hand-over that records the reply.
struct WindowPlatform : TestPlatform {
    FakeSaveDialog saveDialog;
    FakePrintDialog printDialog;
    FakeFontDialog fontDialog;
    RecordingWindow window;
    RecordingHandOver mail;
    WindowCommands commands{state, {window, saveDialog, printDialog, fontDialog, mail}};
};

}  // namespace kelvor::testing
