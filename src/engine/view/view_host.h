#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "engine/style/colours.h"
#include "platform/graphics_types.h"

namespace kelvor::engine {

// Cursor shapes the control shows; the window picks the system's equivalents.
enum class ViewCursor { arrow, iBeam, hand, busy, pan, panUp, panDown };

// The control's timers.
enum class ViewTimer {
    linkLeave,   // 200 ms: has the mouse left the panel while it was over a link?
    autoScroll,  // 100 ms: scrolling while the mouse is held beyond an edge
    animation    // 40 ms: steps the animated pictures of the document shown
};

// A point in the paint panel's pixels.
struct ViewPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ViewPoint&) const = default;
};

// The vertical scroll bar, given to the window in one piece.
struct VerticalBar {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    bool visible = false;
    bool enabled = true;  // false: shown but disabled (the document needs no scrolling)
    bool operator==(const VerticalBar&) const = default;
};

struct HorizontalBar {
    int maximum = 0;
    int page = 0;
    int position = 0;
    bool visible = false;
    bool operator==(const HorizontalBar&) const = default;
};

// Where the control's parts sit inside it.
struct ViewGeometry {
    platform::Rect panel;  // the paint panel
    bool borderShown = false;
    bool borderDrawn = false;  // a single line around the panel
    bool operator==(const ViewGeometry&) const = default;
};

// What the display control asks of the window system it lives in. The Qt widget implements it;
// tests use a fake that records every request.
class ViewHost {
  public:
    virtual ~ViewHost() = default;

    // Paint a rectangle of the panel again, or the whole panel.
    virtual void invalidate(std::optional<platform::Rect> rect) = 0;
    // Move what the panel shows by dy pixels (negative: up) without painting it again; the
    // control asks for the uncovered strip to be painted itself.
    virtual void scrollContents(int dy) = 0;
    virtual void setVerticalBar(const VerticalBar& bar) = 0;
    virtual void setHorizontalBar(const HorizontalBar& bar) = 0;
    virtual void setGeometry(const ViewGeometry& geometry) = 0;
    virtual void setPanelColour(TColour colour) = 0;
    virtual void setCursor(ViewCursor cursor) = 0;
    virtual void startTimer(ViewTimer timer, int milliseconds) = 0;
    virtual void stopTimer(ViewTimer timer) = 0;
    // Runs a call once the event being handled has returned.
    virtual void post(std::function<void()> call) = 0;
    // Where the mouse is now, in panel pixels (outside the panel too).
    virtual ViewPoint mousePosition() const = 0;
    // The system's wheel setting: lines to scroll per notch (0 or less: scroll by the delta).
    virtual int wheelScrollLines() const = 0;
    virtual int verticalBarWidth() const = 0;
    virtual int horizontalBarHeight() const = 0;
    virtual void takeFocus() = 0;
    // A steady millisecond clock for animations.
    virtual std::uint64_t milliseconds() const {
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }
};

}  // namespace kelvor::engine
