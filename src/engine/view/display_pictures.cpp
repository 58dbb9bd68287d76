// The control's side of pictures: the animation timer of the document shown.

#include <algorithm>
#include <vector>

#include "engine/view/html_display.h"

namespace kelvor::engine {

namespace {

// Interval of the timer that steps animated pictures.
constexpr int kAnimationInterval = 40;
// Beyond this many changed rectangles in one tick the panel is painted whole: a page showing a
// picture a thousand times would otherwise ask for a thousand paints every 40 ms.
constexpr std::size_t kMostRectangles = 64;

}  // namespace

void THtmlDisplay::StartAnimations() {
    if (document_->startAnimations(host_.milliseconds())) {
        if (!animationRunning_) {
            host_.startTimer(ViewTimer::animation, kAnimationInterval);
            animationRunning_ = true;
        }
    } else {
        StopAnimations();
    }
}

void THtmlDisplay::StopAnimations() {
    host_.stopTimer(ViewTimer::animation);
    animationRunning_ = false;
}

void THtmlDisplay::AnimationTick() {
    if (busy_ || layingOut_) {
        return;
    }
    const AnimationStep step = document_->stepAnimations(host_.milliseconds());
    // Only what shows in the panel is painted again.
    std::vector<platform::Rect> visible;
    for (const platform::Rect& rect : step.rects) {
        const platform::Rect shown{std::max(rect.left, 0), std::max(rect.top, 0),
                                   std::min(rect.right, PanelWidth()),
                                   std::min(rect.bottom, PanelHeight())};
        if (shown.left < shown.right && shown.top < shown.bottom) {
            visible.push_back(shown);
        }
    }
    if (step.wholeView || visible.size() > kMostRectangles) {
        host_.invalidate(std::nullopt);
    } else {
        for (const platform::Rect& rect : visible) {
            host_.invalidate(rect);
        }
    }
    // Pictures that played their passes stay on their last frame; nothing is left to step.
    if (!step.running) {
        StopAnimations();
    }
}

}  // namespace kelvor::engine
