// The display control on real documents: loading, layout and the scroll bars, painting and the
// background, positions that survive a new layout.

#include <string>

#include "engine_display_fixture.h"

namespace kelvor::testing {
namespace {

constexpr platform::RgbColour kButtonFace = 0xC8D0D4;
constexpr platform::RgbColour kBlack = 0x000000;
constexpr platform::RgbColour kRed = 0x0000FF;  // 0x00BBGGRR
constexpr platform::RgbColour kGreen = 0x00FF00;

// Plain text of `count` lines "line 00", "line 01", ...
std::string NumberedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "line " + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\n";
    }
    return text;
}

TEST_F(EngineDisplayTest, APageIsReadLaidOutAndPaintedAtTheFullWidth) {
    Show("/docs/page.htm",
         "<html><head><title>Two paragraphs</title></head>"
         "<body><p>First</p><p>Second</p></body></html>");
    EXPECT_EQ(display->DocumentTitle(), "Two paragraphs");
    // The first paragraph's 14-pixel margin less the page's 5, its line, 14 between the
    // paragraphs, the second line, the last paragraph's 14 and the page's 5.
    EXPECT_EQ(display->DocumentHeight(), 5 + 9 + 19 + 14 + 19 + 14 + 5);
    EXPECT_EQ(display->DocumentWidth(), 298);
    ASSERT_FALSE(host.verticalBars.empty());
    EXPECT_FALSE(host.verticalBars.back().visible);
    EXPECT_EQ(display->PanelWidth(), 298);
    EXPECT_EQ(host.panelColour, engine::kSystemColourBase + 15);

    const auto calls = PaintPanel();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().call, Call::fillRect);
    EXPECT_EQ(calls.front().rect, (platform::Rect{0, 0, 298, 198}));
    EXPECT_EQ(calls.front().colour, kButtonFace);
    // Baselines: line top + 19 - 4.
    const auto first = TextCalls(calls, u"First");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].x, 10);
    EXPECT_EQ(first[0].y, 14 + 15);
    EXPECT_EQ(first[0].colour, kBlack);
    EXPECT_EQ(first[0].font.name, "Times New Roman");
    const auto second = TextCalls(calls, u"Second");
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].y, 47 + 15);
}

TEST_F(EngineDisplayTest, APageJustTallerThanTheViewGetsTheVerticalBar) {
    // 5 + 189 + 5 = 199 pixels in a view 198 high.
    Show("/docs/tall.htm", "<div style=\"height:189px\">x</div>");
    EXPECT_EQ(display->DocumentHeight(), 199);
    const engine::VerticalBar bar = host.verticalBars.back();
    EXPECT_TRUE(bar.visible);
    EXPECT_TRUE(bar.enabled);
    EXPECT_EQ(bar.maximum, 199);
    EXPECT_EQ(bar.page, 199);
    EXPECT_EQ(display->PanelWidth(), 282);
    EXPECT_TRUE(host.horizontalBars.empty() || !host.horizontalBars.back().visible);

    // One pixel less fits exactly: no bar, the whole width.
    Show("/docs/fits.htm", "<div style=\"height:188px\">x</div>");
    EXPECT_EQ(display->DocumentHeight(), 198);
    EXPECT_FALSE(host.verticalBars.back().visible);
    EXPECT_EQ(display->PanelWidth(), 298);
}

TEST_F(EngineDisplayTest, AColouredBlockIsFilledAtItsPlaceInTheScrolledView) {
    Show("/docs/block.htm",
         "<div style=\"height:300px\">a</div>"
         "<div style=\"background-color:#ff0000;height:50px\">b</div>");
    // 5 + 300 + 50 + 5; the bar leaves 282 pixels, 262 between the margins.
    ASSERT_EQ(display->DocumentHeight(), 360);
    ASSERT_EQ(display->PanelWidth(), 282);
    EXPECT_TRUE(Only(PaintPanel(), Call::fillRect).size() == 1u);  // the block is below the view

    // Scrolling stops at 360 - 198 = 162.
    display->SetVerticalPosition(400);
    EXPECT_EQ(display->VerticalPosition(), 162);
    display->SetVerticalPosition(150);
    const auto calls = PaintPanel({0, 100, 282, 198});
    const auto fills = Only(calls, Call::fillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (platform::Rect{0, 100, 282, 198}));
    EXPECT_EQ(fills[0].colour, kButtonFace);
    // The block runs from 305 to 355 in the page: 155 to 205 in the view.
    EXPECT_EQ(fills[1].rect, (platform::Rect{10, 155, 272, 205}));
    EXPECT_EQ(fills[1].colour, kRed);
    const auto b = TextCalls(calls, u"b");
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].y, 305 + 15 - 150);
}

