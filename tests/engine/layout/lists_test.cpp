#include <gtest/gtest.h>

#include "layout_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;

// A list as the reader builds it: the list's block, then an item block per LI with a section.
class ListMarkers : public LayoutFixture {
  protected:
    TBlock& list(const std::string& tag, const std::string& style = "") { return open(tag, style); }

    TListItemBlock& item(const std::string& words, ListItemSpec shape,
                         const std::string& style = "") {
        push("li", style);
        auto& added = static_cast<TListItemBlock&>(
            cell->addBlock(std::make_unique<TListItemBlock>(doc, top(), shape)));
        cell = &added.cell();
        if (!words.empty())
            text(words);
        return added;
    }
    void endItem(TListItemBlock& added) { close(added); }

    static ListItemSpec Shape(ListKind kind, int level, int number = 1, char numbering = '1') {
        ListItemSpec shape;
        shape.kind = kind;
        shape.level = level;
        shape.number = number;
        shape.numbering = numbering;
        return shape;
    }
};

// UL: 14-pixel margin less the body's 5, padding 35: items' content starts at x 45, the first
// line's baseline at 14 + 15.

TEST_F(ListMarkers, DiscOfAnOuterListEndsOnePixelAboveTheBaseline) {
    TBlock& ul = list("ul");
    TListItemBlock& one = item("one", Shape(ListKind::unordered, 1));
    endItem(one);
    close(ul);
    layout(800);
    EXPECT_EQ(paintItems(),
              (Lines{"text 45 29 16 #000000 \"one\"", "ellipse 30 23 5 5 #000000 #000000"}));
}

TEST_F(ListMarkers, CircleAndSquareForTheNextLevels) {
    TBlock& ul = list("ul");
    TListItemBlock& circle = item("two", Shape(ListKind::unordered, 2));
    endItem(circle);
    TListItemBlock& square = item("three", Shape(ListKind::unordered, 3));
    endItem(square);
    close(ul);
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 45 29 16 #000000 \"two\"", "ellipse 29 21 7 7 #000000",
                                   "text 45 48 16 #000000 \"three\"", "fill 30 42 5 5 #000000"}));
}

TEST_F(ListMarkers, ThirdNestingLevelShowsSquares) {
    TBlock& outer = list("ul");
    TListItemBlock& first = item("", Shape(ListKind::unordered, 1));
    TBlock& middle = list("ul");
    TListItemBlock& second = item("", Shape(ListKind::unordered, 2));
    TBlock& inner = list("ul");
    TListItemBlock& third = item("deep", Shape(ListKind::unordered, 3));
    endItem(third);
    close(inner);
    endItem(second);
    close(middle);
    endItem(first);
    close(outer);
    layout(800);
    // Lists inside items lose their automatic top margins; each indents 35 more.
    EXPECT_EQ(paintItems(),
              (Lines{"text 115 29 16 #000000 \"deep\"", "fill 100 23 5 5 #000000",
                     "ellipse 64 21 7 7 #000000", "ellipse 30 23 5 5 #000000 #000000"}));
}

TEST_F(ListMarkers, NumbersEndTenPixelsLeftOfTheContent) {
    TBlock& ol = list("ol");
    TListItemBlock& a = item("a", Shape(ListKind::ordered, 1, 1));
    endItem(a);
    TListItemBlock& b = item("b", Shape(ListKind::ordered, 1, 4, 'I'));
    endItem(b);
    TListItemBlock& c = item("c", Shape(ListKind::ordered, 1, 28, 'a'));
    endItem(c);
    close(ol);
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 45 29 16 #000000 \"a\"", "text 19 29 16 #000000 \"1.\"",
                                   "text 45 48 16 #000000 \"b\"", "text 11 48 16 #000000 \"IV.\"",
                                   "text 45 67 16 #000000 \"c\"", "text 19 67 16 #000000 \"z.\""}));
}

TEST_F(ListMarkers, NoneDrawsNothingAndAnItemAloneGetsADiscAndAMargin) {
    TBlock& ul = list("ul", "list-style-type: none");
    TListItemBlock& plain = item("plain", Shape(ListKind::unordered, 1));
    endItem(plain);
    close(ul);
    TListItemBlock& alone = item("alone", Shape(ListKind::alone, 0));
    endItem(alone);
    layout(800);
    // The lone item follows the list (whose bottom margin of 14 it collapses with) at x 26.
    EXPECT_EQ(paintItems(),
              (Lines{"text 45 29 16 #000000 \"plain\"", "text 26 62 16 #000000 \"alone\"",
                     "ellipse 11 56 5 5 #000000 #000000"}));
}

TEST_F(ListMarkers, MarkerImageEndsSixteenPixelsLeftOfTheContentOrFallsBackToTheBullet) {
    pictures.sizes["dot.gif"] = {6, 6};
    TBlock& ul = list("ul");
    TListItemBlock& shown =
        item("one", Shape(ListKind::unordered, 1), "list-style-image: url(dot.gif)");
    endItem(shown);
    TListItemBlock& missing =
        item("two", Shape(ListKind::unordered, 2), "list-style-image: url(gone.gif)");
    endItem(missing);
    close(ul);
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 45 29 16 #000000 \"one\"", "picture 23 23 6 6",
                                   "text 45 48 16 #000000 \"two\"", "ellipse 29 40 7 7 #000000"}));
}

TEST_F(ListMarkers, MarkerTakesTheItemsColour) {
    TBlock& ul = list("ul", "color: #0000ff");
    TListItemBlock& one = item("one", Shape(ListKind::unordered, 1));
    endItem(one);
    close(ul);
    layout(800);
    EXPECT_EQ(paintItems().back(), "ellipse 30 23 5 5 #0000ff #0000ff");
}

}  // namespace
}  // namespace kelvor::engine::testing
