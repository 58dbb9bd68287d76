#include <cstdlib>

#include "engine/view/html_display.h"

namespace kelvor::engine {

namespace {

// Widest line a document reports.
constexpr int kWidestDocument = 6000;
// A source longer than this is laid out once, with room for the vertical bar assumed: measuring
// it twice costs more than the bar's width of page ever saves.
constexpr std::size_t kLongSource = 9999;
// Distances below an object's top that ScrollPosition can carry in its low half.
constexpr std::int64_t kLowHalf = 65536;

bool AllowsVertical(TScrollStyle style) {
    return style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
}

bool AllowsHorizontal(TScrollStyle style) {
    return style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
}

}  // namespace

int THtmlDisplay::AvailableWidth() const {
    const int border = borderStyle_ == TDisplayBorderStyle::dbNone ? 0 : 2;
    return std::max(0, width_ - border);
}

int THtmlDisplay::AvailableHeight() const {
    const int border = borderStyle_ == TDisplayBorderStyle::dbNone ? 0 : 2;
    return std::max(0, height_ - border);
}

ViewExtent THtmlDisplay::LayOutAt(int width) {
    ViewExtent extent = document_->layout(std::max(0, width), AvailableHeight());
    extent.height = std::max(0, extent.height);
    extent.width = std::clamp(extent.width, 0, kWidestDocument);
    return extent;
}

void THtmlDisplay::LayOut() {
    const int full = AvailableWidth();
    const int narrow = std::max(0, full - host_.verticalBarWidth());
    // Does the page fit the height, with room for a horizontal bar when it needs one?
    auto fits = [&](const ViewExtent& extent, int width) {
        const bool horizontal = AllowsHorizontal(scrollBars_) && extent.width > width;
        return extent.height <= AvailableHeight() - (horizontal ? host_.horizontalBarHeight() : 0);
    };
    ViewExtent extent;
    if (!AllowsVertical(scrollBars_)) {
        extent = LayOutAt(full);
    } else if ((options_ & doShowVScroll) != 0 || documentSource_.size() > kLongSource) {
        extent = LayOutAt(narrow);
    } else {
        extent = LayOutAt(full);
        if (!fits(extent, full)) {
            extent = LayOutAt(narrow);
            if (fits(extent, narrow)) {
                extent = LayOutAt(full);
            }
        }
    }
    documentHeight_ = extent.height;
    documentWidth_ = extent.width;
    PlaceBars();
}

void THtmlDisplay::PlaceBars(bool hideAll) {
    const int border = borderStyle_ == TDisplayBorderStyle::dbNone ? 0 : 2;
    const int full = AvailableWidth();
    const int height = AvailableHeight();
    const int barWidth = host_.verticalBarWidth();
    const int barHeight = host_.horizontalBarHeight();
    const bool alwaysVertical = (options_ & doShowVScroll) != 0;

    bool horizontal = !hideAll && AllowsHorizontal(scrollBars_) && documentWidth_ > full;
    bool vertical = !hideAll && AllowsVertical(scrollBars_) &&
                    (alwaysVertical || documentHeight_ > height - (horizontal ? barHeight : 0));
    if (vertical && !horizontal) {
        horizontal = !hideAll && AllowsHorizontal(scrollBars_) && documentWidth_ > full - barWidth;
    }

    ViewGeometry geometry;
    const int origin = border / 2;
    geometry.panel = {origin, origin, origin + std::max(0, full - (vertical ? barWidth : 0)),
                      origin + std::max(0, height - (horizontal ? barHeight : 0))};
    geometry.borderShown = border > 0;
    geometry.borderDrawn = (focused_ && borderStyle_ == TDisplayBorderStyle::dbFocused) ||
                           borderStyle_ == TDisplayBorderStyle::dbSingle;
    if (!(geometry == geometry_)) {
        geometry_ = geometry;
        host_.setGeometry(geometry_);
    }

    HorizontalBar hbar;
    hbar.maximum = std::max(0, documentWidth_);
    hbar.page = PanelWidth();
    hbar.position = std::clamp(horizontalPosition_, 0, std::max(0, hbar.maximum - PanelWidth()));
    hbar.visible = horizontal;
    horizontalPosition_ = hbar.position;
    if (!(hbar == hbar_)) {
        hbar_ = hbar;
        host_.setHorizontalBar(hbar_);
    }

    VerticalBar vbar;
    vbar.minimum = 0;
    vbar.maximum = documentHeight_;
    vbar.page = PanelHeight() + 1;
    vbar.position = ClampedVertical(verticalPosition_);
    vbar.visible = vertical;
    vbar.enabled = documentHeight_ > PanelHeight();
    verticalPosition_ = vbar.position;
    document_->setOffset(horizontalPosition_, verticalPosition_);
    if (!vbarSent_ || !(vbar == vbar_)) {
        vbar_ = vbar;
        vbarSent_ = true;
        host_.setVerticalBar(vbar_);
    }
}

void THtmlDisplay::ReLayoutKeepingPosition() {
    const std::int64_t position = ScrollPosition();
    SetBusy(true);
    if (OnProgress) {
        OnProgress(TProgressStage::psStarting, 0);
    }
    try {
        LayOut();
    } catch (...) {
        SetBusy(false);
        throw;
    }
    if (OnProgress) {
        OnProgress(TProgressStage::psEnding, 100);
    }
    SetBusy(false);
    SetScrollPosition(position);
    host_.invalidate(std::nullopt);
}

void THtmlDisplay::SetSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == width_ && height == height_) {
        return;
    }
    width_ = width;
    height_ = height;
    if (busy_) {
        PlaceBars();
        return;
    }
    ReLayoutKeepingPosition();
    if (documentHeight_ < PanelHeight()) {
        ApplyVerticalPosition(0);
    } else {
        ApplyVerticalPosition(verticalPosition_, true);
    }
    SetHorizontal(horizontalPosition_);
}

