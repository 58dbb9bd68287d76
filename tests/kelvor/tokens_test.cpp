#include "kelvor/tokens.h"

#include <gtest/gtest.h>

namespace kelvor {
namespace {

TEST(NextToken, SkipsLeadingBlanksAndStopsBeforeTheDelimiter) {
    std::uint16_t position = 1;
    std::uint16_t length = 0;
    ASSERT_TRUE(NextToken("  A B", position, length, " "));
    EXPECT_EQ(position, 3);
    EXPECT_EQ(length, 1);

    position = 1;
    ASSERT_TRUE(NextToken("FREQ=DAILY;COUNT=3", position, length, ";"));
    EXPECT_EQ(position, 1);
    EXPECT_EQ(length, 10);
}

TEST(NextToken, NothingLeftLeavesPositionAndLengthAlone) {
    std::uint16_t position = 1;
    std::uint16_t length = 7;
    EXPECT_FALSE(NextToken("", position, length, " "));
    EXPECT_EQ(position, 1);
    EXPECT_EQ(length, 7);
    position = 2;
    EXPECT_FALSE(NextToken("A   ", position, length, " "));
    EXPECT_EQ(position, 2);
}

TEST(NextToken, FirstCharacterIsTakenEvenWhenItIsADelimiter) {
    std::uint16_t position = 1;
    std::uint16_t length = 0;
    ASSERT_TRUE(NextToken(";AB;C", position, length, ";"));
    EXPECT_EQ(length, 3);  // ";AB"
}

TEST(SplitTokens, KeepsSixteenAndLeavesOlderSlotsBehind) {
    TokenList list;
    SplitTokens("a b c d e f g h i j k l m n o p q r", " ", list);
    EXPECT_EQ(list.count, 16);
    EXPECT_EQ(list.token[16], "p");

    SplitTokens("X  Y", " ", list);
    EXPECT_EQ(list.count, 2);
    EXPECT_EQ(list.token[1], "X");
    EXPECT_EQ(list.token[2], "Y");
    EXPECT_EQ(list.token[3], "c");  // not cleared
}

}  // namespace
}  // namespace kelvor
