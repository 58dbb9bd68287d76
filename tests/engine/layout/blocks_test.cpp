#include <gtest/gtest.h>

#include <cstring>

#include "engine/document/limits.h"
#include "layout_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;
using Blocks = LayoutFixture;

TEST_F(Blocks, ParagraphsAreFourteenPixelsApartAndTheBodyEndsWithItsMargins) {
    TBlock& p1 = open("p");
    text("A");
    close(p1);
    TBlock& p2 = open("p");
    text("B");
    close(p2);
    // P1: 5 + 9 (its 14 less the body's 5); P2 14 below P1's text; then P2's 14 and the 5.
    EXPECT_EQ(layout(800).height, 14 + 19 + 14 + 19 + 14 + 5);
    EXPECT_EQ(paintItems(), (Lines{"text 10 29 16 #000000 \"A\"", "text 10 62 16 #000000 \"B\""}));
    EXPECT_EQ(p1.y, 5);
    EXPECT_EQ(p1.height, 9 + 19);
}

TEST_F(Blocks, TextBetweenParagraphsKeepsBothMargins) {
    TBlock& p1 = open("p");
    text("A");
    close(p1);
    text("B");
    TBlock& p2 = open("p");
    text("C");
    close(p2);
    EXPECT_EQ(layout(800).height, 14 + 19 + 14 + 19 + 14 + 19 + 14 + 5);
    EXPECT_EQ(paintItems(), (Lines{"text 10 29 16 #000000 \"A\"", "text 10 62 16 #000000 \"B\"",
                                   "text 10 95 16 #000000 \"C\""}));
}

TEST_F(Blocks, BoxWithMarginPaddingAndBorder) {
    TBlock& box =
        open("div", "margin: 10px; padding: 5px; border: 2px solid #ff0000; width: 100px");
    text("x");
    close(box);
    // Top margin 10 less the body's 5; border box from (20, 10) to (134, 43).
    EXPECT_EQ(layout(800).height, 5 + 5 + 2 + 5 + 19 + 5 + 2 + 10 + 5);
    EXPECT_EQ(paintItems(), (Lines{"fill 20 10 114 2 #ff0000", "fill 132 10 2 33 #ff0000",
                                   "fill 20 41 114 2 #ff0000", "fill 20 10 2 33 #ff0000",
                                   "text 27 32 16 #000000 \"x\""}));
}

TEST_F(Blocks, AutomaticSideMarginsCentreAFixedWidth) {
    TBlock& box = open("div", "width: 100px; margin-left: auto; margin-right: auto");
    text("x");
    close(box);
    layout(800);
    EXPECT_EQ(box.contentLeft, 10 + 340);
    EXPECT_EQ(paintItems(), (Lines{"text 350 20 16 #000000 \"x\""}));
}

TEST_F(Blocks, BackgroundColourFillsTheBorderBox) {
    TBlock& box = open("div", "background-color: #00ff00; padding: 3px");
    text("x");
    close(box);
    layout(200);
    EXPECT_EQ(paintItems(), (Lines{"fill 10 5 180 25 #00ff00", "text 13 23 16 #000000 \"x\""}));
}

TEST_F(Blocks, DisplayNoneTakesNoRoom) {
    TBlock& hidden = open("div", "display: none");
    text("gone");
    close(hidden);
    text("shown");
    EXPECT_EQ(layout(800).height, 29);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #000000 \"shown\""}));
}

TEST_F(Blocks, AbsoluteBlockIsPlacedFromItsCellAndTakesNoRoom) {
    TBlock& box = open("div", "position: absolute; left: 50px; top: 20px; width: 100px");
    text("abs");
    close(box);
    text("flow");
    // It takes no room in the flow, but the document is tall enough to show it.
    EXPECT_EQ(layout(800).height, 25 + 19 + 5);
    // z-index 1: painted after the flow.
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #000000 \"flow\"", "text 60 40 16 #000000 \"abs\""}));
}

TEST_F(Blocks, RelativeBlockIsShiftedAfterLayout) {
    TBlock& box = open("div", "position: relative; left: 5px; top: 10px");
    text("moved");
    close(box);
    text("next");
    layout(800);
    EXPECT_EQ(paintItems(),
              (Lines{"text 15 30 16 #000000 \"moved\"", "text 10 39 16 #000000 \"next\""}));
}

