#pragma once

#include <stdexcept>
#include <string>

namespace kelvor {

// Raised by a load when the file is missing; the message names it.
class MissingFileError : public std::runtime_error {
  public:
    explicit MissingFileError(const std::string& path)
        : std::runtime_error("Can't locate file: " + path) {}
};

// What the calendar side asks of the display control that shows the report.
class DisplayControl {
  public:
    virtual ~DisplayControl() = default;
    virtual void ClearDocument() = 0;
    // Load and show a file as HTML or as preformatted plain text; MissingFileError when missing.
    virtual void LoadHtmlFile(const std::string& path) = 0;
    virtual void LoadPlainTextFile(const std::string& path) = 0;
    // Loads the shown file again in the same mode with the default font now in force and
    // returns to the same place; MissingFileError when the file has gone.
    virtual void ReloadDocument() = 0;
    virtual int DefFontSize() const = 0;
    virtual void SetDefFontSize(int points) = 0;
    virtual std::string DefFontName() const = 0;
    virtual void SetDefFontName(const std::string& name) = 0;
    // Colour in blue-green-red order.
    virtual void SetDefBackground(unsigned colour) = 0;
    // Puts the selected text on the clipboard; nothing happens without a selection.
    virtual void CopySelection() = 0;
    // Prints these pages of the shown document (as many as it has, up to the last asked for)
    // on the printer last confirmed in the print dialog.
    virtual void PrintRange(int firstPage, int lastPage) = 0;
    // The size the window asks for when it is resized, in pixels.
    virtual void SetSize(int width, int height) = 0;
};

}  // namespace kelvor
