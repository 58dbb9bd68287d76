#include "tools/kelvor_layout/pdf_print.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QString>
#include <exception>
#include <filesystem>
#include <memory>

#include "engine/print/hidden_view_host.h"
#include "engine/view/engine_document.h"
#include "engine/view/html_display.h"
#include "platform/posix/posix_file_system.h"
#include "platform/qt/qt_font_services.h"
#include "platform/qt/qt_printer.h"

namespace kelvor::tools {

int PrintToPdf(const std::string& file, const std::string& pdf, double printScale,
               std::string& error) {
    platform::qt::QtFontServices fonts;
    platform::PosixFileSystem files;
    engine::HiddenViewHost host;
    engine::THtmlDisplay display(host, std::make_unique<engine::EngineDocument>(fonts), files);
    display.SetSize(800, 600);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    platform::qt::QtPrinter device(printer);
    display.SetPrinterDevice(&device);
    display.SetPrintScale(printScale);
    try {
        std::error_code ignored;
        const std::filesystem::path full = std::filesystem::absolute(file, ignored);
        display.LoadHtmlFile(full.empty() ? file : full.string());
        display.PrintRange(1, kLastPage);
    } catch (const std::exception& failure) {
        error = failure.what();
        return 0;
    }
    if (display.PrintPageCount() <= 0)
        error = "nothing to print";
    return display.PrintPageCount();
}

}  // namespace kelvor::tools
