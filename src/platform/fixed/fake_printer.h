#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/fixed/recording_canvas.h"
#include "platform/printer.h"

namespace kelvor::platform::fixed {

// A printer with fixed paper, so that printed positions can be worked out by hand: A4 at 600
// dots per inch, the sheet 4961 x 7016 dots (210 x 297 mm, rounded), the printable area
// starting 150 dots (a quarter inch) in from the left and top edges and ending 150 dots before
// the right and bottom edges: 4661 x 6716 dots. Colour (24 bits) unless `colourBits` is set.
//
// Every page keeps its drawing calls on a RecordingCanvas, in device-independent logical
// units as the engine drew them (the mapping is one of the recorded calls).
class FakePrinter : public Printer {
  public:
    struct Page {
        RecordingCanvas canvas;
    };

    bool isValid = true;
    int colourBits = 24;
    // When set, startDocument fails (the device refuses the job).
    bool refuseStart = false;

    // What happened: the title given, whether the document ended or was aborted.
    std::string title;
    bool started = false;
    bool ended = false;
    bool aborted = false;
    int documents = 0;
    std::vector<std::unique_ptr<Page>> pages;
    // "start TITLE", "page", "end page", "end", "abort", in order.
    std::vector<std::string> log;

    bool valid() const override { return isValid; }
    PrinterGeometry geometry() const override;
    bool startDocument(const std::string& documentTitle) override;
    bool startPage() override;
    void endPage() override;
    void endDocument() override;
    void abortDocument() override;
    Canvas& pageCanvas() override;

    static constexpr int kDpi = 600;
    static constexpr int kPhysicalWidth = 4961;
    static constexpr int kPhysicalHeight = 7016;
    static constexpr int kOffset = 150;

  private:
    RecordingCanvas spare_;
};

}  // namespace kelvor::platform::fixed