int THtmlDisplay::ClampedVertical(int position) const {
    return std::clamp(position, 0, std::max(0, documentHeight_ - PanelHeight()));
}

void THtmlDisplay::ApplyVerticalPosition(int position, bool force) {
    const int clamped = ClampedVertical(position);
    if (clamped == verticalPosition_ && !force) {
        return;
    }
    const int step = clamped - verticalPosition_;
    verticalPosition_ = clamped;
    vbar_.position = clamped;
    host_.setVerticalBar(vbar_);
    document_->setOffset(horizontalPosition_, verticalPosition_);
    if (std::abs(step) == kSmallChange && !document_->backgroundFixed()) {
        // The panel's pixels move; only the strip that comes into view is painted.
        host_.scrollContents(-step);
        const int w = PanelWidth();
        const int h = PanelHeight();
        host_.invalidate(step > 0 ? platform::Rect{0, std::max(0, h - kSmallChange), w, h}
                                  : platform::Rect{0, 0, w, std::min(h, kSmallChange)});
    } else {
        host_.invalidate(std::nullopt);
    }
}

void THtmlDisplay::SetVerticalPosition(int position) {
    ApplyVerticalPosition(position);
}

void THtmlDisplay::SetHorizontal(int position) {
    const int clamped = std::clamp(position, 0, std::max(0, hbar_.maximum - PanelWidth()));
    if (clamped == horizontalPosition_) {
        return;
    }
    horizontalPosition_ = clamped;
    hbar_.position = clamped;
    host_.setHorizontalBar(hbar_);
    document_->setOffset(horizontalPosition_, verticalPosition_);
    host_.invalidate(std::nullopt);
}

void THtmlDisplay::HorizontalScroll(int position) {
    SetHorizontal(position);
}

std::int64_t THtmlDisplay::ScrollPosition() const {
    const std::optional<PositionedObject> object = document_->objectAt(verticalPosition_);
    if (!object || object->index < 0 || object->top > verticalPosition_) {
        return verticalPosition_;
    }
    const std::int64_t below =
        std::min<std::int64_t>(verticalPosition_ - object->top, kLowHalf - 1);
    return (static_cast<std::int64_t>(object->index) + 1) * kLowHalf + below;
}

void THtmlDisplay::SetScrollPosition(std::int64_t position) {
    if (position < 0) {
        position = 0;
    }
    const std::int64_t high = position / kLowHalf;
    if (high == 0) {
        ApplyVerticalPosition(static_cast<int>(position));
        return;
    }
    if (high - 1 > INT32_MAX) {
        return;
    }
    const std::optional<int> top = document_->objectTop(static_cast<int>(high - 1));
    if (!top) {
        return;
    }
    ApplyVerticalPosition(*top + static_cast<int>(position % kLowHalf));
}

void THtmlDisplay::Paint(platform::Canvas& canvas, const platform::Rect& clip) {
    if (layingOut_ || painting_ || clip.width() <= 0 || clip.height() <= 0) {
        return;
    }
    painting_ = true;
    try {
        document_->paint(canvas, clip);
    } catch (...) {
        painting_ = false;
        throw;
    }
    painting_ = false;
}

}  // namespace kelvor::engine
