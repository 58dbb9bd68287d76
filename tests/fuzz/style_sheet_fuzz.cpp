// The style-sheet parser and STYLE attributes on hostile bytes. The input is a sheet, read both
// as the content of a STYLE element and as a linked sheet, then any number of STYLE attributes,
// each after a NUL byte. A small tree of elements is then styled with what was read: every
// element inherits, combines, builds its font and converts its box values, on the fixed font
// services, so that sizes and lengths from the input reach the conversions and the fonts.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/style/font_cache.h"
#include "engine/style/properties.h"
#include "engine/style/style_list.h"
#include "engine/style/style_sheet_parser.h"
#include "platform/fixed/fixed_font_services.h"

namespace {

using namespace kelvor;

struct Element {
    int depth;  // 1 under the root
    const char* tag;
    const char* classKey;
    const char* id;
    const char* pseudo;
};

// Tags, classes and IDs that seeds and mutations can name in selectors.
constexpr Element kTree[] = {
    {1, "body", "", "", ""},  {2, "div", "note", "main", ""}, {3, "p", "a.b", "", ""},
    {4, "a", "", "", "link"}, {5, "b", "", "", ""},           {3, "table", "", "", ""},
    {4, "tbody", "", "", ""}, {5, "tr", "", "", ""},          {6, "td", "n", "", ""},
    {7, "span", "x", "", ""}, {8, "em", "", "", ""},          {2, "pre", "", "", ""},
    {3, "p", "", "", ""},     {2, "h1", "", "t", ""},         {2, "ul", "", "", ""},
    {3, "li", "x", "", ""},   {4, "i", "", "", ""},           {2, "sup", "", "", ""},
    {2, "input", "", "", ""}, {2, "a", "k", "", "hover"},
};

std::vector<std::string_view> SplitAtNul(std::string_view input) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t nul = input.find('\0', start);
        if (nul == std::string_view::npos) {
            parts.push_back(input.substr(start));
            return parts;
        }
        parts.push_back(input.substr(start, nul - start));
        start = nul + 1;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts =
        SplitAtNul(std::string_view(reinterpret_cast<const char*>(data), size));

    platform::fixed::FixedFontServices device;
    engine::FontCache fonts(device);
    engine::TStyleList list(fonts);
    engine::StyleSheetText element{std::string(parts[0])};
    engine::ParseStyleSheet(element, list, engine::StyleSheetKind::element);
    engine::StyleSheetText linked{std::string(parts[0])};
    engine::ParseStyleSheet(linked, list, engine::StyleSheetKind::linked, "/docs/css");

    std::vector<std::shared_ptr<engine::TProperties>> attributes;
    for (std::size_t i = 1; i < parts.size() && i <= 64; ++i)
        attributes.push_back(engine::ParseStyleAttribute(parts[i], fonts));

    std::vector<std::unique_ptr<engine::TProperties>> stack;
    stack.push_back(std::make_unique<engine::TProperties>(list.defaults()));
    if (size > 0)
        stack.back()->setCharset(data[0]);
    std::size_t attribute = 0;
    for (const Element& node : kTree) {
        while (static_cast<int>(stack.size()) > node.depth)
            stack.pop_back();
        std::vector<const engine::TProperties*> ancestors;
        for (const auto& entry : stack)
            ancestors.push_back(entry.get());
        auto properties = std::make_unique<engine::TProperties>(fonts);
        properties->inherit(node.tag, *stack.back());
        std::shared_ptr<engine::TProperties> style;
        if (!attributes.empty())
            style = attributes[attribute++ % attributes.size()];
        properties->combine(list, node.tag, node.classKey, node.id, node.pseudo, "", style,
                            ancestors);
        const engine::TDocFont& font = properties->font();
        const engine::BoxValues box = properties->boxValues(640, 480);
        // Read the results so that nothing is optimised away; each value on its own, as any of
        // them may be as large as an int holds.
        volatile int sink = font.metrics.height;
        sink = font.lineHeight;
        sink = properties->exSize();
        sink = box.margin[0];
        sink = box.width;
        sink = box.borderWidth[3];
        sink = properties->zIndex();
        sink = static_cast<int>(properties->textAlign());
        (void)sink;
        stack.push_back(std::move(properties));
    }
    return 0;
}
