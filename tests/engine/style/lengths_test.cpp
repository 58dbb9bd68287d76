#include "engine/style/lengths.h"

#include <gtest/gtest.h>

namespace kelvor::engine {
namespace {

TEST(FontSizes, UnitsAndKeywords) {
    const double parent = 12;
    const double d = 12;
    EXPECT_DOUBLE_EQ(FontSizeToPoints("1in", parent, d, 96), 72);
    EXPECT_NEAR(FontSizeToPoints("2.54cm", parent, d, 96), 72, 1e-9);
    EXPECT_NEAR(FontSizeToPoints("25.4mm", parent, d, 96), 72, 1e-9);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("10pt", parent, d, 96), 10);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("16px", parent, d, 96), 12);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("16", parent, d, 96), 12);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("1pc", parent, d, 96), 12);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("1.5em", 10, d, 96), 15);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("2ex", 10, d, 96), 10);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("150%", 12, d, 96), 18);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("smaller", 12, d, 96), 9);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("larger", 12, d, 96), 15);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("small", 20, d, 96), 12);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("medium", 20, d, 96), 14.4);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("xx-small", 20, d, 96), 8);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("x-small", 20, d, 96), 10);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("large", 20, d, 96), 18);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("x-large", 20, d, 96), 24);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("xx-large", 20, d, 96), 36);
    EXPECT_DOUBLE_EQ(FontSizeToPoints("huge", 20, d, 96), 12);
    EXPECT_TRUE(IsRelativeFontSize("150%"));
    EXPECT_TRUE(IsRelativeFontSize("larger"));
    EXPECT_FALSE(IsRelativeFontSize("10pt"));
}

TEST(Lengths, UnitsToPixels) {
    // 96 ppi, em 16, ex 8, base 300.
    const auto px = [](const char* text) { return LengthToPixels(text, 300, 16, 8, -1, 96); };
    EXPECT_EQ(px("1in"), 96);
    EXPECT_EQ(px("2.54cm"), 96);
    EXPECT_EQ(px("25.4mm"), 96);
    EXPECT_EQ(px("72pt"), 96);
    EXPECT_EQ(px("10pt"), 13);  // 13.33 rounded
    EXPECT_EQ(px("10px"), 10);
    EXPECT_EQ(px("1pc"), 16);
    EXPECT_EQ(px("2em"), 32);
    EXPECT_EQ(px("2ex"), 16);
    EXPECT_EQ(px("50%"), 150);
    EXPECT_EQ(px("7"), 7);
    EXPECT_EQ(px("2.5px"), 3);
    EXPECT_EQ(px("-4px"), -4);
    EXPECT_EQ(px("3furlongs"), -1);
    EXPECT_EQ(px("wide"), -1);
    EXPECT_EQ(LengthToPixels("1.5", 16, 16, 8, 0, 96, BareNumber::multipleOfBase), 24);
}

TEST(Lengths, BorderWidthKeywords) {
    EXPECT_EQ(BorderWidthToPixels("thin", 16, 8, 96), 2);
    EXPECT_EQ(BorderWidthToPixels("medium", 16, 8, 96), 4);
    EXPECT_EQ(BorderWidthToPixels("thick", 16, 8, 96), 6);
    EXPECT_EQ(BorderWidthToPixels("3px", 16, 8, 96), 3);
    EXPECT_EQ(BorderWidthToPixels("0.25em", 16, 8, 96), 4);
}

}  // namespace
}  // namespace kelvor::engine
