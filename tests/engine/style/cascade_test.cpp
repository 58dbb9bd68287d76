#include <gtest/gtest.h>

#include "style_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Cascade = StyleFixture;

TColour Red() {
    return Bgr(255, 0, 0);
}
TColour Green() {
    return Bgr(0, 0x80, 0);
}
TColour Blue() {
    return Bgr(0, 0, 255);
}
TColour Yellow() {
    return Bgr(255, 255, 0);
}
TColour White() {
    return Bgr(255, 255, 255);
}
TColour Purple() {
    return Bgr(0x80, 0, 0x80);
}

TEST_F(Cascade, LaterStepsOverrideEarlierOnes) {
    sheet("#i { color: yellow } p.x { color: blue } .x { color: green } p { color: red }");
    EXPECT_EQ(push("p").colour(), Red());
    pop();
    EXPECT_EQ(push("div", "x").colour(), Green());
    pop();
    EXPECT_EQ(push("p", "x").colour(), Blue());
    pop();
    EXPECT_EQ(push("p", "x", "i").colour(), Yellow());
    pop();
    EXPECT_EQ(push("p", "x", "i", "", "color: white").colour(), White());
}

TEST_F(Cascade, SeveralClassesAndTheirCombinedKey) {
    sheet("p.a.b { color: red } .b { text-align: right } .a { text-align: center }");
    const TProperties& both = push("p", "a.b");
    EXPECT_EQ(both.colour(), Red());
    // Single classes apply in sorted order: ".a" then ".b".
    EXPECT_EQ(both.textAlign(), TextAlignment::right);
    pop();
    EXPECT_EQ(push("p", "a").colour(), 0u);
}

TEST_F(Cascade, IdFormsAndPseudoClasses) {
    sheet("p#n { margin-left: 7px } .c#n { margin-right: 3px } a:hover { color: red }");
    const BoxValues box = push("p", "c", "n").boxValues(100, 100);
    EXPECT_EQ(box.margin[3], 7);
    EXPECT_EQ(box.margin[1], 3);
    pop();
    EXPECT_EQ(push("a", "", "", "hover").colour(), Red());
}

TEST_F(Cascade, LinkColoursAndLinkFonts) {
    sheet("a:hover { color: red } a:visited { font-weight: bold }");
    const TProperties& link = push("a", "", "", "link");
    EXPECT_TRUE(link.inLink());
    EXPECT_EQ(link.colour(), Blue());
    EXPECT_TRUE(link.fontDescription().style & platform::kFontUnderline);
    const TLinkFonts* fonts = link.linkFonts();
    ASSERT_NE(fonts, nullptr);
    EXPECT_EQ(fonts->entries[kLinkNormal].font.colour, Blue());
    EXPECT_EQ(fonts->entries[kLinkVisited].font.colour, Purple());
    EXPECT_TRUE(fonts->entries[kLinkVisited].font.style & platform::kFontBold);
    EXPECT_TRUE(fonts->entries[kLinkVisited].font.style & platform::kFontUnderline);
    EXPECT_EQ(fonts->entries[kLinkHover].font.colour, Red());
    EXPECT_FALSE(fonts->entries[kLinkHover].font.style & platform::kFontBold);
    // Descendants keep the link flag and its fonts.
    const TProperties& inner = push("b");
    EXPECT_TRUE(inner.inLink());
    ASSERT_NE(inner.linkFonts(), nullptr);
    EXPECT_EQ(inner.linkFonts()->entries[kLinkHover].font.colour, Red());
    pop();
    pop();
    // BODY LINK and friends change the built-in colours; links without underline.
    list.setLinkColour("link", Green());
    EXPECT_EQ(push("a", "", "", "link").colour(), Green());
    pop();
    defaults.underlineLinks = false;
    list.initialize(defaults);
    EXPECT_FALSE(push("a", "", "", "link").fontDescription().style & platform::kFontUnderline);
    pop();
    // An anchor without HREF takes no link colour.
    EXPECT_EQ(push("a").colour(), 0u);
}

