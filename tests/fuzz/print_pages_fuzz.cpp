// Printing hostile documents on the fake printer: every page ends, the job ends or is aborted,
// and no more pages reach the printer than the range asks for. The first byte chooses the
// print scale (bits 0 to 1), the first page (bits 2 to 3) and table backgrounds (bit 4); the
// rest is the document.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/print/doc_printer.h"
#include "engine/print/hidden_view_host.h"
#include "engine/view/engine_document.h"
#include "engine/view/html_display.h"
#include "fakes/platform/fake_platform.h"
#include "platform/fixed/fake_printer.h"
#include "platform/fixed/fixed_font_services.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvor;
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    platform::fixed::FixedFontServices fonts;
    testing::FakeFileSystem files;
    files.addFile("/page.htm", std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    engine::HiddenViewHost host;
    engine::THtmlDisplay display(host, std::make_unique<engine::EngineDocument>(fonts), files);
    platform::fixed::FakePrinter printer;
    display.SetPrinterDevice(&printer);
    const double scales[] = {1.0, 0.25, 2.0, 4.0};
    display.SetPrintScale(scales[flags & 3]);
    if (flags & 16)
        display.SetDisplayOptions(engine::doPrintMonochromeBlack);
    constexpr int kLast = 12;
    const int first = 1 + ((flags >> 2) & 3);
    try {
        display.LoadHtmlFile("/page.htm");
    } catch (const std::exception&) {
        return 0;
    }
    display.PrintRange(first, kLast);
    if (printer.documents > 1 || printer.pages.size() > static_cast<std::size_t>(kLast) ||
        display.PrintPageCount() > kLast ||
        (printer.documents == 1 && !printer.ended && !printer.aborted)) {
        __builtin_trap();
    }
    return 0;
}
