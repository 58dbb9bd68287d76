#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/list_item.h"
#include "engine/document/section.h"
#include "engine/reader/html_reader.h"
#include "platform/fixed/fixed_font_services.h"

namespace kelvor::engine::testing {

// A document on the fixed font services (12 pt Times New Roman: em 16, characters 8 wide), read
// by the HTML reader, with helpers that show what was built as short texts.
class ReaderTest : public ::testing::Test {
  protected:
    HtmlReadResult Read(std::string_view html, const HtmlReaderHooks& hooks = {}) {
        return ReadHtmlDocument(html, doc, hooks);
    }
    HtmlReadResult ReadText(std::string_view text) { return ReadTextDocument(text, doc); }

    TBodyBlock& body() { return *doc.body(); }

    // A section's text with the marks made visible: "~" no-break space, "|" BR mark, "#" object,
    // "@" control; other characters beyond ASCII as "?".
    static std::string Text(const TSection& section) {
        std::string out;
        for (char16_t c : section.text) {
            if (c == kNoBreakSpace)
                out += '~';
            else if (c == kBreakMark)
                out += '|';
            else if (c == kObjectMark)
                out += '#';
            else if (c == kControlMark)
                out += '@';
            else
                out += c < 128 ? static_cast<char>(c) : '?';
        }
        return out;
    }

    // The items of a cell: a section as its text in quotes (a preformatted one after "="), a
    // block as its tag with its items in braces, a rule as "hr", a page break as "PAGE".
    static std::string Dump(const TFlowCell& cell) {
        std::string out;
        for (const auto& item : cell.items) {
            if (!out.empty())
                out += ' ';
            if (const auto* section = dynamic_cast<const TSection*>(item.get())) {
                out += (section->isPreformatted() ? "='" : "'") + Text(*section) + "'";
            } else if (dynamic_cast<const TRuleBlock*>(item.get()) != nullptr) {
                out += "hr";
            } else if (const auto* block = dynamic_cast<const TBlock*>(item.get())) {
                out += block->tag + "{" + Dump(block->cell()) + "}";
            } else if (dynamic_cast<const TPage*>(item.get()) != nullptr) {
                out += "PAGE";
            } else {
                out += "?";
            }
        }
        return out;
    }
    std::string Dump() { return Dump(body().cell()); }

    // The n-th section of the document in reading order.
    std::vector<const TSection*> Sections() {
        std::vector<const TSection*> sections;
        Collect(body().cell(), sections);
        return sections;
    }
    const TSection& Section(std::size_t index) { return *Sections().at(index); }

    // The font run that holds character `index` of a section.
    static const TFontRun& RunAt(const TSection& section, int index) {
        const TFontRun* found = &section.runs.front();
        for (const TFontRun& run : section.runs) {
            if (run.start <= index)
                found = &run;
        }
        return *found;
    }
    static bool Bold(const TSection& section, int index) {
        return (RunAt(section, index).font.description.style & platform::kFontBold) != 0;
    }
    static bool Italic(const TSection& section, int index) {
        return (RunAt(section, index).font.description.style & platform::kFontItalic) != 0;
    }
    static double Points(const TSection& section, int index) {
        return RunAt(section, index).font.description.size;
    }

    static std::u16string U16(std::string_view ascii) {
        return std::u16string(ascii.begin(), ascii.end());
    }

    platform::fixed::FixedFontServices device;
    TDocument doc{device};

  private:
    static void Collect(const TFlowCell& cell, std::vector<const TSection*>& sections) {
        for (const auto& item : cell.items) {
            if (const auto* section = dynamic_cast<const TSection*>(item.get()))
                sections.push_back(section);
            else if (const auto* block = dynamic_cast<const TBlock*>(item.get()))
                Collect(block->cell(), sections);
        }
    }
};

}  // namespace kelvor::engine::testing
