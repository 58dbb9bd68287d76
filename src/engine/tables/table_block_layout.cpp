// The table block: the width the table takes in its block (step by step from the table's own
// minimum and maximum), its margins, frame and the room floats leave; and the captioned pair.

#include <algorithm>

#include "engine/document/limits.h"
#include "engine/document/table.h"
#include "engine/layout/indent_map.h"
#include "engine/layout/layout_context.h"
#include "engine/style/lengths.h"

namespace kelvor::engine {

namespace {

bool IsSet(int value) {
    return value != kNotSet && value != kAuto;
}

}  // namespace

// Side margins, borders and paddings of the table block for a width.
struct TableSides {
    int marginLeft = 0;
    int marginRight = 0;
    int inside = 0;  // borders and paddings, left and right
};

static TableSides SidesOf(const TTableBlock& table, const BoxValues& box, bool marginLeftSet,
                          bool marginRightSet) {
    TableSides sides;
    const int fallback = table.isFloating() ? table.hspace : 0;
    sides.marginLeft = marginLeftSet && IsSet(box.margin[3]) ? box.margin[3] : fallback;
    sides.marginRight = marginRightSet && IsSet(box.margin[1]) ? box.margin[1] : fallback;
    const int borders =
        table.drawsFrame ? 2 * table.grid().border : box.borderWidth[1] + box.borderWidth[3];
    sides.inside = borders + box.padding[1] + box.padding[3];
    return sides;
}

TTableBlock::Placement TTableBlock::place(LayoutContext& context, int availableWidth) {
    const BoxValues box = TBlock::boxFor(availableWidth, 0);
    const TableSides sides = SidesOf(*this, box, marginLeftSet_, marginRightSet_);
    Placement placement;
    placement.marginLeft = sides.marginLeft;
    placement.marginRight = sides.marginRight;
    TTableGrid& table = grid();
    table.offeredHeight = heightAttribute;
    const long long room = static_cast<long long>(availableWidth) - sides.marginLeft -
                           sides.marginRight - sides.inside;
    if (!width.set()) {
        table.specifiedWidth = 0;
        const WidthRange range = table.widthRange(context);
        placement.contentWidth = range.maximum <= room
                                     ? range.maximum
                                     : Saturated(std::max<long long>(range.minimum, room));
    } else {
        const long long specified =
            width.percent ? static_cast<long long>(MulDiv(availableWidth, width.value, 1000)) -
                                sides.marginLeft - sides.marginRight - sides.inside
                          : static_cast<long long>(width.value) - sides.inside;
        table.specifiedWidth = Saturated(std::max(0LL, specified));
        const WidthRange range = table.widthRange(context);
        placement.contentWidth = std::max(table.specifiedWidth, range.minimum);
        table.specifiedWidth = placement.contentWidth;
    }
    placement.specified = table.specifiedWidth;
    const long long rest = room - placement.contentWidth;
    if (!marginLeftSet_ && !marginRightSet_ && rest > 0) {
        if (centred)
            placement.marginLeft = Saturated(rest / 2);
        else if (rightPlaced)
            placement.marginLeft = Saturated(rest);
    }
    return placement;
}

BoxValues TTableBlock::boxFor(int availableWidth, int availableHeight) const {
    BoxValues box = TBlock::boxFor(availableWidth, availableHeight);
    if (placing_) {
        box.width = placement_.contentWidth;
        box.margin[3] = placement_.marginLeft;
        box.margin[1] = placement_.marginRight;
        box.autoMargins = 0;
    }
    if (drawsFrame) {
        for (std::size_t side = 0; side < 4; ++side) {
            box.borderWidth[side] = grid_->border;
            box.borderStyles[side] = BorderKind::outset;
        }
    }
    // The grid takes the table's height itself: its rows share it.
    box.height = kNotSet;
    box.backgroundColour = background;
    return box;
}

int TTableBlock::layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
                        TIndentMap& map, int top, int& neededWidth) {
    int left = x;
    int room = availableWidth;
    // Beside floats, between them.
    if (!isFloating() && !isAbsolute()) {
        const int clearTop = map.clearY(clear, top);
        const long long from = std::max(x, map.leftIndent(clearTop));
        const long long to = std::min(static_cast<long long>(x) + availableWidth,
                                      static_cast<long long>(map.rightSide(clearTop)));
        if (to > from) {
            left = Saturated(from);
            room = Saturated(to - from);
        }
    }
    placement_ = place(context, room);
    placing_ = true;
    const int result = TBlock::layout(context, left, room, availableHeight, map, top, neededWidth);
    placing_ = false;
    return result;
}

