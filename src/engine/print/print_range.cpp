// The display control's printing: a private copy of the shown document laid out for the
// printer's body width, drawn page by page through the current TDocPrinter.

#include <memory>
#include <optional>

#include "engine/document/document.h"
#include "engine/paint/print_page.h"
#include "engine/print/doc_printer.h"
#include "engine/print/html_header_footer.h"
#include "engine/print/page_canvas.h"
#include "engine/print/print_font_services.h"
#include "engine/print/print_geometry.h"
#include "engine/view/engine_document.h"
#include "engine/view/html_display.h"

namespace kelvor::engine {

namespace {

constexpr platform::RgbColour kWhite = 0xFFFFFF;
constexpr TColour kWhiteColour = 0xFFFFFF;

platform::Rect Within(const platform::Rect& a, const platform::Rect& b) {
    platform::Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                     std::min(a.bottom, b.bottom)};
    r.right = std::max(r.left, r.right);
    r.bottom = std::max(r.top, r.bottom);
    return r;
}

// Puts back what a print changes for its duration, however it ends.
class PrintScope {
  public:
    PrintScope(double& marginTop, std::unique_ptr<TDocPrinter> own)
        : marginTop_(marginTop), savedTop_(marginTop), own_(std::move(own)) {
        if (own_)
            previous_ = TDocPrinter::SetCurrent(own_.get());
    }
    ~PrintScope() {
        marginTop_ = savedTop_;
        if (own_) {
            TDocPrinter::SetCurrent(previous_);
            own_.reset();  // a job still running (after an error) is ended with it
        }
    }
    PrintScope(const PrintScope&) = delete;
    PrintScope& operator=(const PrintScope&) = delete;

    TDocPrinter* own() const { return own_.get(); }

  private:
    double& marginTop_;
    double savedTop_;
    std::unique_ptr<TDocPrinter> own_;
    TDocPrinter* previous_ = nullptr;
};

}  // namespace

