#pragma once

#include <string>

#include "platform/canvas.h"

namespace kelvor::platform {

// What a printer tells of its paper, in device dots.
struct PrinterGeometry {
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
    // The printable area: its size and where it starts on the paper.
    int pageWidth = 0;
    int pageHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    // The whole sheet.
    int physicalWidth = 0;
    int physicalHeight = 0;
    // Bits per pixel of the device: 1 for a black-and-white printer.
    int colourBits = 24;
};

// The printer the user chose, as the display engine's printing drives it: one document at a
// time, page by page, with a canvas per page. Device coordinates are dots of the printable
// area; the engine sets the canvas's mapping for its own units.
class Printer {
  public:
    virtual ~Printer() = default;

    // False when no usable printer is selected; nothing else may be asked then.
    virtual bool valid() const = 0;
    virtual PrinterGeometry geometry() const = 0;

    // A document: start (with its title), pages, then end or abort. False when the device
    // refused.
    virtual bool startDocument(const std::string& title) = 0;
    virtual bool startPage() = 0;
    virtual void endPage() = 0;
    virtual void endDocument() = 0;
    virtual void abortDocument() = 0;

    // The canvas of the page started last; valid until that page ends.
    virtual Canvas& pageCanvas() = 0;
};

}  // namespace kelvor::platform
