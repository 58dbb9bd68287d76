#include <cstdlib>

#include "engine/view/html_display.h"

namespace kelvor::engine {

namespace {

// How far the mouse must move from where the middle button went down before panning starts.
constexpr int kPanDeadZone = 20;
constexpr int kAutoScrollInterval = 100;
constexpr int kLinkLeaveInterval = 200;

}  // namespace

void THtmlDisplay::VerticalScroll(ScrollCode code, int trackPosition) {
    switch (code) {
        case ScrollCode::lineUp:
            ApplyVerticalPosition(verticalPosition_ - kSmallChange);
            break;
        case ScrollCode::lineDown:
            ApplyVerticalPosition(verticalPosition_ + kSmallChange);
            break;
        case ScrollCode::pageUp:
            ApplyVerticalPosition(verticalPosition_ - LargeChange());
            break;
        case ScrollCode::pageDown:
            ApplyVerticalPosition(verticalPosition_ + LargeChange());
            break;
        case ScrollCode::top:
            ApplyVerticalPosition(0);
            break;
        case ScrollCode::bottom:
            ApplyVerticalPosition(documentHeight_ - PanelHeight());
            break;
        case ScrollCode::thumbTrack:
            ApplyVerticalPosition(trackPosition);
            break;
        case ScrollCode::thumbPosition:
        case ScrollCode::endScroll:
            break;
    }
}

bool THtmlDisplay::KeyDown(DisplayKey key, ShiftState shift) {
    if (panMode_) {
        EndPanMode();
        return true;
    }
    if (key == DisplayKey::tab && !shift.ctrl && !shift.alt) {
        const std::optional<FocusedLink> link = document_->moveLinkFocus(!shift.shift);
        if (!link) {
            return false;
        }
        MakeLinkVisible(link->top);
        host_.invalidate(std::nullopt);
        return true;
    }
    if (key == DisplayKey::enter && !shift.any()) {
        const std::optional<FocusedLink> link = document_->focusedLink();
        if (!link) {
            return false;
        }
        // Followed once the key's handling has returned: the load replaces the document the
        // focused link belongs to.
        host_.post([this, url = link->url, target = link->target] {
            hoverUrl_ = url;
            hoverTarget_ = target;
            FollowLink();
        });
        return true;
    }
    if (shift.any()) {
        return false;
    }
    switch (key) {
        case DisplayKey::pageUp:
            ApplyVerticalPosition(verticalPosition_ - LargeChange());
            return true;
        case DisplayKey::pageDown:
            ApplyVerticalPosition(verticalPosition_ + LargeChange());
            return true;
        case DisplayKey::end:
            ApplyVerticalPosition(documentHeight_);
            return true;
        case DisplayKey::home:
            ApplyVerticalPosition(0);
            return true;
        case DisplayKey::up:
            ApplyVerticalPosition(verticalPosition_ - kSmallChange);
            return true;
        case DisplayKey::down:
            ApplyVerticalPosition(verticalPosition_ + kSmallChange);
            return true;
        case DisplayKey::left:
            SetHorizontal(horizontalPosition_ - kHorizontalSmallChange);
            return true;
        case DisplayKey::right:
            SetHorizontal(horizontalPosition_ + kHorizontalSmallChange);
            return true;
        default:
            return false;
    }
}

void THtmlDisplay::MouseWheel(int delta, ShiftState shift) {
    if (OnMouseWheel && OnMouseWheel(delta, shift)) {
        return;
    }
    if ((options_ & doNoWheelMouse) != 0 || delta == 0) {
        return;
    }
    const int lines = host_.wheelScrollLines();
    std::int64_t step;
    if (lines > 0) {
        step = std::int64_t{kSmallChange} * lines;
        if (delta > 0) {
            step = -step;
        }
    } else {
        step = -(delta / 2);
    }
    const std::int64_t target =
        std::clamp<std::int64_t>(verticalPosition_ + step, INT32_MIN, INT32_MAX);
    ApplyVerticalPosition(static_cast<int>(target));
}

// --- Mouse ---

void THtmlDisplay::SetSelection(int start, int end) {
    if (start == selStart_ && end == selEnd_) {
        return;
    }
    selStart_ = start;
    selEnd_ = end;
    document_->setSelection(start, end);
    host_.invalidate(std::nullopt);
}

void THtmlDisplay::ExtendSelection(int x, int y) {
    if (noSelect_) {
        return;
    }
    const int position = document_->positionAt(x + horizontalPosition_, y + verticalPosition_);
    if (position < 0) {
        return;
    }
    SetSelection(std::min(caretPos_, position), std::max(caretPos_, position));
}

void THtmlDisplay::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    host_.takeFocus();
    if (panMode_) {
        EndPanMode();
        return;
    }
    if (button == MouseButton::middle) {
        if ((options_ & doNoWheelMouse) == 0) {
            panMode_ = true;
            panStartY_ = y;
            host_.setCursor(ViewCursor::pan);
        }
        return;
    }
    if (button != MouseButton::left) {
        return;
    }
    leftButtonDown_ = true;
    leftDownHere_ = true;
    const int docX = x + horizontalPosition_;
    const int docY = y + verticalPosition_;
    selecting_ = true;
    if ((options_ & doNoLinkHilite) != 0 && document_->hitTest(docX, docY).linkId >= 0) {
        selecting_ = false;
    }
    const int position = document_->positionAt(docX, docY);
    if (position < 0) {
        return;
    }
    mouseDownPos_ = position;
    if (noSelect_) {
        caretPos_ = position;
        return;
    }
    if (shift.shift) {
        SetSelection(std::min(caretPos_, position), std::max(caretPos_, position));
    } else {
        SetSelection(position, position);
        caretPos_ = position;
    }
}

