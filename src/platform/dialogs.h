#pragma once

#include <optional>
#include <string>

namespace kelvor::platform {

// What the save dialog is opened with. The name and folder are set anew before every use, so
// the dialog never proposes what the user chose the time before.
struct SaveDialogRequest {
    std::string title;             // "Save report as ..."
    std::string defaultExtension;  // added to a typed name that has none, without its dot
    std::string fileName;          // the name proposed
    std::string initialFolder;     // the folder shown first, ending in the separator
};

// The standard dialog for choosing a file to save to.
class SaveDialog {
  public:
    virtual ~SaveDialog() = default;
    // The path the user chose; nothing when the dialog was cancelled. An existing file may be
    // chosen: there is no question before it is replaced.
    virtual std::optional<std::string> Execute(const SaveDialogRequest& request) = 0;
};

// The standard print dialog. The printer confirmed in it is the one the display control prints
// on next; the page range the dialog offers is not read.
class PrintDialog {
  public:
    virtual ~PrintDialog() = default;
    // True when the user confirmed.
    virtual bool Execute() = 0;
};

struct FontChoice {
    int size = 0;  // points
    std::string name;
};

// The standard font dialog, without a lower or upper limit on the size.
class FontDialog {
  public:
    virtual ~FontDialog() = default;
    // Shown with the given font; the font chosen, or nothing when the dialog was cancelled.
    virtual std::optional<FontChoice> Execute(const FontChoice& initial) = 0;
};

}  // namespace kelvor::platform
