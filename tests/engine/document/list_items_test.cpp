#include <gtest/gtest.h>

#include "document_fixture.h"

namespace kelvor::engine::testing {
namespace {

using ListItems = DocumentFixture;

ListItemSpec Shape(ListKind kind, int level, char numbering = '1', bool plain = false) {
    ListItemSpec shape;
    shape.kind = kind;
    shape.level = level;
    shape.numbering = numbering;
    shape.plain = plain;
    return shape;
}

TEST_F(ListItems, BulletsFollowTheNestingLevel) {
    const MarkerKind expected[] = {MarkerKind::disc, MarkerKind::circle, MarkerKind::square,
                                   MarkerKind::disc, MarkerKind::circle, MarkerKind::square,
                                   MarkerKind::disc};
    for (int level = 1; level <= 7; ++level) {
        EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::unordered, level)),
                  expected[level - 1])
            << level;
    }
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::unordered, 1, '1', true)),
              MarkerKind::none);
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::alone, 3)), MarkerKind::disc);
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::definition, 1)), MarkerKind::none);
}

TEST_F(ListItems, NumberingStyles) {
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::ordered, 1, 'A')), MarkerKind::upperAlpha);
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::ordered, 1, 'a')), MarkerKind::lowerAlpha);
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::ordered, 1, 'I')), MarkerKind::upperRoman);
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::ordered, 1, 'i')), MarkerKind::lowerRoman);
    EXPECT_EQ(TListItemBlock::ListMarker(Shape(ListKind::ordered, 1, 'x')), MarkerKind::decimal);

    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::decimal, 12), u"12.");
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::lowerAlpha, 1), u"a.");
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::upperAlpha, 26), u"Z.");
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::lowerAlpha, 40), u"z.");
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::lowerRoman, 4), u"iv.");
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::upperRoman, 19), u"XIX.");
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::upperRoman, 25), u"XX.");
    // Letters and numerals start at 1; other numbers stay decimal.
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::lowerAlpha, 0), u"0.");
    EXPECT_EQ(TListItemBlock::MarkerText(MarkerKind::upperRoman, -3), u"-3.");
}

TEST_F(ListItems, StyleTypeReplacesTheListsKindAndBlankKeepsIt) {
    push("ul");
    const TProperties& plainItem = push("li");
    TListItemBlock blank(doc, plainItem, Shape(ListKind::unordered, 2));
    EXPECT_EQ(blank.marker, MarkerKind::circle);  // "blank" from the UL rule
    pop();
    TListItemBlock none(doc, push("li", "list-style-type: none"), Shape(ListKind::unordered, 1));
    EXPECT_EQ(none.marker, MarkerKind::none);
    pop();
    TListItemBlock roman(doc, push("li", "list-style-type: upper-roman"),
                         Shape(ListKind::unordered, 1));
    EXPECT_EQ(roman.marker, MarkerKind::upperRoman);
    pop();
    TListItemBlock image(doc, push("li", "list-style-image: url(dot.gif)"),
                         Shape(ListKind::unordered, 1));
    EXPECT_EQ(image.marker, MarkerKind::image);
    EXPECT_EQ(image.markerImage, "dot.gif");
}

TEST_F(ListItems, ItemOutsideAnyListGetsALeftMargin) {
    const TProperties& li = push("li");
    TListItemBlock alone(doc, li, Shape(ListKind::alone, 0));
    EXPECT_EQ(alone.marker, MarkerKind::disc);
    EXPECT_EQ(alone.boxFor(500, 0).margin[3], 16);
    pop();
    TListItemBlock styled(doc, push("li", "margin-left: 4px"), Shape(ListKind::alone, 0));
    EXPECT_EQ(styled.boxFor(500, 0).margin[3], 4);
    pop();
    TListItemBlock inList(doc, push("li"), Shape(ListKind::unordered, 1));
    EXPECT_EQ(inList.boxFor(500, 0).margin[3], 0);
}

}  // namespace
}  // namespace kelvor::engine::testing
