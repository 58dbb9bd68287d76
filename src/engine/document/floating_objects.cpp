#include "engine/document/floating_objects.h"

#include <algorithm>
#include <cstdlib>

#include "engine/document/limits.h"
#include "engine/document/utf8_text.h"
#include "engine/style/lengths.h"
#include "engine/style/properties.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// Pixel sizes beyond this are taken as this: far beyond any page, and small enough that an
// image can be drawn and a page rendered to a picture.
constexpr int kMaxObjectPixels = 32000;

LengthAttribute Bounded(LengthAttribute length) {
    if (!length.given)
        return length;
    length.value = std::clamp(length.value, 0, length.percent ? 100 : kMaxObjectPixels);
    return length;
}

int Spacing(std::optional<int> value, int fallback) {
    if (!value)
        return fallback;
    // The absolute value, without overflow for the most negative number.
    const long long magnitude = std::llabs(static_cast<long long>(*value));
    return static_cast<int>(std::min<long long>(magnitude, kMaxImageSpace));
}

// A length of the element's own style in pixels, when it sets one that needs no base.
std::optional<int> StyleLength(const TProperties& properties, int index) {
    const std::string text = properties.text(index);
    if (text.empty() || text == "auto" || text.find('%') != std::string::npos)
        return std::nullopt;
    const int pixels = LengthToPixels(text, 0, properties.emSize(), properties.exSize(), -1,
                                      properties.fontCache().services().pixelsPerInch());
    if (pixels < 0)
        return std::nullopt;
    return std::min(pixels, kMaxObjectPixels);
}

}  // namespace

ObjectAlign ObjectAlignFromText(std::string_view text) {
    const std::string align = ascii::UpperCased(ascii::TrimWhitespace(text));
    if (align == "TOP")
        return ObjectAlign::top;
    if (align == "MIDDLE" || align == "ABSMIDDLE")
        return ObjectAlign::middle;
    if (align == "BOTTOM")
        return ObjectAlign::bottom;
    if (align == "LEFT")
        return ObjectAlign::left;
    if (align == "RIGHT")
        return ObjectAlign::right;
    return ObjectAlign::baseline;
}

TImageObj::TImageObj(const ImageAttributes& attributes, const TProperties& properties,
                     TLinkTarget* openLink, int sourcePos) {
    sourcePosition = sourcePos;
    link = openLink;
    src = std::string(ascii::TrimWhitespace(attributes.src));
    if (attributes.alt) {
        alt = Utf8FromCodePage(*attributes.alt, properties.codePage());
        while (!alt.empty() && (alt.back() == '\r' || alt.back() == '\n'))
            alt.pop_back();
    }
    title = attributes.title ? Utf8FromCodePage(*attributes.title, properties.codePage()) : alt;
    align = ObjectAlignFromText(attributes.align);
    switch (properties.floatSide()) {
        case FloatSide::left:
            align = ObjectAlign::left;
            break;
        case FloatSide::right:
            align = ObjectAlign::right;
            break;
        case FloatSide::none:
            break;
    }
    border = attributes.border ? std::clamp(*attributes.border, 0, kMaxImageBorder) : 0;
    // A linked picture shows that it is one, unless its border is switched off.
    if (link != nullptr && !(attributes.border && *attributes.border == 0))
        border = std::max(border, 1);
    specWidth = Bounded(attributes.width);
    specHeight = Bounded(attributes.height);
    if (const std::optional<int> width = StyleLength(properties, Width))
        specWidth = LengthAttribute{true, *width, false};
    if (const std::optional<int> height = StyleLength(properties, Height))
        specHeight = LengthAttribute{true, *height, false};
    hspace = Spacing(attributes.hspace, isFloating() ? 3 : 0);
    vspace = Spacing(attributes.vspace, 0);
    ismap = attributes.ismap;
    usemap = ascii::UpperCased(ascii::TrimWhitespace(attributes.usemap));
    if (!usemap.empty() && usemap.front() == '#')
        usemap.erase(0, 1);
    transp = attributes.transp;
    name = attributes.name;
    id = attributes.id;
}

TPanelObj::TPanelObj(LengthAttribute width, LengthAttribute height, std::string_view alignText,
                     int sourcePos) {
    sourcePosition = sourcePos;
    align = ObjectAlignFromText(alignText);
    specWidth = Bounded(width);
    specHeight = Bounded(height);
    hspace = isFloating() ? 3 : 0;
}

}  // namespace kelvor::engine
