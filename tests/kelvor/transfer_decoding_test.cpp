#include "kelvor/transfer_decoding.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvor {
namespace {

TEST(Utf16ToUtf8, BothByteOrdersSurrogatesAndBrokenUnits) {
    EXPECT_EQ(Utf16ToUtf8(std::string("\xFF\xFE"
                                      "A\0\xE9\0",
                                      6)),
              "A\xC3\xA9");
    EXPECT_EQ(Utf16ToUtf8(std::string("\xFE\xFF\0A\x20\xAC", 6)), "A\xE2\x82\xAC");
    // U+1F600 as a surrogate pair, little-endian.
    EXPECT_EQ(Utf16ToUtf8(std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)), "\xF0\x9F\x98\x80");
    // A lone high surrogate, a lone low one, and an odd last byte.
    EXPECT_EQ(Utf16ToUtf8(std::string("\xFF\xFE\x3D\xD8"
                                      "A\0\x00\xDEZ",
                                      9)),
              "\xEF\xBF\xBD"
              "A\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8("no mark"), "");
    EXPECT_TRUE(HasUtf16Mark("\xFE\xFF"));
    EXPECT_FALSE(HasUtf16Mark("\xEF\xBB\xBF"));
}

TEST(QuotedPrintableDecode, EscapesSoftBreaksAndPadding) {
    EXPECT_EQ(QuotedPrintableDecode("CN=3DAnn;RSVP=3dTRUE\r\n"), "CN=Ann;RSVP=TRUE\r\n");
    EXPECT_EQ(QuotedPrintableDecode("SUMMARY:Bud=\r\nget  \r\nEND\r\n"),
              "SUMMARY:Budget\r\nEND\r\n");
    // Not an escape: stays as written.
    EXPECT_EQ(QuotedPrintableDecode("a=G1 b= c=4\r\n"), "a=G1 b= c=4\r\n");
    EXPECT_EQ(QuotedPrintableDecode("last=4"), "last=4");
    EXPECT_EQ(QuotedPrintableDecode("=E2=80=93"), "\xE2\x80\x93");
    EXPECT_EQ(QuotedPrintableDecode("="), "");
}

}  // namespace
}  // namespace kelvor
