#include <gtest/gtest.h>

#include "layout_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;
using Floats = LayoutFixture;

// A floating picture that failed to load, 40 x 30 with the default spacing of 3 on each side.
ImageAttributes FloatingBox(const std::string& align, int height = 30) {
    ImageAttributes attributes;
    attributes.src = "missing.gif";
    attributes.align = align;
    attributes.width = LengthAttribute{true, 40, false};
    attributes.height = LengthAttribute{true, height, false};
    return attributes;
}

TEST_F(Floats, TextFlowsBesideALeftFloatAndReturnsBelowIt) {
    auto s = section();
    image(FloatingBox("left"), s.get());
    Add(*s, " aaaa bbbb cccc dddd", top(), 1);
    cell->addSection(std::move(s));
    layout(200);
    // The float takes 46 pixels from x 10, down to y 35; text starts at 56 while it lasts.
    EXPECT_EQ(paintItems(),
              (Lines{"frame 13 5 40 30 #808080 1", "line 17 9 26 18 #ff0000 1",
                     "line 26 9 17 18 #ff0000 1", "text 56 20 16 #000000 \"aaaa bbbb cccc\"",
                     "text 56 39 16 #000000 \"dddd\""}));
}

TEST_F(Floats, RightFloatAndTextBelowIt) {
    auto s = section();
    image(FloatingBox("right", 10), s.get());
    Add(*s, "aaaa", top(), 1);
    cell->addSection(std::move(s));
    text("bbbb");
    layout(200);
    // Right side 190 less 46; the second section's line at y 24 is below the float (5..15).
    const Lines painted = paintItems();
    EXPECT_EQ(painted.front(), "frame 147 5 40 10 #808080 1");
    EXPECT_EQ(painted.back(), "text 10 39 16 #000000 \"bbbb\"");
}

TEST_F(Floats, ClearMovesASectionBelowTheFloat) {
    auto s = section();
    image(FloatingBox("left", 60), s.get());
    Add(*s, "aaaa", top(), 1);
    cell->addSection(std::move(s));
    auto cleared = section();
    cleared->setClear(ClearSide::left);
    Add(*cleared, "next", top(), 5);
    cell->addSection(std::move(cleared));
    // The float ends at 65; the first section is one line (5..24).
    EXPECT_EQ(layout(200).height, 65 + 19 + 5);
    EXPECT_EQ(paintItems().back(), "text 10 80 16 #000000 \"next\"");
}

TEST_F(Floats, WordTooWideBesideAFloatMovesBelowIt) {
    auto s = section();
    image(FloatingBox("left"), s.get());
    Add(*s, "bbbbbbbb", top(), 1);  // 64 pixels; 34 are left beside the float
    cell->addSection(std::move(s));
    layout(100);
    EXPECT_EQ(paintItems().back(), "text 10 50 16 #000000 \"bbbbbbbb\"");
}

TEST_F(Floats, FloatingBlockTakesItsWidthFromTheLine) {
    TBlock& box = open("div", "float: left; width: 100px");
    text("x");
    close(box);
    text("beside");
    const DocumentExtent size = layout(800);
    // A float has z-index 1, so it paints after the text of the flow.
    EXPECT_EQ(paintItems(),
              (Lines{"text 110 20 16 #000000 \"beside\"", "text 10 20 16 #000000 \"x\""}));
    EXPECT_EQ(size.height, 29);
    EXPECT_EQ(box.height, 0);  // it takes no room in the flow
}

TEST_F(Floats, BodyCoversItsFloats) {
    auto s = section();
    image(FloatingBox("left", 100), s.get());
    Add(*s, "short", top(), 1);
    cell->addSection(std::move(s));
    // The float runs to 105; the body ends there plus its margin.
    EXPECT_EQ(layout(800).height, 110);
}

}  // namespace
}  // namespace kelvor::engine::testing
