// The control's side of pictures: the animation timer of the document shown.

#include <algorithm>

#include "engine/view/html_display.h"

namespace kelvor::engine {

namespace {

// Interval of the timer that steps animated pictures.
constexpr int kAnimationInterval = 40;

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
    if (step.wholeView) {
        host_.invalidate(std::nullopt);
    } else {
        // Only what shows in the panel is painted again.
        for (const platform::Rect& rect : step.rects) {
            const platform::Rect visible{std::max(rect.left, 0), std::max(rect.top, 0),
                                         std::min(rect.right, PanelWidth()),
                                         std::min(rect.bottom, PanelHeight())};
            if (visible.left < visible.right && visible.top < visible.bottom) {
                host_.invalidate(visible);
            }
        }
    }
    // Pictures that played their passes stay on their last frame; nothing is left to step.
    if (!step.running) {
        StopAnimations();
    }
}

}  // namespace kelvor::engine
