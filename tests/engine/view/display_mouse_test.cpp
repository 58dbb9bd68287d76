#include <string>
#include <vector>

#include "engine/view/display_files.h"
#include "engine/view/display_fixture.h"

namespace kelvor::testing {
namespace {

using engine::MouseButton;
using engine::ViewCursor;
using engine::ViewTimer;

// 60 lines of ten characters, 19 pixels each: 1140 high, positions 0 .. 942.
std::string TextLines() {
    std::string page;
    for (int i = 0; i < 60; ++i) {
        page += "abcdefghij\n";
    }
    return page;
}

TEST_F(DisplayTest, APressEmptiesTheSelectionToItsPointAndADragExtendsIt) {
    Show("/docs/a.htm", TextLines());
    display->MouseDown(MouseButton::left, {}, 20, 5);  // line 0, character 2
    EXPECT_EQ(host.focusRequests, 1);
    EXPECT_EQ(display->SelStart(), 2);
    EXPECT_EQ(display->SelEnd(), 2);
    EXPECT_EQ(display->CaretPos(), 2);
    display->MouseMove({}, 44, 24);  // line 1 (starts at 10), character 5
    EXPECT_EQ(display->SelStart(), 2);
    EXPECT_EQ(display->SelEnd(), 15);
    EXPECT_EQ(doc->selectionEnd, 15);
    display->MouseUp(MouseButton::left, {}, 4, 5);  // back before the caret
    EXPECT_EQ(display->SelStart(), 0);
    EXPECT_EQ(display->SelEnd(), 2);
    // Shift extends from the caret.
    display->MouseDown(MouseButton::left, {.shift = true}, 76, 43);  // line 2, character 9
    EXPECT_EQ(display->SelStart(), 2);
    EXPECT_EQ(display->SelEnd(), 29);
    // A move without the button selects nothing.
    display->MouseUp(MouseButton::left, {.shift = true}, 76, 43);
    display->MouseMove({}, 4, 100);
    EXPECT_EQ(display->SelEnd(), 29);
}

TEST_F(DisplayTest, NoSelectRemovesTheSelectionAndMouseSelection) {
    Show("/docs/a.htm", TextLines());
    display->MouseDown(MouseButton::left, {}, 0, 5);
    display->MouseMove({}, 40, 5);
    EXPECT_EQ(display->SelEnd(), 5);
    display->MouseUp(MouseButton::left, {}, 40, 5);
    display->SetNoSelect(true);
    EXPECT_EQ(display->SelStart(), -1);
    EXPECT_EQ(doc->selectionStart, -1);
    display->MouseDown(MouseButton::left, {}, 0, 5);
    display->MouseMove({}, 40, 5);
    display->DoubleClick({}, 40, 5);
    EXPECT_EQ(display->SelStart(), -1);
}

TEST_F(DisplayTest, ADoubleClickSelectsTheWordUnderTheMouse) {
    Show("/docs/a.htm", "Hello w\xF6rld2-ok");
    int doubles = 0;
    display->OnMouseDouble = [&](MouseButton, engine::ShiftState, int, int) { ++doubles; };
    display->DoubleClick({}, 7 * 8 + 2, 5);  // on character 246, a word character
    EXPECT_EQ(display->SelStart(), 6);
    EXPECT_EQ(display->SelEnd(), 12);
    EXPECT_EQ(display->CaretPos(), 6);
    EXPECT_EQ(doubles, 1);
    display->DoubleClick({}, 13 * 8, 5);  // "ok" after the hyphen
    EXPECT_EQ(display->SelStart(), 13);
    EXPECT_EQ(display->SelEnd(), 15);
    display->DoubleClick({}, 12 * 8, 5);  // the hyphen is no word: the selection stays
    EXPECT_EQ(display->SelStart(), 13);
}

TEST_F(DisplayTest, DraggingBelowTheBottomEdgeScrollsEveryHundredMilliseconds) {
    Show("/docs/a.htm", TextLines());
    display->MouseDown(MouseButton::left, {}, 4, 10);
    host.mouse = {4, 203};  // 5 below the panel's bottom (198)
    display->MouseMove({}, 4, 203);
    EXPECT_EQ(display->VerticalPosition(), 0);  // started after the handler returns
    host.runPosted();
    EXPECT_EQ(display->VerticalPosition(), 16);
    EXPECT_EQ(host.running.at(ViewTimer::autoScroll), 100);
    EXPECT_TRUE(display->AutoScrolling());
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 32);
    host.mouse = {4, 214};  // 16 below: eight lines a step
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 160);
    host.mouse = {4, 213};  // 15 below: one line again
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 176);
    // The selection follows the mouse: the last full line in view is 373 / 19 = line 19.
    EXPECT_GT(display->SelEnd(), 0);
    // Releasing the button ends it at the next step.
    display->MouseUp(MouseButton::left, {}, 4, 213);
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 176);
    EXPECT_FALSE(host.timerRunning(ViewTimer::autoScroll));
    EXPECT_FALSE(display->AutoScrolling());
}

