#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/document/flow_item.h"
#include "engine/style/colours.h"

namespace kelvor::engine {

class TBlock;
class TSection;
class TIndentMap;
class LayoutContext;
class PaintContext;
class HitTester;
struct WidthRange;

// The items of a body, block, list item or table cell, in document order; owns them.
class TFlowCell {
  public:
    // `owner` is the block whose cell this is (none for the document's root cell).
    explicit TFlowCell(TBlock* owner);
    virtual ~TFlowCell();
    TFlowCell(const TFlowCell&) = delete;
    TFlowCell& operator=(const TFlowCell&) = delete;

    TBlock* ownerBlock() const { return owner_; }
    // How many blocks enclose the cell: 0 for the root cell, 1 for the body's cell, ... A block
    // added to a cell of depth kMaxBlockDepth or more is never laid out (see limits.h).
    int depth() const { return depth_; }

    // Closes the section (its closing rules) and appends it. An empty section without CLEAR is
    // dropped instead: the result is then nullptr.
    TSection* addSection(std::unique_ptr<TSection> section);
    // Appends a block and fixes its vertical margins against what precedes it in this cell.
    TBlock& addBlock(std::unique_ptr<TBlock> block);
    // Appends any other item (a page break) as it is.
    TFlowItem& addItem(std::unique_ptr<TFlowItem> item);

    bool empty() const { return items.empty(); }

    // Layout (layout/cell_layout.cpp): the items one below the other from y; returns the
    // height.
    int layout(LayoutContext& context, int x, int width, int availableHeight, TIndentMap& map,
               int y, int& neededWidth);
    WidthRange widthRange(LayoutContext& context);
    // Painting and hit testing (paint/): the items in `order` (all of them when empty).
    void paint(PaintContext& context, const std::vector<TFlowItem*>& order) const;
    bool hitTest(HitTester& tester, int x, int y) const;

    std::vector<std::unique_ptr<TFlowItem>> items;
    std::string tagName;

    // After layout.
    TIndentMap* indentMap = nullptr;  // the map in force during the last layout
    int top = 0;
    int height = 0;
    int bottom = 0;  // bottom of the tallest item (absolutely positioned blocks left out)
    int drawTop = 0;
    int drawBottom = 0;
    int neededWidth = 0;

  private:
    TBlock* owner_;
    int depth_;
};

// The cell of a block.
class TBlockCell : public TFlowCell {
  public:
    using TFlowCell::TFlowCell;
};

// A cell that belongs to the document directly: the root cell, and (later) table cells. It
// knows its document and may have a background colour of its own.
class TDocCell : public TFlowCell {
  public:
    using TFlowCell::TFlowCell;
    TColour backgroundColour = kNoColour;
};

}  // namespace kelvor::engine
