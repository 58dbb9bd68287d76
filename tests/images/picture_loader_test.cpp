#include "images/picture_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gif_test_support.h"
#include "still_format_files.h"

namespace kelvor::images::testing {
namespace {

TEST(PictureLoader, TheFormatComesFromTheFirstBytes) {
    EXPECT_EQ(SniffPictureFormat(Bytes{'G', 'I', 'F', '8', '9', 'a'}), PictureFormat::gif);
    EXPECT_EQ(SniffPictureFormat(Bytes{'g', 'i', 'f', '8', '9', 'a'}), PictureFormat::gif);
    EXPECT_EQ(SniffPictureFormat(MakePng(1, 1, {0, 0, 0, 255})), PictureFormat::png);
    EXPECT_EQ(SniffPictureFormat(MakeJpeg(1, 1, {0, 0, 0})), PictureFormat::jpeg);
    EXPECT_EQ(SniffPictureFormat(MakeBmp24(1, 1, {0, 0, 0})), PictureFormat::bmp);
    EXPECT_EQ(SniffPictureFormat(Bytes{'<', 'h', 't', 'm', 'l'}), PictureFormat::unknown);
    EXPECT_EQ(SniffPictureFormat(Bytes{}), PictureFormat::unknown);
    EXPECT_EQ(ReadPicture(Bytes{'<', 'h', 't', 'm', 'l'}), nullptr);
}

TEST(PictureLoader, GifPicturesKeepTheirAnimation) {
    auto gif = FourColours(1, 1);
    gif.image(0, 0, 1, 1, {1}).image(0, 0, 1, 1, {2});
    const auto picture = ReadPicture(gif.bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isAnimated());
    picture->startAnimation(0);
    EXPECT_TRUE(picture->stepAnimation(30).has_value());
    EXPECT_EQ(picture->frame().pixel(0, 0), Opaque(kGreen));
    // A damaged GIF gives no picture through the same door.
    EXPECT_EQ(ReadPicture(FourColours(1, 1).trailer().bytes()), nullptr);
}

TEST(PictureLoader, FilesOverSixteenMegabytesAreNotRead) {
    Bytes big = MakeBmp24(1, 1, {9, 9, 9});
    big.resize(kMaxPictureFileBytes + 1);  // a valid picture followed by padding
    EXPECT_EQ(ReadPicture(big), nullptr);
    big.resize(kMaxPictureFileBytes);
    EXPECT_NE(ReadPicture(big), nullptr);

    const auto path = std::filesystem::temp_directory_path() / "kelvor_images_big.bmp";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(big.data()), 54 + 4);
    }
    std::filesystem::resize_file(path, kMaxPictureFileBytes + 1);
    EXPECT_EQ(ReadPictureBytes(path), std::nullopt);
    EXPECT_EQ(ReadPictureFile(path), nullptr);
    std::filesystem::resize_file(path, 58);
    const auto picture = ReadPictureFile(path);
    std::filesystem::remove(path);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->frame().pixel(0, 0), 0xFF090909u);
    EXPECT_EQ(ReadPictureFile(path), nullptr);
}

TEST(PictureLoader, PixelLimit) {
    EXPECT_TRUE(PictureSizeAllowed(10000, 5000));
    EXPECT_FALSE(PictureSizeAllowed(10000, 5001));
    EXPECT_FALSE(PictureSizeAllowed(0, 5));
    EXPECT_FALSE(PictureSizeAllowed(std::uint64_t{1} << 40, 1));
}

}  // namespace
}  // namespace kelvor::images::testing