TEST_F(DisplayTest, DraggingAboveTheTopEdgeScrollsUp) {
    Show("/docs/a.htm", TextLines());
    display->SetVerticalPosition(500);
    display->MouseDown(MouseButton::left, {}, 4, 100);
    host.mouse = {4, 0};
    display->MouseMove({}, 4, 0);
    host.runPosted();
    EXPECT_EQ(display->VerticalPosition(), 484);
    host.mouse = {4, -16};
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 356);
    host.mouse = {4, 50};  // back inside: the loop ends
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 356);
    EXPECT_FALSE(host.timerRunning(ViewTimer::autoScroll));
}

TEST_F(DisplayTest, TheMiddleButtonPansByTheDistanceFromWhereItWentDown) {
    Show("/docs/a.htm", TextLines());
    display->SetVerticalPosition(500);
    display->MouseDown(MouseButton::middle, {}, 50, 100);
    EXPECT_TRUE(display->PanMode());
    EXPECT_EQ(host.cursor(), ViewCursor::pan);
    display->MouseUp(MouseButton::middle, {}, 50, 100);  // released where it went down: stays
    EXPECT_TRUE(display->PanMode());
    host.mouse = {50, 115};
    display->MouseMove({}, 50, 115);  // within 20 pixels: nothing
    EXPECT_TRUE(host.posted.empty());
    host.mouse = {50, 125};
    display->MouseMove({}, 50, 125);
    host.runPosted();
    EXPECT_EQ(display->VerticalPosition(), 508);
    EXPECT_EQ(host.cursor(), ViewCursor::panDown);
    host.mouse = {50, 161};
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 540);
    host.mouse = {50, 30};
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 508);
    EXPECT_EQ(host.cursor(), ViewCursor::panUp);
    host.mouse = {50, 60};
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_EQ(display->VerticalPosition(), 500);
    // Any key ends pan mode and does nothing else.
    display->KeyDown(engine::DisplayKey::down, {});
    EXPECT_FALSE(display->PanMode());
    EXPECT_EQ(display->VerticalPosition(), 500);
    display->TimerTick(ViewTimer::autoScroll);
    EXPECT_FALSE(host.timerRunning(ViewTimer::autoScroll));

    display->SetDisplayOptions(engine::doNoWheelMouse);
    display->MouseDown(MouseButton::middle, {}, 50, 100);
    EXPECT_FALSE(display->PanMode());
}

