#include "engine/document/vertical_margins.h"

#include <algorithm>

#include "engine/document/block.h"
#include "engine/document/list_item.h"

namespace kelvor::engine {

namespace {

// The margin between two blocks whose margins meet.
int Collapsed(int bottom, int top) {
    if (bottom >= 0 && top >= 0)
        return std::max(bottom, top);
    if (bottom < 0 && top < 0)
        return std::min(bottom, top);
    return bottom + top;
}

// Walks back from the end of the cell: the nearest block that is not absolutely positioned,
// unless a visible section comes first. `visibleBefore` tells whether anything visible (that
// block or a section) precedes the end.
TBlock* PreviousBlock(const TFlowCell& cell, bool& visibleBefore) {
    visibleBefore = false;
    for (auto it = cell.items.rbegin(); it != cell.items.rend(); ++it) {
        TFlowItem* item = it->get();
        if (auto* block = dynamic_cast<TBlock*>(item)) {
            if (block->isAbsolute())
                continue;
            visibleBefore = true;
            return block;
        }
        if (item->isEmpty())
            continue;
        visibleBefore = true;
        return nullptr;
    }
    return nullptr;
}

}  // namespace

void FixVerticalMargins(const TFlowCell& cell, TBlock& block) {
    if (block.isAbsolute()) {
        if (block.topAuto)
            block.marginTop = 0;
        return;
    }
    if (block.isFloating())
        return;
    bool visibleBefore = false;
    if (TBlock* previous = PreviousBlock(cell, visibleBefore)) {
        if (previous->isFloatingTable()) {
            if (block.topAuto)
                block.marginTop = 0;
        } else {
            block.marginTop = Collapsed(previous->marginBottom, block.marginTop);
            previous->marginBottom = 0;
        }
    }
    const TBlock* owner = cell.ownerBlock();
    if (dynamic_cast<const TListItemBlock*>(owner) != nullptr && block.topAuto) {
        if (block.tag == "ul" || block.tag == "ol" || !visibleBefore)
            block.marginTop = 0;
    }
    if (const auto* body = dynamic_cast<const TBodyBlock*>(owner); body && !visibleBefore)
        block.marginTop = std::max(0, block.marginTop - body->marginTop);
}

TBlock* LastVisibleBlock(const TFlowCell& cell) {
    bool visible = false;
    return PreviousBlock(cell, visible);
}

}  // namespace kelvor::engine
