#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "table_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;
using TableWidths = TableTest;

// Cell spacing 2 and padding 1 by default: a cell's extra space is 2, and every column carries
// one spacing. "Event" is 40 pixels, "Meeting" 56, a no-break space 8.

TEST_F(TableWidths, ReportRowsSplitThirtySeventyOfTheWidthTheyNeed) {
    read("<table><tr><td width=\"30%\">Event</td><td width=\"70%\">Meeting</td></tr></table>");
    layout(800);
    const TTableGrid& g = grid();
    // Column minimums and maximums 44 and 60. Shown at their percentages, the first needs
    // 44 * 1000 / 300 = 147 (rounded), the second 86: the table wants 147 plus the spacing.
    EXPECT_EQ(g.widths, (std::vector<int>{44, 103}));
    EXPECT_EQ(g.tableWidth, 149);
    EXPECT_EQ(table().contentWidth, 149);
    // One row: 19 + 2 extra + 2 spacing; the table adds the spacing below.
    EXPECT_EQ(g.tableHeight, 25);
    EXPECT_EQ(paintItems(),
              (Lines{"clip 12 7 42 21", "text 13 23 16 #000000 \"Event\"", "clip none",
                     "clip 56 7 101 21", "text 57 23 16 #000000 \"Meeting\"", "clip none"}));
    EXPECT_EQ(extent.height, 5 + 25 + 5);
}

TEST_F(TableWidths, ReportRowsInANarrowWindowKeepTheirPercentagesAsFarAsMinimumsAllow) {
    read("<table><tr><td width=\"30%\">Event</td><td width=\"70%\">Meeting</td></tr></table>");
    // 120 pixels of body: the table gets 120, its columns 118. Shares of 118: 35, below the
    // first column's 44, so it loses its percentage; 83 for the second, which with the first's
    // 44 is too wide: its percentage becomes 700 * 74 / 83 = 624, whose share 74 fits.
    layout(140);
    EXPECT_EQ(grid().widths, (std::vector<int>{44, 74}));
    EXPECT_EQ(grid().tableWidth, 120);
}

TEST_F(TableWidths, AttendeeRowsOfFiftyPerCentMakeTheTableFillTheWidth) {
    read(
        "<table><tr><td width=\"30%\">Event</td><td width=\"70%\">Meeting</td></tr>"
        "<tr><td width=\"50%\">&nbsp;<td width=\"50%\">&nbsp;</td></tr></table>");
    layout(800);
    const TTableGrid& g = grid();
    // Percentages 500 and 700: their sum is above 1000, so they are dropped; the 780 pixels of
    // the body are shared by minimum and maximum, which are equal: (778 - 104) / 2 = 337 each.
    EXPECT_EQ(g.percents, (std::vector<int>{500, 700}));
    EXPECT_EQ(g.widths, (std::vector<int>{44 + 337, 60 + 337}));
    EXPECT_EQ(g.tableWidth, 780);
    EXPECT_EQ(g.tableHeight, 23 + 23 + 2);
    const Lines lines = drawn();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "text 13 23 16 #000000 \"Event\"");
    EXPECT_EQ(lines[1], "text 394 23 16 #000000 \"Meeting\"");
    EXPECT_EQ(lines[2], "text 13 46 16 #000000 \"?\"");
    EXPECT_EQ(lines[3], "text 394 46 16 #000000 \"?\"");
}

TEST_F(TableWidths, CentredHalfWidthTableInASixHundredPixelArea) {
    read("<table align=center width=\"50%\"><tr><td>x</td></tr></table>");
    layout(620);  // 600 between the body margins
    TTableBlock& t = table();
    EXPECT_EQ(t.contentWidth, 300);
    EXPECT_EQ(t.borderLeft, 10 + 150);
    // The one column has no percentage: it takes all of 300 less the spacing.
    EXPECT_EQ(grid().widths, (std::vector<int>{298}));
}

TEST_F(TableWidths, CentredHalfWidthTableLessItsBorder) {
    read("<table align=center width=\"50%\" border=2><tr><td>x</td></tr></table>");
    layout(620);
    TTableBlock& t = table();
    // 300 less the frame's 2 + 2; half of the remaining 300 as left margin.
    EXPECT_EQ(t.contentWidth, 296);
    EXPECT_EQ(t.borderLeft, 10 + 150);
}

TEST_F(TableWidths, TableWidthWithPercentageAndFreeColumns) {
    read(
        "<table width=400 cellspacing=0 cellpadding=0><tr><td width=\"25%\">a</td>"
        "<td>bb</td><td>cccc</td></tr></table>");
    layout(800);
    // Target 400: the 25% column gets 100; the free columns their minimums 16 and 32, with
    // maximum - minimum of 0: the 252 left go to them in equal shares of 126.
    EXPECT_EQ(grid().widths, (std::vector<int>{100, 16 + 126, 32 + 126}));
    EXPECT_EQ(grid().tableWidth, 400);
}

