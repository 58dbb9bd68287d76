#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/view/html_display.h"
#include "engine/view/view_fakes.h"
#include "fakes/platform/fake_platform.h"

namespace kelvor::testing {

// A control of 300 x 200 pixels with the focused border (2 pixels), so the area inside the
// border is 298 x 198 and a vertical bar (16 wide) leaves a 282-pixel panel. Fonts are 12 pt:
// lines 19 pixels high, characters 8 wide.
class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto document = std::make_unique<FakeDocument>();
        doc = document.get();
        display = std::make_unique<engine::THtmlDisplay>(host, std::move(document), files);
        display->SetSize(300, 200);
    }

    // n lines of the given height, as the fake page language writes them.
    static std::string Heights(int n, int height) {
        std::string page;
        for (int i = 0; i < n; ++i) {
            page += "@height " + std::to_string(height) + "\n";
        }
        return page;
    }

    void Show(const std::string& path, const std::string& page) {
        files.addFile(path, page);
        display->LoadHtmlFile(path);
    }

    void Click(int x, int y, engine::MouseButton button = engine::MouseButton::left) {
        display->MouseDown(button, {}, x, y);
        display->MouseUp(button, {}, x, y);
    }

    FakeFileSystem files;
    FakeHost host;
    FakeDocument* doc = nullptr;
    std::unique_ptr<engine::THtmlDisplay> display;
};

}  // namespace kelvor::testing