TEST_F(DisplayTest, TheLinkUnderTheMouseIsCoveredAndForgottenWhenTheMouseLeaves) {
    Show("/docs/a.htm", "Text\n@link b.htm Bee\nMore");
    std::vector<std::string> covered;
    display->OnLinkCovered = [&](const std::string& src) { covered.push_back(src); };
    host.mouse = {4, 25};
    display->MouseMove({}, 4, 25);  // on the link (line 1: 19 .. 37)
    EXPECT_EQ(host.cursor(), ViewCursor::hand);
    EXPECT_EQ(display->HoverURL(), "b.htm");
    EXPECT_EQ(doc->hoverLink, 0);
    EXPECT_EQ(host.running.at(ViewTimer::linkLeave), 200);
    display->MouseMove({}, 4, 5);  // on text
    EXPECT_EQ(host.cursor(), ViewCursor::iBeam);
    display->MouseMove({}, 4, 25);
    display->MouseMove({}, 200, 25);  // beside the text: nothing under the mouse
    EXPECT_EQ(host.cursor(), ViewCursor::arrow);
    EXPECT_EQ(covered, (std::vector<std::string>{"b.htm", "", "b.htm", ""}));
    display->MouseMove({}, 4, 25);
    // Still over the panel: the tick changes nothing.
    display->TimerTick(ViewTimer::linkLeave);
    EXPECT_EQ(display->HoverURL(), "b.htm");
    host.mouse = {4, -3};
    display->TimerTick(ViewTimer::linkLeave);
    EXPECT_EQ(display->HoverURL(), "");
    EXPECT_EQ(doc->hoverLink, -1);
    EXPECT_EQ(covered.back(), "");
    EXPECT_FALSE(host.timerRunning(ViewTimer::linkLeave));
}

TEST_F(DisplayTest, PicturesShowTheArrowWhenTheControlListensToThem) {
    Show("/docs/a.htm", "@picture\n@picture b.htm");
    std::vector<int> overs;
    std::vector<int> clicks;
    display->MouseMove({}, 10, 10);
    EXPECT_EQ(host.cursor(), ViewCursor::arrow);
    display->MouseMove({}, 10, 60);  // a picture that is a link
    EXPECT_EQ(host.cursor(), ViewCursor::hand);
    display->OnImageOver = [&](engine::ShiftState, int, int y) { overs.push_back(y); };
    display->OnImageClick = [&](MouseButton, engine::ShiftState, int, int y) {
        clicks.push_back(y);
    };
    display->MouseMove({}, 10, 10);
    EXPECT_EQ(host.cursor(), ViewCursor::arrow);
    display->MouseMove({}, 10, 60);
    EXPECT_EQ(host.cursor(), ViewCursor::hand);
    display->MouseMove({}, 60, 10);  // beside it
    EXPECT_EQ(overs, (std::vector<int>{10, 60}));
    display->MouseUp(MouseButton::right, {}, 10, 10);
    EXPECT_EQ(clicks, (std::vector<int>{10}));
}

TEST_F(DisplayTest, AClickOnAnAddressWithHandledFalseLoadsNothing) {
    Show("/docs/a.htm", "@link mailto:ann@example.com Ann");
    std::vector<std::string> clicked;
    display->OnLinkClick = [&](const std::string& src, bool& handled) {
        clicked.push_back(src);
        EXPECT_FALSE(handled);
    };
    const int clears = doc->clears;
    Click(8, 5);
    EXPECT_EQ(clicked, (std::vector<std::string>{"mailto:ann@example.com"}));
    EXPECT_EQ(doc->clears, clears);
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
}

TEST_F(DisplayTest, AClickFollowsALinkToAPageUnlessTheHandlerHandledIt) {
    Show("/docs/a.htm", "@link sub/b.htm Bee");
    files.addFile("/docs/sub/b.htm", "@title B\nBee page");
    bool handle = true;
    display->OnLinkClick = [&](const std::string&, bool& handled) { handled = handle; };
    Click(8, 5);
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    handle = false;
    Click(8, 5);
    EXPECT_EQ(display->CurrentFile(), "/docs/sub/b.htm");
    EXPECT_EQ(display->DocumentTitle(), "B");
    EXPECT_EQ(display->Visited().front(), "/docs/sub/b.htm");
}

TEST_F(DisplayTest, ADragOverALinkSelectsInsteadOfFollowing) {
    Show("/docs/a.htm", "@link b.htm Bumblebee");
    files.addFile("/docs/b.htm", "B");
    display->MouseDown(MouseButton::left, {}, 4, 5);
    display->MouseMove({}, 40, 5);
    display->MouseUp(MouseButton::left, {}, 40, 5);
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    EXPECT_EQ(display->SelEnd(), 5);
}

