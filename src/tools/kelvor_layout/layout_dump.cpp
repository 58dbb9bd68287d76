#include "tools/kelvor_layout/layout_dump.h"

#include "engine/forms/form_builder.h"
#include "engine/layout/layout_context.h"
#include "engine/paint/document_paint.h"
#include "engine/paint/paint_context.h"
#include "engine/reader/html_reader.h"
#include "tools/kelvor_layout/dump_canvas.h"

namespace kelvor::tools {

engine::DocumentDefaults ViewerDefaults() {
    engine::DocumentDefaults defaults;
    defaults.style.fontName = "Times New Roman";
    defaults.style.preFontName = "Courier New";
    defaults.style.fontSize = 12;
    defaults.style.marginWidth = 10;
    defaults.style.marginHeight = 5;
    defaults.style.charset = 1;
    return defaults;
}

LaidOutDocument LayOutHtml(const std::string& html, int width, platform::FontServices& fonts,
                           engine::PictureSource* pictures) {
    LaidOutDocument result;
    result.document = std::make_unique<engine::TDocument>(fonts, pictures);
    result.document->clear(ViewerDefaults());
    // Form controls are built without windows and draw themselves.
    result.forms = std::make_unique<engine::TFormList>();
    engine::HtmlReaderHooks hooks;
    engine::FormBuilder builder(*result.document, *result.forms);
    builder.install(hooks);
    engine::ReadHtmlDocument(html, *result.document, hooks);
    engine::LayoutContext context(*result.document, width, kClientHeight);
    result.extent = engine::LayoutDocument(*result.document, context);
    return result;
}

void WriteLayoutDump(std::ostream& out, LaidOutDocument& laidOut) {
    const engine::DocumentExtent& extent = laidOut.extent;
    out << "document " << extent.width << ' ' << extent.height << '\n';
    DumpCanvas canvas(out);
    engine::PaintContext paint(canvas, *laidOut.document,
                               platform::Rect{0, 0, extent.width, extent.height});
    paint.drawControls = true;
    engine::PaintDocument(paint);
}

}  // namespace kelvor::tools
