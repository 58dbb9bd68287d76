// The display control on real documents: links under the mouse and their states, following
// them, named positions, the keyboard focus, pictures with ISMAP, character positions and the
// selection.

#include <string>
#include <vector>

#include "engine_display_fixture.h"

namespace kelvor::testing {
namespace {

constexpr platform::RgbColour kBlack = 0x000000;
constexpr platform::RgbColour kWhite = 0xFFFFFF;
constexpr platform::RgbColour kBlue = 0xFF0000;  // 0x00BBGGRR
constexpr platform::RgbColour kGreen = 0x00FF00;
constexpr platform::RgbColour kPurple = 0x800080;

// "See " from x 10 to 42, "next" from 42 to 74, " page" after it; the line from y 14 to 33.
const char* const kLinkPage = "<p>See <a href=\"next.htm\">next</a> page</p>";

class EngineLinks : public EngineDisplayTest {
  protected:
    void SetUp() override {
        EngineDisplayTest::SetUp();
        display->OnLinkClick = [this](const std::string& src, bool& handled) {
            clicked.push_back(src);
            handled = handleClicks;
        };
        display->OnLinkCovered = [this](const std::string& src) { covered.push_back(src); };
    }

    platform::RgbColour LinkColour() {
        const auto calls = TextCalls(PaintPanel(), u"next");
        return calls.size() == 1 ? calls[0].colour : 0x1234567;
    }

    std::vector<std::string> clicked;
    std::vector<std::string> covered;
    bool handleClicks = true;
};

TEST_F(EngineLinks, TheMouseOverALinkShowsTheHandAndTellsItsAddress) {
    Show("/docs/page.htm", kLinkPage);
    display->MouseMove({}, 50, 20);
    EXPECT_EQ(display->HoverURL(), "next.htm");
    EXPECT_EQ(host.cursor(), engine::ViewCursor::hand);
    display->MouseMove({}, 20, 20);  // "See"
    EXPECT_EQ(display->HoverURL(), "");
    EXPECT_EQ(host.cursor(), engine::ViewCursor::iBeam);
    display->MouseMove({}, 200, 20);  // beside the line
    EXPECT_EQ(host.cursor(), engine::ViewCursor::arrow);
    display->MouseMove({}, 50, 40);  // below it, in the paragraph's margin
    EXPECT_EQ(host.cursor(), engine::ViewCursor::arrow);
    EXPECT_EQ(covered, (std::vector<std::string>{"next.htm", ""}));
}

TEST_F(EngineLinks, AClickOnALinkGoesThroughOnLinkClickBeforeItIsFollowed) {
    Show("/docs/page.htm", kLinkPage);
    files.addFile("/docs/next.htm", "<title>Next</title>next page");
    Click(20, 20);
    EXPECT_TRUE(clicked.empty());

    Click(50, 20);
    EXPECT_EQ(clicked, (std::vector<std::string>{"next.htm"}));
    EXPECT_EQ(display->CurrentFile(), "/docs/page.htm");

    handleClicks = false;
    Click(50, 20);
    EXPECT_EQ(clicked.size(), 2u);
    EXPECT_EQ(display->CurrentFile(), "/docs/next.htm");
    EXPECT_EQ(display->DocumentTitle(), "Next");

    // Back on the page, the link is drawn as visited.
    display->LoadHtmlFile("/docs/page.htm");
    EXPECT_TRUE(doc->linkVisited(0));
    EXPECT_EQ(LinkColour(), kPurple);
}

TEST_F(EngineLinks, TheLinkUnderTheMouseTakesTheHoverColourWhenOverLinksAreActive) {
    display->SetDefOverLinkColor(kGreen);
    Show("/docs/page.htm", kLinkPage);
    EXPECT_EQ(LinkColour(), kBlue);
    const auto link = TextCalls(PaintPanel(), u"next");
    ASSERT_EQ(link.size(), 1u);
    EXPECT_NE(link[0].font.style & platform::kFontUnderline, 0u);
    display->MouseMove({}, 50, 20);
    EXPECT_EQ(LinkColour(), kBlue);

    display->SetDisplayOptions(display->DisplayOptions() | engine::doOverLinksActive);
    display->MouseMove({}, 200, 20);
    display->ReloadDocument();
    host.invalidated.clear();
    display->MouseMove({}, 50, 20);
    EXPECT_FALSE(host.invalidated.empty());
    EXPECT_EQ(LinkColour(), kGreen);
    display->MouseMove({}, 20, 20);
    EXPECT_EQ(LinkColour(), kBlue);
}

TEST_F(EngineLinks, ALinkToANamedPositionScrollsItToTheTop) {
    // The first division holds the link on its first line (5 to 24); the paragraph's line
    // starts 14 below the division's end at 405; a second division makes room to scroll.
    const std::string page =
        "<div style=\"height:400px\"><a href=\"#end\">down</a></div>"
        "<p><a name=\"end\">End</a> here</p>"
        "<div style=\"height:400px\">x</div>";
    Show("/docs/page.htm", page);
    ASSERT_EQ(display->DocumentHeight(), 405 + 14 + 19 + 14 + 400 + 5);
    handleClicks = false;
    Click(20, 10);
    EXPECT_EQ(clicked, (std::vector<std::string>{"#end"}));
    EXPECT_EQ(display->VerticalPosition(), 419);
    ASSERT_FALSE(display->Visited().empty());
    EXPECT_EQ(display->Visited().front(), "/docs/page.htm#end");

    // The name in a path, in any case; an unknown name leaves the top.
    Show("/docs/other.htm", "other");
    display->LoadHtmlFile("/docs/page.htm#END");
    EXPECT_EQ(display->VerticalPosition(), 419);
    EXPECT_FALSE(display->GoToAnchor("nowhere"));
    EXPECT_EQ(display->VerticalPosition(), 419);
}

TEST_F(EngineLinks, TabMovesTheFocusThroughTheLinksAndEnterFollowsIt) {
    // "one" from x 10 to 34, " and " to 74, "two" to 98.
    Show("/docs/page.htm", "<p><a href=\"one.htm\">one</a> and <a href=\"two.htm\">two</a></p>");
    EXPECT_TRUE(display->KeyDown(engine::DisplayKey::tab, {}));
    ASSERT_TRUE(doc->focusedLink().has_value());
    EXPECT_EQ(doc->focusedLink()->url, "one.htm");
    EXPECT_EQ(doc->focusedLink()->top, 14);
    auto frames = Only(PaintPanel(), Call::frameRect);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].rect, (platform::Rect{10, 14, 34, 33}));

