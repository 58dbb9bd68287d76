#include "engine/layout/indent_map.h"

#include <algorithm>

namespace kelvor::engine {

TIndentMap::TIndentMap(int baseX, int width) : baseX_(baseX), width_(width) {}

bool TIndentMap::counts(const Record& record, int y) const {
    return record.top <= y && y < record.bottom &&
           (record.owner == nullptr || record.owner == currentBlock);
}

int TIndentMap::leftIndent(int y) const {
    bool found = false;
    int x = 0;
    for (const Record& record : left_) {
        if (counts(record, y)) {
            x = found ? std::max(x, record.x) : record.x;
            found = true;
        }
    }
    return found ? x : baseX_;
}

int TIndentMap::rightSide(int y) const {
    bool found = false;
    int x = 0;
    for (const Record& record : right_) {
        if (counts(record, y)) {
            x = found ? std::min(x, record.x) : record.x;
            found = true;
        }
    }
    return found ? x : baseX_ + width_;
}

bool TIndentMap::floatCovers(int y) const {
    if (floats_ == 0)
        return false;
    const auto covers = [&](const Record& r) {
        return r.owner == nullptr && r.top <= y && y < r.bottom;
    };
    return std::any_of(left_.begin(), left_.end(), covers) ||
           std::any_of(right_.begin(), right_.end(), covers);
}

int TIndentMap::nextWiderY(int y) const {
    int next = kFar;
    bool found = false;
    for (const auto* list : {&left_, &right_}) {
        for (const Record& record : *list) {
            if (record.owner == nullptr && record.top <= y && y < record.bottom) {
                next = std::min(next, record.bottom);
                found = true;
            }
        }
    }
    return found ? next : y;
}

int TIndentMap::floatBottom(ClearSide side) const {
    int bottom = kNoFloat;
    if (side == ClearSide::left || side == ClearSide::both) {
        for (const Record& record : left_) {
            if (record.owner == nullptr)
                bottom = std::max(bottom, record.bottom);
        }
    }
    if (side == ClearSide::right || side == ClearSide::both) {
        for (const Record& record : right_) {
            if (record.owner == nullptr)
                bottom = std::max(bottom, record.bottom);
        }
    }
    return bottom;
}

int TIndentMap::clearY(ClearSide side, int y) const {
    if (side == ClearSide::none || floats_ == 0)
        return y;
    return std::max(y, floatBottom(side));
}

int TIndentMap::addBlockIndents(const TBlock* block, int left, int right, int y) {
    const int id = nextId_++;
    left_.push_back(Record{left, y, kFar, block, id});
    right_.push_back(Record{right, y, kFar, block, id});
    return id;
}

void TIndentMap::removeBlockIndents(int id) {
    // Blocks nest, so their records are almost always the last ones.
    for (auto* list : {&left_, &right_}) {
        for (auto it = list->rbegin(); it != list->rend(); ++it) {
            if (it->id == id && it->owner != nullptr) {
                list->erase(std::next(it).base());
                break;
            }
        }
    }
}

void TIndentMap::addFloat(FloatSide side, int x, int y, int width, int height) {
    if (side == FloatSide::none)
        return;
    ++floats_;
    const int bottom = y + std::max(0, height);
    if (side == FloatSide::left)
        left_.push_back(Record{x + std::max(0, width), y, bottom, nullptr, 0});
    else
        right_.push_back(Record{x, y, bottom, nullptr, 0});
}

}  // namespace kelvor::engine
