#include "platform/fixed/fake_printer.h"

namespace kelvor::platform::fixed {

PrinterGeometry FakePrinter::geometry() const {
    PrinterGeometry geometry;
    geometry.dotsPerInchX = kDpi;
    geometry.dotsPerInchY = kDpi;
    geometry.physicalWidth = kPhysicalWidth;
    geometry.physicalHeight = kPhysicalHeight;
    geometry.offsetX = kOffset;
    geometry.offsetY = kOffset;
    geometry.pageWidth = kPhysicalWidth - 2 * kOffset;
    geometry.pageHeight = kPhysicalHeight - 2 * kOffset;
    geometry.colourBits = colourBits;
    return geometry;
}

bool FakePrinter::startDocument(const std::string& documentTitle) {
    if (refuseStart)
        return false;
    title = documentTitle;
    started = true;
    ++documents;
    log.push_back("start " + documentTitle);
    return true;
}

bool FakePrinter::startPage() {
    pages.push_back(std::make_unique<Page>());
    log.emplace_back("page");
    return true;
}

void FakePrinter::endPage() {
    log.emplace_back("end page");
}

void FakePrinter::endDocument() {
    ended = true;
    log.emplace_back("end");
}

void FakePrinter::abortDocument() {
    aborted = true;
    log.emplace_back("abort");
}

Canvas& FakePrinter::pageCanvas() {
    // Drawing outside a page goes nowhere that a test reads.
    return pages.empty() ? spare_ : pages.back()->canvas;
}

}  // namespace kelvor::platform::fixed
