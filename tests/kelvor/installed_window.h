#pragma once

// An installed program with its window around it: the shipped companion files, the dialogs,
// the window and a mail hand-over that records the reply.
#include "fakes/fake_window.h"
#include "kelvor/installed_run.h"
#include "kelvor/window_commands.h"

namespace kelvor::testing::installed {

struct InstalledWindow : Installed {
    FakeSaveDialog saveDialog;
    FakePrintDialog printDialog;
    FakeFontDialog fontDialog;
    RecordingWindow window;
    RecordingHandOver mail;
    WindowCommands commands{state, {window, saveDialog, printDialog, fontDialog, mail}};

    // The window's first activation on one of the examples.
    void open(const std::string& example) {
        files.addFile("/home/ann/mail/" + example, SourceFile("examples/" + example));
        environment.args = {"/home/ann/mail/" + example};
        commands.startup();
    }
    // The same on an invitation written by the test.
    void openBytes(const std::string& name, const std::string& bytes) {
        files.addFile("/home/ann/mail/" + name, bytes);
        environment.args = {"/home/ann/mail/" + name};
        commands.startup();
    }
    void tracing() { files.addFile("/opt/kelvor/kelvor.ini", "tracing=true\r\n"); }
};

}  // namespace kelvor::testing::installed
