// The document on paper: the same painting with the print flags and the page being printed.

#include "engine/paint/paint_context.h"
#include "engine/view/engine_document.h"
#include "engine/view/page_background.h"

namespace kelvor::engine {

void EngineDocument::paintPrinted(platform::Canvas& canvas, const platform::Rect& clip,
                                  PrintPageState* page) {
    const platform::Rect area{clip.left + offsetX_, clip.top + offsetY_, clip.right + offsetX_,
                              clip.bottom + offsetY_};
    PaintContext context(canvas, document_, area, offsetX_, offsetY_);
    context.printing = true;
    context.page = page;
    if (laidOut_)
        document_.TFlowCell::paint(context, {});
}

void EngineDocument::paintPrintedBackground(platform::Canvas& canvas, const platform::Rect& clip) {
    const platform::Rect area{clip.left + offsetX_, clip.top + offsetY_, clip.right + offsetX_,
                              clip.bottom + offsetY_};
    PaintContext context(canvas, document_, area, offsetX_, offsetY_);
    context.printing = true;
    PaintPageBackground(context, clip, backgroundPicture_.get(), false);
}

}  // namespace kelvor::engine
