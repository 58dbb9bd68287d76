#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include "platform/printer.h"

namespace kelvor::engine {

// The printer's own errors: no usable printer, a job already running, no job running.
class PrinterError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kPrinterNotValid = "Printer selected is not valid";
inline constexpr const char* kPrintingInProgress = "Printing in progress";
inline constexpr const char* kNotPrinting = "Printer is not currently printing";

// One print job on a platform printer: its state, its pages and the canvas of the page being
// drawn. One is current for the whole program; a print that brings its own makes it current
// for its duration and puts the previous one back.
class TDocPrinter {
  public:
    // Device states: none, asked about (sizes), drawing.
    enum DeviceState { dsNone = 0, dsInformation = 1, dsDevice = 2 };

    // The device is not owned; none (or an invalid one) fails at the first use.
    explicit TDocPrinter(platform::Printer* device);
    // A running job is ended.
    ~TDocPrinter();
    TDocPrinter(const TDocPrinter&) = delete;
    TDocPrinter& operator=(const TDocPrinter&) = delete;

    // The job's name; at most 31 characters of it reach the device.
    std::string Title;
    // Lets the window run while a job goes on; asked before each page.
    std::function<void()> ProcessMessages;

    bool Printing() const { return printing_; }
    bool Aborted() const { return aborted_; }
    int PageNumber() const { return pageNumber_; }
    int State() const { return state_; }

    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();

    // The printable area in dots and the rest of the paper.
    platform::PrinterGeometry Geometry();
    int PageWidth() { return Geometry().pageWidth; }
    int PageHeight() { return Geometry().pageHeight; }
    // The page being drawn; only while a job runs.
    platform::Canvas& Canvas();

    static TDocPrinter* Current() { return current_; }
    // Makes `printer` current and returns the one it replaces.
    static TDocPrinter* SetCurrent(TDocPrinter* printer);

  private:
    void SetState(DeviceState state);
    void CheckPrinting(bool wanted) const;

    platform::Printer* device_;
    DeviceState state_ = dsNone;
    bool printing_ = false;
    bool aborted_ = false;
    int pageNumber_ = 0;
    static TDocPrinter* current_;
};

}  // namespace kelvor::engine