TEST_F(DisplayTest, LinksToPicturesShowThePictureAndOtherExtensionsNothing) {
    Show("/docs/a.htm", "@link pics/p.PNG Picture\n@link notes.txt Notes");
    files.addFile("/docs/pics/p.PNG", "png");
    files.addFile("/docs/notes.txt", "text");
    Click(8, 24);
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    Click(8, 5);
    EXPECT_EQ(display->CurrentFile(), "/docs/pics/p.PNG");
    EXPECT_EQ(display->CurrentFileMode(), engine::FileMode::picture);
}

TEST_F(DisplayTest, ALinkedPageIsReadOnlyUpToSixteenMegabytes) {
    Show("/docs/a.htm", "@link big.htm Big");
    files.addFile("/docs/big.htm", std::string(16 * 1024 * 1024 + 1, ' '));
    EXPECT_THROW(Click(8, 5), engine::UnreadableFileError);
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    // The program itself may show it.
    display->LoadHtmlFile("/docs/big.htm");
    EXPECT_EQ(display->CurrentFile(), "/docs/big.htm");
}

TEST_F(DisplayTest, AHashLinkScrollsToTheNameAndMarksFileAndTargetVisited) {
    // The link is line 0 (19 high), fifty lines of 20 follow, then the anchor at 1019.
    Show("/docs/a.htm",
         "@link #part2 Go\n" + Heights(50, 20) + "@anchor part2\nPart two\n" + Heights(30, 20));
    Click(8, 5);
    EXPECT_EQ(display->VerticalPosition(), 1019);
    ASSERT_FALSE(display->Visited().empty());
    EXPECT_EQ(display->Visited().front(), "/docs/a.htm#part2");
    EXPECT_TRUE(doc->links[0].visited);
    // An unknown name leaves the view where it is.
    EXPECT_FALSE(display->GoToAnchor("#nowhere"));
    EXPECT_EQ(display->VerticalPosition(), 1019);
}

TEST_F(DisplayTest, WithoutHistoryLengthFollowingLinksKeepsNoHistory) {
    Show("/docs/a.htm", "@link b.htm Bee\n" + Heights(20, 50));
    files.addFile("/docs/b.htm", "@link a.htm Ay\n");
    int changes = 0;
    display->OnHistoryChange = [&] { ++changes; };
    Click(8, 5);
    EXPECT_EQ(display->CurrentFile(), "/docs/b.htm");
    Click(8, 5);
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    EXPECT_TRUE(display->History().empty());
    EXPECT_EQ(changes, 0);
}

TEST_F(DisplayTest, WithAHistoryLengthEachPageLeftIsKeptWithItsPlace) {
    display->SetHistoryMaxCount(2);
    Show("/docs/a.htm", "@title Ay\n" + Heights(20, 50) + "@link b.htm Bee\n");
    files.addFile("/docs/b.htm", "@title Bee\n@link c.htm See\n");
    files.addFile("/docs/c.htm", "@title See\nC");
    int changes = 0;
    display->OnHistoryChange = [&] { ++changes; };
    display->KeyDown(engine::DisplayKey::end, {});  // 1019 - 198: the link's line at 1000
    Click(8, 1000 - 821 + 5);
    ASSERT_EQ(display->History().size(), 2u);
    EXPECT_EQ(display->History()[0].file, "/docs/b.htm");
    EXPECT_EQ(display->History()[0].title, "Bee");
    EXPECT_EQ(display->History()[1].file, "/docs/a.htm");
    EXPECT_EQ(display->History()[1].title, "Ay");
    EXPECT_EQ(display->History()[1].position.scrollPosition, 17 * 65536 + 21);
    Click(8, 5);
    ASSERT_EQ(display->History().size(), 2u);  // cut to the length
    EXPECT_EQ(display->History()[0].file, "/docs/c.htm");
    EXPECT_EQ(display->History()[1].file, "/docs/b.htm");
    EXPECT_EQ(changes, 2);
    // Lowering the length clears the history and forgets the file.
    display->SetHistoryMaxCount(1);
    EXPECT_TRUE(display->History().empty());
    EXPECT_EQ(display->CurrentFile(), "");
    EXPECT_EQ(changes, 3);
}

