#include "kelvor/main_window_layout.h"

namespace kelvor {

const std::vector<Menu>& MainMenu1() {
    static const std::vector<Menu> menus = [] {
        // An ordinary item that looks like a rule under "Exit"; choosing it does nothing.
        const std::string divider = " " + std::string(23, '-');
        std::vector<Menu> bar;
        bar.push_back(Menu{"File1",
                           "File",
                           {
                               {"Save1", "Save Event...", Command::SaveEvent},
                               {"Print1", "Print Event...", Command::PrintEvent},
                               {"Exit1", "Exit", Command::Exit},
                               {"N1", divider, Command::None},
                               {"RSVPYes1", "RSVP Yes", Command::RsvpYes},
                               {"RSVPNo1", "RSVP No", Command::RsvpNo, true},
                           }});
        bar.push_back(Menu{"Edit1",
                           "Edit",
                           {
                               {"Fontsize1", "Font size", Command::FontSize},
                               {"Copy1", "Copy", Command::Copy},
                           }});
        bar.push_back(Menu{"View1",
                           "View",
                           {
                               {"report1", "Event Report", Command::EventReport},
                               {"Source1", "Source", Command::Source},
                               {"Logfile1", "Log file", Command::LogFile},
                               {"Table1", "Event Table", Command::EventTable, false, false, false},
                           }});
        bar.push_back(Menu{"Help1", "Help", {}, Command::Help});
        return bar;
    }();
    return menus;
}

}  // namespace kelvor
