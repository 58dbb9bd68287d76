#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;
using TablePaint = TableTest;

// The 3-D colours on the default page (button face): highlight white, shadow grey.
constexpr const char* kLight = "#ffffff";
constexpr const char* kDark = "#808080";

std::string Line(int x1, int y1, int x2, int y2, const std::string& colour) {
    return "line " + std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) +
           " " + std::to_string(y2) + " " + colour + " 1";
}

TEST_F(TablePaint, RaisedOuterFrameAndSunkenFramesForCellsWithContent) {
    read("<table border=1><tr><td>a</td><td></td></tr></table>");
    layout(800);
    // Cells get a border of 1 on each side: extra space 4. Columns 8 + 4 + 2 = 14 and
    // 0 + 4 + 2 = 6; the grid is 22 wide and 25 + 2 high, inside the 1-pixel frame.
    EXPECT_EQ(grid().widths, (std::vector<int>{14, 6}));
    EXPECT_EQ(grid().tableHeight, 27);
    EXPECT_EQ(
        paintItems(),
        (Lines{// The table's frame: border box (10, 5) to (34, 34), light above and left.
               Line(10, 5, 34, 5, kLight), Line(10, 5, 10, 34, kLight), Line(10, 33, 34, 33, kDark),
               Line(33, 5, 33, 34, kDark),
               // The cell with "a": box (13, 8) to (25, 31), its text inside border and padding.
               "clip 13 8 12 23", "text 15 25 16 #000000 \"a\"", "clip none",
               Line(13, 8, 25, 8, kDark), Line(13, 8, 13, 31, kDark), Line(13, 30, 25, 30, kLight),
               Line(24, 8, 24, 31, kLight),
               // The empty cell: no frame.
               "clip 27 8 4 23", "clip none"}));
}

TEST_F(TablePaint, WiderFramesAreBevelledRings) {
    read("<table border=3 cellspacing=0><tr><td>a</td></tr></table>");
    layout(800);
    // One column of 8 + 4; the frame's border box (10, 5) to (28, 34); the cell (13, 8) to
    // (25, 31).
    EXPECT_EQ(
        drawn(),
        (Lines{Line(10, 5, 28, 5, kLight), Line(10, 5, 10, 34, kLight), Line(10, 33, 28, 33, kDark),
               Line(27, 5, 27, 34, kDark), Line(11, 6, 27, 6, kLight), Line(11, 6, 11, 33, kLight),
               Line(11, 32, 27, 32, kDark), Line(26, 6, 26, 33, kDark), Line(12, 7, 26, 7, kLight),
               Line(12, 7, 12, 32, kLight), Line(12, 31, 26, 31, kDark), Line(25, 7, 25, 32, kDark),
               "text 15 25 16 #000000 \"a\"", Line(13, 8, 25, 8, kDark), Line(13, 8, 13, 31, kDark),
               Line(13, 30, 25, 30, kLight), Line(24, 8, 24, 31, kLight)}));
}

TEST_F(TablePaint, BorderColourAndWhitePage) {
    read("<body bgcolor=white><table border=1 bordercolordark=\"#ff0000\"><tr><td>a</table>");
    layout(800);
    const Lines lines = drawn();
    ASSERT_GE(lines.size(), 4u);
    // On a white page the light colour is silver; the dark one is the table's own.
    EXPECT_EQ(lines[0], Line(10, 5, 28, 5, "#c0c0c0"));
    EXPECT_EQ(lines[2], Line(10, 33, 28, 33, "#ff0000"));
}

TEST_F(TablePaint, BackgroundsOfTableRowsAndCells) {
    read(
        "<table bgcolor=\"#0000ff\" cellpadding=0><tr bgcolor=\"#00ff00\"><td>a<td "
        "bgcolor=\"#ff0000\">b</tr><tr><td>c<td>d</table>");
    layout(800);
    // Columns 8 + 2 each, rows 19 + 2: the table is 22 by 44 and shows blue in the spacing.
    EXPECT_EQ(drawn(), (Lines{"fill 10 5 22 44 #0000ff", "fill 12 7 8 19 #00ff00",
                              "text 12 22 16 #000000 \"a\"", "fill 22 7 8 19 #ff0000",
                              "text 22 22 16 #000000 \"b\"", "fill 12 28 8 19 #0000ff",
                              "text 12 43 16 #000000 \"c\"", "fill 22 28 8 19 #0000ff",
                              "text 22 43 16 #000000 \"d\""}));
}

TEST_F(TablePaint, CellWithAOnePixelStyleBorderDrawsARectangle) {
    read(
        "<table cellspacing=0 cellpadding=0><tr><td style=\"border: 1px solid #ff0000\">a"
        "</table>");
    layout(800);
    EXPECT_EQ(drawn(), (Lines{"text 11 21 16 #000000 \"a\"", "frame 10 5 10 21 #ff0000 1"}));
}

TEST_F(TablePaint, HitTestingFindsLinksAndTitlesInCells) {
    read("<table><tr><td><a href=\"u\">link</a></td><td title=\"tip\">plain</td></tr></table>");
    layout(800);
    // "link" from x 13, "plain" from 10 + 2 + 36 + 1 = 49; the line from y 8 to 27.
    HitResult over = HitTest(doc, 15, 15);
    EXPECT_EQ(over.url, "u");
    EXPECT_TRUE(over.flags & kHitLink);
    HitResult titled = HitTest(doc, 50, 15);
    EXPECT_EQ(titled.hint, "tip");
    EXPECT_FALSE(titled.flags & kHitLink);
    HitResult outside = HitTest(doc, 200, 15);
    EXPECT_EQ(outside.flags, 0);
}

TEST_F(TablePaint, TableWithoutRowsIsItsSpacing) {
    read("<table></table>x");
    layout(800);
    EXPECT_EQ(grid().tableWidth, 2);
    EXPECT_EQ(grid().tableHeight, 2);
    EXPECT_EQ(drawn(), (Lines{"text 10 22 16 #000000 \"x\""}));
}

TEST_F(TablePaint, PaintingAgainDoesNoLayout) {
    read("<table><tr><td>a</table>");
    layout(800);
    const Lines first = paintItems();
    EXPECT_EQ(paintItems(), first);
}

}  // namespace
}  // namespace kelvor::engine::testing
