#pragma once

#include <string>
#include <vector>

namespace kelvor {

// Everything the window's menu can ask for. The divider and the hidden table item are items
// like the others, but run nothing.
enum class Command {
    None,
    SaveEvent,
    PrintEvent,
    Exit,
    RsvpYes,
    RsvpNo,
    FontSize,
    Copy,
    EventReport,
    Source,
    LogFile,
    EventTable,
    Help
};

struct MenuItem {
    std::string name;  // the item's name, after its caption
    std::string caption;
    Command command = Command::None;
    bool isDefault = false;  // shown in bold
    bool visible = true;
    bool enabled = true;
};

// A menu of the menu bar. One without items runs its own command when its entry is clicked.
struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;
    Command command = Command::None;
};

// The menu bar, menus and items in the order they are shown.
const std::vector<Menu>& MainMenu1();

// The window as first shown, in pixels at 96 pixels per inch.
struct WindowGeometry {
    int left;
    int top;
    int width;
    int height;
};
inline constexpr WindowGeometry kForm1Geometry{298, 77, 748, 534};
// The display control's share of the window's outer size: this much less in each direction.
inline constexpr int kDisplayMargin = 12;

inline constexpr const char* kSaveDialogTitle = "Save report as ...";
inline constexpr const char* kSaveDialogExtension = "htm";
inline constexpr const char* kSavedReportName = "kelvorrep.htm";

}  // namespace kelvor
