// Minimum and maximum widths of sections, blocks and cells, worked out once and kept.

#include <algorithm>

#include "engine/document/block.h"
#include "engine/document/limits.h"
#include "engine/document/section.h"
#include "engine/layout/layout_context.h"
#include "engine/layout/object_sizes.h"
#include "engine/layout/text_measure.h"

namespace kelvor::engine {

namespace {

// Preformatted text wider than this still asks for no more as its minimum.
constexpr int kMaxPreformattedMinimum = 6000;

}  // namespace

WidthRange TSection::widthRange(LayoutContext& context) {
    if (widths)
        return *widths;
    if (!measured)
        MeasureSection(*this, context);
    WidthRange range;
    range.minimum = SizeObjects(*this, context, 0, 0);
    int word = 0;        // the unbreakable run so far
    int line = 0;        // the line so far (only BR marks end lines)
    int lineSpaces = 0;  // spaces after the last word of the line, not counted unless more follows
    for (const TextPiece& piece : pieces) {
        if (piece.kind == TextPiece::Kind::breakMark) {
            range.maximum = std::max(range.maximum, line);
            line = 0;
            lineSpaces = 0;
            word = 0;
            continue;
        }
        const bool floating = piece.kind == TextPiece::Kind::object && piece.object >= 0 &&
                              objects[static_cast<std::size_t>(piece.object)]->isFloating();
        const int width = floating ? 0 : piece.width;
        if (piece.wordLength > 0 && !floating) {
            line += lineSpaces + width;
            lineSpaces = 0;
        }
        lineSpaces += piece.spaceWidth;
        word += width;
        range.minimum = std::max(range.minimum, word + (piece.breakAfter ? piece.hyphenWidth : 0));
        if (piece.breakAfter)
            word = 0;
        else
            word += piece.spaceWidth;
    }
    range.maximum = std::max(range.maximum, line);
    if (!wrap) {
        range.minimum = std::min(std::max(range.minimum, range.maximum), kMaxPreformattedMinimum);
    }
    range.maximum = std::max(range.maximum, range.minimum);
    widths = range;
    return range;
}

WidthRange TFlowCell::widthRange(LayoutContext& context) {
    WidthRange range;
    for (const auto& item : items) {
        const WidthRange part = item->widthRange(context);
        range.minimum = std::max(range.minimum, part.minimum);
        range.maximum = std::max(range.maximum, part.maximum);
    }
    return range;
}

WidthRange TBlock::contentWidthRange(LayoutContext& context) {
    return cell().widthRange(context);
}

WidthRange TBlock::widthRange(LayoutContext& context) {
    if (widths)
        return *widths;
    WidthRange range;
    if (!displayNone && cell().depth() <= kMaxBlockDepth) {
        const BoxValues box = boxFor(0, 0);
        const auto margin = [](int value) { return value == kAuto ? 0 : value; };
        const int extra = margin(box.margin[1]) + margin(box.margin[3]) + box.padding[1] +
                          box.padding[3] + box.borderWidth[1] + box.borderWidth[3];
        if (box.width != kNotSet && box.width != kAuto && box.width > 0) {
            range.minimum = range.maximum = box.width + extra;
        } else {
            range = contentWidthRange(context);
            range.minimum += extra;
            range.maximum += extra;
        }
    }
    widths = range;
    return range;
}

}  // namespace kelvor::engine
