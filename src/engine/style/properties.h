#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/style/colours.h"
#include "engine/style/font_cache.h"
#include "engine/style/fonts.h"
#include "engine/style/style_properties.h"

namespace kelvor::engine {

class TStyleList;

enum class TextAlignment { left, center, right, justify, none };
enum class FloatSide { none, left, right };
enum class Positioning { statical, relative, absolute };
enum class BorderKind { none, solid, dashed, dotted, doubled, groove, inset, outset, ridge };

// Margins, paddings and borders converted to pixels (sides top, right, bottom, left).
struct BoxValues {
    TColour backgroundColour = kNoColour;
    TColour borderColour = kNoColour;
    std::array<int, 4> margin{};  // kAutoParagraph and kAuto pass through
    std::array<int, 4> padding{};
    std::array<int, 4> borderWidth{};  // 0 for a side without a border style
    std::array<TColour, 4> borderColours{};
    std::array<BorderKind, 4> borderStyles{};
    // kNotSet when the property has no value, kAuto for "auto".
    int width = kNotSet;
    int height = kNotSet;
    int top = kNotSet;
    int bottom = kNotSet;
    int right = kNotSet;
    int left = kNotSet;
    int autoMargins = 0;  // how many of the horizontal margins are "auto"
    bool operator==(const BoxValues&) const = default;
};

// The style values of one element: 60 properties, its identity, charset, em and ex size, link
// state and its font.
class TProperties {
  public:
    // Fonts come from the document's cache, on the font services of its device.
    explicit TProperties(FontCache& fonts);

    std::array<PropValue, PropertyCount> props;

    // Identity.
    std::string propTag;
    std::string propClass;
    std::string propId;
    std::string propPseudo;
    std::string propTitle;
    std::shared_ptr<const TProperties> propStyle;  // from the element's STYLE attribute

    int charset() const { return charset_; }
    int codePage() const { return codePage_; }
    int emSize() const;
    int exSize() const;
    bool inLink() const { return inLink_; }
    const TLinkFonts* linkFonts() const { return linkFonts_ ? &*linkFonts_ : nullptr; }
    FontCache& fontCache() const { return *fonts_; }

    // Copies the parent's values, leaving out what elements do not inherit.
    void inherit(std::string_view tag, const TProperties& parent);

    // Applies the style rules for the element in cascade order, then its STYLE attribute, and
    // resolves a relative font size against the inherited one. `ancestors` are the entries of
    // the property stack below the element, the root first and the parent last.
    void combine(const TStyleList& list, std::string_view tag, std::string_view classKey,
                 std::string_view id, std::string_view pseudo, std::string_view title,
                 std::shared_ptr<const TProperties> styleAttribute,
                 std::span<const TProperties* const> ancestors);

    // Sets one property. Changing anything drops the cached font.
    void setProperty(int index, PropValue value);
    // Sets a property (or the parts of a shorthand) from declaration text; unknown names and
    // unreadable values are skipped.
    void setPropertyFromText(std::string_view name, std::string_view text, bool strict);
    // Copies every value that `rule` sets.
    void applyRule(const TProperties& rule);

    // Character set (Windows charset identifier); also sets the code page.
    void setCharset(int charset);
    void setUtf8();
    void setCodePage(int codePage) { codePage_ = codePage; }

    // The element's font, built on first request and kept.
    const TDocFont& font() const;
    FontDescription fontDescription() const;
    double fontSizePoints() const;
    std::string fontFamily() const;

    // Accessors for the reader and the layout.
    TColour colour() const;
    TColour backgroundColour() const;     // kNoColour when none
    std::string backgroundImage() const;  // the URL inside "url(...)", or empty
    TextAlignment textAlign() const;
    FloatSide floatSide() const;
    std::string clearValue() const;  // "left", "right", "both" or empty
    Positioning position() const;
    int zIndex() const;
    int visibility() const;
    bool displayNone() const;
    bool pageBreakBefore() const;
    bool pageBreakAfter() const;
    std::string listStyleType() const;
    std::string listStyleImage() const;  // URL or empty
    BorderKind borderStyle() const;      // the element-wide border-style
    std::string text(int index) const;   // the property as text, empty when it is no text
    // Border widths, styles and paddings converted; `base` is the width for percentages.
    BoxValues boxValues(int base, int heightBase) const;
    // Has this element a border of its own (for inline boxes)?
    bool hasBorder() const;

  private:
    void applyCascade(const TStyleList& list, std::string_view tag, std::string_view classKey,
                      std::string_view id, std::string_view pseudo,
                      std::span<const TProperties* const> ancestors);
    void resolveFontSize(double defaultSize);
    void makeLinkFonts(const TStyleList& list, const TProperties& inherited, std::string_view tag,
                       std::string_view classKey, std::string_view id,
                       std::span<const TProperties* const> ancestors);
    int lineHeightPixels(int emSize) const;

    FontCache* fonts_;
    int charset_ = platform::kDefaultCharset;
    int codePage_ = 0;
    double parentFontSize_ = 12;
    bool inLink_ = false;
    std::optional<TLinkFonts> linkFonts_;
    mutable std::shared_ptr<const TDocFont> font_;
};

}  // namespace kelvor::engine
