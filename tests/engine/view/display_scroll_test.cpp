#include <string>
#include <vector>

#include "engine/view/display_fixture.h"

namespace kelvor::testing {
namespace {

using engine::DisplayKey;
using engine::ScrollCode;

// --- Layout and the scroll bars ---

TEST_F(DisplayTest, ADocumentThatFitsIsLaidOutOnceWithoutBars) {
    Show("/docs/a.htm", "@height 198");
    EXPECT_EQ(doc->layoutWidths.back(), 298);
    EXPECT_EQ(doc->layoutWidths.size(), 2u);  // one at creation's size, one for the load
    EXPECT_FALSE(host.verticalBars.back().visible);
    EXPECT_EQ(host.geometry.panel, (platform::Rect{1, 1, 299, 199}));
}

TEST_F(DisplayTest, ADocumentJustTallerThanTheViewIsLaidOutAgainBesideTheBar) {
    doc->layoutWidths.clear();
    Show("/docs/a.htm", "@height 199");
    EXPECT_EQ(doc->layoutWidths, (std::vector<int>{298, 282}));
    const engine::VerticalBar& bar = host.verticalBars.back();
    EXPECT_TRUE(bar.visible);
    EXPECT_EQ(bar.maximum, 199);
    EXPECT_EQ(bar.page, 199);  // panel height + 1
    EXPECT_EQ(bar.minimum, 0);
    EXPECT_EQ(host.geometry.panel, (platform::Rect{1, 1, 283, 199}));
    EXPECT_TRUE(host.geometry.borderShown);
    EXPECT_FALSE(host.geometry.borderDrawn);  // not focused
    // One pixel to scroll.
    display->KeyDown(DisplayKey::end, {});
    EXPECT_EQ(display->VerticalPosition(), 1);
}

TEST_F(DisplayTest, ADocumentThatFitsOnlyBesideTheBarIsLaidOutAtMostThreeTimes) {
    doc->extentAt = [](int width) { return engine::ViewExtent{width == 298 ? 250 : 150, 200}; };
    doc->layoutWidths.clear();
    Show("/docs/a.htm", "x");
    EXPECT_EQ(doc->layoutWidths, (std::vector<int>{298, 282, 298}));
}

TEST_F(DisplayTest, ALongSourceIsLaidOutOnceWithRoomForTheBar) {
    doc->layoutWidths.clear();
    Show("/docs/a.htm", std::string(9999, 'x'));  // 9999 characters: the usual rule
    EXPECT_EQ(doc->layoutWidths.front(), 298);
    doc->layoutWidths.clear();
    Show("/docs/b.htm", std::string(10000, 'x'));
    EXPECT_EQ(doc->layoutWidths, (std::vector<int>{282}));
}

TEST_F(DisplayTest, TheAlwaysShownBarIsDisabledWhenTheDocumentFits) {
    display->SetDisplayOptions(engine::doShowVScroll);
    doc->layoutWidths.clear();
    Show("/docs/a.htm", "@height 100");
    EXPECT_EQ(doc->layoutWidths, (std::vector<int>{282}));
    EXPECT_TRUE(host.verticalBars.back().visible);
    EXPECT_FALSE(host.verticalBars.back().enabled);
}

TEST_F(DisplayTest, WithoutScrollBarsTheDocumentIsLaidOutAtTheFullWidth) {
    display->SetScrollBars(engine::TScrollStyle::ssNone);
    doc->layoutWidths.clear();
    Show("/docs/a.htm", Heights(10, 100) + std::string(60, 'x'));
    EXPECT_EQ(doc->layoutWidths, (std::vector<int>{298}));
    EXPECT_FALSE(host.verticalBars.back().visible);
    EXPECT_FALSE(host.horizontalBars.back().visible);
}

TEST_F(DisplayTest, AWideDocumentGetsTheHorizontalBarAndLessHeight) {
    // 40 characters of 8 pixels: 320 wide; 190 high fits 198 but not 198 - 16.
    Show("/docs/a.htm", "@height 171\n" + std::string(40, 'x'));
    EXPECT_TRUE(host.horizontalBars.back().visible);
    EXPECT_EQ(host.horizontalBars.back().maximum, 320);
    EXPECT_TRUE(host.verticalBars.back().visible);
    EXPECT_EQ(host.geometry.panel, (platform::Rect{1, 1, 283, 183}));
    EXPECT_EQ(host.horizontalBars.back().page, 282);
}

TEST_F(DisplayTest, NoBorderPutsThePanelAtTheCorner) {
    display->SetBorderStyle(engine::TDisplayBorderStyle::dbNone);
    EXPECT_EQ(host.geometry.panel, (platform::Rect{0, 0, 300, 200}));
    EXPECT_FALSE(host.geometry.borderShown);
    display->SetBorderStyle(engine::TDisplayBorderStyle::dbSingle);
    EXPECT_TRUE(host.geometry.borderDrawn);
    display->SetBorderStyle(engine::TDisplayBorderStyle::dbFocused);
    EXPECT_FALSE(host.geometry.borderDrawn);
    display->FocusChanged(true);
    EXPECT_TRUE(host.geometry.borderDrawn);
}

TEST_F(DisplayTest, AResizeLaysOutAgainAndKeepsThePlace) {
    Show("/docs/a.htm", Heights(100, 20));  // 2000 high
    display->SetVerticalPosition(1005);     // line 50, 5 below its top
    display->SetSize(400, 300);
    EXPECT_EQ(doc->layoutWidths.back(), 382);
    EXPECT_EQ(display->VerticalPosition(), 1005);
    // A window tall enough for all of it goes to the top.
    display->SetSize(400, 2100);
    EXPECT_EQ(display->VerticalPosition(), 0);
    EXPECT_FALSE(host.verticalBars.back().visible);
}

// --- Vertical scrolling ---

TEST_F(DisplayTest, KeysScrollByTheirStepsWithinTheDocument) {
    Show("/docs/a.htm", Heights(10, 100));  // 1000 high, panel 198: positions 0 .. 802
    display->KeyDown(DisplayKey::down, {});
    EXPECT_EQ(display->VerticalPosition(), 16);
    display->KeyDown(DisplayKey::up, {});
    display->KeyDown(DisplayKey::up, {});
    EXPECT_EQ(display->VerticalPosition(), 0);
    display->KeyDown(DisplayKey::pageDown, {});
    EXPECT_EQ(display->VerticalPosition(), 182);  // panel height - 16
    display->KeyDown(DisplayKey::end, {});
    EXPECT_EQ(display->VerticalPosition(), 802);
    display->KeyDown(DisplayKey::pageDown, {});
    EXPECT_EQ(display->VerticalPosition(), 802);
    display->KeyDown(DisplayKey::pageUp, {});
    EXPECT_EQ(display->VerticalPosition(), 620);
    display->KeyDown(DisplayKey::home, {});
    EXPECT_EQ(display->VerticalPosition(), 0);
    // Keys with Shift, Ctrl or Alt do not scroll.
    EXPECT_FALSE(display->KeyDown(DisplayKey::down, {.shift = true}));
    EXPECT_FALSE(display->KeyDown(DisplayKey::pageDown, {.ctrl = true}));
    EXPECT_EQ(display->VerticalPosition(), 0);
    EXPECT_EQ(host.verticalBars.back().position, 0);
}

TEST_F(DisplayTest, LeftAndRightMoveTheHorizontalPositionByFifteen) {
    Show("/docs/a.htm", Heights(10, 100) + std::string(75, 'x'));  // 600 wide
    display->KeyDown(DisplayKey::right, {});
    EXPECT_EQ(display->HorizontalPosition(), 15);
    EXPECT_EQ(doc->offsetX, 15);
    display->KeyDown(DisplayKey::left, {});
    display->KeyDown(DisplayKey::left, {});
    EXPECT_EQ(display->HorizontalPosition(), 0);
    display->HorizontalScroll(1000);
    EXPECT_EQ(display->HorizontalPosition(), 600 - 282);
}

TEST_F(DisplayTest, TheWheelScrollsSixteenPixelsPerLineOfTheSystemSetting) {
    Show("/docs/a.htm", Heights(10, 100));
    host.wheelLines = 3;
    display->MouseWheel(-120, {});
    EXPECT_EQ(display->VerticalPosition(), 48);
    display->MouseWheel(-360, {});  // the size of the delta does not count
    EXPECT_EQ(display->VerticalPosition(), 96);
    display->MouseWheel(120, {});
    display->MouseWheel(120, {});
    display->MouseWheel(120, {});
    EXPECT_EQ(display->VerticalPosition(), 0);
    // Without a lines setting: half the delta, rounded towards zero.
    host.wheelLines = 0;
    display->MouseWheel(-241, {});
    EXPECT_EQ(display->VerticalPosition(), 120);
    display->MouseWheel(121, {});
    EXPECT_EQ(display->VerticalPosition(), 60);
    display->MouseWheel(-1, {});
    EXPECT_EQ(display->VerticalPosition(), 60);
    display->MouseWheel(-5000, {});
    EXPECT_EQ(display->VerticalPosition(), 802);
}

TEST_F(DisplayTest, TheWheelIsLeftAloneWhenHandledOrSwitchedOff) {
    Show("/docs/a.htm", Heights(10, 100));
    display->OnMouseWheel = [](int, engine::ShiftState) { return true; };
    display->MouseWheel(-120, {});
    EXPECT_EQ(display->VerticalPosition(), 0);
    display->OnMouseWheel = [](int, engine::ShiftState) { return false; };
    display->SetDisplayOptions(engine::doNoWheelMouse);
    display->MouseWheel(-120, {});
    EXPECT_EQ(display->VerticalPosition(), 0);
}

TEST_F(DisplayTest, ScrollBarRequestsMoveByTheirSteps) {
    Show("/docs/a.htm", Heights(10, 100));
    display->VerticalScroll(ScrollCode::lineDown);
    display->VerticalScroll(ScrollCode::lineDown);
    EXPECT_EQ(display->VerticalPosition(), 32);
    display->VerticalScroll(ScrollCode::pageDown);
    EXPECT_EQ(display->VerticalPosition(), 214);
    display->VerticalScroll(ScrollCode::pageUp);
    display->VerticalScroll(ScrollCode::lineUp);
    EXPECT_EQ(display->VerticalPosition(), 16);
    display->VerticalScroll(ScrollCode::bottom);
    EXPECT_EQ(display->VerticalPosition(), 802);
    display->VerticalScroll(ScrollCode::thumbPosition, 5);
    display->VerticalScroll(ScrollCode::endScroll);
    EXPECT_EQ(display->VerticalPosition(), 802);
    display->VerticalScroll(ScrollCode::top);
    EXPECT_EQ(display->VerticalPosition(), 0);
}

TEST_F(DisplayTest, AFortyThousandPixelDocumentScrollsToItsEndWithTheThumb) {
    Show("/docs/a.htm", Heights(400, 100));
    EXPECT_EQ(host.verticalBars.back().maximum, 40000);
    display->VerticalScroll(ScrollCode::thumbTrack, 39802);
    EXPECT_EQ(display->VerticalPosition(), 39802);
    EXPECT_EQ(host.verticalBars.back().position, 39802);
    EXPECT_EQ(doc->offsetY, 39802);
    display->VerticalScroll(ScrollCode::thumbTrack, 50000);
    EXPECT_EQ(display->VerticalPosition(), 39802);
    display->VerticalScroll(ScrollCode::thumbTrack, 32768);
    EXPECT_EQ(display->VerticalPosition(), 32768);
}

TEST_F(DisplayTest, ScrollingByOneLinePaintsOnlyTheUncoveredStrip) {
    Show("/docs/a.htm", Heights(10, 100));
    host.paintPending(*display);
    host.painted.clear();
    doc->painted.clear();

    display->KeyDown(DisplayKey::down, {});
    EXPECT_EQ(host.scrolled, (std::vector<int>{-16}));
    host.paintPending(*display);
    EXPECT_EQ(host.painted, (std::vector<platform::Rect>{{0, 182, 282, 198}}));
    EXPECT_EQ(doc->painted, host.painted);

    host.painted.clear();
    display->VerticalScroll(ScrollCode::lineUp);
    EXPECT_EQ(host.scrolled, (std::vector<int>{-16, 16}));
    host.paintPending(*display);
    EXPECT_EQ(host.painted, (std::vector<platform::Rect>{{0, 0, 282, 16}}));

    // Any other step, and every step under a fixed background picture, paints the panel.
    host.painted.clear();
    display->KeyDown(DisplayKey::pageDown, {});
    doc->fixedBackground = true;
    display->KeyDown(DisplayKey::down, {});
    host.paintPending(*display);
    EXPECT_EQ(host.scrolled.size(), 2u);
    EXPECT_EQ(host.painted, (std::vector<platform::Rect>{{0, 0, 282, 198}, {0, 0, 282, 198}}));
}

TEST_F(DisplayTest, ScrollPositionNamesTheObjectAtTheTop) {
    Show("/docs/a.htm", Heights(10, 100));
    display->SetVerticalPosition(250);
    EXPECT_EQ(display->ScrollPosition(), 3 * 65536 + 50);
    display->SetScrollPosition(5 * 65536 + 7);
    EXPECT_EQ(display->VerticalPosition(), 407);
    display->SetScrollPosition(99 * 65536 + 7);  // beyond the document: nothing happens
    EXPECT_EQ(display->VerticalPosition(), 407);
    display->SetScrollPosition(123);
    EXPECT_EQ(display->VerticalPosition(), 123);
    display->SetScrollPosition(60000);
    EXPECT_EQ(display->VerticalPosition(), 802);
}

TEST_F(DisplayTest, ABlankDocumentHasNoPlaceToScroll) {
    display->KeyDown(DisplayKey::down, {});
    display->MouseWheel(-120, {});
    EXPECT_EQ(display->VerticalPosition(), 0);
    EXPECT_EQ(display->ScrollPosition(), 0);
}

TEST_F(DisplayTest, NothingIsPaintedWhileTheDocumentIsLaidOut) {
    platform::fixed::RecordingCanvas canvas;
    display->OnParseEnd = [&] { display->Paint(canvas, {0, 0, 10, 10}); };
    Show("/docs/a.htm", "x");
    EXPECT_TRUE(doc->painted.empty());
    display->Paint(canvas, {0, 0, 10, 10});
    EXPECT_EQ(doc->painted.size(), 1u);
}

}  // namespace
}  // namespace kelvor::testing
