#pragma once

#include <vector>

#include "engine/document/section.h"

namespace kelvor::engine {

class TBlock;

// Where floats and block edges leave room for text, for one layout of a tree of cells. A block
// pushes the left and right edges of its content as records of its own while its cell is laid
// out; floats add records of their own that stay. Coordinates are document coordinates.
class TIndentMap {
  public:
    // Far beyond any document: the bottom of a record that runs on.
    static constexpr int kFar = 1 << 29;
    static constexpr int kNoFloat = -(1 << 29);
    // A map keeps at most this many floats: a float that would be one more is drawn where it
    // was placed but leaves no room, so that no document makes every line look at an endless
    // list. Floats that end this far above a new float are dropped first: nothing laid out
    // after that new one reaches so high.
    static constexpr std::size_t kMaxFloats = 1000;
    static constexpr int kFloatReach = 2000000;

    TIndentMap(int baseX, int width);

    // The left edge for text at y: the rightmost left record covering y that is a float or
    // belongs to the block being laid out, or the base X.
    int leftIndent(int y) const;
    // The right edge at y: the leftmost such right record, or base X + width.
    int rightSide(int y) const;
    // Does a float cover y?
    bool floatCovers(int y) const;
    // The nearest bottom below y of a float covering y (y when none covers it).
    int nextWiderY(int y) const;
    // The lowest float bottom (of one side, or both), or kNoFloat when there is no float.
    int floatBottom(ClearSide side = ClearSide::both) const;
    // Where content that clears `side` may start: below those floats, never above y.
    int clearY(ClearSide side, int y) const;

    // A block's content edges from y on; returns the id to remove them with.
    int addBlockIndents(const TBlock* block, int left, int right, int y);
    void removeBlockIndents(int id);
    // A float of the given box (its margins included). False when the map is full.
    bool addFloat(FloatSide side, int x, int y, int width, int height);

    // The block being laid out: its own edge records count, those of the blocks around it not.
    const TBlock* currentBlock = nullptr;

  private:
    struct BlockEdges {
        int left;
        int right;
        int top;
        const TBlock* owner;
        int id;
    };
    struct Float {
        FloatSide side;
        int x;  // the edge text keeps clear of: right edge of a left float, left of a right one
        int top;
        int bottom;
    };
    const BlockEdges* currentEdges(int y) const;

    int baseX_;
    int width_;
    std::vector<BlockEdges> blocks_;
    std::vector<Float> floats_;
    int nextId_ = 1;
};

}  // namespace kelvor::engine
