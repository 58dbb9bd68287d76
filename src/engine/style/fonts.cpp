#include "engine/style/fonts.h"

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
                                 const platform::Canvas& canvas) {
    platform::FontRequest request;
    request.name = font.name;
    request.height = height;
    request.style = font.style;
    request.colour = ResolveColour(font.colour, canvas).value_or(0);
    request.charset = charset;
    return request;
}

}  // namespace

std::shared_ptr<TDocFont> MakeDocFont(platform::Canvas& canvas, const FontDescription& font,
                                      int lineHeight) {
    auto doc = std::make_shared<TDocFont>();
    doc->description = font;
    doc->lineHeight = lineHeight;
    doc->height = -static_cast<int>(std::lround(canvas.pixelsPerInch() * font.size / 72.0));
    doc->font = canvas.createFont(RequestFor(font, doc->height, platform::kDefaultCharset, canvas));
    if (doc->font->metrics().charset == platform::kSymbolCharset) {
        doc->description.charset = platform::kSymbolCharset;
    } else {
        doc->font = canvas.createFont(RequestFor(font, doc->height, font.charset, canvas));
    }
    doc->metrics = doc->font->metrics();
    return doc;
}

std::string ResolveFontFamily(std::string_view list, const platform::Canvas& canvas) {
    std::string first;
    for (std::string_view part : Split(list, ',')) {
        const std::string name =
            MapGeneric(ascii::TrimWhitespace(Unquote(ascii::TrimWhitespace(part))));
        if (name.empty())
            continue;
        if (first.empty())
            first = name;
        if (canvas.hasFontFamily(name))
            return name;
    }
    return first;
}

}  // namespace kelvor::engine