    EXPECT_TRUE(display->KeyDown(engine::DisplayKey::tab, {}));
    frames = Only(PaintPanel(), Call::frameRect);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].rect, (platform::Rect{74, 14, 98, 33}));

    // Past the last link the focus leaves the page; back from there it is on the last one.
    EXPECT_FALSE(display->KeyDown(engine::DisplayKey::tab, {}));
    EXPECT_FALSE(doc->focusedLink().has_value());
    EXPECT_TRUE(Only(PaintPanel(), Call::frameRect).empty());
    EXPECT_TRUE(display->KeyDown(engine::DisplayKey::tab, {true, false, false}));
    EXPECT_EQ(doc->focusedLink()->url, "two.htm");

    EXPECT_TRUE(display->KeyDown(engine::DisplayKey::enter, {}));
    EXPECT_TRUE(clicked.empty());
    host.runPosted();
    EXPECT_EQ(clicked, (std::vector<std::string>{"two.htm"}));
}

TEST_F(EngineLinks, AnIsmapPictureLinkAddsThePointInThePicture) {
    pictures.sizes["map.gif"] = {200, 100};
    Show("/docs/page.htm", "<a href=\"map.htm\"><img src=\"map.gif\" ismap></a>");
    // The linked picture has a 1-pixel border; its border box stands on the page's corner
    // (10, 5), the picture itself at (11, 6).
    display->MouseMove({}, 11 + 5, 6 + 7);
    EXPECT_EQ(display->HoverURL(), "map.htm?5,7");
    EXPECT_EQ(host.cursor(), engine::ViewCursor::hand);
    const engine::DocumentHit hit = doc->hitTest(11 + 5, 6 + 7);
    EXPECT_TRUE(hit.overImage);
    EXPECT_FALSE(hit.overText);
    EXPECT_EQ(hit.linkId, 0);
    Click(11 + 5, 6 + 7);
    EXPECT_EQ(clicked, (std::vector<std::string>{"map.htm?5,7"}));
}

TEST_F(EngineLinks, TitlesAreHints) {
    Show("/docs/page.htm", "<p><span title=\"A hint\">hinted</span> plain</p>");
    engine::DocumentHit hit = doc->hitTest(20, 20);
    EXPECT_EQ(hit.hint, "A hint");
    EXPECT_TRUE(hit.overText);
    EXPECT_EQ(hit.linkId, -1);
    hit = doc->hitTest(10 + 8 * 8, 20);  // "plain"
    EXPECT_EQ(hit.hint, "");
    EXPECT_TRUE(hit.overText);
}

