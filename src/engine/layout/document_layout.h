#pragma once

namespace kelvor::engine {

class TDocument;
class LayoutContext;

// What a layout of a whole document gives.
struct DocumentExtent {
    int width = 0;   // the widest line with the margins, at least the client width, at most 6000
    int height = 0;  // the body's drawn bottom plus its bottom margin
};

// Lays out the document for the context's client width and height.
DocumentExtent LayoutDocument(TDocument& document, LayoutContext& context);

// The document width kept by the viewer is at most this.
inline constexpr int kMaxDocumentWidth = 6000;

}  // namespace kelvor::engine
