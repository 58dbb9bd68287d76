// The control's document on the real reader, layout, painting and hit testing, on the fixed
// metrics (12 pt: em 16, cell 19, descent 4, characters 8 wide) with the page defaults
// (margins 10 and 5). Positions are worked out by hand in the comments.

#include "engine/view/engine_document.h"

#include <gtest/gtest.h>

#include "platform/fixed/fixed_font_services.h"
#include "platform/fixed/recording_canvas.h"

namespace {

using namespace kelvor;
using engine::EngineDocument;
using platform::fixed::RecordingCanvas;

class EngineDocumentTest : public ::testing::Test {
  protected:
    platform::fixed::FixedFontServices fonts;
    EngineDocument document{fonts};

    engine::ViewExtent load(const std::string& html, int width = 800,
                            engine::ViewDefaults defaults = {}) {
        document.clear(defaults);
        document.readHtml(html, {});
        return document.layout(width, 600);
    }
};

TEST_F(EngineDocumentTest, LoadsTitleAndLaysOutToTheDocumentsHeight) {
    // Lines at 14 and 47 (the paragraphs' collapsed 14-px margin), the last paragraph ends at
    // 66, plus its bottom margin 14 and the body's 5.
    const engine::ViewExtent extent = load("<title>T</title><p>A</p><p>B</p>");
    EXPECT_EQ(extent.height, 85);
    EXPECT_EQ(extent.width, 800);
    EXPECT_EQ(document.texts().title, "T");
    // A plain text: one preformatted line per source line, 10-pt Courier (em 13, cell 15), the
    // body's top margin 5, the PRE's none: 5 + 2 * 15 + 5.
    document.clear({});
    document.readPlainText("one\r\ntwo");
    EXPECT_EQ(document.layout(800, 600).height, 40);
    EXPECT_EQ(document.texts().title, "");
}

TEST_F(EngineDocumentTest, PaintsTheBackgroundThenAColouredBlockAtTheScrollOffset) {
    // The DIV is the first block (no margin) at the body's top 5 and 20 high, from 10 to 790.
    // Scrolled by 3, it is drawn at client Y 2.
    load("<div style=\"background-color:#ff0000;height:20px\"></div>");
    document.setOffset(0, 3);
    RecordingCanvas canvas;
    document.paint(canvas, platform::Rect{0, 0, 800, 50});
    ASSERT_GE(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].call, RecordingCanvas::Call::fillRect);
    EXPECT_EQ(canvas.calls[0].rect, (platform::Rect{0, 0, 800, 50}));
    EXPECT_EQ(canvas.calls[0].colour, 0xC8D0D4u);  // button face #d4d0c8
    EXPECT_EQ(canvas.calls[1].call, RecordingCanvas::Call::fillRect);
    EXPECT_EQ(canvas.calls[1].rect, (platform::Rect{10, 2, 790, 22}));
    EXPECT_EQ(canvas.calls[1].colour, 0x0000FFu);  // red
}

TEST_F(EngineDocumentTest, HitTestFindsTheLinkUnderItsText) {
    // "link" at the body's top: the line spans Y 5 to 24, the text X 10 to 42.
    load("<a href=\"x.htm\" target=\"t\">link</a> <a href=\"y.htm\">two</a>");
    const engine::DocumentHit hit = document.hitTest(12, 10);
    EXPECT_EQ(hit.linkId, 0);
    EXPECT_EQ(hit.url, "x.htm");
    EXPECT_EQ(hit.target, "t");
    EXPECT_TRUE(hit.overText);
    // "two" starts after "link " at 50.
    EXPECT_EQ(document.hitTest(51, 10).linkId, 1);
    const engine::DocumentHit nothing = document.hitTest(300, 10);
    EXPECT_EQ(nothing.linkId, -1);
    EXPECT_FALSE(nothing.overText);
    EXPECT_EQ(document.linkCount(), 2);
    EXPECT_EQ(document.linkUrl(1), "y.htm");
    document.setLinkVisited(1, true);
    EXPECT_TRUE(document.linkVisited(1));
    EXPECT_FALSE(document.linkVisited(0));
}

TEST_F(EngineDocumentTest, HoverMattersOnlyWhenLinksShowIt) {
    load("<a href=\"x.htm\">link</a>");
    EXPECT_FALSE(document.setHoverLink(0));
    engine::ViewDefaults active;
    active.overLinksActive = true;
    load("<a href=\"x.htm\">link</a>", 800, active);
    EXPECT_TRUE(document.setHoverLink(0));
    EXPECT_FALSE(document.setHoverLink(0));
    EXPECT_TRUE(document.setHoverLink(-1));
}

