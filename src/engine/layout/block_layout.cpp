// Layout of a block: its box, positioning, floats and the order its children paint in.

#include <algorithm>
#include <memory>

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/layout/indent_map.h"
#include "engine/layout/layout_context.h"

namespace kelvor::engine {

namespace {

bool IsSet(int value) {
    return value != kNotSet && value != kAuto;
}

int MarginPixels(int value) {
    return IsSet(value) ? value : 0;
}

int ZOf(const TFlowItem& item) {
    const auto* block = dynamic_cast<const TBlock*>(&item);
    return block ? block->zIndex : 0;
}

// Negative z-index first, then 0, then positive in ascending order; each group in document
// order.
void MakeDrawOrder(TBlockCell& cell, std::vector<TFlowItem*>& order) {
    order.clear();
    for (const auto& item : cell.items)
        order.push_back(item.get());
    std::stable_sort(order.begin(), order.end(), [](const TFlowItem* a, const TFlowItem* b) {
        const int za = ZOf(*a);
        const int zb = ZOf(*b);
        const int ga = za < 0 ? 0 : (za == 0 ? 1 : 2);
        const int gb = zb < 0 ? 0 : (zb == 0 ? 1 : 2);
        if (ga != gb)
            return ga < gb;
        return ga == 2 && za < zb;
    });
}

}  // namespace

int TBlock::layoutContent(LayoutContext& context, int x, int width, int availableHeight,
                          TIndentMap& map, int y, int& neededWidth) {
    cell_.layout(context, x, width, availableHeight, map, y, neededWidth);
    return cell_.bottom;
}

int TBlock::layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
                   TIndentMap& map, int top, int& neededWidth) {
    y = top;
    neededWidth = 0;
    if (displayNone || cell_.depth() > kMaxBlockDepth) {
        height = drawHeight = 0;
        drawTop = drawBottom = contentTop = contentBottom = top;
        left = right = x;
        return 0;
    }
    const int clearSpace = map.clearY(clear, top) - top;
    BoxValues box = boxFor(availableWidth, availableHeight);
    int marginLeft = MarginPixels(box.margin[3]);
    int marginRight = MarginPixels(box.margin[1]);
    const int insideLeft = box.padding[3] + box.borderWidth[3];
    const int insideRight = box.padding[1] + box.borderWidth[1];
    const bool widthSet = IsSet(box.width);
    const int width =
        widthSet
            ? std::max(0, box.width)
            : std::max(0, availableWidth - marginLeft - marginRight - insideLeft - insideRight);
    if (widthSet && box.autoMargins == 2) {
        marginLeft = marginRight =
            std::max(0, (availableWidth - width - insideLeft - insideRight) / 2);
    }
    const int outerWidth = width + marginLeft + marginRight + insideLeft + insideRight;

    // The margin box's corner, then shifts.
    int boxX = x;
    int boxY = top + clearSpace;
    int shiftX = 0;
    int shiftY = 0;
    std::unique_ptr<TIndentMap> ownMap;
    TIndentMap* useMap = &map;
    if (positioning == Positioning::absolute && !isBody()) {
        int offsetX = 0;
        if (IsSet(box.left))
            offsetX = box.left;
        else if (IsSet(box.right) && box.autoMargins == 0)
            offsetX = availableWidth - box.right - outerWidth;
        const int offsetY = IsSet(box.top) ? box.top : 0;
        const TFlowCell* owner = ownerCell();
        boxX = x + offsetX;
        boxY = (owner ? owner->top : top) + offsetY;
        ownMap = std::make_unique<TIndentMap>(x, availableWidth);
        useMap = ownMap.get();
    } else if (positioning == Positioning::relative && !isBody()) {
        shiftX = IsSet(box.left) ? box.left : (IsSet(box.right) ? -box.right : 0);
        shiftY = IsSet(box.top) ? box.top : (IsSet(box.bottom) ? -box.bottom : 0);
    }
    if (floating == FloatSide::left && !isBody()) {
        boxX = std::max(x, map.leftIndent(boxY));
    } else if (floating == FloatSide::right && !isBody()) {
        boxX = map.rightSide(boxY) - outerWidth;
    }
    boxX += shiftX;
    boxY += shiftY;

    borderLeft = boxX + marginLeft;
    borderTop = boxY + marginTop;
    contentLeft = borderLeft + insideLeft;
    contentWidth = width;
    const int innerTop = borderTop + box.borderWidth[0] + box.padding[0];

    const TBlock* outer = useMap->currentBlock;
    const int indents = useMap->addBlockIndents(this, contentLeft, contentLeft + width, innerTop);
    useMap->currentBlock = this;
    int contentNeeded = 0;
    const int contentEnd = layoutContent(context, contentLeft, width, availableHeight, *useMap,
                                         innerTop, contentNeeded);
    useMap->removeBlockIndents(indents);
    useMap->currentBlock = outer;

    int innerBottom = std::max(innerTop, contentEnd);
    if (IsSet(box.height)) {
        if (box.height > 3)
            innerBottom = innerTop + box.height;
        else
            innerBottom = std::max(innerBottom, innerTop + std::max(0, box.height));
    }
    if (ownMap && ownMap->floatBottom() != TIndentMap::kNoFloat)
        innerBottom = std::max(innerBottom, ownMap->floatBottom());
    if (isBody())
        innerBottom = std::max(innerBottom, cell_.drawBottom);
    contentTop = innerTop;
    contentBottom = innerBottom;
    borderBottom = innerBottom + box.padding[2] + box.borderWidth[2];
    borderRight = contentLeft + width + insideRight;
    const int marginEdge = borderBottom + marginBottom;

    laidOutBox = box;
    laidOutBox.margin[1] = marginRight;
    laidOutBox.margin[3] = marginLeft;
    drawTop = std::min(borderTop, cell_.drawTop);
    drawBottom = std::max(borderBottom, cell_.drawBottom);
    left = borderLeft;
    right = std::max(borderRight, borderLeft);

    if (floating != FloatSide::none && !isBody()) {
        map.addFloat(floating, boxX, boxY, outerWidth, marginEdge - boxY);
        height = 0;
    } else if (positioning == Positioning::absolute && !isBody()) {
        height = 0;
    } else {
        height = Saturated(static_cast<long long>(marginEdge) - shiftY - top);
    }
    drawHeight = Saturated(static_cast<long long>(drawBottom) - top);
    neededWidth =
        (widthSet ? width : contentNeeded) + marginLeft + marginRight + insideLeft + insideRight;
    if (isBody())
        neededWidth = std::max(neededWidth, availableWidth);

    if (!drawOrderMade) {
        MakeDrawOrder(cell_, drawOrder);
        drawOrderMade = true;
    }
    if (!backgroundImage.empty() && context.document.showImages && !backgroundPicture &&
        !backgroundFailed) {
        PictureAnswer answer = context.document.pictures().request(backgroundImage);
        if (answer.state == PictureAnswer::State::available && answer.picture)
            backgroundPicture = answer.picture;
        else if (answer.state == PictureAnswer::State::failed)
            backgroundFailed = true;  // dropped
    }
    return height;
}

}  // namespace kelvor::engine
