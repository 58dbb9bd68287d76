#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "engine/document/document.h"
#include "engine/forms/doc_form.h"
#include "engine/layout/document_layout.h"
#include "platform/font_services.h"

namespace kelvor::tools {

// The client area is this high (the base of percentage heights).
inline constexpr int kClientHeight = 600;

// A document read and laid out as the viewer does on a load.
struct LaidOutDocument {
    // Before the document, whose sections hold controls of these forms.
    std::unique_ptr<engine::TFormList> forms;
    std::unique_ptr<engine::TDocument> document;
    engine::DocumentExtent extent;
};

// The viewer's defaults of a new page: Times New Roman 12 pt, Courier New for preformatted
// text, page margins 10 and 5, the default colours and character set 1.
engine::DocumentDefaults ViewerDefaults();

// Reads `html` with those defaults and lays it out for a client width of `width` pixels.
// Pictures come from `pictures` (none: every picture shows its placeholder).
LaidOutDocument LayOutHtml(const std::string& html, int width, platform::FontServices& fonts,
                           engine::PictureSource* pictures = nullptr);

// Writes "document <width> <height>" and then every drawing call of painting the whole
// document at scroll position 0 on a canvas as tall as the document (see dump_canvas.h).
void WriteLayoutDump(std::ostream& out, LaidOutDocument& laidOut);

}  // namespace kelvor::tools