void THtmlDisplay::SetHover(const std::string& url, const std::string& target) {
    if (url == hoverUrl_ && target == hoverTarget_) {
        return;
    }
    hoverUrl_ = url;
    hoverTarget_ = target;
    if (OnLinkCovered) {
        OnLinkCovered(url);
    }
}

void THtmlDisplay::MouseMove(ShiftState shift, int x, int y) {
    if (panMode_) {
        if (std::abs(y - panStartY_) > kPanDeadZone) {
            StartAutoScroll();
        }
        return;
    }
    const DocumentHit hit = document_->hitTest(x + horizontalPosition_, y + verticalPosition_);
    const bool overLink = hit.linkId >= 0;
    ViewCursor cursor = ViewCursor::arrow;
    if (hit.overImage && (OnImageClick || OnImageOver)) {
        cursor = overLink ? ViewCursor::hand : ViewCursor::arrow;
        if (OnImageOver) {
            OnImageOver(shift, x, y);
        }
    } else if (overLink) {
        cursor = ViewCursor::hand;
    } else if (hit.overText) {
        cursor = cursor_;
    }
    if (cursor != shownCursor_) {
        shownCursor_ = cursor;
        host_.setCursor(cursor);
    }
    if (hit.linkId != hoverLinkId_) {
        hoverLinkId_ = hit.linkId;
        if (document_->setHoverLink(hit.linkId)) {
            host_.invalidate(std::nullopt);
        }
    }
    if ((cursor == ViewCursor::hand || hoverLinkId_ >= 0) && !linkTimerRunning_) {
        linkTimerRunning_ = true;
        host_.startTimer(ViewTimer::linkLeave, kLinkLeaveInterval);
    }
    SetHover(hit.url, hit.target);
    if (leftButtonDown_) {
        if (selecting_ && (y <= 0 || y >= PanelHeight())) {
            StartAutoScroll();
        }
        if (selecting_) {
            ExtendSelection(x, y);
        }
    }
}

void THtmlDisplay::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (panMode_) {
        if (button != MouseButton::middle || y != panStartY_) {
            EndPanMode();
        }
        return;
    }
    const DocumentHit hit = document_->hitTest(x + horizontalPosition_, y + verticalPosition_);
    if (hit.overImage && OnImageClick) {
        OnImageClick(button, shift, x, y);
    }
    if (button == MouseButton::right && OnRightClick) {
        RightClickParameters parameters;
        parameters.overImage = hit.overImage;
        parameters.imageX = x;
        parameters.imageY = y;
        parameters.url = hit.url;
        parameters.target = hit.target;
        parameters.position = document_->positionAt(x + horizontalPosition_, y + verticalPosition_);
        OnRightClick(parameters);
    }
    if (button != MouseButton::left) {
        return;
    }
    leftButtonDown_ = false;
    const bool downHere = leftDownHere_;
    leftDownHere_ = false;
    if (shift.shift) {
        selecting_ = false;
        return;
    }
    if (selecting_) {
        ExtendSelection(x, y);
    }
    selecting_ = false;
    const bool dragged = selStart_ >= 0 && selStart_ < selEnd_;
    if (downHere && !dragged && hit.overFormImage) {
        document_->clickFormImage(x + horizontalPosition_, y + verticalPosition_);
        return;
    }
    if (!downHere || dragged || hit.linkId < 0 || hit.overFormImage) {
        return;
    }
    hoverUrl_ = hit.url;
    hoverTarget_ = hit.target;
    FollowLink();
}

