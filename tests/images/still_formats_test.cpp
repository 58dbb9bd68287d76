#include <gtest/gtest.h>

#include <cstdlib>

#include "allocation_probe.h"
#include "gif_test_support.h"
#include "images/picture_loader.h"
#include "still_format_files.h"

namespace kelvor::images::testing {
namespace {

// A 4 x 3 RGB picture: the top row red, green, blue, white; the rest grey 0x808080.
std::vector<std::uint8_t> SmallRgb() {
    std::vector<std::uint8_t> rgb(4 * 3 * 3, 0x80);
    const std::uint8_t top[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    std::copy(top, top + 12, rgb.begin());
    return rgb;
}

Bytes Truncated(Bytes file, std::size_t keep) {
    file.resize(keep);
    return file;
}

int ChannelDistance(Argb a, Argb b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

TEST(PngPictures, SizeColoursAndAlpha) {
    // 2 x 2: opaque red, half-transparent green, fully transparent blue, opaque white.
    const std::vector<std::uint8_t> rgba = {255, 0, 0,   255, 0,   255, 0,   128,
                                            0,   0, 255, 0,   255, 255, 255, 255};
    const auto picture = ReadPicture(MakePng(2, 2, rgba));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 2);
    EXPECT_EQ(picture->height(), 2);
    EXPECT_TRUE(picture->hasTransparency());
    EXPECT_FALSE(picture->isAnimated());
    const BitmapView frame = picture->frame();
    EXPECT_EQ(frame.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(frame.pixel(1, 0), 0x8000FF00u);  // not premultiplied
    EXPECT_EQ(frame.pixel(0, 1) >> 24, 0u);
    EXPECT_EQ(frame.pixel(1, 1), 0xFFFFFFFFu);
}

TEST(PngPictures, AnOpaquePictureHasNoTransparency) {
    std::vector<std::uint8_t> rgba(5 * 7 * 4, 255);
    const auto picture = ReadPicture(MakePng(5, 7, rgba));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 5);
    EXPECT_EQ(picture->height(), 7);
    EXPECT_FALSE(picture->hasTransparency());
}

TEST(PngPictures, ATruncatedFileGivesNoPicture) {
    std::vector<std::uint8_t> rgba(64 * 64 * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = static_cast<std::uint8_t>(i * 7 + i / 13);
    const Bytes png = MakePng(64, 64, rgba);
    ASSERT_NE(ReadPicture(png), nullptr);
    EXPECT_EQ(ReadPicture(Truncated(png, png.size() / 2)), nullptr);
    EXPECT_EQ(ReadPicture(Truncated(png, 20)), nullptr);
}

TEST(PngPictures, OverThePixelLimitIsRefusedBeforeAllocating) {
    Bytes png = MakePng(2, 2, std::vector<std::uint8_t>(16, 255));
    SetPngSize(png, 10000, 5001);  // 50,010,000 pixels
    AllocationProbe probe;
    EXPECT_EQ(ReadPicture(png), nullptr);
    EXPECT_LT(probe.largest(), 1'000'000u);
}

TEST(JpegPictures, SizeAndAKnownPixel) {
    // A flat colour survives quality 100 within a step or two per channel.
    std::vector<std::uint8_t> rgb(16 * 8 * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = 200;
        rgb[i + 1] = 40;
        rgb[i + 2] = 90;
    }
    const auto picture = ReadPicture(MakeJpeg(16, 8, rgb));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 16);
    EXPECT_EQ(picture->height(), 8);
    EXPECT_FALSE(picture->hasTransparency());
    EXPECT_LE(ChannelDistance(picture->frame().pixel(5, 3), 0xFFC8285Au), 3);
}

TEST(JpegPictures, ProgressivePicturesAreRead) {
    // Left half black, right half white: the edge survives quality 100.
    std::vector<std::uint8_t> rgb(32 * 16 * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = (i / 3) % 32 < 16 ? 0 : 255;
    const Bytes jpeg = MakeJpeg(32, 16, rgb, false, true);
    const auto picture = ReadPicture(jpeg);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 32);
    EXPECT_LE(ChannelDistance(picture->frame().pixel(2, 5), 0xFF000000u), 3);
    EXPECT_LE(ChannelDistance(picture->frame().pixel(29, 5), 0xFFFFFFFFu), 3);
    EXPECT_EQ(ReadPicture(Truncated(jpeg, jpeg.size() * 2 / 3)), nullptr);
}

TEST(JpegPictures, GreyPicturesBecomeGreyPixels) {
    std::vector<std::uint8_t> rgb(8 * 8 * 3, 0x60);
    const auto picture = ReadPicture(MakeJpeg(8, 8, rgb, true));
    ASSERT_NE(picture, nullptr);
    EXPECT_LE(ChannelDistance(picture->frame().pixel(3, 3), 0xFF606060u), 2);
}

TEST(JpegPictures, ATruncatedFileGivesNoPicture) {
    std::vector<std::uint8_t> rgb(64 * 64 * 3);
    for (std::size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
    const Bytes jpeg = MakeJpeg(64, 64, rgb);
    ASSERT_NE(ReadPicture(jpeg), nullptr);
    EXPECT_EQ(ReadPicture(Truncated(jpeg, jpeg.size() / 2)), nullptr);
    EXPECT_EQ(ReadPicture(Truncated(jpeg, jpeg.size() - 2)), nullptr);  // no end marker
    EXPECT_EQ(ReadPicture(Truncated(jpeg, 100)), nullptr);
}

TEST(JpegPictures, OverThePixelLimitIsRefusedBeforeAllocating) {
    Bytes jpeg = MakeJpeg(8, 8, std::vector<std::uint8_t>(8 * 8 * 3, 10));
    SetJpegSize(jpeg, 10000, 5001);
    AllocationProbe probe;
    EXPECT_EQ(ReadPicture(jpeg), nullptr);
    EXPECT_LT(probe.largest(), 1'000'000u);
}

TEST(BmpPictures, SizeAndKnownPixels) {
    const auto picture = ReadPicture(MakeBmp24(4, 3, SmallRgb()));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 4);
    EXPECT_EQ(picture->height(), 3);
    EXPECT_FALSE(picture->hasTransparency());
    // The file stores rows bottom-up; the picture's first row is the top one.
    EXPECT_EQ(picture->frame().pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(picture->frame().pixel(2, 0), 0xFF0000FFu);
    EXPECT_EQ(picture->frame().pixel(3, 0), 0xFFFFFFFFu);
    EXPECT_EQ(picture->frame().pixel(1, 2), 0xFF808080u);
}

TEST(BmpPictures, PalettedAndTopDown) {
    // 3 x 2, 8 bits, top-down (negative height), palette of two: red, blue.
    Bytes b{'B', 'M', 0, 0, 0, 0, 0, 0,    0,    0,    62,   0, 0, 0, 40,
            0,   0,   0, 3, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 8, 0};
    b.resize(46, 0);
    b.insert(b.end(), {2, 0, 0, 0, 0, 0, 0, 0});  // colours used: 2
    b.insert(b.end(), {0, 0, 255, 0, 255, 0, 0, 0});
    b.insert(b.end(), {0, 1, 0, 0, 1, 1, 0, 0});  // rows padded to 4 bytes
    const auto picture = ReadPicture(b);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width(), 3);
    EXPECT_EQ(picture->height(), 2);
    EXPECT_EQ(picture->frame().pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(picture->frame().pixel(1, 0), 0xFF0000FFu);
    EXPECT_EQ(picture->frame().pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(picture->frame().pixel(2, 1), 0xFFFF0000u);
}

TEST(BmpPictures, ATruncatedFileGivesNoPicture) {
    const Bytes bmp = MakeBmp24(4, 3, SmallRgb());
    EXPECT_EQ(ReadPicture(Truncated(bmp, bmp.size() - 1)), nullptr);
    EXPECT_EQ(ReadPicture(Truncated(bmp, 30)), nullptr);
    EXPECT_EQ(ReadPicture(Truncated(bmp, 2)), nullptr);
}

TEST(BmpPictures, OverThePixelLimitIsRefusedBeforeAllocating) {
    Bytes bmp = MakeBmp24(1, 1, {1, 2, 3});
    const std::uint32_t width = 50'000'001, height = 1;
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = static_cast<std::uint8_t>(width >> (8 * i));
        bmp[22 + i] = static_cast<std::uint8_t>(height >> (8 * i));
    }
    AllocationProbe probe;
    EXPECT_EQ(ReadPicture(bmp), nullptr);
    EXPECT_LT(probe.largest(), 1'000'000u);
}

}  // namespace
}  // namespace kelvor::images::testing
