#pragma once

#include "engine/view/view_host.h"

namespace kelvor::engine {

// The window of a viewer that is never shown (the printed pages' HTML headers and footers, a
// tool that prints): nothing shows and nothing is asked of a window system.
class HiddenViewHost : public ViewHost {
  public:
    void invalidate(std::optional<platform::Rect>) override {}
    void scrollContents(int) override {}
    void setVerticalBar(const VerticalBar&) override {}
    void setHorizontalBar(const HorizontalBar&) override {}
    void setGeometry(const ViewGeometry&) override {}
    void setPanelColour(TColour) override {}
    void setCursor(ViewCursor) override {}
    void startTimer(ViewTimer, int) override {}
    void stopTimer(ViewTimer) override {}
    // Nothing runs later: such a viewer lives for one job only.
    void post(std::function<void()>) override {}
    ViewPoint mousePosition() const override { return ViewPoint{-1, -1}; }
    int wheelScrollLines() const override { return 3; }
    int verticalBarWidth() const override { return 0; }
    int horizontalBarHeight() const override { return 0; }
    void takeFocus() override {}
};

}  // namespace kelvor::engine
