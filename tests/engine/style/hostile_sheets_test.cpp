// Style sheets and values written to hurt: nesting without end, sizes beyond any screen.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/style/fonts.h"
#include "engine/style/lengths.h"
#include "style_fixture.h"

namespace kelvor::engine::testing {
namespace {

using HostileSheets = StyleFixture;

std::string Repeated(const std::string& text, int count) {
    std::string result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

// `levels` screen blocks, one inside the other, around a rule for p; a rule for h1 after them.
std::string NestedScreenBlocks(int levels) {
    return Repeated("@media screen { ", levels) + "p { color: red }" + Repeated(" }", levels) +
           " h1 { color: blue }";
}

TEST_F(HostileSheets, ScreenBlocksNestUpToThirtyTwoLevels) {
    sheet(NestedScreenBlocks(32));
    EXPECT_EQ(push("p").colour(), Bgr(255, 0, 0));
    pop();
    EXPECT_EQ(push("h1").colour(), Bgr(0, 0, 255));
}

TEST_F(HostileSheets, ADeeperBlockIsSkippedWholeAndReadingGoesOn) {
    sheet(NestedScreenBlocks(33));
    EXPECT_EQ(push("p").colour(), 0u);
    pop();
    EXPECT_EQ(push("h1").colour(), Bgr(0, 0, 255));
}

TEST_F(HostileSheets, TwelveThousandOpenScreenBlocks) {
    sheet("em { color: blue } " + Repeated("@screen{", 12000) + "p{color:red}");
    // The rule for p lies in a block too deep to read; the rule before the blocks holds.
    EXPECT_EQ(push("p").colour(), 0u);
    pop();
    EXPECT_EQ(push("em").colour(), Bgr(0, 0, 255));
}

TEST_F(HostileSheets, FontSizesBecomeHeightsOfOneToAThousandPixels) {
    // 2147483648 px is far beyond 1000 px: the font is built 1000 pixels high, and the fixed
    // metrics give a cell of 1000 + 1000 / 5.
    sheet("p { font-size: 2147483648px } h1 { font-size: -2147483648px } h2 { font-size: 0 }");
    const TDocFont& huge = push("p").font();
    EXPECT_EQ(huge.height, -1000);
    EXPECT_EQ(huge.metrics.height, 1200);
    EXPECT_EQ(stack.back()->emSize(), 1000);
    pop();
    EXPECT_EQ(push("h1").font().height, -1);
    pop();
    EXPECT_EQ(push("h2").font().height, -1);
    pop();
    // A size that overflows to infinity on its way to points (308 digits of inches).
    EXPECT_EQ(push("p", "", "", "", "font-size: " + std::string(308, '9') + "in").font().height,
              -1000);
    pop();
    // Relative sizes under a huge parent stay huge, never wrap around.
    push("p");
    EXPECT_EQ(push("span", "", "", "", "font-size: 1000%").font().height, -1000);
}

TEST_F(HostileSheets, LengthsStayWithinAMillionPixels) {
    const TProperties& p = push("p", "", "", "",
                                "line-height: 3000000000px; margin-left: -5000000000px;"
                                " padding-top: 1e9in; width: 99999999999%");
    EXPECT_EQ(p.font().lineHeight, kMaxLengthPixels);
    const BoxValues box = p.boxValues(100, 100);
    EXPECT_EQ(box.margin[3], -kMaxLengthPixels);
    EXPECT_EQ(box.width, kMaxLengthPixels);
    // "1e9in" is 1 followed by the unknown unit "e9in": no length, so no padding.
    EXPECT_EQ(box.padding[0], 0);
}

TEST(FontHeights, ClampedForEveryDevice) {
    EXPECT_EQ(FontHeightFor(12, 96), -16);
    EXPECT_EQ(FontHeightFor(10, 96), -13);
    EXPECT_EQ(FontHeightFor(750, 96), -1000);
    EXPECT_EQ(FontHeightFor(751, 96), -1000);
    // A printer keeps the proportions of the screen: 750 points are 6250 pixels at 600 ppi.
    EXPECT_EQ(FontHeightFor(12, 600), -100);
    EXPECT_EQ(FontHeightFor(1e9, 600), -6250);
    // ... up to the largest height font services build.
    EXPECT_EQ(FontHeightFor(1e9, 2400), -platform::kMaxFontHeight);
    EXPECT_EQ(FontHeightFor(0.1, 96), -1);
    EXPECT_EQ(FontHeightFor(-20, 96), -1);
    EXPECT_EQ(FontHeightFor(std::numeric_limits<double>::quiet_NaN(), 96), -1);
    EXPECT_EQ(FontHeightFor(std::numeric_limits<double>::infinity(), 96), -1000);
    EXPECT_EQ(FontHeightFor(12, 0), -1);  // a device that claims no resolution: 1 ppi
}

}  // namespace
}  // namespace kelvor::engine::testing