void THtmlDisplay::PrintPages(int firstPage, int lastPage) {
    bool stop = false;
    if (OnPageProgress)
        OnPageProgress(0, stop);
    printPageCounter_ = 0;
    auto* shown = dynamic_cast<EngineDocument*>(document_.get());
    const bool empty =
        currentFileMode_ == FileMode::picture ? currentFile_.empty() : documentSource_.empty();
    if (busy_ || shown == nullptr || empty)
        return;

    PrintScope scope(PrintMarginTop, DocPrinter != nullptr
                                         ? nullptr
                                         : std::make_unique<TDocPrinter>(printerDevice_));
    TDocPrinter& printer = DocPrinter != nullptr ? *DocPrinter : *scope.own();
    printer.ProcessMessages = ProcessMessages;
    const platform::PrinterGeometry device = printer.Geometry();

    // The copy: the same text read again, on white, with the printer's colour depth.
    PrintFontServices fonts(shown->model().fonts().services(), device.colourBits);
    EngineDocument copy(fonts, &shown->model().pictures());
    ViewDefaults defaults = Defaults();
    defaults.background = kWhiteColour;
    copy.clear(defaults);
    TDocument& model = copy.model();
    model.printing = true;
    model.printMonochromeBlack = (options_ & doPrintMonochromeBlack) != 0;
    model.printTableBackground = (options_ & doPrintTableBackground) != 0;
    model.showImages = viewImages_;
    switch (currentFileMode_) {
        case FileMode::html:
            copy.readHtml(documentSource_, Hooks());
            break;
        case FileMode::plainText:
            copy.readPlainText(documentSource_);
            break;
        case FileMode::picture:
            copy.readHtml("<img src=\"" + currentFile_ + "\">", Hooks());
            break;
    }
    const bool printBackground = (options_ & doPrintBackground) != 0;

    printPageCounter_ = 1;
    if (!texts_.title.empty())
        printer.Title = texts_.title;
    if (printer.Printing())
        printer.NewPage();
    else
        printer.BeginDoc();

    const auto margins = [&] {
        return PrintMargins{PrintMarginLeft, PrintMarginRight, PrintMarginTop, PrintMarginBottom};
    };
    PrintGeometry g = ComputePrintGeometry(device, fonts.pixelsPerInch(), printScale_, margins());
    const int documentHeight = copy.layout(g.wx, g.hy).height;
    double usedTop = PrintMarginTop;

    if (ProcessMessages)
        ProcessMessages();
    if (OnPageProgress)
        OnPageProgress(printPageCounter_, stop);

    std::optional<HeaderFooterPrinter> headerFooter;
    if (OnPrintHTMLHeader || OnPrintHTMLFooter)
        headerFooter.emplace(*this, *shown, files_);

    std::optional<TTablePageRec> pendingHead;
    int top = 0;
    while (printPageCounter_ <= lastPage && !stop) {
        PageCanvas canvas(printer.Canvas());
        canvas.setMapping(g.mapping());
        canvas.setPageClip(g.clip);
        // Pages before the first are laid beside the paper: they only find where they end.
        const bool onPaper = printPageCounter_ >= firstPage;
        const int x = onPaper ? g.lx : 3 * g.wx + g.lx;
        const int bodyBottom = g.ty + g.hy;
        if (onPaper && printBackground) {
            copy.setOffset(-x, top - g.ty);
            copy.paintPrintedBackground(canvas, platform::Rect{x, g.ty, x + g.wx, bodyBottom});
        }

        PrintPageState page;
        page.pageTop = top;
        page.bodyHeight = g.hy;
        // The head rows of a table that went on from the page before come first.
        int shift = 0;
        if (pendingHead) {
            page.band = true;
            page.tablePart = pendingHead;
            const platform::Rect band{x, g.ty, x + g.wx, g.ty + pendingHead->height};
            copy.setOffset(-x, pendingHead->y - g.ty);
            canvas.setPageClip(Within(g.clip, band));
            copy.paintPrinted(canvas, band, &page);
            shift = pendingHead->height;
            page.band = false;
            page.tablePart.reset();
            pendingHead.reset();
        }
        page.cutLine = top + g.hy - shift;
        copy.setOffset(-x, top - g.ty - shift);
        const platform::Rect bodyRect{x, g.ty + shift, x + g.wx, bodyBottom};
        // Where the page ends is known only once its items have been met: a pass that draws
        // nothing finds it, so that what goes on the next page is not put on paper (a PDF
        // would keep such text under the white band, for search and copy to find).
        PrintPageState measured = page;
        NullCanvas nowhere;
        copy.paintPrinted(nowhere, bodyRect, &measured);
        platform::Rect bodyClip = g.clip;
        bodyClip.top = std::max(bodyClip.top, g.ty + shift);
        bodyClip.bottom = std::max(
            bodyClip.top, std::min(bodyClip.bottom, measured.cutLine - top + g.ty + shift));
        canvas.setPageClip(bodyClip);
        copy.paintPrinted(canvas, bodyRect, &page);

        // Blank what was drawn past the page's end; the rest goes on the next page.
        const int cut = page.cutLine;
        const int cutY = cut - top + g.ty + shift;
        canvas.setPageClip(g.clip);
        canvas.fillRect(platform::Rect{g.clip.left, g.clip.top, g.clip.right, g.ty}, kWhite);
        if (cutY < g.clip.bottom) {
            canvas.fillRect(platform::Rect{g.clip.left, cutY, g.clip.right, g.clip.bottom}, kWhite);
            if (onPaper && printBackground) {
                const platform::Rect lower{x, cutY, x + g.wx, bodyBottom};
                canvas.setPageClip(Within(g.clip, lower));
                copy.setOffset(-x, top - g.ty - shift);
                copy.paintPrintedBackground(canvas, lower);
                canvas.setPageClip(g.clip);
            }
        }
        // A table's foot rows drawn again under the cut; it then asks for its head rows.
        if (page.tablePart && page.tablePart->state == 5) {
            const TTablePageRec foot = *page.tablePart;
            page.band = true;
            const platform::Rect band{x, cutY, x + g.wx,
                                      std::min(cutY + foot.height, g.clip.bottom)};
            copy.setOffset(-x, foot.y - cutY);
            canvas.setPageClip(Within(g.clip, band));
            copy.paintPrinted(canvas, band, &page);
            page.band = false;
        }
        // Head rows taller than half a page are not repeated: they would leave no room.
        if (page.tablePart && page.tablePart->state == 1 && page.tablePart->height < g.hy / 2)
            pendingHead = page.tablePart;

        canvas.setPageClip(std::nullopt);
        if (OnPrintHeader) {
            canvas.setMapping(g.mapping());
            OnPrintHeader(canvas, printPageCounter_, g.pageWidthUnits, g.ty, stop);
        }
        if (OnPrintFooter) {
            canvas.setMapping(g.mapping(0, g.dotsY(bodyBottom)));
            OnPrintFooter(canvas, printPageCounter_, g.pageWidthUnits,
                          g.pageHeightUnits - g.ty - g.hy, stop);
        }
        if (headerFooter)
            headerFooter->print(canvas, g, printPageCounter_, cut >= documentHeight - marginHeight_,
                                stop);
        canvas.setMapping(g.mapping());

        // A handler that moved the top margin changes the pages that follow.
        if (PrintMarginTop != usedTop) {
            const PrintGeometry moved =
                ComputePrintGeometry(device, fonts.pixelsPerInch(), printScale_, margins());
            g.top = moved.top;
            g.ty = moved.ty;
            g.bodyHeight = moved.bodyHeight;
            g.hy = moved.hy;
            g.clip.top = moved.clip.top;
            g.clip.bottom = moved.clip.bottom;
            usedTop = PrintMarginTop;
        }

        const int next = cut;
        if (ProcessMessages)
            ProcessMessages();
        if (OnPageProgress)
            OnPageProgress(printPageCounter_, stop);
        if (next >= documentHeight - marginHeight_ || next <= top)
            stop = true;
        if (!stop && firstPage <= printPageCounter_ && printPageCounter_ < lastPage)
            printer.NewPage();
        ++printPageCounter_;
        top = next;
    }

    if (scope.own() != nullptr) {
        if (printPageCounter_ < firstPage)
            printer.Abort();
        else
            printer.EndDoc();
    }
    --printPageCounter_;
}

}  // namespace kelvor::engine
