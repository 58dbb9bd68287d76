#include "platform/fixed/fixed_font_services.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/ascii.h"

namespace kelvor::platform::fixed {

namespace {

class FixedFont : public Font {
  public:
    FixedFont(const FontRequest& request, const std::set<int>& unsupported) : request_(request) {
        const int em = FixedFontServices::emFor(request.height);
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
        if (ascii::EqualsIgnoringCase(request.name, "Symbol")) {
            charset = kSymbolCharset;
        }
        metrics_.charset = charset;
    }

    const FontRequest& request() const override { return request_; }
    const FontMetrics& metrics() const override { return metrics_; }
    int textWidth(std::u16string_view text) const override {
        const std::int64_t width =
            static_cast<std::int64_t>(text.size()) * metrics_.averageCharWidth;
        return static_cast<int>(std::min<std::int64_t>(width, INT_MAX));
    }

  private:
    FontRequest request_;
    FontMetrics metrics_;
};

}  // namespace

int FixedFontServices::emFor(int requestedHeight) {
    const int height = ClampedFontHeight(requestedHeight);
    if (height < 0) {
        return -height;
    }
    if (height > 0) {
        return height * 5 / 6;
    }
    return 16;
}

std::vector<std::string> FixedFontServices::fontFamilies() const {
    return {families.begin(), families.end()};
}

bool FixedFontServices::hasFontFamily(std::string_view family) const {
    return std::any_of(families.begin(), families.end(), [&](const std::string& known) {
        return ascii::EqualsIgnoringCase(known, family);
    });
}

std::shared_ptr<const Font> FixedFontServices::createFont(const FontRequest& request) {
    ++fontsCreated_;
    return std::make_shared<FixedFont>(request, unsupportedCharsets);
}

}  // namespace kelvor::platform::fixed
