// Printing the shown document page by page on the fake printer.

#include <set>

#include "print_fixture.h"

namespace kelvor::testing {
namespace {

using engine::PrinterError;

TEST_F(PrintTest, ThreePagesCutAtLineBoundaries) {
    // 120 lines of 19: the document is 5 + 2280 + 5 = 2290 high. Page 1 ends at 972, inside
    // line 50 (955 .. 974), so it ends at 955; page 2 runs from 955 to 955 + 972 = 1927,
    // inside line 101 (1924 .. 1943), so it ends at 1924; page 3 holds the rest.
    Show("/doc.htm", "<title>Three pages</title>" + Lines(120));
    display->PrintRange(1, 99);

    EXPECT_EQ(printer.log,
              (std::vector<std::string>{"start Three pages", "page", "end page", "page", "end page",
                                        "page", "end page", "end"}));
    ASSERT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(display->PrintPageCount(), 3);

    // Screen pixels map to dots: 96 units to 600 dots both ways.
    const auto mappings = Only(PageCalls(0), Call::mapping);
    ASSERT_FALSE(mappings.empty());
    EXPECT_EQ(mappings.front().mapping, (platform::CanvasMapping{96, 600, 600, 0, 0}));

    // Page 1: line 0 at the body's corner plus the page margins, baseline 52 + 5 + 15.
    const auto page1 = VisibleTexts(0);
    ASSERT_EQ(page1.size(), 50u);
    EXPECT_EQ(page1.front().text, u"Line 0");
    EXPECT_EQ(page1.front().x, 62);
    EXPECT_EQ(page1.front().y, 72);
    EXPECT_EQ(page1.back().text, u"Line 49");
    // Line 50 lies across the cut: it is not put on page 1 at all, and the band below the
    // cut is blanked from 955 + 52 down.
    EXPECT_TRUE(TextCalls(PageCalls(0), u"Line 50").empty());
    bool blanked = false;
    for (const DrawCall& call : Only(PageCalls(0), Call::fillRect))
        blanked = blanked || (call.rect.top == 1007 && call.colour == 0xFFFFFF);
    EXPECT_TRUE(blanked);

    // Page 2 starts with line 50 whole, at the body's top: baseline 52 + 15.
    const auto page2 = VisibleTexts(1);
    ASSERT_EQ(page2.size(), 51u);
    EXPECT_EQ(page2.front().text, u"Line 50");
    EXPECT_EQ(page2.front().y, 67);
    EXPECT_EQ(page2.back().text, u"Line 100");

    const auto page3 = VisibleTexts(2);
    ASSERT_EQ(page3.size(), 19u);
    EXPECT_EQ(page3.front().text, u"Line 101");
    EXPECT_EQ(page3.front().y, 67);
    EXPECT_EQ(page3.back().text, u"Line 119");
}

TEST_F(PrintTest, OnePageDocumentEndsAfterPageOne) {
    Show("/doc.htm", Lines(3));
    display->PrintRange(1, 99);
    EXPECT_EQ(printer.pages.size(), 1u);
    EXPECT_TRUE(printer.ended);
    EXPECT_EQ(display->PrintPageCount(), 1);
    EXPECT_EQ(VisibleTexts(0).size(), 3u);
}

TEST_F(PrintTest, PagesBeforeTheFirstAreNotPrinted) {
    // Two pages (60 lines: page 1 ends at 955, page 2 holds lines 50 .. 59).
    Show("/doc.htm", Lines(60));
    display->PrintRange(4, 99);
    // Both pages lie before page 4: the job is aborted with nothing on paper.
    EXPECT_TRUE(printer.aborted);
    EXPECT_FALSE(printer.ended);
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_TRUE(Only(PageCalls(0), Call::text).empty());
    EXPECT_EQ(display->PrintPageCount(), 2);

    platform::fixed::FakePrinter second;
    display->SetPrinterDevice(&second);
    display->PrintRange(3, 99);
    // Page 3 would have been the first: the job ends with its one empty page.
    EXPECT_FALSE(second.aborted);
    EXPECT_TRUE(second.ended);
    ASSERT_EQ(second.pages.size(), 1u);
    EXPECT_TRUE(Only(second.pages[0]->canvas.calls, Call::text).empty());

    platform::fixed::FakePrinter third;
    display->SetPrinterDevice(&third);
    display->PrintRange(2, 2);
    // Only page 2 reaches paper, on the job's one page.
    ASSERT_EQ(third.pages.size(), 1u);
    const auto texts = VisibleTexts(0);
    (void)texts;
    std::vector<std::u16string> shown;
    for (const DrawCall& call : third.pages[0]->canvas.calls) {
        if (call.call == Call::text)
            shown.push_back(call.text);
    }
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown.front(), u"Line 50");
}

TEST_F(PrintTest, ForcedPageBreakStartsANewPage) {
    // "Before" fills 5 .. 24; the break stands at 24, more than 5 below the page's top.
    Show("/doc.htm", "Before<page>After");
    display->PrintRange(1, 99);
    ASSERT_EQ(printer.pages.size(), 2u);
    const auto page1 = VisibleTexts(0);
    ASSERT_EQ(page1.size(), 1u);
    EXPECT_EQ(page1[0].text, u"Before");
    const auto page2 = VisibleTexts(1);
    ASSERT_EQ(page2.size(), 1u);
    EXPECT_EQ(page2[0].text, u"After");
    EXPECT_EQ(page2[0].y, 67);
}

TEST_F(PrintTest, PrintScaleTwoHalvesThePage) {
    // 48 units to the inch: the body is 26 units from the printable edges and 486 high, so
    // page 1 ends inside line 25 (480 .. 499), at 480: 25 lines instead of 50.
    display->SetPrintScale(2.0);
    Show("/doc.htm", Lines(60));
    display->PrintRange(1, 99);
    ASSERT_GE(printer.pages.size(), 3u);
    EXPECT_EQ(Only(PageCalls(0), Call::mapping).front().mapping.logical, 48);
    const auto page1 = VisibleTexts(0);
    ASSERT_EQ(page1.size(), 25u);
    EXPECT_EQ(page1.front().x, 36);
    EXPECT_EQ(page1.front().y, 46);
    EXPECT_EQ(VisibleTexts(1).front().text, u"Line 25");
}

TEST_F(PrintTest, MonochromeBlackTurnsGreyTextBlack) {
    const std::string page = "<font color=\"#808080\">Grey</font>";
    Show("/doc.htm", page);
    display->PrintRange(1, 1);
    ASSERT_EQ(TextCalls(PageCalls(0), u"Grey").size(), 1u);
    EXPECT_EQ(TextCalls(PageCalls(0), u"Grey")[0].colour, 0x808080u);

    platform::fixed::FakePrinter mono;
    mono.colourBits = 1;
    display->SetPrinterDevice(&mono);
    display->PrintRange(1, 1);
    ASSERT_EQ(TextCalls(mono.pages[0]->canvas.calls, u"Grey").size(), 1u);
    EXPECT_EQ(TextCalls(mono.pages[0]->canvas.calls, u"Grey")[0].colour, 0u);

    // Without the option grey stays grey on the black-and-white printer too.
    platform::fixed::FakePrinter again;
    again.colourBits = 1;
    display->SetPrinterDevice(&again);
    display->SetDisplayOptions(engine::doPrintTableBackground);
    display->PrintRange(1, 1);
    EXPECT_EQ(TextCalls(again.pages[0]->canvas.calls, u"Grey")[0].colour, 0x808080u);
}

TEST_F(PrintTest, StopFromProgressEndsAfterTheCurrentPage) {
    Show("/doc.htm", Lines(120));
    std::vector<int> reported;
    display->OnPageProgress = [&](int page, bool& stop) {
        reported.push_back(page);
        if (page == 2)
            stop = true;
    };
    display->PrintRange(1, 99);
    // 0 before anything, the counter once the job runs, then each page drawn.
    EXPECT_EQ(reported, (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ(printer.pages.size(), 2u);
    EXPECT_TRUE(printer.ended);
    EXPECT_EQ(display->PrintPageCount(), 2);
}

TEST_F(PrintTest, HeaderAndFooterEventsGetTheMarginBands) {
    Show("/doc.htm", Lines(60));
    std::vector<std::string> calls;
    display->OnPrintHeader = [&](platform::Canvas&, int page, int w, int h, bool&) {
        calls.push_back("header " + std::to_string(page) + " " + std::to_string(w) + " " +
                        std::to_string(h));
    };
    display->OnPrintFooter = [&](platform::Canvas&, int page, int w, int h, bool&) {
        calls.push_back("footer " + std::to_string(page) + " " + std::to_string(w) + " " +
                        std::to_string(h));
    };
    display->PrintRange(1, 99);
    // The page is 4661 x 6716 dots: 746 x 1075 units; below the body 1075 - 52 - 972 = 51.
    EXPECT_EQ(calls, (std::vector<std::string>{"header 1 746 52", "footer 1 746 51",
                                               "header 2 746 52", "footer 2 746 51"}));
}

TEST_F(PrintTest, PrinterErrorsReachTheCaller) {
    Show("/doc.htm", Lines(3));
    printer.isValid = false;
    try {
        display->PrintRange(1, 99);
        FAIL() << "no error";
    } catch (const PrinterError& error) {
        EXPECT_STREQ(error.what(), "Printer selected is not valid");
    }
    EXPECT_EQ(printer.documents, 0);

    // A job the caller began goes on with a new page and stays open.
    printer.isValid = true;
    engine::TDocPrinter job(&printer);
    job.BeginDoc();
    display->DocPrinter = &job;
    display->PrintRange(1, 99);
    EXPECT_TRUE(job.Printing());
    EXPECT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(TextCalls(PageCalls(1), u"Line 0").size(), 1u);
    EXPECT_FALSE(printer.ended);
}

TEST_F(PrintTest, NothingPrintsWithoutADocument) {
    display->PrintRange(1, 99);
    EXPECT_EQ(printer.documents, 0);
    EXPECT_EQ(display->PrintPageCount(), 0);
}

}  // namespace
}  // namespace kelvor::testing

namespace kelvor::testing {
namespace {

TEST_F(PrintTest, HtmlHeaderAndFooterFillTheMarginBands) {
    files.addFile("/header.htm", "Head text");
    files.addFile("/footer.htm", "Foot text");
    Show("/doc.htm", Lines(60));
    std::vector<std::string> seen;
    display->OnPrintHTMLHeader = [&](engine::THtmlDisplay& viewer, int page, bool last, int& xl,
                                     int& xr, bool&) {
        seen.push_back("header " + std::to_string(page) + (last ? " last " : " ") +
                       std::to_string(xl) + " " + std::to_string(xr));
        viewer.LoadHtmlFile("/header.htm");
    };
    display->OnPrintHTMLFooter = [&](engine::THtmlDisplay& viewer, int page, bool last, int&, int&,
                                     bool& stop) {
        seen.push_back("footer " + std::to_string(page) + (last ? " last" : ""));
        viewer.LoadHtmlFile("/footer.htm");
        stop = page == 1;  // the footer may stop the job too
    };
    display->PrintRange(1, 99);
    // The body runs from 52 to 52 + 643 across.
    EXPECT_EQ(seen, (std::vector<std::string>{"header 1 52 695", "footer 1"}));
    ASSERT_EQ(printer.pages.size(), 1u);
    // The header's one line (19 high, no page margin above) ends on the body's top: its top
    // at 52 - 19 = 33, baseline 48; the footer's starts at the body's bottom, 52 + 972.
    const auto header = TextCalls(PageCalls(0), u"Head text");
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(header[0].x, 62);
    EXPECT_EQ(header[0].y, 48);
    const auto footer = TextCalls(PageCalls(0), u"Foot text");
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_EQ(footer[0].y, 1024 + 15);
}

TEST_F(PrintTest, BackgroundPrintsOnlyWhenAskedFor) {
    Show("/doc.htm", "<body bgcolor=\"#00ff00\">" + Lines(3));
    display->PrintRange(1, 1);
    const auto green = [](const std::vector<DrawCall>& calls) {
        int count = 0;
        for (const DrawCall& call : calls)
            count += call.call == Call::fillRect && call.colour == 0x00FF00 ? 1 : 0;
        return count;
    };
    EXPECT_EQ(green(PageCalls(0)), 0);

    platform::fixed::FakePrinter withBackground;
    display->SetPrinterDevice(&withBackground);
    display->SetDisplayOptions(display->DisplayOptions() | engine::doPrintBackground);
    display->PrintRange(1, 1);
    const auto& calls = withBackground.pages[0]->canvas.calls;
    ASSERT_GE(green(calls), 1);
    // Over the body rectangle first.
    for (const DrawCall& call : calls) {
        if (call.call == Call::fillRect && call.colour == 0x00FF00) {
            EXPECT_EQ(call.rect, (platform::Rect{52, 52, 52 + 643, 52 + 972}));
            break;
        }
    }
}

}  // namespace
}  // namespace kelvor::testing

namespace kelvor::testing {
namespace {

TEST_F(PrintTest, LineTallerThanAPageIsCutNotLost) {
    // A picture 1500 high makes a line taller than the 972 of a page: it starts on page 1 and
    // runs on over page 2, and the text after it follows on page 2.
    pictures.sizes["tall.gif"] = {10, 1500};
    Show("/doc.htm", "<img src=\"tall.gif\" width=10 height=1500><br>After");
    display->PrintRange(1, 99);
    ASSERT_EQ(printer.pages.size(), 2u);
    EXPECT_EQ(Only(PageCalls(0), Call::picture).size(), 1u);
    EXPECT_EQ(Only(PageCalls(1), Call::picture).size(), 1u);
    EXPECT_EQ(VisibleTexts(1).size(), 1u);
}

}  // namespace
}  // namespace kelvor::testing

namespace kelvor::testing {
namespace {

TEST_F(PrintTest, HeaderThatMovesTheTopMarginChangesTheFollowingPages) {
    Show("/doc.htm", Lines(120));
    display->OnPrintHeader = [&](platform::Canvas&, int page, int, int, bool&) {
        if (page == 1)
            display->PrintMarginTop = 4.0;
    };
    display->PrintRange(1, 99);
    // 4 cm: trunc(944.88) - 150 = 794 dots, 127.04 units; the body is 6716 - 794 - 322 = 5600
    // dots, 896 units. Page 2 runs from 955 to 1851, inside line 97 (1848 .. 1867).
    ASSERT_GE(printer.pages.size(), 2u);
    EXPECT_EQ(VisibleTexts(0).size(), 50u);
    const auto page2 = VisibleTexts(1);
    ASSERT_EQ(page2.size(), 47u);
    EXPECT_EQ(page2.front().text, u"Line 50");
    EXPECT_EQ(page2.front().y, 127 + 15);
    // The margin is the caller's again after the print.
    EXPECT_EQ(display->PrintMarginTop, 2.0);
}

}  // namespace
}  // namespace kelvor::testing