// "Hello world": characters 8 wide from x 10, the line from y 14 to 33; the section holds
// "Hello world " (positions 0 to 11).
TEST_F(EngineLinks, PositionsUnderTheMouse) {
    Show("/docs/page.htm", "<p>Hello world</p>");
    EXPECT_EQ(doc->positionAt(19, 20), 1);
    EXPECT_EQ(doc->positionAt(10 + 8 * 6, 20), 6);
    EXPECT_EQ(doc->positionAt(5, 20), 0);     // left of the line: its start
    EXPECT_EQ(doc->positionAt(200, 20), 11);  // right of it: after "world"
    EXPECT_EQ(doc->positionAt(50, 0), 0);     // above it: the next line's start
    EXPECT_EQ(doc->positionAt(50, 100), 12);  // below every line: the end
    EXPECT_EQ(doc->characterAt(6), u'w');
    EXPECT_EQ(doc->characterAt(11), u' ');
    EXPECT_EQ(doc->characterAt(12), 0);
    EXPECT_EQ(doc->characterAt(-1), 0);
}

TEST_F(EngineLinks, PositionsCountTheTextOfNestedBlocksInReadingOrder) {
    // Each section ends in one blank: "one " 0-3, "two " 4-7, "three " 8-13.
    Show("/docs/page.htm", "<ul><li>one<li>two</ul><p>three</p>");
    EXPECT_EQ(doc->characterAt(0), u'o');
    EXPECT_EQ(doc->characterAt(3), u' ');
    EXPECT_EQ(doc->characterAt(4), u't');
    EXPECT_EQ(doc->characterAt(8), u't');
    EXPECT_EQ(doc->characterAt(12), u'e');
    EXPECT_EQ(doc->characterAt(14), 0);
    // Each line is named by its first position, and found again at its top.
    const auto second = doc->objectAt(*doc->objectTop(4));
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->index, 4);
    EXPECT_EQ(doc->objectTop(5), doc->objectTop(4));
    EXPECT_LT(*doc->objectTop(4), *doc->objectTop(8));
    EXPECT_FALSE(doc->objectTop(14).has_value());
    EXPECT_FALSE(doc->objectTop(-1).has_value());
}

TEST_F(EngineLinks, TableCellsCountInReadingOrderAndNameTheirLines) {
    // Cells are read row by row: "a " 0-1, "b " 2-3, "c " 4-5; the second row lies below the
    // first, so its line is found again at its own top.
    Show("/docs/page.htm", "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>");
    EXPECT_EQ(doc->characterAt(0), u'a');
    EXPECT_EQ(doc->characterAt(2), u'b');
    EXPECT_EQ(doc->characterAt(4), u'c');
    EXPECT_EQ(doc->characterAt(6), 0);
    ASSERT_TRUE(doc->objectTop(4).has_value());
    ASSERT_TRUE(doc->objectTop(0).has_value());
    EXPECT_EQ(doc->objectTop(2), doc->objectTop(0));
    EXPECT_LT(*doc->objectTop(0), *doc->objectTop(4));
    const auto third = doc->objectAt(*doc->objectTop(4));
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(third->index, 4);
}

TEST_F(EngineLinks, DraggingSelectsAndTheSelectionIsPaintedInverted) {
    Show("/docs/page.htm", "<p>Hello world</p>");
    display->MouseDown(engine::MouseButton::left, {}, 19, 20);  // "e"
    display->MouseMove({}, 67, 20);                             // the "o" of "world"
    display->MouseUp(engine::MouseButton::left, {}, 67, 20);
    EXPECT_EQ(display->SelStart(), 1);
    EXPECT_EQ(display->SelEnd(), 7);
    const auto calls = PaintPanel();
    const auto selected = TextCalls(calls, u"ello w");
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected[0].x, 18);
    EXPECT_EQ(selected[0].colour, kWhite);
    ASSERT_TRUE(selected[0].background.has_value());
    EXPECT_EQ(*selected[0].background, kBlack);
    const auto rest = TextCalls(calls, u"orld");
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].x, 66);
    EXPECT_FALSE(rest[0].background.has_value());

    // A double-click on "r" takes the word.
    display->DoubleClick({}, 75, 20);
    EXPECT_EQ(display->SelStart(), 6);
    EXPECT_EQ(display->SelEnd(), 11);
    EXPECT_EQ(TextCalls(PaintPanel(), u"world").size(), 1u);
}

}  // namespace
}  // namespace kelvor::testing
