#include <gtest/gtest.h>

#include "gif_test_support.h"
#include "images/gif_decoder.h"

namespace kelvor::images::testing {
namespace {

// Keeps what the decoder hands over.
struct RecordingSink : GifImageSink {
    struct Seen {
        int left, top, width, height;
        bool interlaced;
        std::vector<std::uint8_t> pixels;
        std::vector<GifExtension> extensions;
        std::optional<GifGraphicControl> control;
        Argb colour1;
    };
    std::vector<Seen> images;
    void addImage(const GifImage& image) override {
        Seen seen{image.left,
                  image.top,
                  image.width,
                  image.height,
                  image.interlaced,
                  {image.pixels.begin(), image.pixels.end()},
                  {image.extensions.begin(), image.extensions.end()},
                  {},
                  image.colours->colours[1]};
        if (const auto* control = image.graphicControl())
            seen.control = *control;
        images.push_back(std::move(seen));
    }
};

RecordingSink Read(const Bytes& file, TGifDecoder* decoder = nullptr) {
    TGifDecoder own;
    RecordingSink sink;
    (decoder ? *decoder : own).read(file, sink);
    return sink;
}

Bytes OneImage(std::string_view signature) {
    return FourColours(2, 2, signature).image(0, 0, 2, 2, {1, 2, 3, 0}).trailer().bytes();
}

TEST(GifSignature, BothVersionsInAnyCaseAreAccepted) {
    for (const char* signature : {"GIF87a", "GIF89a", "gif89a", "gif87A", "Gif89a"})
        EXPECT_EQ(ErrorNumber(OneImage(signature)), -1) << signature;
}

TEST(GifSignature, AnythingElseIsErrorOne) {
    EXPECT_EQ(ErrorNumber(OneImage("GIF88a")), 1);
    EXPECT_EQ(ErrorNumber(OneImage("PNG89a")), 1);
    EXPECT_EQ(ErrorNumber(Bytes{'G', 'I', 'F', '8'}), 1);
    EXPECT_EQ(ErrorNumber(Bytes{}), 1);
    try {
        TGifPicture::Build(OneImage("GIF90a"));
        FAIL();
    } catch (const GifError& error) {
        EXPECT_STREQ(error.what(), "GIF: Invalid GIF Signature Code");
    }
}

TEST(GifScreen, DescriptorFieldsAreRead) {
    GifWriter gif(300, 200);
    gif.globalTable({kBlack, kRed, kGreen, kBlue, kBlack});  // 5 entries: a table of 8
    gif.image(0, 0, 1, 1, {1}).trailer();
    TGifDecoder decoder;
    Read(gif.bytes(), &decoder);
    EXPECT_EQ(decoder.screen().width, 300);
    EXPECT_EQ(decoder.screen().height, 200);
    EXPECT_TRUE(decoder.screen().globalTable);
    EXPECT_EQ(decoder.screen().globalTableSize, 8);
    EXPECT_EQ(decoder.screen().colourResolution, 8);
    EXPECT_EQ(decoder.loopCount(), -1);
}

TEST(GifImages, PixelsAndLocalTables) {
    auto gif = FourColours(4, 2);
    gif.image(0, 0, 4, 2, {0, 1, 2, 3, 3, 2, 1, 0});
    ImageOptions local;
    local.localTable = {kBlack, 0x123456};
    local.minimumCodeSize = 2;
    gif.image(1, 1, 1, 1, {1}, local).trailer();
    const auto sink = Read(gif.bytes());
    ASSERT_EQ(sink.images.size(), 2u);
    EXPECT_EQ(sink.images[0].pixels, (std::vector<std::uint8_t>{0, 1, 2, 3, 3, 2, 1, 0}));
    EXPECT_EQ(sink.images[0].colour1, Opaque(kRed));
    EXPECT_EQ(sink.images[1].colour1, Opaque(0x123456));
    EXPECT_EQ(sink.images[1].left, 1);
    EXPECT_EQ(sink.images[1].top, 1);
}

TEST(GifImages, InterlacedRowsComeInFourPasses) {
    // Row r holds index r % 4 everywhere; sent in pass order it must come back in row order.
    const int width = 3, height = 11;
    std::vector<std::uint8_t> rows;
    for (int r = 0; r < height; ++r)
        rows.insert(rows.end(), width, static_cast<std::uint8_t>(r % 4));
    ImageOptions options;
    options.interlaced = true;
    auto gif = FourColours(width, height);
    gif.image(0, 0, width, height, rows, options).trailer();
    const auto sink = Read(gif.bytes());
    ASSERT_EQ(sink.images.size(), 1u);
    EXPECT_TRUE(sink.images[0].interlaced);
    EXPECT_EQ(sink.images[0].pixels, rows);
}

TEST(GifImages, AnImageTallerThanTheScreenIsCut) {
    auto gif = FourColours(2, 3);
    gif.image(0, 0, 2, 5, {1, 1, 2, 2, 3, 3, 0, 0, 1, 1}).trailer();
    const auto sink = Read(gif.bytes());
    ASSERT_EQ(sink.images.size(), 1u);
    EXPECT_EQ(sink.images[0].height, 3);
    EXPECT_EQ(sink.images[0].pixels, (std::vector<std::uint8_t>{1, 1, 2, 2, 3, 3}));
}

TEST(GifExtensions, BelongToTheNextImageAndTheFirstGraphicControlCounts) {
    auto gif = FourColours(1, 1);
    gif.comment("hello").graphicControl(2, 7, 3).graphicControl(1, 9);
    gif.image(0, 0, 1, 1, {1});
    gif.image(0, 0, 1, 1, {2}).trailer();
    const auto sink = Read(gif.bytes());
    ASSERT_EQ(sink.images.size(), 2u);
    ASSERT_EQ(sink.images[0].extensions.size(), 3u);
    EXPECT_EQ(sink.images[0].extensions[0].kind, GifExtension::Kind::comment);
    EXPECT_EQ(std::string(sink.images[0].extensions[0].data.begin(),
                          sink.images[0].extensions[0].data.end()),
              "hello");
    ASSERT_TRUE(sink.images[0].control.has_value());
    EXPECT_EQ(sink.images[0].control->disposal, 2);
    EXPECT_EQ(sink.images[0].control->delay, 7);
    EXPECT_TRUE(sink.images[0].control->transparent);
    EXPECT_EQ(sink.images[0].control->transparentIndex, 3);
    EXPECT_TRUE(sink.images[1].extensions.empty());
    EXPECT_FALSE(sink.images[1].control.has_value());
}

TEST(GifExtensions, PlainTextAndOtherApplicationBlocksAreReadAndKept) {
    auto gif = FourColours(1, 1);
    // Plain text: block size 12, grid 1,2,3,4, cell 5x6, colours 1 and 2, one sub-block.
    gif.raw({0x21, 0x01, 12, 1, 0, 2, 0, 3, 0, 4, 0, 5, 6, 1, 2, 2, 'h', 'i', 0});
    // An application block of size 5: those bytes are skipped, the sub-blocks kept.
    gif.raw({0x21, 0xFF, 5, 'A', 'B', 'C', 'D', 'E', 1, 9, 0});
    gif.image(0, 0, 1, 1, {1}).trailer();
    const auto sink = Read(gif.bytes());
    ASSERT_EQ(sink.images.size(), 1u);
    const auto& extensions = sink.images[0].extensions;
    ASSERT_EQ(extensions.size(), 2u);
    EXPECT_EQ(extensions[0].kind, GifExtension::Kind::plainText);
    EXPECT_EQ(extensions[0].plainText.gridTop, 2);
    EXPECT_EQ(extensions[0].plainText.cellHeight, 6);
    EXPECT_EQ(extensions[0].plainText.backgroundIndex, 2);
    EXPECT_EQ(extensions[0].data, (std::vector<std::uint8_t>{'h', 'i'}));
    EXPECT_EQ(extensions[1].kind, GifExtension::Kind::application);
    EXPECT_EQ(extensions[1].blockSize, 5);
    EXPECT_EQ(extensions[1].data, (std::vector<std::uint8_t>{9}));
}

TEST(GifLoopCount, ComesFromTheNetscapeBlock) {
    auto loops = [](std::optional<int> netscape) {
        auto gif = FourColours(1, 1);
        if (netscape)
            gif.netscape(*netscape);
        gif.image(0, 0, 1, 1, {1}).image(0, 0, 1, 1, {2}).trailer();
        return MustBuild(gif.bytes())->loopCount();
    };
    EXPECT_EQ(loops(std::nullopt), 1);
    EXPECT_EQ(loops(2), 3);
    EXPECT_EQ(loops(1), 2);
    EXPECT_EQ(loops(0), 0);
    EXPECT_EQ(loops(300), 301);
}

TEST(GifLoopCount, OnlyANetscapeBlockWithAThreeByteFirstSubBlockCounts) {
    auto gif = FourColours(1, 1);
    gif.raw(
        {0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 4, 1, 5, 0, 0, 0});
    gif.raw({0x21, 0xFF, 11, 'A', 'N', 'I', 'M', 'E', 'X', 'T', 'S', '1', '.', '0', 3, 1, 5, 0, 0});
    gif.image(0, 0, 1, 1, {1}).trailer();
    TGifDecoder decoder;
    Read(gif.bytes(), &decoder);
    EXPECT_EQ(decoder.loopCount(), -1);
}

TEST(GifBlocks, ReadingEndsAtTheTrailerAZeroOrTheEndOfData) {
    const auto withEnd = [](std::initializer_list<std::uint8_t> end) {
        auto gif = FourColours(1, 1);
        gif.image(0, 0, 1, 1, {1}).raw(end).image(0, 0, 1, 1, {2});
        return MustBuild(gif.bytes())->frameCount();
    };
    EXPECT_EQ(withEnd({0x3B}), 1);
    EXPECT_EQ(withEnd({0x00}), 1);
    auto gif = FourColours(1, 1);
    gif.image(0, 0, 1, 1, {1}).image(0, 0, 1, 1, {2});  // no trailer at all
    EXPECT_EQ(MustBuild(gif.bytes())->frameCount(), 2);
}

TEST(GifBlocks, AStrayByteAfterAnImageKeepsTheFramesRead) {
    auto gif = FourColours(1, 1);
    gif.image(0, 0, 1, 1, {1}).image(0, 0, 1, 1, {2}).raw({0x99}).image(0, 0, 1, 1, {3});
    gif.trailer();
    const auto picture = MustBuild(gif.bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->frameCount(), 2);
    EXPECT_EQ(picture->cellView(1).pixel(0, 0), Opaque(kGreen));
}

TEST(GifBlocks, AStrayByteBeforeAnyImageFails) {
    auto gif = FourColours(1, 1);
    gif.raw({0x99}).image(0, 0, 1, 1, {1}).trailer();
    EXPECT_EQ(ErrorNumber(gif.bytes()), 4);
    EXPECT_EQ(TGifPicture::Load(gif.bytes()), nullptr);
}

TEST(GifBlocks, ADamagedLaterImageKeepsTheFramesBeforeIt) {
    auto gif = FourColours(2, 1);
    gif.image(0, 0, 2, 1, {1, 1});
    gif.raw({0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0, 8, 10, 1, 2});  // sub-block of 10 cut short
    const auto picture = MustBuild(gif.bytes());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->frameCount(), 1);
}

// Each error number the reader raises, from the smallest file that shows it.
TEST(GifErrors, EachNumberHasItsCase) {
    // 2: an image with neither a local nor a global table.
    EXPECT_EQ(ErrorNumber(GifWriter(1, 1).image(0, 0, 1, 1, {0}).trailer().bytes()), 2);
    // 4: an unknown block.
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).raw({0x2D}).bytes()), 4);
    // 5: a graphic control of block size 5, a plain text of block size 11.
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).raw({0x21, 0xF9, 5, 0, 0, 0, 0, 0, 0}).bytes()), 5);
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).raw({0x21, 0x01, 11}).bytes()), 5);
    // 7: a graphic control without its terminator.
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).raw({0x21, 0xF9, 4, 0, 0, 0, 0, 7}).bytes()), 7);
    // 12: a minimum code size of 12 (a starting width of 13 bits).
    ImageOptions wide;
    wide.minimumCodeSize = 12;
    wide.rawData = Bytes{0, 0};
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).image(0, 0, 1, 1, {}, wide).bytes()), 12);
    // 13: an end code right after a clear code (minimum code size 2: clear 4, end 5).
    ImageOptions endAfterClear;
    endAfterClear.minimumCodeSize = 2;
    endAfterClear.rawData = PackCodes({{4, 3}, {5, 3}});
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).image(0, 0, 1, 1, {}, endAfterClear).bytes()), 13);
    // 18: no image at all.
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).trailer().bytes()), 18);
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).comment("x").bytes()), 18);
    // 24: a sub-block shorter than its size byte, and a descriptor cut short.
    EXPECT_EQ(
        ErrorNumber(FourColours(1, 1).raw({0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 5, 1}).bytes()), 24);
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).raw({0x2C, 0, 0, 0}).bytes()), 24);
    EXPECT_EQ(ErrorNumber(Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 0}), 24);
    // 26: an image of width 0.
    EXPECT_EQ(ErrorNumber(FourColours(1, 1).image(0, 0, 0, 1, {}).bytes()), 26);
}

TEST(GifErrors, AnUnknownExtensionNamesItsLabel) {
    try {
        TGifPicture::Build(FourColours(1, 1).raw({0x21, 0x42, 0}).image(0, 0, 1, 1, {1}).bytes());
        FAIL();
    } catch (const GifError& error) {
        EXPECT_EQ(error.number(), 6);
        EXPECT_STREQ(error.what(), "GIF: unknown extension: 0042");
    }
}

TEST(GifErrors, TextsAreTheReadersOwn) {
    EXPECT_EQ(GifErrorText(0), "no error");
    EXPECT_EQ(GifErrorText(13), "Invalid LZW Data Format");
    EXPECT_EQ(GifErrorText(25), "Animated GIF too large");
    EXPECT_EQ(GifErrorText(27), "next message");
    EXPECT_EQ(GifErrorText(28), "");
    EXPECT_STREQ(GifError(GifErrorCode::zeroWidthOrHeight).what(), "GIF: Zero width or height");
}

}  // namespace
}  // namespace kelvor::images::testing