TEST_F(DisplayTest, TheVisitedListKeepsTheMostRecentFirstUpToItsLength) {
    Show("/docs/a.htm", "@link b.htm B\n@link C.HTM#x C\n@link #top Top");
    display->SetVisitedMaxCount(2);
    display->MarkVisited("/docs/b.htm");
    EXPECT_TRUE(doc->links[0].visited);
    display->MarkVisited("/docs/c.htm#x");  // compared without case
    EXPECT_TRUE(doc->links[1].visited);
    display->MarkVisited("/docs/a.htm#TOP");
    EXPECT_TRUE(doc->links[2].visited);
    EXPECT_EQ(display->Visited(), (std::vector<std::string>{"/docs/a.htm#TOP", "/docs/c.htm#x"}));
    display->MarkVisited("/docs/C.htm#X");  // known: moved to the front
    EXPECT_EQ(display->Visited(), (std::vector<std::string>{"/docs/c.htm#x", "/docs/a.htm#TOP"}));
    // A new document has its links marked from the list.
    display->LoadHtmlFile("/docs/a.htm");
    EXPECT_FALSE(doc->links[0].visited);
    EXPECT_TRUE(doc->links[1].visited);
    EXPECT_TRUE(doc->links[2].visited);
    display->SetVisitedMaxCount(0);
    EXPECT_TRUE(display->Visited().empty());
    EXPECT_FALSE(doc->links[1].visited);
    EXPECT_FALSE(doc->links[2].visited);
    display->MarkVisited("/docs/b.htm");
    EXPECT_TRUE(display->Visited().empty());
}

TEST_F(DisplayTest, TabMovesBetweenLinksAndEnterFollowsTheFocusedOneLater) {
    Show("/docs/a.htm", "@link b.htm B\n" + Heights(20, 50) + "@link c.htm C\n" + Heights(20, 50));
    files.addFile("/docs/c.htm", "C");
    EXPECT_TRUE(display->KeyDown(engine::DisplayKey::tab, {}));
    EXPECT_EQ(display->VerticalPosition(), 0);
    EXPECT_TRUE(display->KeyDown(engine::DisplayKey::tab, {}));
    // The second link's top (1019) is below the view: it comes to the middle.
    EXPECT_EQ(display->VerticalPosition(), 1019 - 99);
    EXPECT_FALSE(display->KeyDown(engine::DisplayKey::tab, {}));  // past the last one
    EXPECT_TRUE(display->KeyDown(engine::DisplayKey::enter, {}));
    EXPECT_EQ(display->CurrentFile(), "/docs/a.htm");
    host.runPosted();
    EXPECT_EQ(display->CurrentFile(), "/docs/c.htm");
}

TEST_F(DisplayTest, FocusedObjectsAreBroughtIntoView) {
    Show("/docs/a.htm", Heights(40, 50));  // 2000 high, panel 198
    display->SetVerticalPosition(1000);
    display->MakeControlVisible(1100);  // inside 1000 .. 1178: stays
    EXPECT_EQ(display->VerticalPosition(), 1000);
    display->MakeControlVisible(1179);
    EXPECT_EQ(display->VerticalPosition(), 1179 - 99);
    display->MakeLinkVisible(1248);  // not below 1080 + 168
    EXPECT_EQ(display->VerticalPosition(), 1080);
    display->MakeLinkVisible(1249);
    EXPECT_EQ(display->VerticalPosition(), 1150);
    display->MakeLinkVisible(900);  // above: to its top
    EXPECT_EQ(display->VerticalPosition(), 900);
}

}  // namespace
}  // namespace kelvor::testing
