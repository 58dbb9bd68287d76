// kelvor-layout's dump of small documents read, laid out and painted on the fixed metrics
// (em 16, cell 19, descent 4, characters 8 wide for 12 pt), with the viewer's page defaults
// (margins 10 and 5, text in button text #000000 on button face #d4d0c8). Every number below is
// worked out by hand in the comment above it.

#include "tools/kelvor_layout/layout_dump.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/paint/hit_test.h"
#include "platform/fixed/fixed_font_services.h"
#include "tools/kelvor_layout/dump_canvas.h"
#include "tools/kelvor_layout/options.h"

namespace {

using namespace kelvor;

class LayoutDump : public ::testing::Test {
  protected:
    platform::fixed::FixedFontServices fonts;

    std::string dump(const std::string& html, int width = 800) {
        tools::LaidOutDocument laidOut = tools::LayOutHtml(html, width, fonts);
        std::ostringstream out;
        tools::WriteLayoutDump(out, laidOut);
        return out.str();
    }
};

TEST_F(LayoutDump, OneParagraphWithEscapedQuotesAndBackslash) {
    // The first block's 14-px automatic margin less the body's 5 leaves 9: the line's top is
    // 5 + 9 = 14 and its baseline 14 + 19 - 4 = 29. Height 33 + 14 + 5. The final blank is not
    // drawn.
    EXPECT_EQ(dump("<p>a \"q\" \\ b</p>"),
              "document 800 52\n"
              "fill 0 0 800 52 #d4d0c8\n"
              "text 10 29 16 #000000 \"a \\\"q\\\" \\\\ b\"\n");
}

TEST_F(LayoutDump, TwoParagraphsAreFourteenPixelsApart) {
    // Second line top 33 + 14 = 47, baseline 62; bottom 66 + 14 + 5 = 85.
    EXPECT_EQ(dump("<p>A</p><p>B</p>"),
              "document 800 85\n"
              "fill 0 0 800 85 #d4d0c8\n"
              "text 10 29 16 #000000 \"A\"\n"
              "text 10 62 16 #000000 \"B\"\n");
}

TEST_F(LayoutDump, OverLongWordWidensTheDocumentByTheMargins) {
    // Twelve characters are 96 px in an 80-px line: the document is 96 + 2 * 10 wide.
    EXPECT_EQ(dump("<p>WWWWWWWWWWWW</p>", 100),
              "document 116 52\n"
              "fill 0 0 116 52 #d4d0c8\n"
              "text 10 29 16 #000000 \"WWWWWWWWWWWW\"\n");
}

TEST_F(LayoutDump, JustifiedLineIsDrawnWordByWordAtItsPlaces) {
    // 80 px of room: "aa bb cc" is 64 px; the 16 spare pixels go 8 and 8 to its two spaces, so
    // the words start at 10, 10 + 16 + 16 = 42 and 42 + 32 = 74 and end at 90, the right side.
    // The last line is not stretched. Height 14 + 2 * 19 + 14 + 5.
    const std::string out = dump("<p align=justify>aa bb cc dd</p>", 100);
    EXPECT_EQ(out.substr(0, out.find("text")), "document 100 71\nfill 0 0 100 71 #d4d0c8\n");
    EXPECT_NE(out.find("text 10 29 16 #000000 \"aa"), std::string::npos) << out;
    EXPECT_NE(out.find("text 42 29 16 #000000 \"bb"), std::string::npos) << out;
    EXPECT_NE(out.find("text 74 29 16 #000000 \"cc\"\n"), std::string::npos) << out;
    EXPECT_NE(out.find("text 10 48 16 #000000 \"dd\"\n"), std::string::npos) << out;
}

TEST_F(LayoutDump, BulletOfAListItemAndItsText) {
    // UL: padding 35, so the item's content starts at L = 45; the list's automatic top margin is
    // cut to 9 by the body, the line's baseline is 29; the disc is 5 x 5 at (L - 15, 29 - 6).
    const std::string out = dump("<ul><li>x</ul>");
    EXPECT_EQ(out.substr(0, out.find('\n', out.find('\n') + 1) + 1),
              "document 800 52\nfill 0 0 800 52 #d4d0c8\n");
    EXPECT_NE(out.find("ellipse 30 23 5 5 #000000 #000000\n"), std::string::npos) << out;
    EXPECT_NE(out.find("text 45 29 16 #000000 \"x\"\n"), std::string::npos) << out;
}

TEST_F(LayoutDump, RomanNumbersFromTypeAndValueEndTenPixelsLeftOfTheItem) {
    // L = 45; "i." is 16 px wide and ends at 35, so it starts at 19; VALUE 20 gives "xx." (24 px,
    // from 11) on the next line (baseline 48). Height 14 + 2 * 19 + 14 + 5.
    EXPECT_EQ(dump("<ol type=i><li>x<li value=20>y</ol>"),
              "document 800 71\n"
              "fill 0 0 800 71 #d4d0c8\n"
              "text 45 29 16 #000000 \"x\"\n"
              "text 19 29 16 #000000 \"i.\"\n"
              "text 45 48 16 #000000 \"y\"\n"
              "text 11 48 16 #000000 \"xx.\"\n");
}

TEST_F(LayoutDump, NestedListsShowDiscCircleAndSquare) {
    // Each level indents 35 more (L = 45, 80, 115); lists inside items lose their automatic top
    // margin, so the lines follow each other: baselines 29, 48, 67. Disc (L - 15, b - 6) 5 x 5
    // filled; circle (L - 16, b - 8) 7 x 7 outlined; square (L - 15, b - 6) to (L - 10, b - 1).
    const std::string out = dump("<ul><li>a<ul><li>b<ul><li>c</ul></ul></ul>");
    EXPECT_NE(out.find("ellipse 30 23 5 5 #000000 #000000\n"), std::string::npos) << out;
    EXPECT_NE(out.find("ellipse 64 40 7 7 #000000\n"), std::string::npos) << out;
    EXPECT_NE(out.find("fill 100 61 5 5 #000000\n"), std::string::npos) << out;
    EXPECT_NE(out.find("text 115 67 16 #000000 \"c\"\n"), std::string::npos) << out;
}

TEST_F(LayoutDump, BreakMarkIsNeverDrawn) {
    // Each BR ends its line: baselines 5 + 15 = 20 and 20 + 19 = 39.
    EXPECT_EQ(dump("a<br>b"),
              "document 800 48\n"
              "fill 0 0 800 48 #d4d0c8\n"
              "text 10 20 16 #000000 \"a\"\n"
              "text 10 39 16 #000000 \"b\"\n");
}

TEST_F(LayoutDump, IsmapPictureInALinkReportsThePointInsideItsBorder) {
    // The linked picture gets a 1-px border: 52 x 42. Sitting on the baseline of a line at the
    // body's top (5), it raises the baseline to 5 + 42 = 47 and its box spans (10, 5)-(62, 47);
    // the picture itself starts at (11, 6).
    tools::LaidOutDocument laidOut = tools::LayOutHtml(
        "<a href=\"map.htm\"><img src=\"x.gif\" ismap width=50 height=40></a>", 800, fonts);
    const engine::HitResult hit = engine::HitTest(*laidOut.document, 11 + 5, 6 + 7);
    EXPECT_EQ(hit.flags & engine::kHitLink, engine::kHitLink);
    EXPECT_EQ(hit.url, "map.htm?5,7");
    EXPECT_EQ(engine::HitTest(*laidOut.document, 70, 30).url, "");
}

TEST(DumpCanvasText, ColoursAreRgbAndTextIsUtf8WithEscapes) {
    EXPECT_EQ(tools::DumpCanvas::Hex(0x00CC8844), "#4488cc");  // 0x00BBGGRR
    EXPECT_EQ(tools::DumpCanvas::Quoted(u"\u00A0\"\\\U0001F600"),
              "\"\xC2\xA0\\\"\\\\\xF0\x9F\x98\x80\"");
    EXPECT_EQ(tools::DumpCanvas::Quoted(std::u16string(1, char16_t(0xD800))), "\"\xEF\xBF\xBD\"");
}

TEST(LayoutOptions, CommandLine) {
    std::string error;
    auto options = tools::ParseLayoutOptions(
        {"--width", "320", "--canvas", "qt", "--png", "o.png", "--tree", "f.htm"}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->width, 320);
    EXPECT_TRUE(options->qtCanvas);
    EXPECT_EQ(options->png, "o.png");
    EXPECT_TRUE(options->tree);
    EXPECT_EQ(options->file, "f.htm");
    options = tools::ParseLayoutOptions({"f.htm"}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->width, 800);
    EXPECT_FALSE(options->qtCanvas);
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{},
                                               {"--width", "0", "f"},
                                               {"--width", "12x", "f"},
                                               {"--width"},
                                               {"--canvas", "gdi", "f"},
                                               {"--bogus", "f"},
                                               {"a", "b"}}) {
        error.clear();
        EXPECT_FALSE(tools::ParseLayoutOptions(wrong, error));
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace

namespace {

// Form controls have no windows in the dump: they draw themselves in their lines, an edit as a
// white box with its frame and its text inside, a check box as a framed square after it.
TEST_F(LayoutDump, FormControlsDrawThemselvesWhereTheLineHoldsThem) {
    const std::string out =
        dump("<form><input name=q value=abc><input type=checkbox name=c checked></form>");
    std::istringstream lines(out);
    std::string line;
    std::vector<std::vector<std::string>> frames;
    int textX = -1;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::vector<std::string> parts;
        std::string word;
        while (words >> word)
            parts.push_back(word);
        if (!parts.empty() && parts[0] == "frame")
            frames.push_back(parts);
        if (parts.size() >= 6 && parts[0] == "text" && parts[5] == "\"abc\"")
            textX = std::stoi(parts[1]);
    }
    ASSERT_EQ(frames.size(), 2u) << out;
    // The edit is the line's first thing: it starts at the page's left margin, 10.
    EXPECT_EQ(frames[0][1], "10");
    const int editRight = 10 + std::stoi(frames[0][3]);
    EXPECT_GT(textX, 10);
    EXPECT_LT(textX, editRight);
    // The check box follows the edit on the same line.
    EXPECT_GE(std::stoi(frames[1][1]), editRight);
}

}  // namespace
