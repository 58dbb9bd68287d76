#include "engine/style/fonts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/text/text_utils.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

struct GenericFamily {
    std::string_view generic;
    std::string_view family;
};

constexpr std::array<GenericFamily, 5> kGenericFamilies = {{
    {"serif", "Times New Roman"},
    {"monospace", "Courier New"},
    {"sans-serif", "Arial"},
    {"cursive", "Lucida Handwriting"},
    {"helvetica", "Arial"},
}};

std::string MapGeneric(std::string_view name) {
    for (const GenericFamily& generic : kGenericFamilies) {
        if (ascii::EqualsIgnoringCase(name, generic.generic))
            return std::string(generic.family);
    }
    return std::string(name);
}

platform::FontRequest RequestFor(const FontDescription& font, int height, int charset,
                                 const platform::FontServices& device) {
    platform::FontRequest request;
    request.name = font.name;
    request.height = height;
    request.style = font.style;
    request.colour = ResolveColour(font.colour, device).value_or(0);
    request.charset = charset;
    return request;
}

}  // namespace

int FontHeightFor(double points, int pixelsPerInch) {
    const double ppi = std::max(1, pixelsPerInch);
    const double largest =
        std::min<double>(std::round(ppi * kMaxFontPoints / 72), platform::kMaxFontHeight);
    const double pixels = std::round(ppi * points / 72);
    if (!(pixels >= 1))  // also a size that is no number
        return -1;
    return -static_cast<int>(std::min(pixels, largest));
}

std::shared_ptr<TDocFont> MakeDocFont(FontCache& fonts, const FontDescription& font,
                                      int lineHeight) {
    const platform::FontServices& device = fonts.services();
    auto doc = std::make_shared<TDocFont>();
    doc->description = font;
    doc->lineHeight = lineHeight;
    doc->height = FontHeightFor(font.size, device.pixelsPerInch());
    const CachedFont* chosen =
        &fonts.font(RequestFor(font, doc->height, platform::kDefaultCharset, device));
    if (chosen->font->metrics().charset == platform::kSymbolCharset) {
        doc->description.charset = platform::kSymbolCharset;
    } else {
        chosen = &fonts.font(RequestFor(font, doc->height, font.charset, device));
    }
    doc->font = chosen->font;
    doc->fontId = chosen->id;
    doc->metrics = doc->font->metrics();
    return doc;
}

std::string ResolveFontFamily(std::string_view list, const platform::FontServices& device) {
    std::string first;
    for (std::string_view part : Split(list, ',')) {
        const std::string name =
            MapGeneric(ascii::TrimWhitespace(Unquote(ascii::TrimWhitespace(part))));
        if (name.empty())
            continue;
        if (first.empty())
            first = name;
        if (device.hasFontFamily(name))
            return name;
    }
    return first;
}

}  // namespace kelvor::engine
