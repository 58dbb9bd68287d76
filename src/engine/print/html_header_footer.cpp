#include "engine/print/html_header_footer.h"

#include <exception>

#include "engine/document/document.h"
#include "engine/print/hidden_view_host.h"
#include "engine/view/engine_document.h"

namespace kelvor::engine {

struct HeaderFooterPrinter::Part {
    HiddenViewHost host;
    EngineDocument* document = nullptr;
    std::unique_ptr<THtmlDisplay> viewer;
};

HeaderFooterPrinter::HeaderFooterPrinter(THtmlDisplay& owner, EngineDocument& shown,
                                         const platform::FileSystem& files)
    : owner_(owner) {
    const auto make = [&] {
        auto part = std::make_unique<Part>();
        auto document = std::make_unique<EngineDocument>(shown.model().fonts().services(),
                                                         &shown.model().pictures());
        part->document = document.get();
        part->viewer = std::make_unique<THtmlDisplay>(part->host, std::move(document), files);
        THtmlDisplay& viewer = *part->viewer;
        viewer.SetDefBackground(owner.DefBackground());
        viewer.SetDefFontName(owner.DefFontName());
        viewer.SetDefFontSize(owner.DefFontSize());
        viewer.SetDefFontColor(owner.DefFontColor());
        viewer.SetCharSet(owner.CharSet());
        viewer.SetMarginHeight(0);
        viewer.SetDisplayOptions(viewer.DisplayOptions() | doPrintTableBackground);
        return part;
    };
    if (owner.OnPrintHTMLHeader)
        header_ = make();
    if (owner.OnPrintHTMLFooter)
        footer_ = make();
}

HeaderFooterPrinter::~HeaderFooterPrinter() = default;

void HeaderFooterPrinter::print(PageCanvas& canvas, const PrintGeometry& geometry, int page,
                                bool lastPage, bool& stop) {
    if (header_)
        printPart(*header_, canvas, geometry, page, lastPage, stop, true);
    if (footer_)
        printPart(*footer_, canvas, geometry, page, lastPage, stop, false);
}

void HeaderFooterPrinter::printPart(Part& part, PageCanvas& canvas, const PrintGeometry& g,
                                    int page, bool lastPage, bool& stop, bool header) {
    try {
        int xl = g.lx;
        int xr = g.lx + g.wx;
        const auto& event = header ? owner_.OnPrintHTMLHeader : owner_.OnPrintHTMLFooter;
        event(*part.viewer, page, lastPage, xl, xr, stop);
        if (xr <= xl)
            return;
        EngineDocument& document = *part.document;
        document.model().printing = true;
        document.model().printTableBackground = true;
        const int height = document.layout(xr - xl, kHeightLimit).height;
        canvas.setMapping(g.mapping());
        platform::Rect band;
        if (header) {
            // Only the last units of a tall header show, its bottom on the body's top.
            band = platform::Rect{xl, 0, xr, g.ty};
            document.setOffset(-xl, height - g.ty);
        } else {
            band = platform::Rect{xl, g.ty + g.hy, xr,
                                  g.ty + g.hy + std::min(height, g.pageHeightUnits - g.ty - g.hy)};
            document.setOffset(-xl, -(g.ty + g.hy));
        }
        canvas.setPageClip(band);
        document.paintPrintedBackground(canvas, band);
        document.paintPrinted(canvas, band, nullptr);
        canvas.setPageClip(std::nullopt);
    } catch (const std::exception&) {
        // The page is printed without it.
        canvas.setPageClip(std::nullopt);
    }
}

}  // namespace kelvor::engine