void THtmlDisplay::PrintRange(int firstPage, int lastPage) {
    if (PrintRangeHook) {
        if (!busy_)
            PrintRangeHook(firstPage, lastPage);
        return;
    }
    PrintPages(firstPage, lastPage);
}

bool THtmlDisplay::IsWordCharacter(char16_t c) const {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c >= 192;
}

void THtmlDisplay::DoubleClick(ShiftState shift, int x, int y) {
    if (panMode_) {
        return;
    }
    if (!noSelect_) {
        const int position = document_->positionAt(x + horizontalPosition_, y + verticalPosition_);
        if (position >= 0 && IsWordCharacter(document_->characterAt(position))) {
            int start = position;
            while (start > 0 && IsWordCharacter(document_->characterAt(start - 1))) {
                --start;
            }
            int end = position + 1;
            while (end < INT32_MAX && IsWordCharacter(document_->characterAt(end))) {
                ++end;
            }
            SetSelection(start, end);
            caretPos_ = start;
        }
    }
    if (OnMouseDouble) {
        OnMouseDouble(MouseButton::left, shift, x, y);
    }
}

// --- Pan mode, auto-scroll and the link-leave timer ---

void THtmlDisplay::EndPanMode() {
    panMode_ = false;
    host_.setCursor(shownCursor_);
}

bool THtmlDisplay::AutoScrollGoesOn() const {
    const ViewPoint mouse = host_.mousePosition();
    if (panMode_) {
        return std::abs(mouse.y - panStartY_) > kPanDeadZone;
    }
    return selecting_ && leftButtonDown_ && (mouse.y <= 0 || mouse.y >= PanelHeight());
}

void THtmlDisplay::StartAutoScroll() {
    if (autoScrolling_ || autoScrollPosted_) {
        return;
    }
    // Started once the mouse handler has returned, like every later step.
    autoScrollPosted_ = true;
    host_.post([this] {
        autoScrollPosted_ = false;
        if (autoScrolling_ || !AutoScrollGoesOn()) {
            return;
        }
        autoScrolling_ = true;
        host_.startTimer(ViewTimer::autoScroll, kAutoScrollInterval);
        AutoScrollStep();
    });
}

void THtmlDisplay::AutoScrollStep() {
    if (!AutoScrollGoesOn()) {
        host_.stopTimer(ViewTimer::autoScroll);
        autoScrolling_ = false;
        if (panMode_) {
            host_.setCursor(ViewCursor::pan);
        }
        return;
    }
    const ViewPoint mouse = host_.mousePosition();
    int step = 0;
    if (panMode_) {
        const int distance = mouse.y - panStartY_;
        if (distance < -60) {
            step = -32;
        } else if (distance < -20) {
            step = -8;
        } else if (distance > 60) {
            step = 32;
        } else if (distance > 20) {
            step = 8;
        }
        host_.setCursor(step < 0 ? ViewCursor::panUp : ViewCursor::panDown);
    } else if (mouse.y < -15) {
        step = -8 * kSmallChange;
    } else if (mouse.y <= 0) {
        step = -kSmallChange;
    } else if (mouse.y > PanelHeight() + 15) {
        step = 8 * kSmallChange;
    } else {
        step = kSmallChange;
    }
    ApplyVerticalPosition(verticalPosition_ + step);
    if (!panMode_) {
        ExtendSelection(mouse.x, mouse.y);
    }
}

void THtmlDisplay::TimerTick(ViewTimer timer) {
    if (timer == ViewTimer::animation) {
        AnimationTick();
        return;
    }
    if (timer == ViewTimer::autoScroll) {
        if (autoScrolling_) {
            AutoScrollStep();
        }
        return;
    }
    const ViewPoint mouse = host_.mousePosition();
    const bool overPanel =
        mouse.x >= 0 && mouse.y >= 0 && mouse.x < PanelWidth() && mouse.y < PanelHeight();
    if (overPanel) {
        return;
    }
    host_.stopTimer(ViewTimer::linkLeave);
    linkTimerRunning_ = false;
    if (hoverLinkId_ >= 0) {
        hoverLinkId_ = -1;
        if (document_->setHoverLink(-1)) {
            host_.invalidate(std::nullopt);
        }
    }
    if (!hoverUrl_.empty() || !hoverTarget_.empty()) {
        hoverUrl_.clear();
        hoverTarget_.clear();
        if (OnLinkCovered) {
            OnLinkCovered(std::string());
        }
    }
}

}  // namespace kelvor::engine
