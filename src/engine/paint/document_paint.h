#pragma once

namespace kelvor::engine {

class PaintContext;

// Paints the part of the document that the context asks for: the page background over the
// whole area, then every item that meets it.
void PaintDocument(PaintContext& context);

}  // namespace kelvor::engine
