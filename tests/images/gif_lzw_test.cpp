#include "images/gif_lzw.h"

#include <gtest/gtest.h>

#include <random>

#include "gif_writer.h"
#include "images/gif_errors.h"

namespace kelvor::images::testing {
namespace {

// Decodes into a buffer of `count` indices, each starting as 0xEE so untouched places show.
std::vector<std::uint8_t> Decode(const Bytes& data, int minimumCodeSize, std::size_t count,
                                 std::size_t* written = nullptr) {
    std::vector<std::uint8_t> out(count, 0xEE);
    const std::size_t n = DecodeGifLzw(data, minimumCodeSize, out.data(), count);
    if (written)
        *written = n;
    return out;
}

int ErrorOf(const Bytes& data, int minimumCodeSize) {
    std::vector<std::uint8_t> out(16);
    try {
        DecodeGifLzw(data, minimumCodeSize, out.data(), out.size());
    } catch (const GifError& error) {
        return error.number();
    }
    return -1;
}

std::vector<std::uint8_t> Random(std::size_t count, int colours, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> out(count);
    // Runs of equal indices as well as noise, so long strings and a full table both occur.
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = (i > 0 && random() % 3 == 0) ? out[i - 1]
                                              : static_cast<std::uint8_t>(random() % colours);
    }
    return out;
}

// Minimum code size 2: clear 4, end 5, first free 6, codes of 3 bits to begin with.

TEST(GifLzw, LiteralsAndAStringBuiltFromThem) {
    // 1, 2, then code 6 = "1 2" (added on reading 2); adding 7 made the width 4 bits.
    EXPECT_EQ(Decode(PackCodes({{4, 3}, {1, 3}, {2, 3}, {6, 3}, {5, 4}}), 2, 4),
              (std::vector<std::uint8_t>{1, 2, 1, 2}));
}

TEST(GifLzw, TheCodeEqualToTheNextFreeOneRepeatsThePreviousStringsFirstCharacter) {
    // 1, then 6 (not yet in the table) = "1" + "1".
    EXPECT_EQ(Decode(PackCodes({{4, 3}, {1, 3}, {6, 3}, {5, 3}}), 2, 3),
              (std::vector<std::uint8_t>{1, 1, 1}));
}

TEST(GifLzw, RepeatedClearCodesAreSkipped) {
    EXPECT_EQ(Decode(PackCodes({{4, 3}, {4, 3}, {4, 3}, {3, 3}, {5, 3}}), 2, 1),
              (std::vector<std::uint8_t>{3}));
}

TEST(GifLzw, AFirstCodeNotBelowTheNextFreeCountsAsZero) {
    EXPECT_EQ(Decode(PackCodes({{4, 3}, {7, 3}, {2, 3}, {5, 3}}), 2, 2),
              (std::vector<std::uint8_t>{0, 2}));
    // The same at the very start, without a clear code.
    EXPECT_EQ(Decode(PackCodes({{6, 3}, {5, 3}}), 2, 1), (std::vector<std::uint8_t>{0}));
}

TEST(GifLzw, DataFormatErrors) {
    EXPECT_EQ(ErrorOf(PackCodes({{4, 3}, {5, 3}}), 2), 13);
    EXPECT_EQ(ErrorOf(PackCodes({{4, 3}, {4, 3}, {5, 3}}), 2), 13);
    // After 1 the next free code is 6; 7 is beyond it.
    EXPECT_EQ(ErrorOf(PackCodes({{4, 3}, {1, 3}, {7, 3}, {5, 3}}), 2), 13);
    // An end code that follows data is the normal end.
    EXPECT_EQ(ErrorOf(PackCodes({{4, 3}, {1, 3}, {5, 3}}), 2), -1);
}

TEST(GifLzw, CodeSizeLimits) {
    EXPECT_EQ(ErrorOf({0}, 12), 12);
    EXPECT_EQ(ErrorOf({0}, 11), 15);  // literals of 11 bits are no colour index
    EXPECT_EQ(ErrorOf({0}, 9), 15);
    EXPECT_EQ(ErrorOf(PackCodes({{256, 9}, {7, 9}, {257, 9}}), 8), -1);
}

TEST(GifLzw, TheWidthGrowsWhenTheNextFreeCodeReachesItsLimit) {
    // After 1, 2, 3 the table holds 6 and 7; reading 3 made next free 8, so codes are 4 bits.
    EXPECT_EQ(Decode(PackCodes({{4, 3}, {1, 3}, {2, 3}, {3, 3}, {7, 4}, {5, 4}}), 2, 5),
              (std::vector<std::uint8_t>{1, 2, 3, 2, 3}));
}

TEST(GifLzw, DecodingStopsWhenTheDataRunsOut) {
    // Eight codes of 9 bits fill nine bytes exactly; there is no end code.
    std::size_t written = 0;
    const auto out =
        Decode(PackCodes({{256, 9}, {1, 9}, {2, 9}, {3, 9}, {4, 9}, {5, 9}, {6, 9}, {7, 9}}), 8, 10,
               &written);
    EXPECT_EQ(written, 7u);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 7, 0xEE, 0xEE, 0xEE}));
}

TEST(GifLzw, IndicesPastTheBufferAreDroppedButTheDataIsStillChecked) {
    std::size_t written = 0;
    const auto out = Decode(PackCodes({{4, 3}, {1, 3}, {2, 3}, {6, 3}, {5, 4}}), 2, 3, &written);
    EXPECT_EQ(written, 3u);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 1}));
    // A fault after the buffer is full is still a fault: after 1 the next free code is 6.
    std::vector<std::uint8_t> one(1);
    EXPECT_THROW(DecodeGifLzw(PackCodes({{4, 3}, {1, 3}, {7, 3}}), 2, one.data(), 1), GifError);
}

TEST(GifLzw, RoundTripsThroughAFullTable) {
    for (const bool clearWhenFull : {true, false}) {
        const auto indices = Random(200'000, 200, 7);
        const auto data = LzwEncode(indices, 8, clearWhenFull);
        EXPECT_EQ(Decode(data, 8, indices.size()), indices) << clearWhenFull;
    }
    const auto small = Random(5000, 2, 9);
    EXPECT_EQ(Decode(LzwEncode(small, 2), 2, small.size()), small);
}

}  // namespace
}  // namespace kelvor::images::testing