TEST_F(Blocks, ChildrenPaintByZIndexThenInDocumentOrder) {
    for (const char* style : {"position: relative; z-index: 2", "position: relative; z-index: -1",
                              "", "position: relative; z-index: 1"}) {
        TBlock& box = open("div", style);
        text(style[0] ? std::string(1, style[strlen(style) - 1]) : std::string("0"));
        close(box);
    }
    layout(800);
    const Lines painted = paintItems();
    ASSERT_EQ(painted.size(), 4u);
    std::string order;
    for (const std::string& line : painted)
        order += line[line.size() - 2];
    EXPECT_EQ(order, "1012");  // -1 (shown as its last digit), 0, 1, 2
}

TEST_F(Blocks, HorizontalRules) {
    push("hr");
    HorizontalRuleAttributes shaded;
    cell->addBlock(std::make_unique<TRuleBlock>(doc, top(), shaded));
    HorizontalRuleAttributes flat;
    flat.noShade = true;
    flat.width = LengthAttribute{true, 50, true};
    flat.size = 4;
    cell->addBlock(std::make_unique<TRuleBlock>(doc, top(), flat));
    HorizontalRuleAttributes coloured;
    coloured.colour = "red";
    coloured.width = LengthAttribute{true, 100, false};
    coloured.align = "right";
    cell->addBlock(std::make_unique<TRuleBlock>(doc, top(), coloured));
    // Margins of 10 collapse between the rules; the first loses the body's 5.
    EXPECT_EQ(layout(800).height, 5 + 5 + 2 + 10 + 4 + 10 + 2 + 10 + 5);
    EXPECT_EQ(paintItems(), (Lines{"fill 10 10 780 1 #808080", "fill 10 11 1 1 #808080",
                                   "fill 11 11 779 1 #ffffff", "fill 205 22 390 4 #808080",
                                   "fill 690 36 100 2 #ff0000"}));
}

TEST_F(Blocks, DocumentWidthIsTheWidestLineWithTheMargins) {
    TBlock& box = open("div", "width: 900px");
    text("x");
    close(box);
    EXPECT_EQ(layout(800).width, 920);
    TBlock& wide = open("div", "width: 9000px");
    close(wide);
    EXPECT_EQ(layout(800).width, 6000);
}

TEST_F(Blocks, DeepNestingIsLaidOutUpToTheLimit) {
    std::vector<TBlock*> blocks;
    for (int i = 0; i < kMaxBlockDepth + 5; ++i)
        blocks.push_back(&open("div", "padding-left: 1px"));
    text("deep");
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it)
        close(**it);
    layout(800);
    EXPECT_EQ(blocks.front()->cell().depth(), 2);
    // Blocks deeper than the limit are not laid out; the rest nest as usual.
    EXPECT_EQ(blocks[kMaxBlockDepth - 2]->contentLeft, 10 + kMaxBlockDepth - 1);
    EXPECT_EQ(blocks[kMaxBlockDepth]->height, 0);
    EXPECT_TRUE(paintItems().empty());
}

TEST_F(Blocks, HugeHeightsStayWithinTheCoordinateRange) {
    for (int i = 0; i < 300; ++i) {
        TBlock& tall = open("div", "height: 1000000px");
        close(tall);
    }
    text("after");
    // 300 million pixels do not fit: the sums stop at the largest coordinate.
    EXPECT_EQ(layout(800).height, kMaxCoordinate);
}

TEST_F(Blocks, WidthRangesOfSectionsAndBlocks) {
    text("aaaa bb");
    auto s = section();
    Add(*s, "cc", top());
    s->addBreakMark(2);
    Add(*s, "dddddd e", top(), 3);
    cell->addSection(std::move(s));
    TBlock& fixed = open("div", "width: 50px; padding: 2px");
    close(fixed);
    layout(800);
    const WidthRange first = body->cell().items[0]->widthRange(*context);
    EXPECT_EQ(first.minimum, 32);
    EXPECT_EQ(first.maximum, 56);
    const WidthRange second = body->cell().items[1]->widthRange(*context);
    EXPECT_EQ(second.minimum, 48);
    EXPECT_EQ(second.maximum, 64);
    EXPECT_EQ(fixed.widthRange(*context).minimum, 54);
    EXPECT_EQ(fixed.widthRange(*context).maximum, 54);
    // The body adds its margins to the widest of its items.
    EXPECT_EQ(body->widthRange(*context).maximum, 84);
}

}  // namespace
}  // namespace kelvor::engine::testing
