#pragma once

namespace kelvor::engine {

class TBlock;
class TFlowCell;

// Fixes a new block's vertical margins against what precedes it in `cell` (it is not in the
// cell yet): collapsing with the block directly before it, the list-item and body rules.
void FixVerticalMargins(const TFlowCell& cell, TBlock& block);

// The last block of a cell with nothing visible after it (absolutely positioned blocks and
// empty sections are passed over), or nullptr.
TBlock* LastVisibleBlock(const TFlowCell& cell);

}  // namespace kelvor::engine
