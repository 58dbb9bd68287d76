#include <gtest/gtest.h>

#include "layout_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;
using Alignment = LayoutFixture;

TEST_F(Alignment, JustifiedLinesEndAtTheRightSideAndTheLastLineDoesNot) {
    push("p", "text-align: justify");
    text("aa bb cc dd ee");
    // 81 pixels: "aa bb cc" is 64 wide; its two inner spaces share 17 pixels, the first one
    // taking the odd pixel. The pieces are drawn at their places, the last ending at 91.
    layout(101);
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"aa\"", "text 43 20 16 #000000 \"bb\"",
                     "text 75 20 16 #000000 \"cc\"", "text 10 39 16 #000000 \"dd ee\""}));
    const auto& lines = static_cast<TSection&>(*body->cell().items[0]).lines;
    EXPECT_EQ(lines[0].extra, 17);
    EXPECT_EQ(lines[0].spaceCount, 2);
    EXPECT_EQ(lines[0].drawWidth, 81);
    EXPECT_EQ(lines[1].extra, 0);
}

TEST_F(Alignment, LineEndedByBreakMarkIsNotStretched) {
    push("p", "text-align: justify");
    auto s = section();
    Add(*s, "a b", top());
    s->addBreakMark(3);
    Add(*s, "c d", top(), 4);
    cell->addSection(std::move(s));
    layout(800);
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"a b\"", "text 10 39 16 #000000 \"c d\""}));
}

TEST_F(Alignment, CentreAndRightLeaveTheFinalBlankOut) {
    push("p", "text-align: center");
    text("abc");
    pop();
    push("p", "text-align: right");
    text("abc");
    layout(800);
    // Centre: (10 + 790 - 24) / 2; right: 790 - 24.
    EXPECT_EQ(paintItems(),
              (Lines{"text 388 20 16 #000000 \"abc\"", "text 766 39 16 #000000 \"abc\""}));
}

TEST_F(Alignment, FirstLineIndentInPixelsAndPercent) {
    push("p", "text-indent: 20px");
    text("aaaa bbbb cccc");
    pop();
    push("p", "text-indent: 10%");
    text("dd");
    layout(100);  // 80 wide: the first line has 60 pixels left
    EXPECT_EQ(paintItems(),
              (Lines{"text 30 20 16 #000000 \"aaaa\"", "text 10 39 16 #000000 \"bbbb cccc\"",
                     "text 18 58 16 #000000 \"dd\""}));
}

TEST_F(Alignment, OverLongCentredLineStartsAtTheLeft) {
    push("p", "text-align: center");
    text(std::string(12, 'x'));
    layout(100);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #000000 \"xxxxxxxxxxxx\""}));
}

TEST_F(Alignment, LineHeightAddsRoomAroundTheText) {
    push("p", "line-height: 29px");
    text("aaaa bbbb cccc");
    // 10 more pixels per line: 5 above and 5 below.
    EXPECT_EQ(layout(100).height, 5 + 2 * 29 + 5);
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 25 16 #000000 \"aaaa bbbb\"", "text 10 54 16 #000000 \"cccc\""}));
}

TEST_F(Alignment, TallestFontSetsTheLine) {
    auto s = section();
    Add(*s, "a ", top());
    const TProperties& big = push("span", "font-size: 24pt");  // em 32, cell 38, descent 8
    s->changeFont(big);
    Add(*s, "B", big, 2);
    pop();
    s->changeFont(top());
    Add(*s, " c", top(), 3);
    cell->addSection(std::move(s));
    EXPECT_EQ(layout(800).height, 5 + 38 + 5);
    // Baseline 5 + 38 - 8; "B" is 16 wide.
    EXPECT_EQ(paintItems(), (Lines{"text 10 35 16 #000000 \"a \"", "text 26 35 32 #000000 \"B\"",
                                   "text 42 35 16 #000000 \" c\""}));
}

}  // namespace
}  // namespace kelvor::engine::testing
