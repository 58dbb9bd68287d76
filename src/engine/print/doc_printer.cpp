#include "engine/print/doc_printer.h"

namespace kelvor::engine {

namespace {

constexpr std::size_t kMaxTitle = 31;

}  // namespace

TDocPrinter* TDocPrinter::current_ = nullptr;

TDocPrinter::TDocPrinter(platform::Printer* device) : device_(device) {}

TDocPrinter::~TDocPrinter() {
    if (printing_) {
        try {
            EndDoc();
        } catch (const PrinterError&) {
            // The device is gone with the job; nothing is left to release.
        }
    }
    if (current_ == this)
        current_ = nullptr;
}

TDocPrinter* TDocPrinter::SetCurrent(TDocPrinter* printer) {
    TDocPrinter* previous = current_;
    current_ = printer;
    return previous;
}

void TDocPrinter::SetState(DeviceState state) {
    if (state <= state_)
        return;
    if (device_ == nullptr || !device_->valid())
        throw PrinterError(kPrinterNotValid);
    state_ = state;
}

void TDocPrinter::CheckPrinting(bool wanted) const {
    if (printing_ != wanted)
        throw PrinterError(wanted ? kNotPrinting : kPrintingInProgress);
}

platform::PrinterGeometry TDocPrinter::Geometry() {
    SetState(dsInformation);
    return device_->geometry();
}

void TDocPrinter::BeginDoc() {
    CheckPrinting(false);
    SetState(dsDevice);
    if (!device_->startDocument(Title.substr(0, kMaxTitle)))
        throw PrinterError(kPrinterNotValid);
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    if (!device_->startPage()) {
        device_->abortDocument();
        printing_ = false;
        pageNumber_ = 0;
        throw PrinterError(kPrinterNotValid);
    }
}

void TDocPrinter::NewPage() {
    CheckPrinting(true);
    if (ProcessMessages)
        ProcessMessages();
    device_->endPage();
    device_->startPage();
    ++pageNumber_;
}

void TDocPrinter::EndDoc() {
    CheckPrinting(true);
    if (!aborted_) {
        device_->endPage();
        device_->endDocument();
    }
    printing_ = false;
    aborted_ = false;
    pageNumber_ = 0;
}

void TDocPrinter::Abort() {
    CheckPrinting(true);
    device_->abortDocument();
    aborted_ = true;
    EndDoc();
}

platform::Canvas& TDocPrinter::Canvas() {
    CheckPrinting(true);
    return device_->pageCanvas();
}

}  // namespace kelvor::engine