TEST_F(TableWidths, PixelCellsShareByRange) {
    read(
        "<table cellspacing=0 cellpadding=0><tr><td width=100>a</td>"
        "<td>one two three four five six</td></tr></table>");
    // Pixel cell: 100 both. The text: minimum 40 ("three"), maximum 27 characters = 216.
    // Body 200: target 200 lies between 140 and 316: 100 + 0, 40 + 176 * 60 / 176 = 100.
    layout(220);
    EXPECT_EQ(grid().widths, (std::vector<int>{100, 100}));
    // Wide window: the maximums.
    layout(800);
    EXPECT_EQ(grid().widths, (std::vector<int>{100, 216}));
    EXPECT_EQ(table().contentWidth, 316);
}

TEST_F(TableWidths, ColspanBeyondTheColumnsIsCutWhenTheLastColumnIsEmpty) {
    read("<table><tr><td>a</td><td>b</td></tr><tr><td colspan=3>c</td></tr></table>");
    layout(800);
    EXPECT_EQ(grid().columns, 2);
    EXPECT_EQ(rowLengths(), "2 2");
    EXPECT_EQ(slot(1, 0)->colSpan, 2);
    EXPECT_EQ(slot(1, 1), nullptr);
}

TEST_F(TableWidths, ColspanBeyondTheColumnsStaysWhenAFullRowUsesTheLastColumn) {
    read("<table><tr><td>a<td>b<tr><td colspan=3>c<tr><td>d<td>e<td>f</table>");
    layout(800);
    EXPECT_EQ(grid().columns, 3);
    EXPECT_EQ(rowLengths(), "2 3 3");
    EXPECT_EQ(slot(1, 0)->colSpan, 3);
}

TEST_F(TableWidths, RowspanIsLimitedToTheRowsLeft) {
    read("<table cellspacing=0 cellpadding=0><tr><td rowspan=5>a<td>b<tr><td>c</table>");
    layout(800);
    EXPECT_EQ(slot(0, 0)->rowSpan, 2);
    EXPECT_EQ(rowLengths(), "2 2");
    EXPECT_EQ(slot(1, 0), nullptr);
    EXPECT_EQ(CellText(*slot(1, 1)), "c ");
    // "a" spans both rows (19 each): 38 high, its text in the middle.
    EXPECT_EQ(slot(0, 0)->cellHeight, 38);
    EXPECT_EQ(slot(0, 0)->verticalOffset, (38 - 19) / 2);
}

TEST_F(TableWidths, RowspanTallerThanItsRowsSharesTheShortfall) {
    read(
        "<table cellspacing=0 cellpadding=0><tr><td rowspan=2>a<br>b<br>c<td>x"
        "<tr><td>y</table>");
    layout(800);
    // 57 high over rows of 19 and 19: 19 missing, 9 to the first row and 10 to the last.
    EXPECT_EQ(grid().rowHeights, (std::vector<int>{28, 29}));
}

TEST_F(TableWidths, VerticalAlignmentInATallRow) {
    read(
        "<table cellspacing=0 cellpadding=0><tr height=60><td valign=top>t<td>m"
        "<td valign=bottom>b<td style=\"vertical-align: bottom\" valign=top>s</table>");
    layout(800);
    EXPECT_EQ(grid().rowHeights, (std::vector<int>{60}));
    EXPECT_EQ(slot(0, 0)->verticalOffset, 0);
    EXPECT_EQ(slot(0, 1)->verticalOffset, (60 - 19) / 2);
    EXPECT_EQ(slot(0, 2)->verticalOffset, 60 - 19);
    EXPECT_EQ(slot(0, 3)->verticalOffset, 60 - 19);
}

TEST_F(TableWidths, TableHeightIsSharedByTheRows) {
    read("<table height=100 cellspacing=0 cellpadding=0><tr><td>a<tr><td>b</table>");
    layout(800);
    // Neither row asks for a height: the 62 left over go to them in equal shares.
    EXPECT_EQ(grid().rowHeights, (std::vector<int>{19 + 31, 19 + 31}));
    EXPECT_EQ(grid().tableHeight, 100);
}

TEST_F(TableWidths, FloatingTableWithHspaceAndTextBeside) {
    read(
        "<table align=left hspace=5 vspace=3 cellspacing=0 cellpadding=0><tr><td>xx</table>"
        "beside");
    layout(800);
    TTableBlock& t = table();
    EXPECT_TRUE(t.isFloating());
    EXPECT_EQ(t.borderLeft, 10 + 5);
    EXPECT_EQ(t.borderTop, 5 + 3);
    // The text starts right of the float: 10 + 5 + 16 + 5.
    const Lines lines = drawn();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "text 36 20 16 #000000 \"beside\""),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "text 15 23 16 #000000 \"xx\""), lines.end());
}

TEST_F(TableWidths, NestedTablesMeasureOnceAndFitTheirCells) {
    read(
        "<table cellspacing=0 cellpadding=0><tr><td><table cellspacing=0 cellpadding=0>"
        "<tr><td>in</td></tr></table></td><td>out</td></tr></table>");
    layout(800);
    EXPECT_EQ(grid(0).widths, (std::vector<int>{16, 24}));
    EXPECT_EQ(grid(1).widths, (std::vector<int>{16}));
    EXPECT_EQ(table(1).borderLeft, 10);
}

}  // namespace
}  // namespace kelvor::engine::testing
