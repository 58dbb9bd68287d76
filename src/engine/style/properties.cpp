#include "engine/style/properties.h"

#include <algorithm>
#include <cmath>

#include "engine/style/lengths.h"
#include "engine/style/property_values.h"
#include "engine/style/selectors.h"
#include "engine/style/style_list.h"
#include "engine/text/charsets.h"
#include "engine/text/text_utils.h"
#include "platform/ascii.h"

namespace kelvor::engine {

namespace {

// Properties that a child never takes from its parent.
constexpr int kNotInherited[] = {
    BorderStyle,      BackgroundColor,      BorderColor,     BackgroundImage, BackgroundPosition,
    BackgroundRepeat, BackgroundAttachment, Position,        Float,           Clear,
    PageBreakBefore,  PageBreakAfter,       PageBreakInside, BorderCollapse,  Overflow,
    Display,
};

constexpr std::string_view kLinkStates[3] = {"link", "visited", "hover"};

bool AncestorsMatch(const std::vector<AncestorPart>& parts,
                    std::span<const TProperties* const> ancestors) {
    int position = static_cast<int>(ancestors.size()) - 1;
    const auto matches = [&](const AncestorPart& part, int at) {
        const TProperties& element = *ancestors[static_cast<std::size_t>(at)];
        return Matches(part.selector, ElementIdentity{element.propTag, element.propClass,
                                                      element.propId, element.propPseudo});
    };
    for (const AncestorPart& part : parts) {
        if (part.child) {
            if (position < 0 || !matches(part, position))
                return false;
        } else {
            while (position >= 0 && !matches(part, position))
                --position;
            if (position < 0)
                return false;
        }
        --position;
    }
    return true;
}

BorderKind BorderKindOf(std::string_view text) {
    static constexpr std::pair<std::string_view, BorderKind> kKinds[] = {
        {"solid", BorderKind::solid},   {"dashed", BorderKind::dashed},
        {"dotted", BorderKind::dotted}, {"double", BorderKind::doubled},
        {"groove", BorderKind::groove}, {"inset", BorderKind::inset},
        {"outset", BorderKind::outset}, {"ridge", BorderKind::ridge},
    };
    for (const auto& [name, kind] : kKinds) {
        if (text == name)
            return kind;
    }
    return BorderKind::none;
}

std::string UrlOf(std::string_view text) {
    text = ascii::TrimWhitespace(text);
    if (text.rfind("url(", 0) != 0)
        return {};
    text.remove_prefix(4);
    if (!text.empty() && text.back() == ')')
        text.remove_suffix(1);
    return std::string(Unquote(ascii::TrimWhitespace(text)));
}

}  // namespace

TProperties::TProperties(FontCache& fonts) : fonts_(&fonts) {}

int TProperties::emSize() const {
    return font().emSize();
}

int TProperties::exSize() const {
    return font().exSize();
}

void TProperties::inherit(std::string_view tag, const TProperties& parent) {
    props = parent.props;
    const std::string parentTag = ascii::LowerCased(parent.propTag);
    const bool passesAll = parentTag == "thead" || parentTag == "tbody" || parentTag == "tfoot";
    if (parentTag == "span") {
        props[BorderStyle] = std::monostate{};
    } else if (!passesAll) {
        for (int index : kNotInherited)
            props[static_cast<std::size_t>(index)] = std::monostate{};
    }
    for (int index = MarginTop; index <= Left; ++index) {
        props[static_cast<std::size_t>(index)] = kNotSet;
    }
    if (ascii::EqualsIgnoringCase(tag, "table"))
        props[WordWrap] = std::string("normal");
    propTag = std::string(tag);
    propClass.clear();
    propId.clear();
    propPseudo.clear();
    propTitle.clear();
    propStyle.reset();
    charset_ = parent.charset_;
    codePage_ = parent.codePage_;
    inLink_ = parent.inLink_;
    linkFonts_ = parent.linkFonts_;
    parentFontSize_ = parent.fontSizePoints();
    font_.reset();
}

void TProperties::combine(const TStyleList& list, std::string_view tag, std::string_view classKey,
                          std::string_view id, std::string_view pseudo, std::string_view title,
                          std::shared_ptr<const TProperties> styleAttribute,
                          std::span<const TProperties* const> ancestors) {
    propTag = std::string(tag);
    propClass = std::string(classKey);
    propId = std::string(id);
    propPseudo = std::string(pseudo);
    propTitle = std::string(title);
    propStyle = std::move(styleAttribute);
    std::optional<TProperties> inherited;
    if (pseudo == "link") {
        inherited.emplace(*this);
    }
    applyCascade(list, tag, classKey, id, pseudo, ancestors);
    if (propStyle)
        applyRule(*propStyle);
    resolveFontSize(list.defaultFontSize());
    if (pseudo == "link") {
        inLink_ = true;
        makeLinkFonts(list, *inherited, tag, classKey, id, ancestors);
    }
    font_.reset();
}

void TProperties::applyCascade(const TStyleList& list, std::string_view tag,
                               std::string_view classKey, std::string_view id,
                               std::string_view pseudo,
                               std::span<const TProperties* const> ancestors) {
    const std::vector<std::string> keys =
        CascadeKeys(tag, classKey, id, pseudo, ascii::EqualsIgnoringCase(tag, "a"));
    for (const std::string& key : keys) {
        if (const TProperties* rule = list.find(key))
            applyRule(*rule);
    }
    // The bits of the ancestors' tags, classes and IDs, worked out when a rule needs them.
    std::optional<std::uint64_t> ancestorBits;
    for (const std::string& key : keys) {
        if (key.rfind("::", 0) == 0)
            continue;
        list.forEachDescendantRule(key, [&](const TStyleRule& rule) {
            if (!ancestorBits) {
                ancestorBits = 0;
                for (const TProperties* element : ancestors) {
                    *ancestorBits |= IdentityBits(
                        ElementIdentity{element->propTag, element->propClass, element->propId, {}});
                }
            }
            if ((rule.requiredBits & ~*ancestorBits) == 0 &&
                AncestorsMatch(rule.ancestors, ancestors)) {
                applyRule(*rule.properties);
            }
        });
    }
}

// Each state of a link goes through the whole cascade with its pseudo-class, on top of the
// general link look, so that a document rule for "a" keeps its colour in every state unless a
// rule for that state says otherwise.
void TProperties::makeLinkFonts(const TStyleList& list, const TProperties& inherited,
                                std::string_view tag, std::string_view classKey,
                                std::string_view id,
                                std::span<const TProperties* const> ancestors) {
    TLinkFonts fonts;
    for (int state = 0; state < 3; ++state) {
        TLinkFontEntry& entry = fonts.entries[static_cast<std::size_t>(state)];
        if (state == kLinkNormal) {
            entry.font = fontDescription();
            entry.background = backgroundColour();
            continue;
        }
        TProperties variant = inherited;
        if (const TProperties* rule = list.find("::link")) {
            variant.applyRule(*rule);
        }
        variant.applyCascade(list, tag, classKey, id, kLinkStates[state], ancestors);
        if (propStyle) {
            variant.applyRule(*propStyle);
        }
        variant.resolveFontSize(list.defaultFontSize());
        entry.font = variant.fontDescription();
        entry.background = variant.backgroundColour();
    }
    linkFonts_ = fonts;
}

void TProperties::resolveFontSize(double defaultSize) {
    if (const std::string* text = AsText(props[FontSize])) {
        props[FontSize] = FontSizeToPoints(*text, parentFontSize_, defaultSize,
                                           fonts_->services().pixelsPerInch());
    }
}

void TProperties::setProperty(int index, PropValue value) {
    if (index < 0 || index >= PropertyCount)
        return;
    props[static_cast<std::size_t>(index)] = std::move(value);
    font_.reset();
}

void TProperties::setPropertyFromText(std::string_view name, std::string_view text, bool strict) {
    const std::string lowerName = ascii::LowerCased(ascii::TrimWhitespace(name));
    for (const Declaration& declaration :
         ExpandDeclaration(lowerName, ascii::TrimWhitespace(text))) {
        PropValue value;
        if (PropertyValueFromText(declaration.index, declaration.text, strict,
                                  PaletteFlag(fonts_->services()), value)) {
            setProperty(declaration.index, std::move(value));
        }
    }
}

void TProperties::applyRule(const TProperties& rule) {
    for (std::size_t i = 0; i < props.size(); ++i) {
        if (!IsEmpty(rule.props[i]))
            props[i] = rule.props[i];
    }
    font_.reset();
}

void TProperties::setCharset(int charset) {
    if (charset == kCharsetLatin2Special) {
        charset_ = 238;
        codePage_ = kCodePageLatin2;
    } else {
        int chosen = charset;
        if (charset != platform::kDefaultCharset) {
            platform::FontRequest request;
            request.name = fontFamily();
            request.height = -16;
            request.charset = charset;
            chosen = fonts_->font(request).font->metrics().charset;
        }
        charset_ = chosen;
        if (const std::optional<int> codePage = CodePageOfCharset(chosen))
            codePage_ = *codePage;
    }
    if (linkFonts_) {
        for (TLinkFontEntry& entry : linkFonts_->entries)
            entry.font.charset = charset_;
    }
    font_.reset();
}

void TProperties::setUtf8() {
    charset_ = platform::kAnsiCharset;
    codePage_ = kCodePageUtf8;
    if (linkFonts_) {
        for (TLinkFontEntry& entry : linkFonts_->entries)
            entry.font.charset = charset_;
    }
    font_.reset();
}

double TProperties::fontSizePoints() const {
    const PropValue& value = props[FontSize];
    if (const double* points = std::get_if<double>(&value))
        return *points;
    if (const int* points = std::get_if<int>(&value))
        return *points;
    if (const std::string* text = AsText(value)) {
        return FontSizeToPoints(*text, parentFontSize_, parentFontSize_,
                                fonts_->services().pixelsPerInch());
    }
    return parentFontSize_;
}

std::string TProperties::fontFamily() const {
    return fonts_->resolveFamily(text(FontFamily));
}

FontDescription TProperties::fontDescription() const {
    FontDescription description;
    description.name = fontFamily();
    description.size = fontSizePoints();
    const std::string weight = text(FontWeight);
    double weightNumber = 0;
    if (weight.find("bold") != std::string::npos ||
        (ParseNumber(weight, weightNumber) && weightNumber >= 600)) {
        description.style |= platform::kFontBold;
    }
    const std::string style = text(FontStyle);
    if (style == "italic" || style == "oblique")
        description.style |= platform::kFontItalic;
    const std::string decoration = text(TextDecoration);
    if (decoration.find("underline") != std::string::npos) {
        description.style |= platform::kFontUnderline;
    }
    if (decoration.find("line-through") != std::string::npos) {
        description.style |= platform::kFontStrikeOut;
    }
    description.colour = colour();
    description.charset = charset_;
    return description;
}

const TDocFont& TProperties::font() const {
    if (!font_) {
        std::shared_ptr<TDocFont> font = MakeDocFont(*fonts_, fontDescription());
        font->lineHeight = lineHeightPixels(font->emSize());
        font_ = std::move(font);
    }
    return *font_;
}

int TProperties::lineHeightPixels(int emSize) const {
    const PropValue& value = props[LineHeight];
    if (const int* pixels = std::get_if<int>(&value))
        return *pixels == kNotSet ? 0 : *pixels;
    const std::string* text = AsText(value);
    if (text == nullptr || *text == "normal")
        return 0;
    return LengthToPixels(*text, emSize, emSize, emSize / 2, 0, fonts_->services().pixelsPerInch(),
                          BareNumber::multipleOfBase);
}

std::string TProperties::text(int index) const {
    if (index < 0 || index >= PropertyCount)
        return {};
    const std::string* value = AsText(props[static_cast<std::size_t>(index)]);
    return value ? *value : std::string();
}

TColour TProperties::colour() const {
    const std::optional<int> value = AsInt(props[Color]);
    return value && *value != kNotSet ? static_cast<TColour>(*value) : 0;
}

TColour TProperties::backgroundColour() const {
    const std::optional<int> value = AsInt(props[BackgroundColor]);
    return value && *value != kNotSet ? static_cast<TColour>(*value) : kNoColour;
}

std::string TProperties::backgroundImage() const {
    return UrlOf(text(BackgroundImage));
}

TextAlignment TProperties::textAlign() const {
    const std::string value = text(TextAlign);
    if (value == "center" || value == "middle")
        return TextAlignment::center;
    if (value == "right")
        return TextAlignment::right;
    if (value == "justify")
        return TextAlignment::justify;
    if (value == "none")
        return TextAlignment::none;
    return TextAlignment::left;
}

FloatSide TProperties::floatSide() const {
    const std::string value = text(Float);
    if (value == "left")
        return FloatSide::left;
    if (value == "right")
        return FloatSide::right;
    return FloatSide::none;
}

std::string TProperties::clearValue() const {
    const std::string value = text(Clear);
    return value == "left" || value == "right" || value == "both" ? value : std::string();
}

Positioning TProperties::position() const {
    const std::string value = text(Position);
    if (value == "absolute")
        return Positioning::absolute;
    if (value == "relative")
        return Positioning::relative;
    return Positioning::statical;
}

int TProperties::zIndex() const {
    const std::optional<int> value = AsInt(props[ZIndex]);
    return value && *value != kNotSet ? *value : 0;
}

int TProperties::visibility() const {
    const std::optional<int> value = AsInt(props[Visibility]);
    return value && *value != kNotSet ? *value : kVisibilityVisible;
}

bool TProperties::displayNone() const {
    return text(Display) == "none";
}

bool TProperties::pageBreakBefore() const {
    const std::string value = text(PageBreakBefore);
    return value == "always" || value == "left" || value == "right";
}

bool TProperties::pageBreakAfter() const {
    const std::string value = text(PageBreakAfter);
    return value == "always" || value == "left" || value == "right";
}

std::string TProperties::listStyleType() const {
    return text(ListStyleType);
}

std::string TProperties::listStyleImage() const {
    return UrlOf(text(ListStyleImage));
}

BorderKind TProperties::borderStyle() const {
    return BorderKindOf(text(BorderStyle));
}

BoxValues TProperties::boxValues(int base, int heightBase) const {
    BoxValues box;
    const int em = emSize();
    const int ex = exSize();
    const int ppi = fonts_->services().pixelsPerInch();
    const auto length = [&](int index, double percentBase, bool allowAuto, int unset) {
        const PropValue& value = props[static_cast<std::size_t>(index)];
        if (const int* number = std::get_if<int>(&value)) {
            return *number == kNotSet ? unset : *number;
        }
        const std::string* text = AsText(value);
        if (text == nullptr)
            return unset;
        if (*text == "auto")
            return allowAuto ? kAuto : unset;
        return LengthToPixels(*text, percentBase, em, ex, unset, ppi);
    };
    for (int side = 0; side < 4; ++side) {
        const std::size_t s = static_cast<std::size_t>(side);
        box.margin[s] = length(MarginTop + side, base, true, 0);
        if (box.margin[s] == kAuto && (side == 1 || side == 3))
            ++box.autoMargins;
        box.padding[s] = length(PaddingTop + side, base, false, 0);

        std::string style = text(BorderTopStyle + side);
        if (style.empty())
            style = text(BorderStyle);
        box.borderStyles[s] = BorderKindOf(style);
        if (box.borderStyles[s] == BorderKind::none) {
            box.borderWidth[s] = 0;
        } else {
            const PropValue& width = props[static_cast<std::size_t>(BorderTopWidth + side)];
            if (const std::string* widthText = AsText(width)) {
                box.borderWidth[s] = BorderWidthToPixels(*widthText, em, ex, ppi);
            } else if (const int* pixels = std::get_if<int>(&width); pixels && *pixels != kNotSet) {
                box.borderWidth[s] = *pixels;
            } else {
                box.borderWidth[s] = 4;
            }
        }
        const std::optional<int> sideColour =
            AsInt(props[static_cast<std::size_t>(BorderTopColor + side)]);
        const std::optional<int> allColour = AsInt(props[BorderColor]);
        if (sideColour && *sideColour != kNotSet) {
            box.borderColours[s] = static_cast<TColour>(*sideColour);
        } else if (allColour && *allColour != kNotSet) {
            box.borderColours[s] = static_cast<TColour>(*allColour);
        } else {
            box.borderColours[s] = colour();
        }
    }
    box.width = length(Width, base, true, kNotSet);
    box.height = length(Height, heightBase, true, kNotSet);
    box.top = length(Top, heightBase, true, kNotSet);
    box.bottom = length(Bottom, heightBase, true, kNotSet);
    box.right = length(Right, base, true, kNotSet);
    box.left = length(Left, base, true, kNotSet);
    box.backgroundColour = backgroundColour();
    const std::optional<int> border = AsInt(props[BorderColor]);
    box.borderColour = border && *border != kNotSet ? static_cast<TColour>(*border) : kNoColour;
    return box;
}

bool TProperties::hasBorder() const {
    if (borderStyle() != BorderKind::none)
        return true;
    for (int side = 0; side < 4; ++side) {
        if (BorderKindOf(text(BorderTopStyle + side)) != BorderKind::none)
            return true;
    }
    return false;
}

}  // namespace kelvor::engine