WidthRange TTableBlock::widthRange(LayoutContext& context) {
    WidthRange range;
    if (displayNone || cell().depth() > kMaxBlockDepth)
        return range;
    const BoxValues box = TBlock::boxFor(0, 0);
    const TableSides sides = SidesOf(*this, box, marginLeftSet_, marginRightSet_);
    const bool pixels = width.set() && !width.percent;
    const int own = pixels ? std::max(0, width.value - sides.inside) : 0;
    grid().specifiedWidth = own;
    range = grid().widthRange(context);
    range.minimum = std::max(range.minimum, own);
    range.maximum = std::max(range.maximum, own);
    const long long extra =
        static_cast<long long>(sides.marginLeft) + sides.marginRight + sides.inside;
    range.minimum = Saturated(range.minimum + extra);
    range.maximum = Saturated(range.maximum + extra);
    return range;
}

// --- The captioned pair ---

BoxValues TCaptionedTableBlock::boxFor(int availableWidth, int availableHeight) const {
    BoxValues box = TBlock::boxFor(availableWidth, availableHeight);
    box.padding = {};
    box.borderWidth = {};
    box.borderStyles = {};
    box.backgroundColour = kNoColour;
    box.height = kNotSet;
    box.autoMargins = 0;
    box.margin[1] = 0;
    box.margin[3] = 0;
    if (placing_) {
        box.width = layoutWidth_;
        box.margin[3] = layoutMarginLeft_;
    }
    return box;
}

int TCaptionedTableBlock::layout(LayoutContext& context, int x, int availableWidth,
                                 int availableHeight, TIndentMap& map, int top, int& neededWidth) {
    if (table == nullptr)
        return TBlock::layout(context, x, availableWidth, availableHeight, map, top, neededWidth);
    const TTableBlock::Placement placement = table->place(context, availableWidth);
    const BoxValues tableBox = table->TBlock::boxFor(availableWidth, 0);
    const TableSides sides =
        SidesOf(*table, tableBox, table->marginLeftSet_, table->marginRightSet_);
    const int captionMinimum = caption ? caption->widthRange(context).minimum : 0;
    long long width = static_cast<long long>(placement.contentWidth) + sides.inside;
    width = std::max<long long>(width, captionMinimum);
    width = std::min<long long>(std::max<long long>(width, 0), kMaxLengthPixels);
    layoutWidth_ = static_cast<int>(width);
    layoutMarginLeft_ = 0;
    const long long rest = static_cast<long long>(availableWidth) - width;
    if (rest > 0) {
        if (centred)
            layoutMarginLeft_ = Saturated(rest / 2);
        else if (rightPlaced)
            layoutMarginLeft_ = Saturated(rest);
    }
    placing_ = true;
    const int result =
        TBlock::layout(context, x, availableWidth, availableHeight, map, top, neededWidth);
    placing_ = false;
    return result;
}

WidthRange TCaptionedTableBlock::widthRange(LayoutContext& context) {
    WidthRange range;
    if (table == nullptr)
        return TBlock::widthRange(context);
    const WidthRange tableRange = table->widthRange(context);
    const int captionMinimum = caption ? caption->widthRange(context).minimum : 0;
    range.minimum = std::max(tableRange.minimum, captionMinimum);
    range.maximum = std::max(tableRange.maximum, captionMinimum);
    return range;
}

}  // namespace kelvor::engine
