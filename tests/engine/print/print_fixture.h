#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../view/engine_display_fixture.h"
#include "engine/print/doc_printer.h"
#include "platform/fixed/fake_printer.h"

namespace kelvor::testing {

// The display on the fixed metrics printing on the fake A4 printer at 600 dots per inch with a
// printable area 150 dots in from each edge. With the default margins of 2 cm the body starts
// 472 - 150 = 322 dots in from the printable area's left and top edges; in logical units
// (96 per inch) the body is (52, 52) to (52 + 643, 52 + 972). Text lines are 19 units high,
// the page's first line 5 below its top (the control's page margin), 10 in from its left.
class PrintTest : public EngineDisplayTest {
  protected:
    void SetUp() override {
        EngineDisplayTest::SetUp();
        display->SetPrinterDevice(&printer);
    }

    // A page of `count` lines "Line 0", "Line 1", ..., one below the other.
    static std::string Lines(int count, int from = 0) {
        std::string page;
        for (int i = from; i < from + count; ++i)
            page += "Line " + std::to_string(i) + "<br>";
        return page;
    }

    const std::vector<DrawCall>& PageCalls(std::size_t page) const {
        return printer.pages.at(page)->canvas.calls;
    }

    // The texts of a page that stay on paper: those whose top no later white fill covers (the
    // pages' text is 12 pt, 15 from the cell's top to the baseline).
    std::vector<DrawCall> VisibleTexts(std::size_t page) const {
        const std::vector<DrawCall>& calls = PageCalls(page);
        std::vector<DrawCall> visible;
        for (std::size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].call != Call::text)
                continue;
            const int top = calls[i].y - 15;
            bool covered = false;
            for (std::size_t j = i + 1; j < calls.size() && !covered; ++j) {
                const DrawCall& fill = calls[j];
                covered = fill.call == Call::fillRect && fill.colour == 0xFFFFFF &&
                          fill.rect.left <= calls[i].x && calls[i].x < fill.rect.right &&
                          fill.rect.top <= top && top < fill.rect.bottom;
            }
            if (!covered)
                visible.push_back(calls[i]);
        }
        return visible;
    }

    static std::string Utf8(const std::u16string& text) {
        return std::string(text.begin(), text.end());
    }

    platform::fixed::FakePrinter printer;
};

}  // namespace kelvor::testing
