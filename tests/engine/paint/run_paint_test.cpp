#include <gtest/gtest.h>

#include "../layout/layout_fixture.h"

namespace kelvor::engine::testing {
namespace {

using Lines = std::vector<std::string>;
using RunPainting = LayoutFixture;

TEST_F(RunPainting, PageBackgroundThenOneCallPerRun) {
    auto s = section();
    Add(*s, "a ", top());
    const TProperties& bold = push("b");
    s->changeFont(bold);
    Add(*s, "b", bold, 2);
    pop();
    s->changeFont(top());
    Add(*s, " c", top(), 3);
    cell->addSection(std::move(s));
    layout(800);
    EXPECT_EQ(paint(), (Lines{"fill 0 0 800 29 #d4d0c8", "text 10 20 16 #000000 \"a \"",
                              "text 26 20 16 #000000 \"b\"", "text 34 20 16 #000000 \" c\""}));
}

TEST_F(RunPainting, LinkColoursFollowTheLinksState) {
    auto s = section();
    TLinkTarget& link = doc.startLink("x.htm", "", 0);
    const TProperties& a = push("a");
    s->changeFont(a);
    Add(*s, "here", a);
    doc.endLink(4);
    cell->addSection(std::move(s));
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #0000ff \"here\""}));
    link.visited = true;
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #800080 \"here\""}));
    // Hover colours show only when the document or the viewer asks for them.
    doc.hoverLink = &link;
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #800080 \"here\""}));
    doc.hasHoverColours = true;
    doc.styleList().setLinkColour("hover", 0x00FF00);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #0000ff \"here\""}));
    // The link with the keyboard focus gets a frame over its text's cell.
    doc.focusedLink = &link;
    EXPECT_EQ(paintItems(),
              (Lines{"text 10 20 16 #0000ff \"here\"", "frame 10 5 32 19 #0000ff 1"}));
}

TEST_F(RunPainting, SelectedTextIsDrawnInverted) {
    text("abc def");
    layout(800);
    doc.selectionStart = 4;
    doc.selectionEnd = 7;
    // Without a background of its own, the selection is the text colour behind the text in
    // its exclusive-or with white.
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #000000 \"abc \"",
                                   "text 42 20 16 #ffffff \"def\" on #000000"}));
}

TEST_F(RunPainting, InlineBackgroundAndSelectedBackground) {
    auto s = section();
    const TProperties& marked = push("span", "background-color: #ffff00; color: #0000ff");
    s->changeFont(marked);
    Add(*s, "hi", marked);
    cell->addSection(std::move(s));
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #0000ff \"hi\" on #ffff00"}));
    doc.selectionStart = 0;
    doc.selectionEnd = 1;
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #ffff00 \"h\" on #0000ff",
                                   "text 18 20 16 #0000ff \"i\" on #ffff00"}));
}

TEST_F(RunPainting, SuperscriptAndSubscriptMoveByAThirdOfTheirEm) {
    auto s = section();
    Add(*s, "x", top());
    const TProperties& sup = push("sup");  // 9 pt: em 12
    s->changeFont(sup);
    Add(*s, "2", sup, 1);
    pop();
    const TProperties& sub = push("sub");
    s->changeFont(sub);
    Add(*s, "i", sub, 2);
    cell->addSection(std::move(s));
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 10 20 16 #000000 \"x\"", "text 18 16 12 #000000 \"2\"",
                                   "text 24 24 12 #000000 \"i\""}));
}

TEST_F(RunPainting, InlineBoxBorderAroundWhatItHolds) {
    auto s = section();
    Add(*s, "a ", top());
    const TProperties& span = push("span", "border: 1px solid #ff0000");
    const int id = doc.startInlineBorder(span);
    s->changeFont(span);
    Add(*s, "b", span, 2);
    doc.endInlineBorder(id);
    pop();
    s->changeFont(top());
    Add(*s, " c", top(), 3);
    cell->addSection(std::move(s));
    layout(800);
    // "b" runs from 26 to 34; the border lies one pixel outside it and the text's cell (5..24).
    EXPECT_EQ(paintItems(),
              (Lines{"fill 25 4 10 1 #ff0000", "fill 34 4 1 21 #ff0000", "fill 25 24 10 1 #ff0000",
                     "fill 25 4 1 21 #ff0000", "text 10 20 16 #000000 \"a \"",
                     "text 26 20 16 #000000 \"b\"", "text 34 20 16 #000000 \" c\""}));
}

TEST_F(RunPainting, InlineBoxOverTwoLinesOpensOnOneAndClosesOnTheOther) {
    auto s = section();
    const TProperties& span =
        push("span", "border-left: 2px solid #ff0000; border-right: 3px solid #00ff00");
    const int id = doc.startInlineBorder(span);
    Add(*s, "aaaa bbbb", span);
    doc.endInlineBorder(id);
    cell->addSection(std::move(s));
    layout(60);
    EXPECT_EQ(paintItems(), (Lines{"fill 8 5 2 19 #ff0000", "text 10 20 16 #000000 \"aaaa\"",
                                   "fill 42 24 3 19 #00ff00", "text 10 39 16 #000000 \"bbbb\""}));
}

TEST_F(RunPainting, OnlyWhatMeetsThePaintedAreaIsPainted) {
    text("first");
    text("second");
    layout(800);
    platform::fixed::RecordingCanvas canvas;
    PaintContext area(canvas, doc, platform::Rect{0, 30, 800, 40});
    PaintDocument(area);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(Format(canvas.calls[0]), "fill 0 30 800 10 #d4d0c8");
    EXPECT_EQ(Format(canvas.calls[1]), "text 10 39 16 #000000 \"second\"");
    // The canvas may start lower in the document.
    platform::fixed::RecordingCanvas scrolled;
    PaintContext moved(scrolled, doc, platform::Rect{0, 24, 800, 43}, 0, 24);
    PaintDocument(moved);
    EXPECT_EQ(Format(scrolled.calls.back()), "text 10 15 16 #000000 \"second\"");
}

TEST_F(RunPainting, PrintedTextColours) {
    push("span", "color: #f0f0a0");
    text("pale");
    layout(800);
    platform::fixed::RecordingCanvas canvas;
    PaintContext printing(canvas, doc, platform::Rect{0, 0, 800, 29});
    printing.printing = true;
    doc.printTableBackground = false;
    PaintDocument(printing);
    EXPECT_EQ(Format(canvas.calls.back()), "text 10 20 16 #a0a0a0 \"pale\"");
    // A printer of two colours prints everything but white in black.
    device.bits = 1;
    doc.printMonochromeBlack = true;
    canvas.calls.clear();
    PaintDocument(printing);
    EXPECT_EQ(Format(canvas.calls.back()), "text 10 20 16 #000000 \"pale\"");
}

TEST_F(RunPainting, HiddenTextIsNotPainted) {
    push("p", "visibility: hidden");
    text("secret");
    pop();
    text("shown");
    layout(800);
    EXPECT_EQ(paintItems(), (Lines{"text 10 39 16 #000000 \"shown\""}));
}

}  // namespace
}  // namespace kelvor::engine::testing
