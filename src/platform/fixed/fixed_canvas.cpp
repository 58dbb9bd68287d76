#include "platform/fixed/fixed_canvas.h"

#include <algorithm>
#include <cctype>

namespace kelvor::platform::fixed {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

class TestFont : public Font {
  public:
    TestFont(const FontRequest& request, const std::set<int>& unsupported) : request_(request) {
        const int em = FixedCanvas::emFor(request.height);
        metrics_.internalLeading = em / 5;
        metrics_.height = em + em / 5;
        metrics_.descent = em / 4;
        metrics_.ascent = metrics_.height - metrics_.descent;
        metrics_.externalLeading = em / 10;
        metrics_.averageCharWidth = em / 2;
        metrics_.maxCharWidth = em;
        int charset = request.charset;
        if (charset == kDefaultCharset || unsupported.count(charset) != 0) {
            charset = kAnsiCharset;
        }
        if (SameName(request.name, "Symbol")) {
            charset = kSymbolCharset;
        }
        metrics_.charset = charset;
    }

    const FontRequest& request() const override { return request_; }
    const FontMetrics& metrics() const override { return metrics_; }
    int textWidth(std::u16string_view text) const override {
        return static_cast<int>(text.size()) * metrics_.averageCharWidth;
    }

  private:
    FontRequest request_;
    FontMetrics metrics_;
};

}  // namespace

int FixedCanvas::emFor(int requestedHeight) {
    if (requestedHeight < 0) {
        return -requestedHeight;
    }
    if (requestedHeight > 0) {
        return requestedHeight * 5 / 6;
    }
    return 16;
}

std::vector<std::string> FixedCanvas::fontFamilies() const {
    return {families.begin(), families.end()};
}

bool FixedCanvas::hasFontFamily(std::string_view family) const {
    return std::any_of(families.begin(), families.end(),
                       [&](const std::string& known) { return SameName(known, family); });
}

std::shared_ptr<Font> FixedCanvas::createFont(const FontRequest& request) {
    ++fontsCreated;
    return std::make_shared<TestFont>(request, unsupportedCharsets);
}

void FixedCanvas::drawText(const Font& font, int x, int baselineY, std::u16string_view text,
                           RgbColour colour, std::optional<RgbColour> background) {
    DrawCall call;
    call.call = Call::text;
    call.x = x;
    call.y = baselineY;
    call.text = std::u16string(text);
    call.font = font.request();
    call.colour = colour;
    call.background = background;
    calls.push_back(std::move(call));
}

void FixedCanvas::fillRect(const Rect& rect, RgbColour colour) {
    DrawCall call;
    call.call = Call::fillRect;
    call.rect = rect;
    call.colour = colour;
    calls.push_back(std::move(call));
}

void FixedCanvas::frameRect(const Rect& rect, RgbColour colour, int penWidth) {
    DrawCall call;
    call.call = Call::frameRect;
    call.rect = rect;
    call.colour = colour;
    call.penWidth = penWidth;
    calls.push_back(std::move(call));
}

void FixedCanvas::drawLine(int x1, int y1, int x2, int y2, RgbColour colour, int penWidth,
                           PenStyle style) {
    DrawCall call;
    call.call = Call::line;
    call.x = x1;
    call.y = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.colour = colour;
    call.penWidth = penWidth;
    call.penStyle = style;
    calls.push_back(std::move(call));
}

void FixedCanvas::drawEllipse(const Rect& rect, RgbColour pen, std::optional<RgbColour> fill) {
    DrawCall call;
    call.call = Call::ellipse;
    call.rect = rect;
    call.colour = pen;
    call.background = fill;
    calls.push_back(std::move(call));
}

void FixedCanvas::drawPicture(const Picture& /*picture*/, const Rect& target) {
    DrawCall call;
    call.call = Call::picture;
    call.rect = target;
    calls.push_back(std::move(call));
}

void FixedCanvas::setClip(std::optional<Rect> rect) {
    DrawCall call;
    call.call = Call::clip;
    call.clipCleared = !rect.has_value();
    if (rect) {
        call.rect = *rect;
    }
    calls.push_back(std::move(call));
}

}  // namespace kelvor::platform::fixed
