#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "kelvor/intake.h"

namespace kelvor {
namespace {

TEST(Base64Decode, WholeGroupsAndPadding) {
    EXPECT_EQ(Base64Decode(""), "");
    EXPECT_EQ(Base64Decode("QkVHSU46VkNBTEVOREFS"), "BEGIN:VCALENDAR");
    EXPECT_EQ(Base64Decode("TWFu"), "Man");
    EXPECT_EQ(Base64Decode("TWE="), "Ma");
    EXPECT_EQ(Base64Decode("TQ=="), "M");
    EXPECT_EQ(Base64Decode("QkVHSU46VkNBTEVOREFSCkVORDpWQ0FMRU5EQVI="),
              "BEGIN:VCALENDAR\nEND:VCALENDAR");
    EXPECT_EQ(Base64Decode("+/+/"), "\xfb\xff\xbf");
}

TEST(Base64Decode, PaddingDoesNotEndTheText) {
    EXPECT_EQ(Base64Decode("TQ==TWFu"), "MMan");
    EXPECT_EQ(Base64Decode("TWE=TQ=="), "MaM");
}

TEST(Base64Decode, IncompleteLastGroupGivesTheBytesItDetermines) {
    EXPECT_EQ(Base64Decode("TWFuTWE"), "ManMa");
    EXPECT_EQ(Base64Decode("TWFuTQ"), "ManM");
    EXPECT_EQ(Base64Decode("TWFuT"), "Man");
    EXPECT_EQ(Base64Decode("T"), "");
    EXPECT_EQ(Base64Decode("TQ="), "M");
}

TEST(Base64Decode, NeverReadsPastItsText) {
    const std::string buffer = "TWFuTWFu";
    EXPECT_EQ(Base64Decode(std::string_view(buffer).substr(0, 6)), "ManM");
    EXPECT_EQ(Base64Decode(std::string_view(buffer).substr(0, 5)), "Man");
}

TEST(Base64Decode, LineEndsAreSkippedOnlyWhereAGroupStarts) {
    EXPECT_EQ(Base64Decode("TWFu\r\nTWFu\n"), "ManMan");
    EXPECT_EQ(Base64Decode("\r\n\r\nTQ=="), "M");
    // Inside a group a line end is an ordinary non-alphabet character.
    EXPECT_EQ(Base64Decode("TW\r\n"), "Mo\xff");
}

TEST(Base64Decode, CharactersOutsideTheAlphabetCountAsAllBitsSet) {
    EXPECT_EQ(Base64Decode("////"), "\xff\xff\xff");
    EXPECT_EQ(Base64Decode("!-* "), "\xff\xff\xff");
    EXPECT_EQ(Base64Decode("\x80\xc3\xa9\xff"), "\xff\xff\xff");
    // A pad marker where a group begins carries no bits.
    EXPECT_EQ(Base64Decode("A="), std::string(1, '\0'));
    EXPECT_EQ(Base64Decode("=Q=="), std::string(1, '\x01'));
}

}  // namespace
}  // namespace kelvor
