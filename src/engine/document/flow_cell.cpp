#include "engine/document/flow_cell.h"

#include "engine/document/block.h"
#include "engine/document/section.h"
#include "engine/document/vertical_margins.h"

namespace kelvor::engine {

TFlowCell::TFlowCell(TBlock* owner) : owner_(owner), depth_(0) {}

TFlowCell::~TFlowCell() = default;

TSection* TFlowCell::addSection(std::unique_ptr<TSection> section) {
    section->close();
    // An empty section shows nothing; it stays only to clear floats or to hold controls that
    // take no room.
    if (section->isEmpty() && section->clear == ClearSide::none && section->controls.empty())
        return nullptr;
    section->setOwnerCell(this);
    items.push_back(std::move(section));
    return static_cast<TSection*>(items.back().get());
}

TBlock& TFlowCell::addBlock(std::unique_ptr<TBlock> block) {
    TBlock& added = *block;
    added.setOwnerCell(this);
    static_cast<TFlowCell&>(added.cell_).depth_ = depth_ + 1;
    FixVerticalMargins(*this, added);
    items.push_back(std::move(block));
    return added;
}

TFlowItem& TFlowCell::addItem(std::unique_ptr<TFlowItem> item) {
    item->setOwnerCell(this);
    items.push_back(std::move(item));
    return *items.back();
}

}  // namespace kelvor::engine
