#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/style/font_cache.h"
#include "engine/style/properties.h"
#include "engine/style/style_list.h"
#include "engine/style/style_sheet_parser.h"
#include "platform/fixed/fixed_font_services.h"

namespace kelvor::engine::testing {

// A style list on the fixed font services (96 ppi), with the document's font cache, the viewer's
// usual defaults (12 pt Times New Roman, black text), and a property stack like the reader's.
class StyleFixture : public ::testing::Test {
  protected:
    StyleFixture() {
        list.initialize(defaults);
        stack.push_back(std::make_unique<TProperties>(list.defaults()));
    }

    // Reads a STYLE element's content (ending at its end tag).
    void sheet(const std::string& text) {
        StyleSheetText source(text);
        ParseStyleSheet(source, list, StyleSheetKind::element);
    }

    // Pushes an element as the reader does: inherit from the top, then combine.
    TProperties& push(const std::string& tag, const std::string& classKey = "",
                      const std::string& id = "", const std::string& pseudo = "",
                      const std::string& style = "") {
        auto element = std::make_unique<TProperties>(fonts);
        element->inherit(tag, *stack.back());
        std::vector<const TProperties*> ancestors;
        for (const auto& entry : stack)
            ancestors.push_back(entry.get());
        element->combine(list, tag, classKey, id, pseudo, "",
                         style.empty() ? nullptr : ParseStyleAttribute(style, fonts), ancestors);
        stack.push_back(std::move(element));
        return *stack.back();
    }

    void pop() { stack.pop_back(); }

    static std::string text(const TProperties& p, int index) { return p.text(index); }

    platform::fixed::FixedFontServices device;
    FontCache fonts{device};
    StyleDefaults defaults;
    TStyleList list{fonts};
    std::vector<std::unique_ptr<TProperties>> stack;
};

// 0x00BBGGRR from red, green, blue.
constexpr TColour Bgr(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}

}  // namespace kelvor::engine::testing
