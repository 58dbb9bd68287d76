#include "platform/qt/qt_printer.h"

#include <QFile>
#include <QImage>
#include <QRect>

namespace kelvor::platform::qt {

QtPrinter::~QtPrinter() {
    canvas_.reset();
    spare_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
}

bool QtPrinter::valid() const {
    return printer_.isValid() && printer_.resolution() > 0;
}

PrinterGeometry QtPrinter::geometry() const {
    PrinterGeometry geometry;
    const int dpi = printer_.resolution();
    geometry.dotsPerInchX = dpi;
    geometry.dotsPerInchY = dpi;
    const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer_.pageRect(QPrinter::DevicePixel);
    geometry.physicalWidth = static_cast<int>(paper.width());
    geometry.physicalHeight = static_cast<int>(paper.height());
    geometry.pageWidth = static_cast<int>(page.width());
    geometry.pageHeight = static_cast<int>(page.height());
    geometry.offsetX = static_cast<int>(page.left() - paper.left());
    geometry.offsetY = static_cast<int>(page.top() - paper.top());
    geometry.colourBits = printer_.colorMode() == QPrinter::GrayScale ? 1 : 24;
    return geometry;
}

bool QtPrinter::startDocument(const std::string& title) {
    printer_.setDocName(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    painter_ = std::make_unique<QPainter>();
    // The painter starts the document and its first page.
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        return false;
    }
    firstPage_ = true;
    return true;
}

bool QtPrinter::startPage() {
    if (!painter_)
        return false;
    if (!firstPage_ && !printer_.newPage())
        return false;
    firstPage_ = false;
    painter_->resetTransform();
    painter_->setClipping(false);
    canvas_ = std::make_unique<QtCanvas>(*painter_);
    return true;
}

void QtPrinter::endPage() {
    canvas_.reset();
}

void QtPrinter::endDocument() {
    canvas_.reset();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
}

void QtPrinter::abortDocument() {
    canvas_.reset();
    const QString file = printer_.outputFileName();
    printer_.abort();
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    // A file printer cannot take back what it wrote: the unfinished file goes.
    if (!file.isEmpty())
        QFile::remove(file);
}

Canvas& QtPrinter::pageCanvas() {
    if (!canvas_) {
        // Only between startPage and endPage; elsewhere a canvas that draws nowhere.
        if (!spare_) {
            spareImage_ = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
            spare_ = std::make_unique<QtCanvas>(*spareImage_);
        }
        return *spare_;
    }
    return *canvas_;
}

}  // namespace kelvor::platform::qt
