#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "allocation_probe.h"
#include "gif_test_support.h"

namespace kelvor::images::testing {
namespace {

constexpr Argb kClear = 0x00000000;  // black where the background shows

TEST(GifPicture, AStillPictureHasAOneCellStrip) {
    const auto picture = MustBuild(FourColours(3, 2).image(0, 0, 3, 2, {1, 2, 3, 3, 2, 1}).bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->frameCount(), 1);
    EXPECT_FALSE(picture->isAnimated());
    EXPECT_TRUE(picture->isStill());
    EXPECT_EQ(picture->strip().cellCount(), 1);
    EXPECT_EQ(picture->strip().cellWidth(), 3);
    EXPECT_EQ(picture->width(), 3);
    EXPECT_EQ(picture->height(), 2);
    EXPECT_FALSE(picture->hasTransparency());
    const BitmapView frame = picture->frame();
    EXPECT_EQ(frame.pixel(0, 0), Opaque(kRed));
    EXPECT_EQ(frame.pixel(2, 0), Opaque(kBlue));
    EXPECT_EQ(frame.pixel(0, 1), Opaque(kBlue));
    EXPECT_EQ(frame.pixel(2, 1), Opaque(kRed));
}

TEST(GifPicture, EachFrameIsDrawnOverThePreviousOne) {
    auto gif = FourColours(3, 1);
    gif.image(0, 0, 3, 1, {1, 1, 1}).image(1, 0, 1, 1, {2}).image(2, 0, 1, 1, {3}).trailer();
    const auto picture = MustBuild(gif.bytes());
    ASSERT_EQ(picture->frameCount(), 3);
    EXPECT_TRUE(picture->isAnimated());
    const auto cell = [&](int i, int x) { return picture->cellView(i).pixel(x, 0); };
    EXPECT_EQ(cell(1, 0), Opaque(kRed));
    EXPECT_EQ(cell(1, 1), Opaque(kGreen));
    EXPECT_EQ(cell(1, 2), Opaque(kRed));
    EXPECT_EQ(cell(2, 1), Opaque(kGreen));
    EXPECT_EQ(cell(2, 2), Opaque(kBlue));
    const TGifFrame& third = picture->frames()[2];
    EXPECT_EQ(third.left, 2);
    EXPECT_EQ(third.width, 1);
}

TEST(GifPicture, WithoutTransparencyThereIsNoMaskAndUncoveredPixelsAreBlack) {
    const auto picture = MustBuild(FourColours(2, 2).image(1, 1, 1, 1, {2}).bytes());
    EXPECT_FALSE(picture->hasTransparency());
    EXPECT_EQ(picture->frame().pixel(0, 0), Opaque(kBlack));
    EXPECT_EQ(picture->frame().pixel(1, 1), Opaque(kGreen));
    EXPECT_TRUE(picture->singleFrameMask().empty());
}

TEST(GifPicture, TransparentIndexGivesTheMask) {
    auto gif = FourColours(3, 1);
    gif.graphicControl(0, 0, 2).image(0, 0, 2, 1, {1, 2});  // pixel 2 not covered
    gif.graphicControl(0, 0, 2).image(0, 0, 3, 1, {2, 3, 2});
    const auto picture = MustBuild(gif.bytes());
    ASSERT_TRUE(picture->hasTransparency());
    // First frame: a transparent index is black and transparent, like what no frame covered.
    EXPECT_EQ(picture->cellView(0).pixel(0, 0), Opaque(kRed));
    EXPECT_EQ(picture->cellView(0).pixel(1, 0), kClear);
    EXPECT_EQ(picture->cellView(0).pixel(2, 0), kClear);
    // Later frames: a transparent index leaves what was there.
    EXPECT_EQ(picture->cellView(1).pixel(0, 0), Opaque(kRed));
    EXPECT_EQ(picture->cellView(1).pixel(1, 0), Opaque(kBlue));
    EXPECT_EQ(picture->cellView(1).pixel(2, 0), kClear);
    EXPECT_EQ(picture->singleFrameMask(), (std::vector<std::uint8_t>{0, 255, 255}));
    const Bitmap single = picture->singleFrameBitmap();
    EXPECT_EQ(single.width(), 3);
    EXPECT_EQ(single.pixel(0, 0), Opaque(kRed));
    EXPECT_TRUE(single.hasTransparency());
}

TEST(GifPicture, DisposalTwoShowsTheBackgroundInTheNextFrame) {
    for (const int disposal : {2, 3}) {
        auto gif = FourColours(3, 1);
        gif.graphicControl(0, 0, 0).image(0, 0, 3, 1, {1, 1, 1});
        gif.graphicControl(disposal, 0, 0).image(1, 0, 1, 1, {2});
        gif.graphicControl(0, 0, 0).image(0, 0, 1, 1, {3});
        const auto picture = MustBuild(gif.bytes());
        const BitmapView third = picture->cellView(2);
        EXPECT_EQ(third.pixel(0, 0), Opaque(kBlue));
        EXPECT_EQ(third.pixel(1, 0) >> 24, 0u) << disposal;  // the background shows
        EXPECT_EQ(third.pixel(2, 0), Opaque(kRed));
        EXPECT_EQ(picture->frames()[1].disposal, disposal);
    }
}

TEST(GifPicture, DisposalOneKeepsTheFrame) {
    auto gif = FourColours(2, 1);
    gif.graphicControl(0, 0, 0).image(0, 0, 2, 1, {1, 1});
    gif.graphicControl(1, 0, 0).image(1, 0, 1, 1, {2});
    gif.graphicControl(0, 0, 0).image(0, 0, 1, 1, {3});
    const auto picture = MustBuild(gif.bytes());
    EXPECT_EQ(picture->cellView(2).pixel(1, 0), Opaque(kGreen));
}

TEST(GifPicture, DisposalWithoutAnyMaskLeavesThePixels) {
    // No frame is transparent, so the picture has no mask that could show the background.
    auto gif = FourColours(2, 1);
    gif.image(0, 0, 2, 1, {1, 1});
    gif.graphicControl(2, 0).image(1, 0, 1, 1, {2});
    gif.image(0, 0, 1, 1, {3});
    const auto picture = MustBuild(gif.bytes());
    EXPECT_FALSE(picture->hasTransparency());
    EXPECT_EQ(picture->cellView(2).pixel(1, 0), Opaque(kGreen));
}

TEST(GifPicture, FramesAreClippedToTheScreen) {
    auto gif = FourColours(3, 2);
    gif.image(0, 0, 3, 2, Filled(3, 2, 1));
    gif.image(2, 1, 4, 4, Filled(4, 4, 2));  // reaches past the right and bottom edges
    gif.image(5, 0, 2, 2, Filled(2, 2, 3));  // wholly right of the screen
    const auto picture = MustBuild(gif.bytes());
    ASSERT_EQ(picture->frameCount(), 3);
    const BitmapView second = picture->cellView(1);
    EXPECT_EQ(second.pixel(2, 1), Opaque(kGreen));
    EXPECT_EQ(second.pixel(1, 1), Opaque(kRed));
    EXPECT_EQ(second.pixel(2, 0), Opaque(kRed));
    EXPECT_EQ(picture->frames()[1].height, 2);  // 4 cut to the screen's 2
    // The third frame drew nothing, and the first cell was not touched by the others.
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(picture->cellView(2).pixel(x, 1), second.pixel(x, 1));
        EXPECT_EQ(picture->cellView(0).pixel(x, 1), Opaque(kRed));
    }
}

TEST(GifPicture, AFrameTallerThanTheScreenIsCut) {
    auto gif = FourColours(1, 2);
    gif.image(0, 0, 1, 4, {1, 2, 3, 3}).trailer();
    const auto picture = MustBuild(gif.bytes());
    EXPECT_EQ(picture->height(), 2);
    EXPECT_EQ(picture->frames()[0].height, 2);
    EXPECT_EQ(picture->frame().pixel(0, 0), Opaque(kRed));
    EXPECT_EQ(picture->frame().pixel(0, 1), Opaque(kGreen));
}

TEST(GifPicture, DelaysAreTenTimesTheHundredthsAndAtLeastThirty) {
    auto gif = FourColours(1, 1);
    gif.graphicControl(0, 2).image(0, 0, 1, 1, {1});
    gif.graphicControl(0, 5).image(0, 0, 1, 1, {1});
    gif.graphicControl(0, 0).image(0, 0, 1, 1, {1});
    gif.image(0, 0, 1, 1, {1});  // no graphic control
    gif.graphicControl(0, 3).image(0, 0, 1, 1, {1});
    gif.graphicControl(0, 100).image(0, 0, 1, 1, {1});
    const auto picture = MustBuild(gif.bytes());
    std::vector<int> delays;
    for (const auto& frame : picture->frames())
        delays.push_back(frame.delay);
    EXPECT_EQ(delays, (std::vector<int>{30, 50, 30, 30, 30, 1000}));
}

TEST(GifPicture, StripSizeLimit) {
    // Row size: width x 3 x frames rounded up to 4 bytes; size: row size x height + 54.
    // 8164 x 8164: row 24492, size 199,952,742; 8165 x 8165: row 24496, size 200,009,894.
    EXPECT_FALSE(StripTooLarge(8164, 8164, 1, false));
    EXPECT_TRUE(StripTooLarge(8165, 8165, 1, false));
    // With a mask the limit is 100,000,000: 5773 x 5773 gives 99,988,414, 5774 x 5774
    // gives 100,028,830.
    EXPECT_FALSE(StripTooLarge(5773, 5773, 1, true));
    EXPECT_TRUE(StripTooLarge(5774, 5774, 1, true));
    // Frames multiply the row: 1000 x 1000 x 66 frames is 198,000,054; 67 is over.
    EXPECT_FALSE(StripTooLarge(1000, 1000, 66, false));
    EXPECT_TRUE(StripTooLarge(1000, 1000, 67, false));
    EXPECT_TRUE(StripTooLarge(1000, 1000, 34, true));
    // Rounding: 1 x 1 x 1 frame is a row of 4 bytes.
    EXPECT_FALSE(StripTooLarge(1, 1, 1, false));
}

TEST(GifPicture, AStripOverTheLimitIsErrorTwentyFiveWithoutAllocatingIt) {
    auto gif = FourColours(10000, 10000);
    gif.image(0, 0, 1, 1, {1});
    AllocationProbe probe;
    EXPECT_EQ(ErrorNumber(gif.bytes()), 25);
    EXPECT_LT(probe.largest(), 1'000'000u);
    // The transparent limit is lower: 6000 x 6000 fits without a mask, not with one.
    auto masked = FourColours(6000, 6000);
    masked.graphicControl(0, 0, 0).image(0, 0, 1, 1, {1});
    EXPECT_EQ(ErrorNumber(masked.bytes()), 25);
    EXPECT_EQ(TGifPicture::Load(masked.bytes()), nullptr);
}

TEST(GifPicture, AnImageTooLargeToHoldEndsReadingWithoutAllocatingIt) {
    // 65535 x 2000 indices are more than any frame of a strip under the limit could show.
    auto gif = FourColours(2, 2000);
    gif.image(0, 0, 2, 1, {1, 2});
    ImageOptions options;
    options.rawData = PackCodes({{256, 9}, {1, 9}, {257, 9}});
    gif.image(0, 0, 65535, 2000, {}, options);
    AllocationProbe probe;
    const auto picture = MustBuild(gif.bytes());
    EXPECT_LT(probe.largest(), 100'000'000u);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->frameCount(), 1);
    // As the first image it leaves nothing to show.
    auto alone = FourColours(2, 2000);
    alone.image(0, 0, 65535, 2000, {}, options);
    EXPECT_EQ(ErrorNumber(alone.bytes()), 25);
}

