#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../layout/layout_fixture.h"
#include "engine/view/engine_document.h"
#include "engine/view/html_display.h"
#include "engine/view/view_fakes.h"
#include "fakes/platform/fake_platform.h"
#include "platform/fixed/fixed_font_services.h"
#include "platform/fixed/recording_canvas.h"

namespace kelvor::testing {

// The display control on the engine's own document, with the fixed font services: 12 pt text is
// 16 pixels to the em, lines 19 high with a descent of 4, characters 8 wide; preformatted text
// is 10 pt (13-pixel em): lines 15 high, characters 6 wide. The control is 300 x 200 with its
// 2-pixel border: 298 x 198 inside, a 282-pixel panel beside the 16-pixel vertical bar. Pages
// have the control's margins: 10 pixels left and right, 5 above and below.
class EngineDisplayTest : public ::testing::Test {
  protected:
    using DrawCall = platform::fixed::RecordingCanvas::DrawCall;
    using Call = platform::fixed::RecordingCanvas::Call;

    void SetUp() override {
        auto document = std::make_unique<engine::EngineDocument>(fonts, &pictures);
        doc = document.get();
        display = std::make_unique<engine::THtmlDisplay>(host, std::move(document), files);
        display->SetSize(300, 200);
    }

    void Show(const std::string& path, const std::string& page) {
        files.addFile(path, page);
        display->LoadHtmlFile(path);
    }

    // What one paint of a part of the panel draws.
    std::vector<DrawCall> PaintPanel(const platform::Rect& clip) {
        platform::fixed::RecordingCanvas canvas;
        display->Paint(canvas, clip);
        return canvas.calls;
    }
    std::vector<DrawCall> PaintPanel() {
        return PaintPanel({0, 0, display->PanelWidth(), display->PanelHeight()});
    }

    static std::vector<DrawCall> Only(const std::vector<DrawCall>& calls, Call kind) {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls) {
            if (call.call == kind) {
                found.push_back(call);
            }
        }
        return found;
    }

    // The text calls whose text is exactly `text`.
    static std::vector<DrawCall> TextCalls(const std::vector<DrawCall>& calls,
                                           const std::u16string& text) {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls) {
            if (call.call == Call::text && call.text == text) {
                found.push_back(call);
            }
        }
        return found;
    }

    void Click(int x, int y) {
        display->MouseDown(engine::MouseButton::left, {}, x, y);
        display->MouseUp(engine::MouseButton::left, {}, x, y);
    }

    platform::fixed::FixedFontServices fonts;
    engine::testing::FakePictures pictures;
    FakeFileSystem files;
    FakeHost host;
    engine::EngineDocument* doc = nullptr;
    std::unique_ptr<engine::THtmlDisplay> display;
};

}  // namespace kelvor::testing