TEST_F(EngineDisplayTest, TheBodyColourIsThePageBackgroundOverTheDefault) {
    Show("/docs/green.htm", "<body bgcolor=\"#00ff00\">green</body>");
    EXPECT_EQ(host.panelColour, kGreen);
    EXPECT_EQ(PaintPanel().front().colour, kGreen);
    display->SetDefBackground(0x123456);
    EXPECT_EQ(host.panelColour, kGreen);

    Show("/docs/plain.htm", "plain");
    EXPECT_EQ(host.panelColour, 0x123456u);
    display->SetDefBackground(0x654321);
    EXPECT_EQ(host.panelColour, 0x654321u);
    EXPECT_EQ(PaintPanel().front().colour, 0x654321u);
}

TEST_F(EngineDisplayTest, ABackgroundPictureIsTiledFromThePageCornerUnlessFixed) {
    pictures.sizes["tile.gif"] = {100, 100};
    Show("/docs/tiles.htm",
         "<body background=\"tile.gif\"><div style=\"height:400px\">a</div></body>");
    ASSERT_EQ(display->PanelWidth(), 282);
    auto tiles = Only(PaintPanel(), Call::picture);
    // Three columns (0, 100, 200) by two rows (0, 100) cover 282 x 198.
    ASSERT_EQ(tiles.size(), 6u);
    EXPECT_EQ(tiles[0].rect, (platform::Rect{0, 0, 100, 100}));
    EXPECT_EQ(tiles[5].rect, (platform::Rect{200, 100, 300, 200}));

    // Scrolled by 30 the rows start at -30: three rows.
    display->SetVerticalPosition(30);
    tiles = Only(PaintPanel(), Call::picture);
    ASSERT_EQ(tiles.size(), 9u);
    EXPECT_EQ(tiles[0].rect, (platform::Rect{0, -30, 100, 70}));

    Show("/docs/fixed.htm",
         "<body background=\"tile.gif\" bgproperties=\"fixed\">"
         "<div style=\"height:400px\">a</div></body>");
    EXPECT_TRUE(doc->backgroundFixed());
    display->SetVerticalPosition(30);
    tiles = Only(PaintPanel(), Call::picture);
    ASSERT_EQ(tiles.size(), 6u);
    EXPECT_EQ(tiles[0].rect, (platform::Rect{0, 0, 100, 100}));

    // Pictures switched off: the colour alone.
    display->SetViewImages(false);
    EXPECT_TRUE(Only(PaintPanel(), Call::picture).empty());
}

TEST_F(EngineDisplayTest, PlainTextIsShownInThePreformattedFont) {
    files.addFile("/docs/log.txt", "first line\nsecond\n");
    display->LoadPlainTextFile("/docs/log.txt");
    // 10-point lines of 15 pixels between the page's margins; the line end that ends the text
    // makes no line.
    EXPECT_EQ(display->DocumentHeight(), 5 + 15 + 15 + 5);
    auto calls = PaintPanel();
    auto first = TextCalls(calls, u"first line");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].font.name, "Courier New");
    EXPECT_EQ(first[0].font.height, -13);
    EXPECT_EQ(first[0].x, 10);
    EXPECT_EQ(first[0].y, 5 + 15 - 3);
    ASSERT_EQ(TextCalls(calls, u"second").size(), 1u);
    EXPECT_EQ(TextCalls(calls, u"second")[0].y, 20 + 15 - 3);

    // "<" and "&" are text here.
    display->SetDefPreFontName("Verdana");
    files.addFile("/docs/log.txt", "a <b> &amp;\n");
    display->ReloadDocument();
    calls = PaintPanel();
    first = TextCalls(calls, u"a <b> &amp;");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].font.name, "Verdana");
}