TEST_F(Cascade, ADocumentLinkColourHoldsInEveryStateWithoutItsOwnRule) {
    sheet("a { color: #0645ad } a:hover { color: #c03000 } .k:visited { color: #010203 }");
    const TLinkFonts* fonts = push("a", "", "", "link").linkFonts();
    ASSERT_NE(fonts, nullptr);
    EXPECT_EQ(fonts->entries[kLinkNormal].font.colour, Bgr(0x06, 0x45, 0xad));
    EXPECT_EQ(fonts->entries[kLinkVisited].font.colour, Bgr(0x06, 0x45, 0xad));
    EXPECT_EQ(fonts->entries[kLinkHover].font.colour, Bgr(0xc0, 0x30, 0));
    pop();
    fonts = push("a", "k", "", "link").linkFonts();
    ASSERT_NE(fonts, nullptr);
    EXPECT_EQ(fonts->entries[kLinkVisited].font.colour, Bgr(1, 2, 3));
    EXPECT_EQ(fonts->entries[kLinkHover].font.colour, Bgr(0xc0, 0x30, 0));
}

TEST_F(Cascade, DescendantAndChildRulesAgainstTheStack) {
    sheet(
        "div p { color: red } div > b { color: green } p > b { text-align: right }"
        " ul li.x b { color: blue }");
    push("body");
    push("div");
    const TProperties& p = push("p");
    EXPECT_EQ(p.colour(), Red());
    const TProperties& b = push("b");
    // "div > b" needs the div as the direct parent; "p > b" matches.
    EXPECT_EQ(b.colour(), Red());
    EXPECT_EQ(b.textAlign(), TextAlignment::right);
    pop();
    pop();
    EXPECT_EQ(push("b").colour(), Green());
    pop();
    pop();
    EXPECT_EQ(push("p").colour(), 0u);  // no div above any more
    pop();
    push("ul");
    push("li", "x");
    push("i");
    EXPECT_EQ(push("b").colour(), Blue());
    pop();
    pop();
    pop();
    push("li");
    EXPECT_EQ(push("b").colour(), 0u);  // the li lacks class x
}

TEST_F(Cascade, AncestorPartsWithIdsAndSeveralClasses) {
    sheet("#main p.a.b em { color: red } div > .k em { color: blue }");
    push("div", "", "main");
    push("p", "a.b.c");
    EXPECT_EQ(push("em").colour(), Red());
    pop();
    pop();
    push("p", "a");  // lacks class b
    EXPECT_EQ(push("em").colour(), 0u);
    pop();
    pop();
    pop();
    push("div", "", "other");
    push("span", "k");
    EXPECT_EQ(push("em").colour(), Blue());
    pop();
    pop();
    push("p");
    push("span", "k");  // its parent is no div
    EXPECT_EQ(push("em").colour(), 0u);
}

TEST_F(Cascade, DescendantRulesApplyInTheOrderOfTheirKeys) {
    // Keys sort by the number of ancestor parts, then by the order of the sheet: "p 1 ..." for
    // the red and the green rule, "p 2 ..." for the blue one, which therefore applies last.
    sheet("div p { color: red } body div p { color: blue } div p { color: green }");
    push("body");
    push("div");
    EXPECT_EQ(push("p").colour(), Blue());
    pop();
    pop();
    pop();
    push("div");
    EXPECT_EQ(push("p").colour(), Green());
}

TEST_F(Cascade, ParagraphsInsidePreformattedTextLoseTheirTopMargin) {
    push("pre");
    const BoxValues inside = push("p").boxValues(100, 100);
    EXPECT_EQ(inside.margin[0], 0);
    EXPECT_EQ(inside.margin[2], kAutoParagraph);
}

TEST_F(Cascade, RelativeFontSizesFollowTheParent) {
    sheet(
        "div { font-size: 150% } span { font-size: small } em { font-size: medium }"
        " b { font-size: 2em }");
    const TProperties& div = push("div");
    EXPECT_DOUBLE_EQ(div.fontSizePoints(), 18);
    EXPECT_DOUBLE_EQ(push("b").fontSizePoints(), 36);
    pop();
    EXPECT_DOUBLE_EQ(push("span").fontSizePoints(), 12);
    pop();
    EXPECT_DOUBLE_EQ(push("em").fontSizePoints(), 14.4);
    pop();
    // A STYLE attribute's relative size also resolves against the parent.
    EXPECT_DOUBLE_EQ(push("p", "", "", "", "font-size: 50%").fontSizePoints(), 9);
}

}  // namespace
}  // namespace kelvor::engine::testing
