#include <gtest/gtest.h>

#include <string>

#include "table_fixture.h"

namespace kelvor::engine::testing {
namespace {

using TableReading = TableTest;

TEST_F(TableReading, RowsCellsAndImpliedRows) {
    read("<table><td>a<td>b<tr><td>c</table>after");
    ASSERT_EQ(tables().size(), 1u);
    EXPECT_EQ(rowLengths(), "2 1");
    EXPECT_EQ(CellText(*slot(0, 0)), "a ");
    EXPECT_EQ(CellText(*slot(0, 1)), "b ");
    EXPECT_EQ(CellText(*slot(1, 0)), "c ");
    // The text after the table follows it in the body.
    const auto& items = doc.body()->cell().items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_NE(dynamic_cast<TTableBlock*>(items[0].get()), nullptr);
}

TEST_F(TableReading, ABodyTagInsideATableIsSkipped) {
    // The table is not in the body until it ends, so the body still looks empty there; a new
    // body would leave the table reading into the cell of the one it replaced.
    read("<table><body bgcolor=red><tr><td>a</td></tr><tr><body><td>b</td></tr></table>c");
    ASSERT_EQ(tables().size(), 1u);
    EXPECT_EQ(rowLengths(), "1 1");
    EXPECT_EQ(CellText(*slot(0, 0)), "a ");
    EXPECT_EQ(CellText(*slot(1, 0)), "b ");
    const auto& items = doc.body()->cell().items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_NE(dynamic_cast<TTableBlock*>(items[0].get()), nullptr);
}

TEST_F(TableReading, TextAndStyleBeforeTheFirstRowStandBeforeTheTable) {
    read("<table> <style>td { color: #ff0000 }</style>before<tr><td>x</td></tr></table>");
    const auto& items = doc.body()->cell().items;
    ASSERT_EQ(items.size(), 2u);
    const auto* before = dynamic_cast<TSection*>(items[0].get());
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(Narrow(before->text), "before ");
    EXPECT_NE(dynamic_cast<TTableBlock*>(items[1].get()), nullptr);
    // The style sheet read there applies to the cells.
    layout(800);
    bool red = false;
    for (const std::string& line : paintItems())
        red = red || line.find("#ff0000 \"x\"") != std::string::npos;
    EXPECT_TRUE(red);
}

TEST_F(TableReading, AStyleSheetBeforeTheFirstRowAppliesToTheTableItself) {
    read(
        "<table border=1><style>table { width: 50%; border-collapse: collapse }</style>"
        "<tr><td>x</td></tr></table>");
    ASSERT_EQ(tables().size(), 1u);
    EXPECT_EQ(table().width.value, 500);
    EXPECT_TRUE(table().width.percent);
    EXPECT_EQ(grid().cellSpacing, -1);
    EXPECT_EQ(grid().border, 1);
    EXPECT_EQ(rowLengths(), "1");
}

TEST_F(TableReading, TheEleventhNestedTableReadsAsIfItsTagsWereAbsent) {
    std::string html;
    for (int i = 0; i < 11; ++i)
        html += "<table><tr><td>";
    html += "deep<td>same cell";
    for (int i = 0; i < 11; ++i)
        html += "</td></tr></table>";
    html += "end";
    read(html);
    ASSERT_EQ(tables().size(), 10u);
    // The eleventh table's TD is absent too: both texts run together in the tenth table's cell.
    EXPECT_EQ(rowLengths(9), "1");
    const TTableCell& innermost = *slot(0, 0, 9);
    EXPECT_EQ(CellText(innermost), "deepsame cell ");
    // Its end tag was skipped with it; the outer tables close in order and "end" follows.
    const auto& items = doc.body()->cell().items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(Narrow(dynamic_cast<TSection*>(items[1].get())->text), "end ");
}

TEST_F(TableReading, AnOpenLinkEndsAtTheTableAndAtCellBoundaries) {
    read("<a href=\"x\">before<table><tr><td>in<a href=\"y\">link<td>plain</table>");
    ASSERT_EQ(doc.links().size(), 2u);
    const TTableCell& second = *slot(0, 1);
    const auto* section = dynamic_cast<const TSection*>(second.content->items.at(0).get());
    ASSERT_NE(section, nullptr);
    for (const TFontRun& run : section->runs)
        EXPECT_EQ(run.link, nullptr);
}

TEST_F(TableReading, CaptionAboveAndBelow) {
    read(
        "<table><caption>Top</caption><tr><td>x</table>"
        "<table><tr><td>y<caption align=bottom>Under</caption></table>");
    const auto& items = doc.body()->cell().items;
    ASSERT_EQ(items.size(), 2u);
    auto* above = dynamic_cast<TCaptionedTableBlock*>(items[0].get());
    auto* below = dynamic_cast<TCaptionedTableBlock*>(items[1].get());
    ASSERT_NE(above, nullptr);
    ASSERT_NE(below, nullptr);
    EXPECT_EQ(above->tagClass, "TableAndCaption.");
    ASSERT_EQ(above->cell().items.size(), 2u);
    EXPECT_EQ(above->cell().items[0].get(), above->caption);
    EXPECT_EQ(above->cell().items[1].get(), above->table);
    EXPECT_TRUE(below->captionBelow);
    EXPECT_EQ(below->cell().items[0].get(), below->table);
    EXPECT_EQ(below->cell().items[1].get(), below->caption);
}

TEST_F(TableReading, HeadBodyAndFootRowsAndCellAlignment) {
    read(
        "<table><thead><tr><th>h</th></tr></thead><tbody><tr><td>b</td></tr></tbody>"
        "<tfoot><tr align=right><td>f</td></tr></tfoot></table>");
    const TTableGrid& g = grid();
    ASSERT_EQ(g.rows.size(), 3u);
    EXPECT_EQ(g.rows[0]->kind, RowKind::head);
    EXPECT_EQ(g.rows[1]->kind, RowKind::body);
    EXPECT_EQ(g.rows[2]->kind, RowKind::foot);
    const auto align = [](const TTableCell& cell) {
        return dynamic_cast<const TSection&>(*cell.content->items.at(0)).align;
    };
    EXPECT_EQ(align(*slot(0, 0)), TextAlignment::center);  // TH
    EXPECT_EQ(align(*slot(1, 0)), TextAlignment::left);    // TD
    EXPECT_EQ(align(*slot(2, 0)), TextAlignment::right);   // the row's ALIGN
}

TEST_F(TableReading, ColumnSpecificationsGiveWidthsAndAlignment) {
    read(
        "<table><colgroup width=40><col><col width=\"25%\" align=right></colgroup>"
        "<tr><td>a<td>b<td>c</table>");
    layout(800);
    const TTableGrid& g = grid();
    // The first column's cell takes 40 pixels (a pixel cell), the second 25 per cent.
    EXPECT_TRUE(g.pixelCells);
    EXPECT_EQ(slot(0, 0)->width.value, 40);
    EXPECT_FALSE(slot(0, 0)->width.percent);
    EXPECT_EQ(slot(0, 1)->width.value, 250);
    EXPECT_TRUE(slot(0, 1)->width.percent);
    EXPECT_EQ(slot(0, 2)->width.value, 0);
    EXPECT_EQ(dynamic_cast<const TSection&>(*slot(0, 1)->content->items.at(0)).align,
              TextAlignment::right);
}

TEST_F(TableReading, AttributesAndTheirLimits) {
    read(
        "<table cellspacing=100 cellpadding=-5 border><tr><td width=\"150%\">a<td width=0>b"
        "</table><table border=500 cellspacing=-1 cellpadding=60><tr><td>c</table>"
        "<table style=\"border-collapse: collapse\" border=0><tr><td>d</table>");
    EXPECT_EQ(grid(0).cellSpacing, 40);
    EXPECT_EQ(grid(0).cellPadding, 1);
    EXPECT_EQ(grid(0).border, 1);
    EXPECT_FALSE(slot(0, 0, 0)->width.set());
    EXPECT_FALSE(slot(0, 1, 0)->width.set());
    EXPECT_EQ(grid(1).border, 100);
    EXPECT_EQ(grid(1).cellSpacing, -1);
    EXPECT_EQ(grid(1).cellPadding, 50);
    EXPECT_EQ(grid(2).cellSpacing, -1);
    EXPECT_EQ(grid(2).border, 0);
}

TEST_F(TableReading, ParagraphBeforeATableLosesItsBottomMargin) {
    read("<p>para<table><tr><td>x</table>");
    const auto& items = doc.body()->cell().items;
    ASSERT_EQ(items.size(), 2u);
    const auto& paragraph = dynamic_cast<const TBlock&>(*items[0]);
    EXPECT_EQ(paragraph.marginBottom, 0);
    layout(800);
    // P: 14 less the body's 5, then its line; the table directly below.
    EXPECT_EQ(table().y, 5 + 9 + 19);
}

TEST_F(TableReading, TheReportsRowsIncludingTheUnclosedCell) {
    read(
        "\xEF\xBB\xBF<html><head><title><h4>KELVOR Report</h4></title>\r\n"
        "</head><body><table>\r\n"
        "<tr><td width=\"30%\">&nbsp</td><td width=\"70%\">&nbsp;</td></tr>\r\n"
        "<tr><td width=\"30%\">Event</td><td width=\"70%\"><b>MEETING</b>&nbsp;</td></tr>\r\n"
        "<tr><td width=\"50%\">&nbsp;<td width=\"50%\">&nbsp;</td></tr>\r\n"
        "</table></body></html>\r\n");
    ASSERT_EQ(tables().size(), 1u);
    EXPECT_EQ(rowLengths(), "2 2 2");
    EXPECT_EQ(CellText(*slot(1, 0)), "Event ");
    EXPECT_EQ(slot(2, 0)->width.value, 500);
    EXPECT_EQ(slot(2, 1)->width.value, 500);
}

}  // namespace
}  // namespace kelvor::engine::testing
