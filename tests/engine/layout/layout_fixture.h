#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../document/document_fixture.h"
#include "engine/layout/document_layout.h"
#include "engine/layout/layout_context.h"
#include "engine/paint/document_paint.h"
#include "engine/paint/paint_context.h"
#include "platform/fixed/recording_canvas.h"

namespace kelvor::engine::testing {

// Pictures by name for tests: a name in `sizes` is available with that size, one in `loading`
// is still loading, any other fails.
class FakePictures : public PictureSource {
  public:
    std::map<std::string, std::pair<int, int>> sizes;
    std::vector<std::string> loading;
    std::vector<std::string> requests;

    PictureAnswer request(std::string_view name) override;
};

// Builds documents as the reader does (DocumentFixture), lays them out on the fixed metrics and
// paints them into lines of the layout dump's format.
class LayoutFixture : public DocumentFixture {
  protected:
    LayoutFixture() { doc.setPictures(&pictures); }

    DocumentExtent layout(int width = 800, int height = 600) {
        context = std::make_unique<LayoutContext>(doc, width, height);
        extent = LayoutDocument(doc, *context);
        return extent;
    }

    // The paint of the whole document, one line per canvas call (the page background first).
    std::vector<std::string> paint() {
        platform::fixed::RecordingCanvas canvas;
        PaintContext paintContext(canvas, doc, platform::Rect{0, 0, extent.width, extent.height});
        PaintDocument(paintContext);
        std::vector<std::string> lines;
        for (const auto& call : canvas.calls)
            lines.push_back(Format(call));
        return lines;
    }
    // The paint without the page background.
    std::vector<std::string> paintItems() {
        std::vector<std::string> lines = paint();
        lines.erase(lines.begin());
        return lines;
    }

    // A paragraph's text as one section in the current cell.
    TSection* text(const std::string& words) { return paragraphText(words); }

    // An image with the given attributes in a new section of the current cell.
    TImageObj& image(ImageAttributes attributes, TSection* into = nullptr);

    static std::string Format(const platform::fixed::RecordingCanvas::DrawCall& call);

    FakePictures pictures;
    std::unique_ptr<LayoutContext> context;
    DocumentExtent extent;
};

}  // namespace kelvor::engine::testing