TEST(GifPicture, ZeroScreenWidthGivesNoPicture) {
    EXPECT_EQ(ErrorNumber(FourColours(0, 5).image(0, 0, 1, 1, {1}).bytes()), 26);
    EXPECT_EQ(ErrorNumber(FourColours(5, 0).image(0, 0, 1, 1, {1}).bytes()), 26);
}

TEST(GifPicture, MinimumCodeSizesAboveEightAreOutOfRange) {
    ImageOptions options;
    options.minimumCodeSize = 9;
    options.rawData = PackCodes({{512, 10}, {1, 10}, {513, 10}});
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).image(0, 0, 1, 1, {}, options).bytes()), 15);
}

TEST(GifPicture, IndicesPastTheColourTableAreBlack) {
    ImageOptions options;
    options.localTable = {kRed, kGreen};  // 2 entries
    const auto picture = MustBuild(GifWriter(2, 1).image(0, 0, 2, 1, {1, 200}, options).bytes());
    EXPECT_EQ(picture->frame().pixel(0, 0), Opaque(kGreen));
    EXPECT_EQ(picture->frame().pixel(1, 0), Opaque(kBlack));
}

TEST(GifPicture, LoadsFromAFile) {
    const auto path = std::filesystem::temp_directory_path() / "kelvor_images_load.gif";
    const Bytes bytes = FourColours(1, 1).image(0, 0, 1, 1, {3}).trailer().bytes();
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    const auto picture = TGifPicture::LoadFile(path);
    std::filesystem::remove(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->frame().pixel(0, 0), Opaque(kBlue));
    EXPECT_EQ(TGifPicture::LoadFile(path), nullptr);
}

}  // namespace
}  // namespace kelvor::images::testing
