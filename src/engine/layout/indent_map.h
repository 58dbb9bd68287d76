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
    // A float of the given box (its margins included).
    void addFloat(FloatSide side, int x, int y, int width, int height);

    // The block being laid out: its own edge records count, those of the blocks around it not.
    const TBlock* currentBlock = nullptr;

    static constexpr int kNoFloat = -(1 << 29);

  private:
    struct Record {
        int x;
        int top;
        int bottom;
        const TBlock* owner;  // nullptr for a float
        int id;
    };
    bool counts(const Record& record, int y) const;

    int baseX_;
    int width_;
    std::vector<Record> left_;
    std::vector<Record> right_;
    int nextId_ = 1;
    int floats_ = 0;
};

}  // namespace kelvor::engine
