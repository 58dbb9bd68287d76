#include "platform/ascii.h"

#include <gtest/gtest.h>

namespace kelvor::ascii {
namespace {

TEST(AsciiCase, OnlyAsciiLettersChange) {
    // 8-bit letters of a code page (é, Ä in Windows-1252) are left alone whatever the locale.
    EXPECT_EQ(UpperCased("mailto:Ann\xE9@x-1.org"), "MAILTO:ANN\xE9@X-1.ORG");
    EXPECT_EQ(LowerCased("DTSTART;TZID=\xC4Z"), "dtstart;tzid=\xC4z");
    EXPECT_EQ(ToUpper('{'), '{');
    EXPECT_EQ(ToLower('@'), '@');
    EXPECT_TRUE(EqualsIgnoringCase("AppData", "APPDATA"));
    EXPECT_FALSE(EqualsIgnoringCase("\xE9", "\xC9"));
    EXPECT_FALSE(EqualsIgnoringCase("screen", "screens"));
    EXPECT_TRUE(ContainsIgnoringCase("@media Screen, print", "SCREEN"));
    EXPECT_FALSE(ContainsIgnoringCase("scree", "screen"));
    EXPECT_TRUE(ContainsIgnoringCase("", ""));
    std::string zone = "europe/zürich_1";
    UpperCaseInPlace(zone);
    EXPECT_EQ(zone, "EUROPE/ZüRICH_1");
    LowerCaseInPlace(zone);
    EXPECT_EQ(zone, "europe/zürich_1");
}

TEST(AsciiTrim, EachTrimRemovesWhatItsNameSays) {
    const std::string_view text = "\x01\t \r\nvalue \x7F\t";
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimWhitespace(" \t\r\na b\n\r\t "), "a b");
    EXPECT_EQ(TrimWhitespace(text), "\x01\t \r\nvalue \x7F");
    EXPECT_EQ(TrimSpacesAndControls(text), "value");
    // A no-break space (160) is no control character.
    EXPECT_EQ(TrimSpacesAndControls("\xA0x\xA0"), "\xA0x\xA0");
    EXPECT_EQ(TrimSpacesAndControls(" \x1F\x7F "), "");
    EXPECT_EQ(TrimSpaces(""), "");
}

}  // namespace
}  // namespace kelvor::ascii
