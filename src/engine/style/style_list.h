#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/style/colours.h"
#include "engine/style/font_cache.h"
#include "engine/style/properties.h"
#include "engine/style/selectors.h"

namespace kelvor::engine {

// What the viewer hands to a new document's style list.
struct StyleDefaults {
    std::string fontName = "Times New Roman";
    std::string preFontName = "Courier New";
    double fontSize = 12;  // points
    TColour textColour = 0;
    TColour linkColour = 0xFF0000;  // blue, 0x00BBGGRR
    TColour visitedColour = 0x800080;
    TColour hoverColour = 0xFF0000;
    bool underlineLinks = true;
    int charset = platform::kDefaultCharset;
    int marginWidth = 10;
    int marginHeight = 5;
};

// A rule of the style list: its properties and, for a descendant or child selector, the
// ancestor parts it asks for, nearest first, kept as parsed when the rule was added so that
// matching an element never reads them back out of the key.
struct TStyleRule {
    std::vector<AncestorPart> ancestors;
    std::uint64_t requiredBits = 0;  // RequiredBits(ancestors)
    std::unique_ptr<TProperties> properties;
};

// A selector of a sheet in the form the list stores it under.
struct TRuleSelector {
    std::string key;  // see StyleListKey
    std::vector<AncestorPart> ancestors;
};

// The style rules of a document, by selector key.
class TStyleList {
  public:
    // The rules' fonts come from the document's font cache.
    explicit TStyleList(FontCache& fonts);

    // Clears the list and adds the built-in rules.
    void initialize(const StyleDefaults& defaults);

    // The key under which the list keeps a parsed selector. A selector with ancestor parts takes
    // the next sequence number, so that each such selector of a sheet is a rule of its own.
    TRuleSelector ruleSelector(const ParsedSelector& selector);
    // Sets a property (or a shorthand's parts) of the rule for `selector` from a style-sheet
    // value; unknown properties are ignored.
    void addModifyProp(const TRuleSelector& selector, std::string_view property,
                       std::string_view value);
    // The same for the rule of a simple key ("body", "p.note", "::link").
    void addModifyProp(std::string_view key, std::string_view property, std::string_view value);
    // Sets one property of a rule to a value as it is.
    void setRuleValue(std::string_view key, int index, PropValue value);
    // Changes a built-in link colour: state is "link", "visited" or "hover".
    void setLinkColour(std::string_view state, TColour colour);

    const TProperties* find(std::string_view key) const;
    // Calls visit(const TStyleRule&) for each rule stored under `key` followed by a blank: the
    // descendant and child rules of it, in key order.
    template <typename Visit>
    void forEachDescendantRule(std::string_view key, Visit visit) const {
        const auto found = descendants_.find(key);
        if (found == descendants_.end())
            return;
        for (const DescendantRule& entry : found->second)
            visit(*entry.rule);
    }

    // The root properties ("default").
    const TProperties& defaults() const;
    double defaultFontSize() const { return defaults_.fontSize; }
    const StyleDefaults& settings() const { return defaults_; }
    FontCache& fontCache() const { return *fonts_; }
    TColour paletteFlag() const { return PaletteFlag(fonts_->services()); }
    std::size_t size() const { return rules_.size(); }

  private:
    TProperties& rule(std::string_view key, const std::vector<AncestorPart>& ancestors = {});
    void addDefaults();

    // A descendant or child rule as its element's key lists it.
    struct DescendantRule {
        const std::string* key;  // the rule's key in rules_
        const TStyleRule* rule;
    };

    FontCache* fonts_;
    StyleDefaults defaults_;
    std::map<std::string, TStyleRule, std::less<>> rules_;
    // The descendant and child rules by the key of their own compound selector, each list in
    // the order of their keys, so that an element finds its few lists with one look-up each.
    std::map<std::string, std::vector<DescendantRule>, std::less<>> descendants_;
    int sequence_ = 0;
};

}  // namespace kelvor::engine
