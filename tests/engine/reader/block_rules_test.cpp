#include <gtest/gtest.h>

#include "reader_fixture.h"

namespace kelvor::engine::testing {
namespace {

using BlockRules = ReaderTest;

const TBlock& BlockAt(const TFlowCell& cell, std::size_t index) {
    return dynamic_cast<const TBlock&>(*cell.items.at(index));
}

TEST_F(BlockRules, ParagraphsAreImplied) {
    Read("<p>a<p>b");
    EXPECT_EQ(Dump(), "p{'a '} p{'b '}");
    doc.clear({});
    Read("<p><p><p>a");
    EXPECT_EQ(Dump(), "p{'a '}");
    doc.clear({});
    Read("<p>a</p>b");
    EXPECT_EQ(Dump(), "p{'a '} 'b '");
    doc.clear({});
    // Block tags end a paragraph; a stray end tag too.
    Read("<p>a<h1>b</h1>c<p>d</div>e");
    EXPECT_EQ(Dump(), "p{'a '} h1{'b '} 'c ' p{'d '} 'e '");
}

TEST_F(BlockRules, SwallowedParagraphTagsLeaveTheLastTagsAttributes) {
    Read("<p align=right><p></p>\r\n<p align=center>a");
    EXPECT_EQ(Dump(), "p{'a '}");
    EXPECT_EQ(Section(0).align, TextAlignment::center);
    doc.clear({});
    Read("<p align=middle>a<p align=justify>b<p align=bogus>c");
    EXPECT_EQ(Section(0).align, TextAlignment::center);
    EXPECT_EQ(Section(1).align, TextAlignment::justify);
    EXPECT_EQ(Section(2).align, TextAlignment::left);
}

TEST_F(BlockRules, AParagraphBeforeATableLosesItsBottomMargin) {
    Read("<p>a<table><tr><td>b</td></tr></table><p>c");
    EXPECT_EQ(Dump(), "p{'a '} 'b ' p{'c '}");
    EXPECT_EQ(BlockAt(body().cell(), 0).marginBottom, 0);
}

TEST_F(BlockRules, Headings) {
    Read("<h2>Title</h3>after");
    EXPECT_EQ(Dump(), "h2{'Title '} 'after '");
    // h2 is 18 points bold at the default size of 12.
    EXPECT_TRUE(Bold(Section(0), 0));
    EXPECT_DOUBLE_EQ(Points(Section(0), 0), 18);
    EXPECT_FALSE(Bold(Section(1), 0));
    doc.clear({});
    Read("<h7>a</h7><h>b</h>c");
    EXPECT_EQ(Dump(), "'abc '");
    doc.clear({});
    Read("<h1 align=right>a</h1><h3> <center>b</center></h3>");
    EXPECT_EQ(Dump(), "h1{'a '} h3{'b '}");
    EXPECT_EQ(Section(0).align, TextAlignment::right);
    EXPECT_EQ(Section(1).align, TextAlignment::center);
}

TEST_F(BlockRules, ATitleThatHoldsAHeadingIsEmpty) {
    const HtmlReadResult result =
        Read("<html><head><title><h4>Report</h4></title></head><body bgcolor=red><p>x");
    EXPECT_EQ(result.title, "");
    EXPECT_EQ(Dump(), "h4{'Report '} p{'x '}");
    // BODY came after content: its attributes do nothing.
    EXPECT_EQ(doc.background, doc.defaults().background);
}

TEST_F(BlockRules, Title) {
    HtmlReadResult result = Read("<title> My \r\n Page &amp; &eacute; </title>x");
    EXPECT_EQ(result.title, " My Page & \xC3\xA9 ");
    EXPECT_EQ(Dump(), "'x '");
    doc.clear({});
    result = Read("<base href=\"http://host/dir/\" target=_top><title>A</title><title>B</title>");
    EXPECT_EQ(result.title, "B");
    EXPECT_EQ(result.base, "http://host/dir/");
    EXPECT_EQ(result.baseTarget, "_top");
}

TEST_F(BlockRules, LineBreaks) {
    Read("a<br>b<br/>c<br />d");
    EXPECT_EQ(Dump(), "'a ' 'b ' 'c ' 'd '");
    doc.clear({});
    Read("<br><br>x");
    EXPECT_EQ(Dump(), "'| ' '| ' 'x '");
    EXPECT_EQ(Section(0).positions[0], 0);
    EXPECT_EQ(Section(1).positions[0], 4);
    doc.clear({});
    Read("a<br clear=all>b<br clear=left>");
    EXPECT_EQ(Dump(), "'a ' 'b ' ''");
    EXPECT_EQ(Section(1).clear, ClearSide::both);
    EXPECT_EQ(Section(2).clear, ClearSide::left);
}

TEST_F(BlockRules, PageBreaks) {
    Read("<style>br.p { page-break-after: always }</style>a<br class=p>b<br>c<page>d");
    EXPECT_EQ(Dump(), "'a ' PAGE 'b ' 'c ' PAGE 'd '");
}

TEST_F(BlockRules, HorizontalRules) {
    Read("a<hr size=4 width=50% align=left noshade color=red>b<hr>");
    EXPECT_EQ(Dump(), "'a ' hr 'b ' hr");
    const auto& rule = dynamic_cast<const TRuleBlock&>(*body().cell().items.at(1));
    EXPECT_EQ(rule.rule.size, 4);
    EXPECT_TRUE(rule.rule.width.given);
    EXPECT_TRUE(rule.rule.width.percent);
    EXPECT_EQ(rule.rule.width.value, 50);
    EXPECT_EQ(rule.rule.align, TextAlignment::left);
    EXPECT_TRUE(rule.rule.noShade);
    ASSERT_TRUE(rule.rule.colour.has_value());
    EXPECT_EQ(*rule.rule.colour & 0xFFFFFF, 0x0000FFu);
    const auto& plain = dynamic_cast<const TRuleBlock&>(*body().cell().items.at(3));
    EXPECT_EQ(plain.rule.size, 2);
    EXPECT_FALSE(plain.rule.width.given);
    EXPECT_EQ(plain.rule.align, TextAlignment::center);
}

TEST_F(BlockRules, PreWithWrapIsAnOrdinaryBlockInThePreformattedFont) {
    Read("<pre wrap>a  b</pre>c");
    EXPECT_EQ(Dump(), "'a b ' 'c '");
    EXPECT_EQ(RunAt(Section(0), 0).font.description.name, "Courier New");
    EXPECT_EQ(RunAt(Section(1), 0).font.description.name, "Times New Roman");
}

TEST_F(BlockRules, ParagraphsInsidePreformattedText) {
    Read("<pre>a<p>\nb\nc</p>d</pre>e");
    EXPECT_EQ(Dump(), "pre{='a ' p{='b ' ='c '} ='d '} 'e '");
    // The pre p rule: no top margin.
    const TBlock& paragraph = BlockAt(BlockAt(body().cell(), 0).cell(), 1);
    EXPECT_EQ(paragraph.marginTop, 0);
    doc.clear({});
    // A table ends the preformatted mode; "pre" stays until its end tag.
    Read("<pre>a<table>b</pre>c");
    EXPECT_EQ(Dump(), "pre{='a '} 'b ' 'c '");
    EXPECT_EQ(RunAt(Section(1), 0).font.description.name, "Courier New");
    EXPECT_EQ(RunAt(Section(2), 0).font.description.name, "Times New Roman");
}

TEST_F(BlockRules, CenterDivAndForm) {
    Read("<center>a<p>b</center>c<div align=right>d</div>e");
    EXPECT_EQ(Dump(), "'a ' p{'b '} 'c ' div{'d '} 'e '");
    EXPECT_EQ(Section(0).align, TextAlignment::center);
    EXPECT_EQ(Section(1).align, TextAlignment::center);
    EXPECT_EQ(Section(2).align, TextAlignment::left);
    EXPECT_EQ(Section(3).align, TextAlignment::right);
    EXPECT_EQ(Section(4).align, TextAlignment::left);
    doc.clear({});
    Read("<form>a<form>b</form>c");
    EXPECT_EQ(Dump(), "form{'a '} form{'b '} 'c '");
}

TEST_F(BlockRules, AnEnclosingEndTagEndsTheInnerReading) {
    Read("<div>a<center>b</div>c");
    EXPECT_EQ(Dump(), "div{'a ' 'b '} 'c '");
    EXPECT_EQ(Section(2).align, TextAlignment::left);
}

TEST_F(BlockRules, DivisionsTakeTheAutomaticMarginOfTheirLastParagraph) {
    Read("<div><p>a</p></div>b");
    const TBlock& division = BlockAt(body().cell(), 0);
    const TBlock& paragraph = BlockAt(division.cell(), 0);
    EXPECT_EQ(paragraph.marginBottom, 0);
    EXPECT_FALSE(paragraph.bottomAuto);
    EXPECT_EQ(division.marginBottom, 14);
    EXPECT_TRUE(division.bottomAuto);
}

TEST_F(BlockRules, BodyAttributes) {
    Read(
        "<html>\r\n<head><title>T</title></head>\r\n"
        "<body bgcolor=\"#ff0000\" text=\"#00ff00\" marginwidth=300 topmargin=-5 "
        "bgproperties=fixed background=\"bg.gif\">x");
    EXPECT_EQ(doc.background & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(doc.backgroundImage, "bg.gif");
    EXPECT_TRUE(doc.backgroundFixed);
    EXPECT_EQ(RunAt(Section(0), 0).font.description.colour & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(body().marginTop, 0);
    EXPECT_EQ(body().marginBottom, 0);
    const BoxValues box = body().boxFor(800, 600);
    EXPECT_EQ(box.margin[3], 200);
    EXPECT_EQ(box.margin[1], 200);
}

TEST_F(BlockRules, BodyLinkColours) {
    Read("<body link=\"#00ff00\" olink=blue><a href=u>x</a>");
    EXPECT_TRUE(doc.hasHoverColours);
    const TFontRun& run = RunAt(Section(0), 0);
    ASSERT_NE(run.link, nullptr);
    EXPECT_EQ(run.font.description.colour & 0xFFFFFF, 0x00FF00u);
    ASSERT_TRUE(run.link->fonts.has_value());
    EXPECT_EQ(run.link->fonts->entries[kLinkHover].font.colour & 0xFFFFFF, 0xFF0000u);
}

}  // namespace
}  // namespace kelvor::engine::testing
