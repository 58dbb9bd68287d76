#include "engine/style/style_list.h"

#include <algorithm>

#include "engine/style/property_values.h"
#include "engine/style/selectors.h"

namespace kelvor::engine {

namespace {

PropValue Text(std::string_view text) {
    return std::string(text);
}

}  // namespace

TStyleList::TStyleList(FontCache& fonts) : fonts_(&fonts) {
    initialize({});
}

TProperties& TStyleList::rule(std::string_view key, const std::vector<AncestorPart>& ancestors) {
    auto found = rules_.find(key);
    if (found == rules_.end()) {
        TStyleRule rule{ancestors, RequiredBits(ancestors), std::make_unique<TProperties>(*fonts_)};
        found = rules_.emplace(std::string(key), std::move(rule)).first;
        if (!ancestors.empty()) {
            std::vector<DescendantRule>& list =
                descendants_[std::string(key.substr(0, key.find(' ')))];
            const auto at = std::lower_bound(
                list.begin(), list.end(), found->first,
                [](const DescendantRule& entry, const std::string& k) { return *entry.key < k; });
            list.insert(at, DescendantRule{&found->first, &found->second});
        }
    }
    return *found->second.properties;
}

const TProperties* TStyleList::find(std::string_view key) const {
    const auto found = rules_.find(key);
    return found == rules_.end() ? nullptr : found->second.properties.get();
}

TRuleSelector TStyleList::ruleSelector(const ParsedSelector& selector) {
    const int sequence = selector.ancestors.empty() ? 0 : ++sequence_;
    return TRuleSelector{StyleListKey(selector, sequence), selector.ancestors};
}

const TProperties& TStyleList::defaults() const {
    return *find("default");
}

void TStyleList::addModifyProp(const TRuleSelector& selector, std::string_view property,
                               std::string_view value) {
    for (const Declaration& declaration : ExpandDeclaration(property, value)) {
        PropValue converted;
        if (PropertyValueFromText(declaration.index, declaration.text, true, paletteFlag(),
                                  converted)) {
            rule(selector.key, selector.ancestors)
                .setProperty(declaration.index, std::move(converted));
        }
    }
}

void TStyleList::addModifyProp(std::string_view key, std::string_view property,
                               std::string_view value) {
    addModifyProp(TRuleSelector{std::string(key), {}}, property, value);
}

void TStyleList::setRuleValue(std::string_view key, int index, PropValue value) {
    rule(key).setProperty(index, std::move(value));
}

void TStyleList::setLinkColour(std::string_view state, TColour colour) {
    rule("::" + std::string(state)).setProperty(Color, static_cast<int>(colour | paletteFlag()));
}

void TStyleList::initialize(const StyleDefaults& defaults) {
    descendants_.clear();
    rules_.clear();
    sequence_ = 0;
    defaults_ = defaults;
    addDefaults();
}

void TStyleList::addDefaults() {
    const StyleDefaults& d = defaults_;
    const double size = d.fontSize;
    const int flag = static_cast<int>(paletteFlag());

    TProperties& root = rule("default");
    root.setProperty(FontFamily, Text(d.fontName));
    root.setProperty(FontSize, size);
    root.setProperty(FontStyle, Text("none"));
    root.setProperty(FontWeight, Text("normal"));
    root.setProperty(TextAlign, Text("left"));
    root.setProperty(TextDecoration, Text("none"));
    root.setProperty(TextTransform, 0);
    root.setProperty(WordWrap, Text("normal"));
    root.setProperty(FontVariant, Text("normal"));
    root.setProperty(Color, static_cast<int>(d.textColour));
    root.setProperty(MarginTop, d.marginHeight);
    root.setProperty(MarginBottom, d.marginHeight);
    root.setProperty(MarginLeft, d.marginWidth);
    root.setProperty(MarginRight, d.marginWidth);
    root.setProperty(Visibility, kVisibilityVisible);
    root.setProperty(LetterSpacing, 0);
    root.setCharset(d.charset);
    root.propTag = "default";

    TProperties& link = rule("::link");
    link.setProperty(Color, static_cast<int>(d.linkColour) | flag);
    link.setProperty(TextDecoration, Text(d.underlineLinks ? "underline" : "none"));
    rule("::visited").setProperty(Color, static_cast<int>(d.visitedColour) | flag);
    rule("::hover").setProperty(Color, static_cast<int>(d.hoverColour) | flag);
    rule("null");

    TProperties& pre = rule("pre");
    pre.setProperty(FontFamily, Text(d.preFontName));
    pre.setProperty(FontSize, size * 10 / 12);
    pre.setProperty(FontStyle, Text("none"));
    pre.setProperty(FontWeight, Text("normal"));
    pre.setProperty(TextDecoration, Text("none"));

    TProperties& p = rule("p");
    p.setProperty(MarginTop, kAutoParagraph);
    p.setProperty(MarginBottom, kAutoParagraph);
    ParsedSelector prePara;
    prePara.key = "p";
    AncestorPart preAncestor;
    preAncestor.selector.tag = "pre";
    prePara.ancestors.push_back(preAncestor);
    const TRuleSelector preParaRule = ruleSelector(prePara);
    rule(preParaRule.key, preParaRule.ancestors).setProperty(MarginTop, 0);

    for (std::string_view list : {"ul", "ol", "menu", "dir"}) {
        TProperties& rules = rule(list);
        rules.setProperty(PaddingLeft, 35);
        rules.setProperty(MarginTop, kAutoParagraph);
        rules.setProperty(MarginBottom, kAutoParagraph);
        rules.setProperty(ListStyleType, Text("blank"));
    }
    TProperties& dl = rule("dl");
    dl.setProperty(PaddingLeft, 0);
    dl.setProperty(MarginLeft, 0);
    dl.setProperty(MarginTop, 0);
    dl.setProperty(MarginBottom, 0);
    dl.setProperty(ListStyleType, Text("none"));
    TProperties& dd = rule("dd");
    dd.setProperty(PaddingLeft, 35);
    dd.setProperty(MarginTop, 0);
    dd.setProperty(MarginBottom, 0);
    TProperties& quote = rule("blockquote");
    quote.setProperty(PaddingLeft, 35);
    quote.setProperty(MarginTop, kAutoParagraph);
    quote.setProperty(MarginBottom, 14);

    for (std::string_view tag : {"code", "tt", "kbd", "samp"}) {
        rule(tag).setProperty(FontFamily, Text(d.preFontName));
        rule(tag).setProperty(FontSize, Text("0.833em"));
    }
    for (std::string_view tag : {"b", "strong", "th"}) {
        rule(tag).setProperty(FontWeight, Text("bold"));
    }
    rule("sup").setProperty(FontSize, Text("75%"));
    rule("sup").setProperty(VerticalAlign, Text("super"));
    rule("sub").setProperty(FontSize, Text("75%"));
    rule("sub").setProperty(VerticalAlign, Text("sub"));
    rule("big").setProperty(FontSize, Text("1.25em"));
    rule("small").setProperty(FontSize, Text("0.75em"));
    rule("table").setProperty(TextAlign, Text("none"));
    for (std::string_view tag : {"i", "em", "cite", "var", "address"}) {
        rule(tag).setProperty(FontStyle, Text("italic"));
    }
    rule("u").setProperty(TextDecoration, Text("underline"));
    rule("s").setProperty(TextDecoration, Text("line-through"));
    rule("strike").setProperty(TextDecoration, Text("line-through"));
    rule("center").setProperty(TextAlign, Text("center"));
    rule("caption").setProperty(TextAlign, Text("center"));

    for (std::string_view tag : {"input", "select", "textarea"}) {
        TProperties& control = rule(tag);
        // Text areas show their lines in the preformatted font.
        control.setProperty(FontFamily,
                            Text(tag == "textarea" ? d.preFontName : "Arial Unicode MS, Arial"));
        control.setProperty(FontSize, Text("10pt"));
        control.setProperty(FontStyle, Text("none"));
        control.setProperty(FontWeight, Text("normal"));
        control.setProperty(TextAlign, Text("left"));
        control.setProperty(TextDecoration, Text("none"));
        control.setProperty(Color, static_cast<int>(d.textColour));
    }

    TProperties& hr = rule("hr");
    hr.setProperty(MarginLeft, 0);
    hr.setProperty(MarginRight, 0);
    hr.setProperty(MarginTop, 10);
    hr.setProperty(MarginBottom, 10);

    constexpr double kHeadingSizes[6] = {24, 18, 14, 12, 10, 8};
    for (int level = 1; level <= 6; ++level) {
        TProperties& heading = rule("h" + std::to_string(level));
        heading.setProperty(FontSize, size / 12 * kHeadingSizes[level - 1]);
        heading.setProperty(MarginTop, 19);
        heading.setProperty(MarginBottom, 19);
        heading.setProperty(FontWeight, Text("bold"));
    }
}

}  // namespace kelvor::engine
