// Animated GIF pictures in documents: the control's timer steps them with the clock and paints
// again only where they show.
#include "engine/pictures/picture_animation.h"

#include <optional>
#include <string>
#include <vector>

#include "pictures_fixture.h"

namespace kelvor::testing {
namespace {

using platform::Rect;

std::vector<std::optional<Rect>> Invalidated(FakeHost& host) {
    std::vector<std::optional<Rect>> rects = host.invalidated;
    host.invalidated.clear();
    return rects;
}

TEST_F(PicturesTest, AnAnimatedPictureStepsOnTheTimerAndRepaintsOnlyItsRectangle) {
    // 50 ms a frame, played without end.
    files.addFile("/docs/anim.gif", TwoFrameGif(10, 10, 5, 0));
    Show("/docs/page.htm", "<p>Some text</p><img src=\"anim.gif\" width=40 height=40>");
    ASSERT_TRUE(AnimationRunning());
    EXPECT_EQ(host.running[engine::ViewTimer::animation], 40);
    // The paragraph's line at 14 .. 33 (its top margin of 14 less the page's 5), its bottom
    // margin of 14, then the picture's line with the picture's top at its top.
    PixelCanvas canvas = Paint();
    const Rect drawn{10, 47, 50, 87};
    ASSERT_EQ(Rects(canvas.calls, Call::picture), (std::vector<Rect>{drawn}));
    EXPECT_EQ(canvas.firstPixels[0], 0xFFFF0000u);
    host.invalidated.clear();

    Tick();  // 40 ms: the first frame's 50 have not passed
    EXPECT_TRUE(Invalidated(host).empty());
    Tick();  // 80 ms: the second frame
    EXPECT_EQ(Invalidated(host), (std::vector<std::optional<Rect>>{drawn}));
    canvas = Paint();
    EXPECT_EQ(canvas.firstPixels[0], 0xFF0000FFu);
    Tick();  // 40 ms into the second frame
    EXPECT_TRUE(Invalidated(host).empty());
    Tick();  // back to the first
    EXPECT_EQ(Invalidated(host), (std::vector<std::optional<Rect>>{drawn}));
    EXPECT_EQ(Paint().firstPixels[0], 0xFFFF0000u);

    // Scrolled, the rectangle is where the panel shows it; out of the panel nothing is asked.
    display->SetVerticalPosition(0);
    Show("/docs/long.htm",
         "<div style=\"height:400px\">a</div><img src=\"anim.gif\"><img src=\"anim.gif\">");
    display->SetVerticalPosition(300);
    host.invalidated.clear();
    Tick(100);
    const std::vector<std::optional<Rect>> rects = Invalidated(host);
    ASSERT_EQ(rects.size(), 2u);
    const std::vector<Rect> pictures = Rects(Paint().calls, Call::picture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(rects[0], pictures[0]);
    EXPECT_EQ(rects[1], pictures[1]);
    EXPECT_EQ(pictures[1].left, pictures[0].right);
    display->SetVerticalPosition(0);
    host.invalidated.clear();
    Tick(100);
    EXPECT_TRUE(Invalidated(host).empty());
}

TEST_F(PicturesTest, APictureThatPlaysOnceStopsOnItsLastFrameAndTheTimerWithIt) {
    files.addFile("/docs/once.gif", TwoFrameGif(10, 10, 5, std::nullopt));
    Show("/docs/page.htm", "<img src=\"once.gif\">");
    ASSERT_TRUE(AnimationRunning());
    Tick(60);
    EXPECT_EQ(Paint().firstPixels[0], 0xFF0000FFu);
    Tick(60);
    EXPECT_FALSE(AnimationRunning());
    EXPECT_EQ(Paint().firstPixels[0], 0xFF0000FFu);
}

TEST_F(PicturesTest, TheTimerRunsOnlyWhileTheDocumentShownHasAnimations) {
    files.addFile("/docs/anim.gif", TwoFrameGif(10, 10, 5, 0));
    files.addFile("/docs/still.gif", StillGif(10, 10));
    Show("/docs/still.htm", "<img src=\"still.gif\">");
    EXPECT_FALSE(AnimationRunning());
    Show("/docs/anim.htm", "<img src=\"anim.gif\">");
    EXPECT_TRUE(AnimationRunning());
    Show("/docs/still.htm", "<img src=\"still.gif\">");
    EXPECT_FALSE(AnimationRunning());
    Show("/docs/anim.htm", "<img src=\"anim.gif\">");
    display->ClearDocument();
    EXPECT_FALSE(AnimationRunning());
    Show("/docs/anim.htm", "<img src=\"anim.gif\">");
    display->SetViewImages(false);
    EXPECT_FALSE(AnimationRunning());
    display->SetViewImages(true);
    EXPECT_TRUE(AnimationRunning());
}

TEST_F(PicturesTest, AnAnimatedBackgroundRepaintsTheWholeView) {
    files.addFile("/docs/anim.gif", TwoFrameGif(10, 10, 5, 0));
    Show("/docs/page.htm", "<body background=\"anim.gif\">text</body>");
    ASSERT_TRUE(AnimationRunning());
    host.invalidated.clear();
    Tick(60);
    EXPECT_EQ(Invalidated(host), (std::vector<std::optional<Rect>>{std::nullopt}));
}

TEST_F(PicturesTest, ManyChangedRectanglesRepaintTheWholeView) {
    files.addFile("/docs/anim.gif", TwoFrameGif(2, 2, 5, 0));
    std::string page;
    for (int i = 0; i < 65; ++i) {
        page += "<img src=\"anim.gif\">";
    }
    Show("/docs/page.htm", page);
    host.invalidated.clear();
    Tick(60);
    EXPECT_EQ(Invalidated(host), (std::vector<std::optional<Rect>>{std::nullopt}));
}

TEST(ScaledArea, APartOfAPictureIsMappedOutwardsIntoWhereItIsDrawn) {
    // A 10 x 10 picture drawn 15 x 15: its pixels 3 .. 5 cover 4.5 .. 7.5.
    EXPECT_EQ(engine::ScaledArea({100, 200, 115, 215}, 10, 10, {3, 3, 5, 5}),
              (Rect{104, 204, 108, 208}));
    EXPECT_EQ(engine::ScaledArea({0, 0, 20, 20}, 10, 10, {0, 0, 10, 10}), (Rect{0, 0, 20, 20}));
}

}  // namespace
}  // namespace kelvor::testing
