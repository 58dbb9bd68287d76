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
    long long word = 0;        // the unbreakable run so far
    long long line = 0;        // the line so far (only BR marks end lines)
    long long lineSpaces = 0;  // spaces after the line's last word, counted only if more follows
    long long minimum = 0;
    long long maximum = 0;
    for (const TextPiece& piece : pieces) {
        if (piece.kind == TextPiece::Kind::breakMark) {
            maximum = std::max(maximum, line);
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
        minimum = std::max(minimum, word + (piece.breakAfter ? piece.hyphenWidth : 0));
        if (piece.breakAfter)
            word = 0;
        else
            word += piece.spaceWidth;
    }
    maximum = std::max(maximum, line);
    range.minimum = std::max(range.minimum, Saturated(minimum));
    range.maximum = Saturated(maximum);
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
            range.minimum = Saturated(static_cast<long long>(range.minimum) + extra);
            range.maximum = Saturated(static_cast<long long>(range.maximum) + extra);
        }
    }
    widths = range;
    return range;
}

}  // namespace kelvor::engine
