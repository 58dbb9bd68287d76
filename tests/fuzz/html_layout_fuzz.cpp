// Reading and layout together on hostile bytes: the document is read (as HTML, or as plain text
// when the first byte says so), laid out at a width the first byte chooses, painted whole and
// hit-tested on a grid of points, all on the fixed font services.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/document/document.h"
#include "engine/forms/doc_form.h"
#include "engine/forms/form_builder.h"
#include "engine/layout/document_layout.h"
#include "engine/layout/layout_context.h"
#include "engine/paint/document_paint.h"
#include "engine/paint/hit_test.h"
#include "engine/paint/paint_context.h"
#include "engine/reader/html_reader.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/fixed/recording_canvas.h"

namespace {

using namespace kelvor;

// Widths from very narrow (everything overflows) to wide.
constexpr int kWidths[] = {1, 37, 200, 800};
// The painted and hit-tested part is cut here, so that a tall page costs no more than this.
constexpr int kMaxPaintedHeight = 4000;
constexpr int kHitStep = 97;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    platform::fixed::FixedFontServices device;
    // Before the document, whose sections hold controls of these forms.
    engine::TFormList forms;
    engine::TDocument document(device);
    document.clear(engine::DocumentDefaults());
    if (flags & 4) {
        engine::ReadTextDocument(text, document);
    } else {
        engine::HtmlReaderHooks hooks;
        engine::FormBuilder builder(document, forms);
        builder.install(hooks);
        engine::ReadHtmlDocument(text, document, hooks);
    }

    engine::LayoutContext context(document, kWidths[flags & 3], 600);
    const engine::DocumentExtent extent = engine::LayoutDocument(document, context);
    // A second layout at another width, as a resize does.
    engine::LayoutContext again(document, kWidths[(flags >> 3) & 3], 600);
    const engine::DocumentExtent second = engine::LayoutDocument(document, again);

    platform::fixed::RecordingCanvas canvas;
    const int bottom = std::min(second.height, kMaxPaintedHeight);
    engine::PaintContext paint(canvas, document, platform::Rect{0, 0, second.width, bottom});
    // A printed page draws the form controls itself.
    paint.printing = (flags & 32) != 0;
    engine::PaintDocument(paint);
    for (int y = 0; y < bottom; y += kHitStep) {
        for (int x = 0; x < second.width; x += kHitStep)
            engine::HitTest(document, x, y);
    }
    (void)extent;
    return 0;
}
