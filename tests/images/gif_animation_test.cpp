#include <gtest/gtest.h>

#include "gif_test_support.h"

namespace kelvor::images::testing {
namespace {

// Frames of one pixel, frame i in colour i + 1, each with the given delay in hundredths.
std::unique_ptr<TGifPicture> Animation(int frames, int delay, std::optional<int> loops) {
    auto gif = FourColours(1, 1);
    if (loops)
        gif.netscape(*loops);
    for (int i = 0; i < frames; ++i)
        gif.graphicControl(0, delay).image(0, 0, 1, 1, {static_cast<std::uint8_t>(i + 1)});
    return MustBuild(gif.trailer().bytes());
}

// Drives the animation with a fake clock that ticks every 40 milliseconds, as the document's
// timer does, and notes the frame shown after each change.
struct Player {
    explicit Player(TGifPicture& p) : picture(p) {}
    TGifPicture& picture;
    std::uint64_t now = 1000;
    std::vector<int> shown;

    void start() { picture.startAnimation(now); }
    void run(std::uint64_t milliseconds) {
        const std::uint64_t end = now + milliseconds;
        while (now < end) {
            now += kAnimationTimerMs;
            if (picture.stepAnimation(now))
                shown.push_back(picture.currentFrame());
        }
    }
};

TEST(GifAnimation, WithoutANetscapeBlockItPlaysOnceAndStopsOnTheLastFrame) {
    const auto picture = Animation(3, 10, std::nullopt);
    Player player(*picture);
    player.start();
    player.run(10'000);
    EXPECT_EQ(player.shown, (std::vector<int>{2, 3}));
    EXPECT_FALSE(picture->animating());
    EXPECT_EQ(picture->currentFrame(), 3);
    EXPECT_EQ(picture->frame().pixel(0, 0), Opaque(kBlue));
}

TEST(GifAnimation, ALoopCountOfTwoPlaysThreeTimes) {
    const auto picture = Animation(2, 10, 2);
    Player player(*picture);
    player.start();
    player.run(10'000);
    // Shown: 1 2 | 1 2 | 1 2, then it stops on frame 2.
    EXPECT_EQ(player.shown, (std::vector<int>{2, 1, 2, 1, 2}));
    EXPECT_EQ(picture->passesDone(), 3);
    EXPECT_FALSE(picture->animating());
    EXPECT_EQ(picture->currentFrame(), 2);
}

TEST(GifAnimation, ALoopCountOfZeroLoopsWithoutEnd) {
    const auto picture = Animation(2, 10, 0);
    Player player(*picture);
    player.start();
    player.run(600'000);
    EXPECT_TRUE(picture->animating());
    EXPECT_GE(player.shown.size(), 1000u);
    EXPECT_GE(picture->passesDone(), 500);
}

TEST(GifAnimation, ADelayOfTwoShowsThirtyMillisecondsAndFiveFifty) {
    for (const auto& [hundredths, shownFor] : {std::pair{2, 30}, std::pair{5, 50}}) {
        const auto picture = Animation(2, hundredths, 0);
        picture->startAnimation(500);
        EXPECT_EQ(picture->currentDelay(), shownFor);
        EXPECT_FALSE(picture->stepAnimation(500 + shownFor - 1));
        EXPECT_EQ(picture->currentFrame(), 1);
        EXPECT_TRUE(picture->stepAnimation(500 + shownFor));
        EXPECT_EQ(picture->currentFrame(), 2);
        EXPECT_EQ(picture->lastChange(), std::uint64_t(500 + shownFor));
    }
}

TEST(GifAnimation, AStepRedrawsThePicturesWholeArea) {
    auto gif = FourColours(4, 3);
    gif.graphicControl(0, 1).image(0, 0, 4, 3, Filled(4, 3, 1));
    gif.graphicControl(0, 1).image(1, 1, 1, 1, {2});
    const auto picture = MustBuild(gif.bytes());
    picture->startAnimation(0);
    const auto area = picture->stepAnimation(30);
    ASSERT_TRUE(area.has_value());
    EXPECT_EQ(*area, (PixelRect{0, 0, 4, 3}));
    EXPECT_EQ(picture->frame().pixel(1, 1), Opaque(kGreen));
}

TEST(GifAnimation, NothingMovesUntilStartedOrAfterStopping) {
    const auto picture = Animation(3, 1, 0);
    EXPECT_FALSE(picture->animating());
    EXPECT_FALSE(picture->stepAnimation(100'000));
    EXPECT_EQ(picture->currentFrame(), 1);

    picture->startAnimation(100'000);
    EXPECT_TRUE(picture->stepAnimation(100'030));
    picture->stopAnimation();
    EXPECT_FALSE(picture->stepAnimation(200'000));
    EXPECT_EQ(picture->currentFrame(), 2);

    // Starting again counts the delay from the new start.
    picture->startAnimation(300'000);
    EXPECT_FALSE(picture->stepAnimation(300'029));
    EXPECT_TRUE(picture->stepAnimation(300'030));
    EXPECT_EQ(picture->currentFrame(), 3);
}

TEST(GifAnimation, AStillPictureNeverAnimates) {
    const auto picture = Animation(1, 1, 0);
    picture->startAnimation(0);
    EXPECT_FALSE(picture->animating());
    EXPECT_FALSE(picture->stepAnimation(1'000'000));
}

TEST(GifAnimation, EachFrameKeepsItsOwnDelay) {
    auto gif = FourColours(1, 1);
    gif.netscape(0);
    gif.graphicControl(0, 10).image(0, 0, 1, 1, {1});
    gif.graphicControl(0, 25).image(0, 0, 1, 1, {2});
    const auto picture = MustBuild(gif.bytes());
    picture->startAnimation(0);
    EXPECT_TRUE(picture->stepAnimation(100));   // frame 1 shown 100 ms
    EXPECT_FALSE(picture->stepAnimation(349));  // frame 2 shown 250 ms
    EXPECT_TRUE(picture->stepAnimation(350));
    EXPECT_EQ(picture->currentFrame(), 1);
    EXPECT_EQ(picture->passesDone(), 2);
}

TEST(GifAnimation, AClockThatGoesBackDoesNotStepOrStall) {
    const auto picture = Animation(2, 10, 0);
    picture->startAnimation(1000);
    EXPECT_FALSE(picture->stepAnimation(10));
    EXPECT_TRUE(picture->stepAnimation(1100));
}

}  // namespace
}  // namespace kelvor::images::testing
