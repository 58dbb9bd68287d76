#include "engine/text/charsets.h"

#include <gtest/gtest.h>

namespace kelvor::engine {
namespace {

TEST(CodePageConversion, EightBitTextToSixteenBit) {
    std::u16string text;
    ASSERT_TRUE(ConvertToUtf16("A\xC0", 1251, text));
    EXPECT_EQ(text, u"A\u0410");
    ASSERT_TRUE(ConvertToUtf16("caf\xE9 \x80", 0, text));
    EXPECT_EQ(text, u"caf\u00E9 \u20AC");
    ASSERT_TRUE(ConvertToUtf16("\xC3\xA9", kCodePageUtf8, text));
    EXPECT_EQ(text, u"\u00E9");
    ASSERT_TRUE(ConvertToUtf16("\x82\xA0", 932, text));
    EXPECT_EQ(text, u"\u3042");
    ASSERT_TRUE(ConvertToUtf16("\xB1", kCodePageLatin2, text));
    EXPECT_EQ(text, u"\u0105");
    EXPECT_FALSE(ConvertToUtf16("\xC3(", kCodePageUtf8, text));
    // The system default never fails, not even on bytes Windows-1252 leaves undefined.
    ASSERT_TRUE(ConvertToUtf16("\x81", 0, text));
    EXPECT_EQ(text, u"\u0081");
    std::string bytes;
    ASSERT_TRUE(ConvertFromUtf16(u"\u0410\u4E00", 1251, bytes));
    EXPECT_EQ(bytes, "\xC0?");
}

}  // namespace
}  // namespace kelvor::engine
