#include "engine/layout/indent_map.h"

#include <gtest/gtest.h>

namespace kelvor::engine::testing {
namespace {

TEST(IndentMap, BlockEdgesAndFloats) {
    TIndentMap map(0, 800);
    EXPECT_EQ(map.leftIndent(0), 0);
    EXPECT_EQ(map.rightSide(0), 800);
    const TBlock* outer = reinterpret_cast<const TBlock*>(0x10);
    const TBlock* inner = reinterpret_cast<const TBlock*>(0x20);
    const int outerId = map.addBlockIndents(outer, 10, 790, 5);
    map.currentBlock = outer;
    EXPECT_EQ(map.leftIndent(4), 0);  // above the block's content
    EXPECT_EQ(map.leftIndent(5), 10);
    EXPECT_TRUE(map.addFloat(FloatSide::left, 10, 20, 50, 30));    // x 10..60, y 20..50
    EXPECT_TRUE(map.addFloat(FloatSide::right, 700, 40, 90, 40));  // y 40..80
    EXPECT_EQ(map.leftIndent(19), 10);
    EXPECT_EQ(map.leftIndent(20), 60);
    EXPECT_EQ(map.rightSide(45), 700);
    EXPECT_EQ(map.nextWiderY(45), 50);
    EXPECT_EQ(map.nextWiderY(10), 10);
    EXPECT_TRUE(map.floatCovers(79));
    EXPECT_FALSE(map.floatCovers(80));
    EXPECT_EQ(map.clearY(ClearSide::left, 30), 50);
    EXPECT_EQ(map.clearY(ClearSide::right, 30), 80);
    EXPECT_EQ(map.clearY(ClearSide::both, 90), 90);
    EXPECT_EQ(map.floatBottom(), 80);
    // An inner block's own edges count while it is laid out; the outer block's do not.
    const int innerId = map.addBlockIndents(inner, 100, 200, 0);
    map.currentBlock = inner;
    EXPECT_EQ(map.leftIndent(25), 100);
    EXPECT_EQ(map.rightSide(25), 200);
    map.removeBlockIndents(innerId);
    map.currentBlock = outer;
    EXPECT_EQ(map.rightSide(10), 790);
    map.removeBlockIndents(outerId);
}

TEST(IndentMap, FloatsAreBoundedAndFarOnesDropped) {
    TIndentMap map(0, 800);
    for (std::size_t i = 0; i < TIndentMap::kMaxFloats; ++i)
        EXPECT_TRUE(map.addFloat(FloatSide::left, 0, static_cast<int>(i), 1, 1));
    EXPECT_FALSE(map.addFloat(FloatSide::left, 0, 5000, 1, 1));
    // Far enough below, the old ones no longer matter and make room.
    EXPECT_TRUE(map.addFloat(FloatSide::left, 0, 3000000, 10, 10));
    EXPECT_EQ(map.leftIndent(3000005), 10);
    EXPECT_EQ(map.floatBottom(), 3000010);
}

}  // namespace
}  // namespace kelvor::engine::testing
