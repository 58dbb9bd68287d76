#include <gtest/gtest.h>

#include "document_fixture.h"

namespace kelvor::engine::testing {
namespace {

using VerticalMargins = DocumentFixture;

TEST_F(VerticalMargins, ParagraphsCollapseToOneAutomaticMargin) {
    TBlock& p1 = open("p");
    paragraphText("A");
    close(p1);
    // The first block of the body loses the body's own top margin (5).
    EXPECT_EQ(p1.marginTop, 9);
    EXPECT_TRUE(p1.topAuto);
    EXPECT_EQ(p1.marginBottom, 14);
    TBlock& p2 = open("p");
    close(p2);
    EXPECT_EQ(p1.marginBottom, 0);
    EXPECT_EQ(p2.marginTop, 14);
    EXPECT_EQ(p2.marginBottom, 14);
    TBlock& h2 = open("h2");
    close(h2);
    EXPECT_EQ(p2.marginBottom, 0);
    EXPECT_EQ(h2.marginTop, 19);
}

TEST_F(VerticalMargins, TextBetweenBlocksKeepsBothMargins) {
    TBlock& p1 = open("p");
    close(p1);
    paragraphText("B");
    auto blank = section();
    Add(*blank, "  ", top());
    cell->addSection(std::move(blank));  // dropped, changes nothing
    TBlock& p2 = open("p");
    close(p2);
    EXPECT_EQ(p1.marginBottom, 14);
    EXPECT_EQ(p2.marginTop, 14);
}

TEST_F(VerticalMargins, NegativeMarginsAddOrTakeTheMoreNegative) {
    TBlock& a = open("div", "margin-bottom: -5px");
    close(a);
    TBlock& b = open("div", "margin-top: 10px; margin-bottom: -5px");
    close(b);
    EXPECT_EQ(b.marginTop, 5);
    TBlock& c = open("div", "margin-top: -10px");
    close(c);
    EXPECT_EQ(c.marginTop, -10);
    EXPECT_EQ(b.marginBottom, 0);
}

TEST_F(VerticalMargins, FirstBlockRulesOfBodyDivisionsAndListItems) {
    paragraphText("visible text");
    TBlock& afterText = open("p");
    close(afterText);
    EXPECT_EQ(afterText.marginTop, 14);  // something visible precedes: no body reduction

    TBlock& div = open("div");
    TBlock& inner = open("p");
    close(inner);
    close(div);
    EXPECT_EQ(inner.marginTop, 14);  // a first P inside a DIV keeps its margin

    push("ul");
    TBlock& list = cell->addBlock(std::make_unique<TBlock>(doc, top()));
    cell = &list.cell();
    push("li");
    ListItemSpec shape;
    auto& item = static_cast<TListItemBlock&>(
        cell->addBlock(std::make_unique<TListItemBlock>(doc, top(), shape)));
    cell = &item.cell();
    TBlock& first = open("p");
    close(first);
    EXPECT_EQ(first.marginTop, 0);  // first block of a list item
    paragraphText("item text");
    TBlock& nested = open("ul");
    close(nested);
    EXPECT_EQ(nested.marginTop, 0);  // a list directly inside a list item
    TBlock& later = open("p");
    close(later);
    EXPECT_EQ(later.marginTop, 14);
}

TEST_F(VerticalMargins, PositionedAndFloatingBlocks) {
    TBlock& p = open("p");
    close(p);
    TBlock& absolute = open("p", "position: absolute");
    close(absolute);
    EXPECT_EQ(absolute.marginTop, 0);
    EXPECT_EQ(p.marginBottom, 14);  // passed over
    TBlock& floating = open("p", "float: left");
    close(floating);
    EXPECT_EQ(floating.marginTop, 14);
    EXPECT_EQ(floating.zIndex, 1);
    EXPECT_EQ(absolute.zIndex, 1);
    TBlock& next = open("p");
    close(next);
    // The float is the block before it.
    EXPECT_EQ(floating.marginBottom, 0);
    EXPECT_EQ(next.marginTop, 14);
    TBlock& layered = open("div", "position: relative; z-index: 3");
    close(layered);
    EXPECT_EQ(layered.zIndex, 30);
}

TEST_F(VerticalMargins, DivisionTakesOverItsLastParagraphsMargin) {
    TBlock& div = open("div");
    paragraphText("x");
    TBlock& inner = open("p");
    close(inner);
    close(div);
    div.moveInnerBottomMargin();
    EXPECT_EQ(inner.marginBottom, 0);
    EXPECT_EQ(div.marginBottom, 14);
    EXPECT_TRUE(div.bottomAuto);
    TBlock& after = open("p");
    close(after);
    EXPECT_EQ(after.marginTop, 14);
    EXPECT_EQ(div.marginBottom, 0);

    // Text after the last paragraph keeps the margin where it is.
    TBlock& other = open("div");
    TBlock& para = open("p");
    close(para);
    paragraphText("tail");
    close(other);
    other.moveInnerBottomMargin();
    EXPECT_EQ(para.marginBottom, 14);
    EXPECT_EQ(other.marginBottom, 0);
}

TEST_F(VerticalMargins, DivisionKeepsALargerBottomMarginOfItsOwn) {
    TBlock& div = open("div", "margin-bottom: 30px");
    TBlock& inner = open("p");
    close(inner);
    close(div);
    div.moveInnerBottomMargin();
    EXPECT_EQ(inner.marginBottom, 0);
    EXPECT_EQ(div.marginBottom, 30);
}

TEST_F(VerticalMargins, ListTakesTheMarginOfItsLastItemsParagraph) {
    TBlock& list = open("ul");
    push("li");
    ListItemSpec shape;
    auto& item = cell->addBlock(std::make_unique<TListItemBlock>(doc, top(), shape));
    cell = &item.cell();
    TBlock& para = open("p");
    close(para);
    cell = item.ownerCell();
    pop();
    close(list);
    list.moveInnerBottomMargin();
    EXPECT_EQ(para.marginBottom, 0);
    EXPECT_EQ(list.marginBottom, 14);
}

TEST_F(VerticalMargins, BodyMarginsComeFromAttributesThenStyleThenPage) {
    EXPECT_EQ(body->marginTop, 5);
    EXPECT_EQ(body->boxFor(800, 0).margin[3], 10);
    TBodyBlock& attributed = doc.createBody(push("body"), 20, 0);
    EXPECT_EQ(attributed.marginTop, 0);
    EXPECT_EQ(attributed.boxFor(800, 0).margin[1], 20);
    EXPECT_EQ(doc.items.size(), 1u);  // the first body is gone
    pop();
    sheet("body { margin-left: 3px }");
    TBodyBlock& styled = doc.createBody(push("body"));
    EXPECT_EQ(styled.boxFor(800, 0).margin[3], 3);
    EXPECT_EQ(styled.boxFor(800, 0).margin[1], 10);
    EXPECT_EQ(styled.marginBottom, 5);
}

}  // namespace
}  // namespace kelvor::engine::testing
