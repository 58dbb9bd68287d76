#pragma once

#include <functional>
#include <memory>

#include "engine/print/page_canvas.h"
#include "engine/print/print_geometry.h"
#include "engine/view/html_display.h"

namespace kelvor::engine {

class EngineDocument;

// The HTML header and footer of printed pages: for each of the two events that is set, a
// hidden viewer that the event fills for every page, laid out at the width it leaves and
// drawn into the top margin (its bottom touching the body) or below the body.
class HeaderFooterPrinter {
  public:
    // Viewers like `owner` (fonts, colours, character set), with no page margin above.
    HeaderFooterPrinter(THtmlDisplay& owner, EngineDocument& shown,
                        const platform::FileSystem& files);
    ~HeaderFooterPrinter();
    HeaderFooterPrinter(const HeaderFooterPrinter&) = delete;
    HeaderFooterPrinter& operator=(const HeaderFooterPrinter&) = delete;

    // Raises the events for a page and draws what they loaded. A failure leaves the page
    // without them.
    void print(PageCanvas& canvas, const PrintGeometry& geometry, int page, bool lastPage,
               bool& stop);

    // The greatest height, in logical units, laid out for either.
    static constexpr int kHeightLimit = 300;

  private:
    struct Part;
    void printPart(Part& part, PageCanvas& canvas, const PrintGeometry& geometry, int page,
                   bool lastPage, bool& stop, bool header);

    THtmlDisplay& owner_;
    std::unique_ptr<Part> header_;
    std::unique_ptr<Part> footer_;
};

}  // namespace kelvor::engine