TEST_F(EngineDocumentTest, AnchorsAreFoundAtTheirLinesTop) {
    // The anchor's text is on the second paragraph's line, top 47.
    load("<p>A</p><p><a name=\"here\">B</a></p><div id=\"Low\">C</div>");
    const engine::AnchorLookup here = document.findAnchor("HERE");
    EXPECT_TRUE(here.found);
    EXPECT_EQ(here.top, 47);
    // The DIV follows the paragraph's 14-px bottom margin: 66 + 14.
    EXPECT_EQ(document.findAnchor("LOW").top, 80);
    EXPECT_FALSE(document.findAnchor("NOPE").found);
}

TEST_F(EngineDocumentTest, ScrollPositionsNameLinesThatSurviveANewWidth) {
    // At 100 px "aa bb cc" fills the first line (top 14) and "dd" (source position 12) the
    // second (top 33); at 800 px all is one line at 14.
    load("<p>aa bb cc dd</p>", 100);
    EXPECT_FALSE(document.objectAt(0).has_value());  // above the first line
    const std::optional<engine::PositionedObject> second = document.objectAt(40);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->index, 12);
    EXPECT_EQ(second->top, 33);
    EXPECT_EQ(document.objectAt(20)->index, 3);
    // Below the last line the last line is still named.
    EXPECT_EQ(document.objectAt(70)->index, 12);
    document.layout(800, 600);
    EXPECT_EQ(document.objectTop(12), 14);
    EXPECT_EQ(document.objectTop(3), 14);
    EXPECT_FALSE(document.objectTop(500).has_value());
}

TEST_F(EngineDocumentTest, CharacterPositionsAndSelection) {
    // "aa bb": source positions 3 to 7; X 18 to 26 is the second "a" (position 4).
    load("<p>aa bb</p>");
    EXPECT_EQ(document.positionAt(19, 20), 4);
    EXPECT_EQ(document.positionAt(43, 20), 7);
    EXPECT_EQ(document.positionAt(19, 2), -1);
    EXPECT_EQ(document.characterAt(6), u'b');
    EXPECT_EQ(document.characterAt(999), u'\0');
    document.setSelection(7, 4);
    EXPECT_EQ(document.document().selectionStart, 4);
    EXPECT_EQ(document.document().selectionEnd, 7);
    document.setSelection(5, 5);
    EXPECT_EQ(document.document().selectionStart, -1);
}

TEST_F(EngineDocumentTest, CharacterUnderThePointOnAVeryLongPreformattedLine) {
    // 10-pt Courier: characters 6 wide. Character k of the line (source position 5 + k) starts
    // at 10 + 6k; the line is at the body's top, Y 5 to 20.
    load("<pre>" + std::string(100000, 'a') + "</pre>");
    EXPECT_EQ(document.positionAt(10 + 6 * 70000 + 2, 10), 5 + 70000);
    EXPECT_EQ(document.positionAt(10 + 6 * 99999 + 5, 10), 5 + 99999);
    EXPECT_EQ(document.positionAt(10, 10), 5);
}

TEST_F(EngineDocumentTest, TabWalksTheLinksAndThenLeavesThem) {
    // The second link has a TABINDEX, so it comes first; then the first in document order.
    load("<p>A</p><p><a href=\"a.htm\">a</a> <a href=\"b.htm\" tabindex=1>b</a></p>");
    std::optional<engine::FocusedLink> focus = document.moveLinkFocus(true);
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->url, "b.htm");
    EXPECT_EQ(focus->top, 47);
    focus = document.moveLinkFocus(true);
    ASSERT_TRUE(focus);
    EXPECT_EQ(focus->linkId, 0);
    EXPECT_EQ(document.focusedLink()->url, "a.htm");
    EXPECT_FALSE(document.moveLinkFocus(true));
    EXPECT_FALSE(document.focusedLink());
    EXPECT_EQ(document.moveLinkFocus(false)->url, "a.htm");
}

TEST_F(EngineDocumentTest, DefaultBackgroundGivesWayToTheBodysColour) {
    load("<p>A</p>");
    document.setDefaultBackground(0x00FF00);
    EXPECT_EQ(document.background(), 0x00FF00u);
    load("<body bgcolor=\"#0000ff\"><p>A</p>");
    document.setDefaultBackground(0x00FF00);
    EXPECT_EQ(document.background(), 0xFF0000u);  // blue in 0x00BBGGRR
}

}  // namespace
