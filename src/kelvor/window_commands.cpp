#include "kelvor/window_commands.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "kelvor/display_control.h"
#include "kelvor/io_error.h"
#include "kelvor/kelvor_state.h"
#include "kelvor/main_window.h"
#include "kelvor/report_writer.h"
#include "kelvor/startup.h"

namespace kelvor {

void WindowCommands::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        state_.platform.ui.messageBox(kDefaultErrorCaption, error.what());
    }
}

void WindowCommands::Run(Command command) {
    switch (command) {
        case Command::None:
            return;
        case Command::SaveEvent:
            return SaveEvent1Click();
        case Command::PrintEvent:
            return PrintEvent1Click();
        case Command::Exit:
            return Exit1Click();
        case Command::RsvpYes:
            return RSVPYes1Click();
        case Command::RsvpNo:
            return RSVPNo1Click();
        case Command::FontSize:
            return Fontsize1Click();
        case Command::Copy:
            return Copy1Click();
        case Command::EventReport:
            return report1Click();
        case Command::Source:
            return Source1Click();
        case Command::LogFile:
            return Logfile1Click();
        case Command::EventTable:
            return Table1Click();
        case Command::Help:
            return Helpclick();
    }
}

bool WindowCommands::startup() {
    bool completed = false;
    Guarded([&] { completed = kelvor::startup(state_) == StartupOutcome::Completed; });
    // Only the parser gives the window a caption; a run without a stream leaves it as it was.
    services_.window.SetCaption(state_.caption);
    return completed;
}

void WindowCommands::myresize(int outerWidth, int outerHeight) {
    Guarded([&] {
        state_.display.SetSize(std::max(0, outerWidth - kDisplayMargin),
                               std::max(0, outerHeight - kDisplayMargin));
    });
}

// A file of the working folder. Without a working folder (start-up refused every candidate)
// there is none: the name alone is reported missing rather than looked for at the root.
std::string WindowCommands::WorkingFile(const std::string& name) const {
    if (state_.folders.working.empty()) {
        throw MissingFileError(name);
    }
    return state_.pathIn(state_.folders.working, name);
}

void WindowCommands::ShowFile(const std::string& name, bool plainText) {
    DisplayControl& display = state_.display;
    display.ClearDocument();
    const std::string path = WorkingFile(name);
    if (plainText) {
        display.LoadPlainTextFile(path);
    } else {
        display.LoadHtmlFile(path);
    }
}

void WindowCommands::report1Click() {
    Guarded([this] { ShowFile("kelvor.htm", false); });
}

void WindowCommands::Source1Click() {
    Guarded([this] { ShowFile("kelvor.ics", true); });
}

void WindowCommands::Logfile1Click() {
    Guarded([this] { ShowFile("kelvor.log", true); });
}

// A toggle between the help page and the report, loaded over whatever is shown. The flag is
// changed before the load, so a missing help page still counts as shown.
void WindowCommands::Helpclick() {
    Guarded([this] {
        if (!helpShown_) {
            helpShown_ = true;
            if (state_.markers.report) {
                CloseReport(state_);
            }
            state_.display.LoadHtmlFile(state_.pathIn(state_.folders.program, "kelvorHelp.htm"));
        } else {
            helpShown_ = false;
            state_.display.LoadHtmlFile(WorkingFile("kelvor.htm"));
        }
    });
}

void WindowCommands::PrintEvent1Click() {
    Guarded([this] {
        if (services_.printDialog.Execute()) {
            state_.display.PrintRange(1, 99);
        }
    });
}

// The choice lasts for the run; the settings file keeps the font the report starts with.
void WindowCommands::Fontsize1Click() {
    Guarded([this] {
        DisplayControl& display = state_.display;
        const platform::FontChoice current{display.DefFontSize(), display.DefFontName()};
        const platform::FontChoice chosen = services_.fontDialog.Execute(current).value_or(current);
        if (chosen.size != display.DefFontSize()) {
            display.SetDefFontSize(chosen.size);
        }
        if (chosen.name != display.DefFontName()) {
            display.SetDefFontName(chosen.name);
        }
        // Even after a cancel: the shown document comes back as it was.
        display.ReloadDocument();
    });
}

void WindowCommands::Copy1Click() {
    Guarded([this] { state_.display.CopySelection(); });
}

// Closes each file whose marker says it is open, then the window. The input is read whole
// when it is opened, so its marker holds no handle of its own; the report may still be held
// when a run ended early.
void WindowCommands::Exit1Click() {
    Guarded([this] {
        OpenFileMarkers& markers = state_.markers;
        markers.input = false;
        if (markers.report) {
            CloseReport(state_);
        }
        markers.workingCopy = false;
        services_.window.Close();
    });
}

}  // namespace kelvor
