#include "engine/layout/indent_map.h"

#include <algorithm>

namespace kelvor::engine {

TIndentMap::TIndentMap(int baseX, int width) : baseX_(baseX), width_(width) {}

const TIndentMap::BlockEdges* TIndentMap::currentEdges(int y) const {
    // Blocks nest: the current block's edges are among the last records.
    for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
        if (it->owner == currentBlock)
            return it->top <= y ? &*it : nullptr;
    }
    return nullptr;
}

int TIndentMap::leftIndent(int y) const {
    const BlockEdges* edges = currentEdges(y);
    bool found = edges != nullptr;
    int x = found ? edges->left : 0;
    for (const Float& f : floats_) {
        if (f.side == FloatSide::left && f.top <= y && y < f.bottom) {
            x = found ? std::max(x, f.x) : f.x;
            found = true;
        }
    }
    return found ? x : baseX_;
}

int TIndentMap::rightSide(int y) const {
    const BlockEdges* edges = currentEdges(y);
    bool found = edges != nullptr;
    int x = found ? edges->right : 0;
    for (const Float& f : floats_) {
        if (f.side == FloatSide::right && f.top <= y && y < f.bottom) {
            x = found ? std::min(x, f.x) : f.x;
            found = true;
        }
    }
    return found ? x : baseX_ + width_;
}

bool TIndentMap::floatCovers(int y) const {
    return std::any_of(floats_.begin(), floats_.end(),
                       [&](const Float& f) { return f.top <= y && y < f.bottom; });
}

int TIndentMap::nextWiderY(int y) const {
    int next = kFar;
    bool found = false;
    for (const Float& f : floats_) {
        if (f.top <= y && y < f.bottom) {
            next = std::min(next, f.bottom);
            found = true;
        }
    }
    return found ? next : y;
}

int TIndentMap::floatBottom(ClearSide side) const {
    int bottom = kNoFloat;
    for (const Float& f : floats_) {
        const bool counts = side == ClearSide::both ||
                            (side == ClearSide::left && f.side == FloatSide::left) ||
                            (side == ClearSide::right && f.side == FloatSide::right);
        if (counts)
            bottom = std::max(bottom, f.bottom);
    }
    return bottom;
}

int TIndentMap::clearY(ClearSide side, int y) const {
    if (side == ClearSide::none || floats_.empty())
        return y;
    return std::max(y, floatBottom(side));
}

int TIndentMap::addBlockIndents(const TBlock* block, int left, int right, int y) {
    const int id = nextId_++;
    blocks_.push_back(BlockEdges{left, right, y, block, id});
    return id;
}

void TIndentMap::removeBlockIndents(int id) {
    for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
        if (it->id == id) {
            blocks_.erase(std::next(it).base());
            return;
        }
    }
}

bool TIndentMap::addFloat(FloatSide side, int x, int y, int width, int height) {
    if (side == FloatSide::none)
        return false;
    if (floats_.size() >= kMaxFloats) {
        std::erase_if(floats_, [&](const Float& f) {
            return static_cast<long long>(f.bottom) + kFloatReach < y;
        });
        if (floats_.size() >= kMaxFloats)
            return false;
    }
    const int bottom = y + std::max(0, height);
    if (side == FloatSide::left)
        floats_.push_back(Float{side, x + std::max(0, width), y, bottom});
    else
        floats_.push_back(Float{side, x, y, bottom});
    return true;
}

}  // namespace kelvor::engine
