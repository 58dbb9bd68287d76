#pragma once

#include <string>

#include "engine/view/html_display.h"
#include "kelvor/display_control.h"

namespace kelvor::app {

// The display control the calendar side asks for, on the engine's control. The core and the
// engine do not know each other; this is where they meet.
class EngineDisplay : public DisplayControl {
  public:
    explicit EngineDisplay(engine::THtmlDisplay& display) : display_(display) {}

    void ClearDocument() override { display_.ClearDocument(); }
    // The engine's missing-file error becomes the core's; other errors pass unchanged.
    void LoadHtmlFile(const std::string& path) override;
    void LoadPlainTextFile(const std::string& path) override;
    void ReloadDocument() override;
    int DefFontSize() const override { return display_.DefFontSize(); }
    void SetDefFontSize(int points) override { display_.SetDefFontSize(points); }
    std::string DefFontName() const override { return display_.DefFontName(); }
    void SetDefFontName(const std::string& name) override { display_.SetDefFontName(name); }
    void SetDefBackground(unsigned colour) override { display_.SetDefBackground(colour); }
    void CopySelection() override { display_.CopySelection(); }
    void PrintRange(int firstPage, int lastPage) override {
        display_.PrintRange(firstPage, lastPage);
    }
    // The window's resize asks for its outer size less 12; the control fills the client area
    // all the same, so the size it gets comes from its window, not from here.
    void SetSize(int, int) override {}

  private:
    engine::THtmlDisplay& display_;
};

}  // namespace kelvor::app
