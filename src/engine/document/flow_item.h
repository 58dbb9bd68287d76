#pragma once

namespace kelvor::engine {

class TDocument;
class TFlowCell;
class TIndentMap;
class LayoutContext;
class PaintContext;
class HitTester;

// The narrowest width at which nothing overflows and the width at which no line breaks but at
// BR marks.
struct WidthRange {
    int minimum = 0;
    int maximum = 0;
};

// An object that can be the target of an ID.
class TIDObject {
  public:
    virtual ~TIDObject() = default;
    // The top of the object in the document, after layout.
    virtual int yPosition() const = 0;
};

// One item of a cell: an inline section, a block or a page break. The building side lives in
// document/; each phase adds the operations it needs in its own folder.
class TFlowItem : public TIDObject {
  public:
    explicit TFlowItem(TDocument& document) : document_(&document) {}
    TFlowItem(const TFlowItem&) = delete;
    TFlowItem& operator=(const TFlowItem&) = delete;

    TDocument& document() const { return *document_; }
    TFlowCell* ownerCell() const { return ownerCell_; }
    void setOwnerCell(TFlowCell* cell) { ownerCell_ = cell; }

    // Does the item show anything or take room? Empty sections do not (they stay for their
    // CLEAR), so margins collapse across them.
    virtual bool isEmpty() const { return false; }

    int yPosition() const override { return y; }

    // Layout (layout/): places the item at (x, y) in a column `availableWidth` wide, registers
    // floating content with `map`, returns its height in the flow and sets `neededWidth` to the
    // width it would need.
    virtual int layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
                       TIndentMap& map, int y, int& neededWidth) = 0;
    // Minimum and maximum width (layout/), worked out once and kept.
    virtual WidthRange widthRange(LayoutContext& context) = 0;
    // Painting and hit testing (paint/), at the places the last layout gave.
    virtual void paint(PaintContext& context) const = 0;
    // Reports what lies at (x, y) to `tester`; true when something was hit.
    virtual bool hitTest(HitTester& tester, int x, int y) const = 0;

    // Source extent (character positions of the reader).
    int startPosition = -1;
    int endPosition = -1;

    // After layout: the item's top, its height in the flow, the extent painting must cover
    // (which floats and overhangs may take beyond the flow height), its content extent and its
    // own horizontal extent.
    int y = 0;
    int height = 0;
    int drawHeight = 0;
    int drawTop = 0;
    int drawBottom = 0;
    int contentTop = 0;
    int contentBottom = 0;
    int left = 0;
    int right = 0;

  private:
    TDocument* document_;
    TFlowCell* ownerCell_ = nullptr;
};

}  // namespace kelvor::engine
