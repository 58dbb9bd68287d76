#include <gtest/gtest.h>

#include "style_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Inheritance = StyleFixture;

TEST_F(Inheritance, BoxAndPlacementPropertiesStayWithTheirElement) {
    sheet(
        "div { color: red; text-align: right; background-color: yellow; float: left;"
        " display: block; position: absolute; margin-left: 20px; padding: 3px;"
        " border: solid 2px; width: 40px; background-image: url(x.png);"
        " page-break-before: always; letter-spacing: 2px }");
    push("div");
    const TProperties& child = push("span");
    EXPECT_EQ(child.colour(), Bgr(255, 0, 0));
    EXPECT_EQ(child.textAlign(), TextAlignment::right);
    EXPECT_EQ(child.text(LetterSpacing), "2px");
    EXPECT_EQ(child.backgroundColour(), kNoColour);
    EXPECT_EQ(child.floatSide(), FloatSide::none);
    EXPECT_FALSE(child.pageBreakBefore());
    EXPECT_EQ(child.position(), Positioning::statical);
    EXPECT_EQ(child.backgroundImage(), "");
    EXPECT_TRUE(IsEmpty(child.props[Display]));
    const BoxValues box = child.boxValues(100, 100);
    EXPECT_EQ(box.margin[3], 0);
    EXPECT_EQ(box.padding[0], 0);
    EXPECT_EQ(box.borderWidth[0], 0);
    EXPECT_EQ(box.width, kNotSet);
    for (int index = MarginTop; index <= Left; ++index) {
        EXPECT_TRUE(IsNotSet(child.props[static_cast<std::size_t>(index)])) << index;
    }
}

TEST_F(Inheritance, SpanKeepsItsBorderButPassesItsBackground) {
    sheet(
        "span { border-style: solid; border: 2px solid red; background-color: yellow;"
        " margin: 5px; padding: 6px }");
    const TProperties& span = push("span");
    EXPECT_TRUE(span.hasBorder());
    const TProperties& inner = push("b");
    EXPECT_FALSE(inner.hasBorder());
    EXPECT_EQ(inner.borderStyle(), BorderKind::none);
    EXPECT_EQ(inner.backgroundColour(), Bgr(255, 255, 0));
    const BoxValues box = inner.boxValues(100, 100);
    EXPECT_EQ(box.margin, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(box.padding, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(box.borderWidth, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(Inheritance, TableSectionsPassEverythingAndTablesResetWordWrap) {
    sheet(
        "tbody { background-color: yellow; display: block } table { word-wrap: break-word }"
        " div { word-wrap: break-word }");
    push("div");
    EXPECT_EQ(push("table").text(WordWrap), "break-word");  // the table's own rule still applies
    pop();
    pop();
    list.initialize(defaults);
    sheet("tbody { background-color: yellow; display: block } div { word-wrap: break-word }");
    push("div");
    const TProperties& table = push("table");
    EXPECT_EQ(table.text(WordWrap), "normal");
    push("tbody");
    const TProperties& row = push("tr");
    EXPECT_EQ(row.backgroundColour(), Bgr(255, 255, 0));
    EXPECT_EQ(row.text(Display), "block");
    EXPECT_EQ(row.text(WordWrap), "normal");
}

TEST_F(Inheritance, CharsetAndFontSizeAreCarried) {
    stack.front()->setCharset(204);
    sheet("div { font-size: 20pt }");
    push("div");
    const TProperties& child = push("p");
    EXPECT_EQ(child.charset(), 204);
    EXPECT_EQ(child.codePage(), 1251);
    EXPECT_DOUBLE_EQ(child.fontSizePoints(), 20);
}

}  // namespace
}  // namespace kelvor::engine::testing