TEST_F(EngineDisplayTest, ReloadingPlainTextAfterAFontSizeChangeKeepsTheLineAtTheTop) {
    files.addFile("/docs/source.txt", NumberedLines(30));
    display->LoadPlainTextFile("/docs/source.txt");
    ASSERT_EQ(display->DocumentHeight(), 5 + 30 * 15 + 5);
    // Seven pixels into "line 10" (top 5 + 10 * 15). Each line is a section of its 7
    // characters and a closing blank: "line 10" starts at position 80.
    display->SetVerticalPosition(5 + 150 + 7);
    EXPECT_EQ(display->ScrollPosition(), (80 + 1) * 65536 + 7);

    // 15 points make 12.5-point preformatted text: a 17-pixel em, lines of 20, descent 4.
    display->SetDefFontSize(15);
    display->ReloadDocument();
    ASSERT_EQ(display->DocumentHeight(), 5 + 30 * 20 + 5);
    EXPECT_EQ(display->VerticalPosition(), 5 + 10 * 20 + 7);
    const auto line = TextCalls(PaintPanel(), u"line 10");
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(line[0].y, 5 + 200 + 16 - 212);
}

TEST_F(EngineDisplayTest, ReloadingAPageAfterAFontSizeChangeKeepsTheParagraphAtTheTop) {
    std::string page;
    for (int i = 0; i < 40; ++i) {
        page += "<p>Paragraph " + std::string(i < 10 ? "0" : "") + std::to_string(i) + "</p>";
    }
    Show("/docs/report.htm", page);
    // Paragraph k's line: 14 + 33k (19-pixel lines 14 apart); each section holds
    // "Paragraph NN " (13 characters).
    display->SetVerticalPosition(14 + 33 * 20);
    EXPECT_EQ(display->ScrollPosition(), (20 * 13 + 1) * 65536);

    // 16 points: a 21-pixel em, 25-pixel lines, 39 apart.
    display->SetDefFontSize(16);
    display->ReloadDocument();
    EXPECT_EQ(display->VerticalPosition(), 14 + 39 * 20);

    // A narrower view wraps nothing here, and keeps the place too.
    display->SetSize(250, 200);
    EXPECT_EQ(display->VerticalPosition(), 14 + 39 * 20);
}

TEST_F(EngineDisplayTest, ABlankPageNamesNoPositionAndPaintsItsBackground) {
    display->ClearDocument();
    EXPECT_EQ(display->DocumentHeight(), 0);
    EXPECT_EQ(display->ScrollPosition(), 0);
    const auto calls = PaintPanel();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].call, Call::fillRect);
    EXPECT_EQ(doc->positionAt(10, 10), -1);
    EXPECT_EQ(doc->characterAt(0), 0);
    EXPECT_FALSE(doc->objectAt(0).has_value());
    EXPECT_FALSE(doc->moveLinkFocus(true).has_value());
}

TEST_F(EngineDisplayTest, HeadHooksReachTheControlAndLinkedSheetsComeThroughItsReading) {
    std::vector<std::string> metas;
    std::vector<std::string> links;
    display->OnMeta = [&](const std::string& equiv, const std::string& name,
                          const std::string& content) {
        metas.push_back(equiv + "|" + name + "|" + content);
    };
    display->OnLink = [&](const std::string& rel, const std::string& rev, const std::string& href) {
        links.push_back(rel + "|" + rev + "|" + href);
    };
    files.addFile("/docs/style/page.css", "p { color: #ff0000 }");
    Show("/docs/page.htm",
         "<head><meta http-equiv=\"refresh\" content=\"5; url=next.htm\">"
         "<link rel=\"stylesheet\" href=\"style/page.css\"></head><p>Red</p>");
    EXPECT_EQ(metas, (std::vector<std::string>{"refresh||5; url=next.htm"}));
    EXPECT_EQ(links, (std::vector<std::string>{"stylesheet||style/page.css"}));
    EXPECT_EQ(display->MetaRefreshDelay(), 5);
    const auto red = TextCalls(PaintPanel(), u"Red");
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(red[0].colour, kRed);

    // A sheet that is not a regular file is not read.
    files.addFile("/docs/style/device.css", "p { color: #ff0000 }");
    files.special.insert("/docs/style/device.css");
    Show("/docs/other.htm", "<link rel=\"stylesheet\" href=\"style/device.css\"><p>Black</p>");
    const auto black = TextCalls(PaintPanel(), u"Black");
    ASSERT_EQ(black.size(), 1u);
    EXPECT_EQ(black[0].colour, kBlack);
}

}  // namespace
}  // namespace kelvor::testing
