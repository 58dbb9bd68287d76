#include "engine/style/style_sheet_parser.h"

#include <gtest/gtest.h>

#include "style_fixture.h"

namespace kelvor::engine::testing {
namespace {

using StyleSheets = StyleFixture;

TEST_F(StyleSheets, MediaBlocksOnlyForTheScreen) {
    sheet(
        "@media print { p { color: red } } @media Screen, projection { h1 { color: red } }"
        " @import url(other.css); @font-face { src: url(x) { nested } } em { color: blue }");
    EXPECT_EQ(push("p").colour(), 0u);
    pop();
    EXPECT_EQ(push("h1").colour(), Bgr(255, 0, 0));
    pop();
    EXPECT_EQ(push("em").colour(), Bgr(0, 0, 255));
}

TEST_F(StyleSheets, CommentsSelectorListsAndQuotes) {
    sheet(
        "<!--\r h1, H2 , .Note{ COLOR : Green; font-family: 'Courier New' }\r"
        " /* a remark */ div{margin-left=12px;;bogus-name: 3px}\r-->");
    EXPECT_EQ(push("h1").colour(), Bgr(0, 0x80, 0));
    pop();
    EXPECT_EQ(push("h2").colour(), Bgr(0, 0x80, 0));
    pop();
    const TProperties& note = push("span", "note");
    EXPECT_EQ(note.colour(), Bgr(0, 0x80, 0));
    EXPECT_EQ(note.fontFamily(), "courier new");  // values are read in lower case
    pop();
    EXPECT_EQ(push("div").boxValues(100, 100).margin[3], 12);
}

TEST_F(StyleSheets, ElementSheetStopsAtTheEndTag) {
    StyleSheetText source("p { color: red } </style> h1 { color: red }");
    ParseStyleSheet(source, list, StyleSheetKind::element);
    EXPECT_EQ(source.peek(), '<');
    EXPECT_EQ(push("p").colour(), Bgr(255, 0, 0));
    pop();
    EXPECT_EQ(push("h1").colour(), 0u);
}

TEST_F(StyleSheets, LinkedSheetsMakeUrlsAbsolute) {
    StyleSheetText source(
        "<!-- body {\n background: URL(img/Back.GIF) no-repeat }\n"
        " ul {\tlist-style: url(\"/abs/dot.png\") }\n"
        " p { background-image: url(http://host/x.png) } -->");
    ParseStyleSheet(source, list, StyleSheetKind::linked, "/docs/css");
    EXPECT_EQ(push("body").backgroundImage(), "/docs/css/img/Back.GIF");
    EXPECT_EQ(stack.back()->text(BackgroundRepeat), "no-repeat");
    pop();
    EXPECT_EQ(push("ul").listStyleImage(), "/abs/dot.png");
    pop();
    EXPECT_EQ(push("p").backgroundImage(), "http://host/x.png");
}

TEST_F(StyleSheets, StrictColoursAndUnreadableValues) {
    sheet("p { color: ff0000; margin-top: wide; z-index: 3 } b { color: #abc }");
    const TProperties& p = push("p");
    EXPECT_EQ(p.colour(), 0u);  // a bare hexadecimal colour is refused in a sheet
    EXPECT_EQ(p.boxValues(100, 100).margin[0], kAutoParagraph);  // the default rule stays
    EXPECT_EQ(p.zIndex(), 3);
    pop();
    EXPECT_EQ(push("b").colour(), Bgr(0xaa, 0xbb, 0xcc));
}

TEST_F(StyleSheets, BoxShorthands) {
    sheet(
        ".a { margin: 1px 2px } .b { padding: 1px 2px 3px } .c { margin: 1px 2px 3px 4px }"
        " .d { margin: 5px } .e { border-width: thin thick }"
        " .f { border: 3px dashed red } .g { border-top: solid } .h { border-style: dotted }"
        " .i { border-color: red blue; border-style: solid }");
    BoxValues box = push("div", "a").boxValues(100, 100);
    EXPECT_EQ(box.margin, (std::array<int, 4>{1, 2, 1, 2}));
    pop();
    box = push("div", "b").boxValues(100, 100);
    EXPECT_EQ(box.padding, (std::array<int, 4>{1, 2, 3, 2}));
    pop();
    box = push("div", "c").boxValues(100, 100);
    EXPECT_EQ(box.margin, (std::array<int, 4>{1, 2, 3, 4}));
    pop();
    box = push("div", "d").boxValues(100, 100);
    EXPECT_EQ(box.margin, (std::array<int, 4>{5, 5, 5, 5}));
    pop();
    box = push("div", "e").boxValues(100, 100);
    EXPECT_EQ(box.borderWidth, (std::array<int, 4>{0, 0, 0, 0}));  // no style, no border
    pop();
    box = push("div", "f").boxValues(100, 100);
    EXPECT_EQ(box.borderWidth, (std::array<int, 4>{3, 3, 3, 3}));
    EXPECT_EQ(box.borderStyles[2], BorderKind::dashed);
    EXPECT_EQ(box.borderColours[3], Bgr(255, 0, 0));
    pop();
    box = push("div", "g").boxValues(100, 100);
    EXPECT_EQ(box.borderWidth, (std::array<int, 4>{4, 0, 0, 0}));  // a style without width
    pop();
    box = push("div", "h").boxValues(100, 100);
    EXPECT_EQ(box.borderStyles[1], BorderKind::dotted);
    EXPECT_EQ(stack.back()->borderStyle(), BorderKind::dotted);
    pop();
    box = push("div", "i").boxValues(100, 100);
    EXPECT_EQ(box.borderColours[0], Bgr(255, 0, 0));
    EXPECT_EQ(box.borderColours[1], Bgr(0, 0, 255));
    EXPECT_EQ(box.borderColours[2], Bgr(255, 0, 0));
    EXPECT_EQ(box.borderWidth[3], 4);
}

TEST_F(StyleSheets, FontBackgroundAndListShorthands) {
    sheet(
        "p { font: italic bold 15pt/20px \"Foo\", sans-serif }"
        " div { background: #00f url(a.png) repeat-x fixed top left }"
        " ol { list-style: upper-roman inside }");
    const TProperties& p = push("p");
    EXPECT_DOUBLE_EQ(p.fontSizePoints(), 15);
    EXPECT_EQ(p.fontDescription().style, unsigned{platform::kFontBold | platform::kFontItalic});
    EXPECT_EQ(p.fontFamily(), "Arial");
    EXPECT_EQ(p.font().lineHeight, 20);
    pop();
    const TProperties& div = push("div");
    EXPECT_EQ(div.backgroundColour(), Bgr(0, 0, 255));
    EXPECT_EQ(div.backgroundImage(), "a.png");
    EXPECT_EQ(div.text(BackgroundRepeat), "repeat-x");
    EXPECT_EQ(div.text(BackgroundAttachment), "fixed");
    EXPECT_EQ(div.text(BackgroundPosition), "top left");
    pop();
    EXPECT_EQ(push("ol").listStyleType(), "upper-roman");
}

TEST_F(StyleSheets, AutoMarginsAreCounted) {
    sheet("div { margin: 0 auto; width: 50% }");
    const BoxValues box = push("div").boxValues(400, 300);
    EXPECT_EQ(box.margin[1], kAuto);
    EXPECT_EQ(box.margin[3], kAuto);
    EXPECT_EQ(box.autoMargins, 2);
    EXPECT_EQ(box.width, 200);
    EXPECT_EQ(box.height, kNotSet);
}

}  // namespace
}  // namespace kelvor::engine::testing
