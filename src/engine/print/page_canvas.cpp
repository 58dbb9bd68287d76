#include "engine/print/page_canvas.h"

#include <algorithm>

namespace kelvor::engine {

namespace {

std::optional<platform::Rect> Intersection(const std::optional<platform::Rect>& a,
                                           const std::optional<platform::Rect>& b) {
    if (!a)
        return b;
    if (!b)
        return a;
    platform::Rect r{std::max(a->left, b->left), std::max(a->top, b->top),
                     std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
    r.right = std::max(r.left, r.right);
    r.bottom = std::max(r.top, r.bottom);
    return r;
}

}  // namespace

void PageCanvas::setPageClip(std::optional<platform::Rect> clip) {
    page_ = clip;
    item_.reset();
    apply();
}

void PageCanvas::apply() {
    target_.setClip(Intersection(page_, item_));
}

bool PageCanvas::visible(long long left, long long top, long long right, long long bottom) const {
    const std::optional<platform::Rect> clip = Intersection(page_, item_);
    if (!clip)
        return true;
    return left < clip->right && clip->left < right && top < clip->bottom && clip->top < bottom &&
           clip->left < clip->right && clip->top < clip->bottom;
}

void PageCanvas::drawText(const platform::Font& font, int x, int baselineY,
                          std::u16string_view text, platform::RgbColour colour,
                          std::optional<platform::RgbColour> background) {
    const platform::FontMetrics& m = font.metrics();
    const long long top = static_cast<long long>(baselineY) - m.ascent;
    if (visible(x, top, static_cast<long long>(x) + font.textWidth(text), top + m.height))
        target_.drawText(font, x, baselineY, text, colour, background);
}

void PageCanvas::fillRect(const platform::Rect& rect, platform::RgbColour colour) {
    if (visible(rect.left, rect.top, rect.right, rect.bottom))
        target_.fillRect(rect, colour);
}

void PageCanvas::frameRect(const platform::Rect& rect, platform::RgbColour colour, int penWidth) {
    if (visible(rect.left, rect.top, rect.right, rect.bottom))
        target_.frameRect(rect, colour, penWidth);
}

void PageCanvas::drawLine(int x1, int y1, int x2, int y2, platform::RgbColour colour, int penWidth,
                          platform::PenStyle style) {
    const long long pen = std::max(1, penWidth);
    if (visible(std::min(x1, x2) - pen, std::min(y1, y2) - pen, std::max(x1, x2) + pen,
                std::max(y1, y2) + pen)) {
        target_.drawLine(x1, y1, x2, y2, colour, penWidth, style);
    }
}

void PageCanvas::drawEllipse(const platform::Rect& rect, platform::RgbColour pen,
                             std::optional<platform::RgbColour> fill) {
    if (visible(rect.left, rect.top, rect.right, rect.bottom))
        target_.drawEllipse(rect, pen, fill);
}

void PageCanvas::drawPicture(const platform::Picture& picture, const platform::Rect& target) {
    if (visible(target.left, target.top, target.right, target.bottom))
        target_.drawPicture(picture, target);
}

void PageCanvas::setClip(std::optional<platform::Rect> rect) {
    item_ = rect;
    apply();
}

void PageCanvas::setMapping(const platform::CanvasMapping& mapping) {
    target_.setMapping(mapping);
}

}  // namespace kelvor::engine
