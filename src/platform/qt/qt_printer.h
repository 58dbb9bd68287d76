#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/printer.h"
#include "platform/qt/qt_canvas.h"

namespace kelvor::platform::qt {

// The printer on Qt: drives a QPrinter (the one the print dialog chose, or one printing to a
// PDF file) through a painter of its own for each document.
class QtPrinter : public Printer {
  public:
    // The QPrinter is not owned and must outlive this object.
    explicit QtPrinter(QPrinter& printer) : printer_(printer) {}
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    bool valid() const override;
    PrinterGeometry geometry() const override;
    bool startDocument(const std::string& title) override;
    bool startPage() override;
    void endPage() override;
    void endDocument() override;
    void abortDocument() override;
    Canvas& pageCanvas() override;

  private:
    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QtCanvas> canvas_;
    bool firstPage_ = false;
    std::unique_ptr<QImage> spareImage_;
    std::unique_ptr<QtCanvas> spare_;
};

}  // namespace kelvor::platform::qt
