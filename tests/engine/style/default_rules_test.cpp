#include <gtest/gtest.h>

#include "style_fixture.h"

namespace kelvor::engine::testing {
namespace {

using DefaultRules = StyleFixture;

TEST_F(DefaultRules, HeadingsParagraphsAndLists) {
    const TProperties& h2 = push("h2");
    EXPECT_DOUBLE_EQ(h2.fontSizePoints(), 18);  // 12 / 12 * 18
    EXPECT_TRUE(h2.fontDescription().style & platform::kFontBold);
    BoxValues box = h2.boxValues(500, 500);
    EXPECT_EQ(box.margin[0], 19);
    EXPECT_EQ(box.margin[2], 19);
    EXPECT_EQ(box.margin[1], 0);
    pop();
    EXPECT_DOUBLE_EQ(push("h1").fontSizePoints(), 24);
    pop();
    EXPECT_DOUBLE_EQ(push("h3").fontSizePoints(), 14);
    pop();
    EXPECT_DOUBLE_EQ(push("h6").fontSizePoints(), 8);
    pop();

    box = push("p").boxValues(500, 500);
    EXPECT_EQ(box.margin[0], kAutoParagraph);
    EXPECT_EQ(box.margin[2], kAutoParagraph);
    pop();

    box = push("ul").boxValues(500, 500);
    EXPECT_EQ(box.padding[3], 35);
    EXPECT_EQ(push("ul").listStyleType(), "blank");
    pop();
    pop();
    box = push("blockquote").boxValues(500, 500);
    EXPECT_EQ(box.margin[0], kAutoParagraph);
    EXPECT_EQ(box.margin[2], 14);
}

TEST_F(DefaultRules, ScaleWithTheDefaultSize) {
    defaults.fontSize = 10;
    list.initialize(defaults);
    stack.clear();
    stack.push_back(std::make_unique<TProperties>(list.defaults()));
    EXPECT_DOUBLE_EQ(push("h2").fontSizePoints(), 15);  // 10 / 12 * 18
    pop();
    const TProperties& pre = push("pre");
    EXPECT_NEAR(pre.fontSizePoints(), 10.0 * 10 / 12, 1e-9);
    EXPECT_EQ(pre.fontFamily(), "Courier New");
    pop();
    // "code" is 0.833 em of its parent.
    EXPECT_NEAR(push("code").fontSizePoints(), 8.33, 1e-9);
    pop();
    EXPECT_DOUBLE_EQ(push("small").fontSizePoints(), 7.5);
    pop();
    EXPECT_DOUBLE_EQ(push("sup").fontSizePoints(), 7.5);
    EXPECT_EQ(stack.back()->text(VerticalAlign), "super");
}

TEST_F(DefaultRules, InlineStylesAndControls) {
    EXPECT_EQ(push("i").fontDescription().style, unsigned{platform::kFontItalic});
    pop();
    EXPECT_EQ(push("u").fontDescription().style, unsigned{platform::kFontUnderline});
    pop();
    EXPECT_EQ(push("strike").fontDescription().style, unsigned{platform::kFontStrikeOut});
    pop();
    EXPECT_EQ(push("center").textAlign(), TextAlignment::center);
    pop();
    EXPECT_EQ(push("table").textAlign(), TextAlignment::none);
    pop();
    const TProperties& input = push("input");
    EXPECT_EQ(input.fontFamily(), "Arial");  // "Arial Unicode MS" is not installed
    EXPECT_DOUBLE_EQ(input.fontSizePoints(), 10);
    pop();
    EXPECT_EQ(push("textarea").fontFamily(), "Courier New");
    pop();
    const BoxValues hr = push("hr").boxValues(500, 500);
    EXPECT_EQ(hr.margin[0], 10);
    EXPECT_EQ(hr.margin[3], 0);
}

TEST_F(DefaultRules, RootPropertiesComeFromTheViewer) {
    const TProperties& root = *stack.front();
    EXPECT_EQ(root.fontFamily(), "Times New Roman");
    EXPECT_DOUBLE_EQ(root.fontSizePoints(), 12);
    EXPECT_EQ(root.visibility(), kVisibilityVisible);
    const BoxValues box = root.boxValues(500, 500);
    EXPECT_EQ(box.margin[0], 5);
    EXPECT_EQ(box.margin[3], 10);
    EXPECT_EQ(root.charset(), platform::kDefaultCharset);
}

}  // namespace
}  // namespace kelvor::engine::testing
