// Tables that cross page ends: whole rows, head rows repeated on the next page, foot rows at
// the bottom of the page left.

#include "print_fixture.h"

namespace kelvor::testing {
namespace {

std::string Table(int rows, bool head, bool foot) {
    std::string page = "<table>";
    if (head)
        page += "<thead><tr><td>Head</td></tr></thead>";
    page += "<tbody>";
    for (int i = 1; i <= rows; ++i)
        page += "<tr><td>Row " + std::to_string(i) + "</td></tr>";
    page += "</tbody>";
    if (foot)
        page += "<tfoot><tr><td>Foot</td></tr></tfoot>";
    return page + "</table>";
}

class TablePrintTest : public PrintTest {
  protected:
    // Every page's texts that stay on paper, in order.
    std::vector<std::vector<std::u16string>> PrintedPages() const {
        std::vector<std::vector<std::u16string>> pages;
        for (std::size_t p = 0; p < printer.pages.size(); ++p) {
            pages.emplace_back();
            for (const DrawCall& call : VisibleTexts(p))
                pages.back().push_back(call.text);
        }
        return pages;
    }

    // The body rows in the order printed, across all pages.
    static std::vector<std::u16string> BodyRows(
        const std::vector<std::vector<std::u16string>>& pages) {
        std::vector<std::u16string> rows;
        for (const auto& page : pages) {
            for (const std::u16string& text : page) {
                if (text.rfind(u"Row ", 0) == 0)
                    rows.push_back(text);
            }
        }
        return rows;
    }

    static std::vector<std::u16string> AllRows(int count) {
        std::vector<std::u16string> rows;
        for (int i = 1; i <= count; ++i) {
            const std::string text = "Row " + std::to_string(i);
            rows.emplace_back(text.begin(), text.end());
        }
        return rows;
    }
};

TEST_F(TablePrintTest, HeadRowRepeatsAtTheTopOfEveryFollowingPage) {
    // Rows are 19 + 2 of padding + 2 of spacing = 23 high: 201 rows take some 4600 units,
    // five pages of 972.
    Show("/doc.htm", Table(200, true, false));
    display->PrintRange(1, 99);
    const auto pages = PrintedPages();
    ASSERT_GE(pages.size(), 5u);
    // Every row once, in order: none lost at a page end, none printed twice.
    EXPECT_EQ(BodyRows(pages), AllRows(200));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        ASSERT_GE(pages[p].size(), 2u);
        EXPECT_EQ(pages[p][0], u"Head");
        EXPECT_EQ(std::count(pages[p].begin(), pages[p].end(), u"Head"), 1);
    }
    // From page 2 on the head stands at the body's top (52), its text 2 of spacing and 1 of
    // padding lower, baseline 15 below that; the next row follows 23 lower.
    for (std::size_t p = 1; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        const auto texts = VisibleTexts(p);
        EXPECT_EQ(texts[0].y, 70);
        EXPECT_EQ(texts[1].y, 93);
    }
}

TEST_F(TablePrintTest, FootRowsCloseEveryPageTheTableLeaves) {
    Show("/doc.htm", Table(120, true, true));
    display->PrintRange(1, 99);
    const auto pages = PrintedPages();
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(BodyRows(pages), AllRows(120));
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p);
        ASSERT_GE(pages[p].size(), 3u);
        EXPECT_EQ(pages[p].front(), u"Head");
        EXPECT_EQ(pages[p].back(), u"Foot");
        EXPECT_EQ(std::count(pages[p].begin(), pages[p].end(), u"Foot"), 1);
    }
}

TEST_F(TablePrintTest, TableWithoutHeadKeepsItsRowsWhole) {
    Show("/doc.htm", Table(100, false, false));
    display->PrintRange(1, 99);
    const auto pages = PrintedPages();
    ASSERT_GE(pages.size(), 3u);
    EXPECT_EQ(BodyRows(pages), AllRows(100));
}

TEST_F(TablePrintTest, TableThatWouldLeaveOnlyItsHeadStartsOnTheNextPage) {
    // 49 lines end at 5 + 931 = 936; the table's head and first row (46 with spacing) do not
    // fit above 972, so the table moves to page 2 whole-headed.
    Show("/doc.htm", Lines(49) + Table(3, true, false));
    display->PrintRange(1, 99);
    const auto pages = PrintedPages();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].back(), u"Line 48");
    EXPECT_EQ(pages[1], (std::vector<std::u16string>{u"Head", u"Row 1", u"Row 2", u"Row 3"}));
}

}  // namespace
}  // namespace kelvor::testing
