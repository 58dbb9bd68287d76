#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/list_item.h"
#include "engine/document/section.h"
#include "engine/style/style_sheet_parser.h"
#include "platform/fixed/fixed_font_services.h"

namespace kelvor::engine::testing {

// A document on the fixed font services (12 pt Times New Roman: em 16, cell 19, descent 4,
// characters 8 wide) with a property stack like the reader's, and helpers that build the way
// the reader does.
class DocumentFixture : public ::testing::Test {
  protected:
    DocumentFixture() {
        stack.push_back(std::make_unique<TProperties>(doc.styleList().defaults()));
        body = &doc.createBody(*stack.front());
        cell = &body->cell();
    }

    const TProperties& top() const { return *stack.back(); }

    TProperties& push(const std::string& tag, const std::string& style = "") {
        auto element = std::make_unique<TProperties>(doc.fonts());
        element->inherit(tag, *stack.back());
        std::vector<const TProperties*> ancestors;
        for (const auto& entry : stack)
            ancestors.push_back(entry.get());
        element->combine(doc.styleList(), tag, "", "", tag == "a" ? "link" : "", "",
                         style.empty() ? nullptr : ParseStyleAttribute(style, doc.fonts()),
                         ancestors);
        stack.push_back(std::move(element));
        return *stack.back();
    }
    void pop() { stack.pop_back(); }

    void sheet(const std::string& text) {
        StyleSheetText source(text);
        ParseStyleSheet(source, doc.styleList(), StyleSheetKind::element);
    }

    // Text as the reader adds it: ASCII, positions counted from `from`.
    static void Add(TSection& section, const std::string& text, const TProperties& properties,
                    int from = 0, bool noBreak = false) {
        std::u16string chars(text.begin(), text.end());
        std::vector<int> positions;
        for (std::size_t i = 0; i < text.size(); ++i)
            positions.push_back(from + static_cast<int>(i));
        section.addText(chars, positions, properties, noBreak);
    }

    std::unique_ptr<TSection> section() { return std::make_unique<TSection>(doc, top()); }

    // A closed section of `text` in the current cell.
    TSection* paragraphText(const std::string& text) {
        auto s = section();
        Add(*s, text, top());
        return cell->addSection(std::move(s));
    }

    // A block for `tag` in the current cell, made current.
    TBlock& open(const std::string& tag, const std::string& style = "") {
        push(tag, style);
        TBlock& block = cell->addBlock(std::make_unique<TBlock>(doc, top()));
        cell = &block.cell();
        return block;
    }
    void close(TBlock& block) {
        cell = block.ownerCell();
        pop();
    }

    static std::string Narrow(const std::u16string& text) {
        std::string out;
        for (char16_t c : text)
            out += c < 128 ? static_cast<char>(c) : '?';
        return out;
    }

    platform::fixed::FixedFontServices device;
    TDocument doc{device};
    std::vector<std::unique_ptr<TProperties>> stack;
    TBodyBlock* body = nullptr;
    TFlowCell* cell = nullptr;
};

}  // namespace kelvor::engine::testing
