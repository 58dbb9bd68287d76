// Line breaking of a section (TSection::layout): which pieces make each line.

#include <algorithm>
#include <climits>

#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/section.h"
#include "engine/layout/indent_map.h"
#include "engine/layout/layout_context.h"
#include "engine/layout/line_finishing.h"
#include "engine/layout/object_sizes.h"
#include "engine/layout/text_measure.h"

namespace kelvor::engine {

namespace {

// Non-wrapping text is laid out with its right side this far out.
constexpr int kNoWrapRight = 32000;

struct Fit {
    int end = -1;  // one past the line's last piece; -1 when no break point fits
    int textWidth = 0;
    bool softHyphen = false;
    bool forced = false;    // ends at a BR mark
    int floatToPlace = -1;  // a float met before the line is settled: place it and try again
};

class LineBreaker {
  public:
    LineBreaker(TSection& section, TIndentMap& map) : section_(section), map_(map) {}

    bool floatPlaced(int object) const {
        return std::find(placed_.begin(), placed_.end(), object) != placed_.end();
    }

    // The longest run of pieces from `first` that fits in `room`, ending at a break point.
    Fit fit(int first, int room) const {
        const auto& pieces = section_.pieces;
        const int count = static_cast<int>(pieces.size());
        Fit best;
        long long used = 0;   // with the spaces after the last word
        long long drawn = 0;  // without them
        for (int p = first; p < count; ++p) {
            const TextPiece& piece = pieces[static_cast<std::size_t>(p)];
            if (piece.kind == TextPiece::Kind::breakMark) {
                return Fit{p + 1, Saturated(drawn), false, true, -1};
            }
            if (isFloat(piece)) {
                if (!floatPlaced(piece.object)) {
                    Fit place;
                    place.floatToPlace = piece.object;
                    return place;
                }
                used += piece.spaceWidth;
                if (piece.breakAfter && p > first)
                    best = Fit{p + 1, Saturated(drawn), false, false, -1};
                continue;
            }
            if (piece.wordLength == 0) {  // spaces only: they never overflow a line
                used += piece.spaceWidth;
                if (piece.breakAfter)
                    best = Fit{p + 1, Saturated(drawn), false, false, -1};
                continue;
            }
            const long long need = used + piece.width;
            if (need > room)
                return best;
            drawn = need;
            used = need + piece.spaceWidth;
            if (piece.breakAfter) {
                if (piece.hyphenWidth > 0) {
                    if (need + piece.hyphenWidth <= room)
                        best = Fit{p + 1, Saturated(need + piece.hyphenWidth), true, false, -1};
                } else {
                    best = Fit{p + 1, Saturated(drawn), false, false, -1};
                }
            }
        }
        return Fit{count, Saturated(drawn), false, false, -1};
    }

    // A word longer than the line: it runs to the next break point after it.
    Fit whole(int first) const {
        const auto& pieces = section_.pieces;
        const int count = static_cast<int>(pieces.size());
        long long used = 0;
        long long drawn = 0;
        for (int p = first; p < count; ++p) {
            const TextPiece& piece = pieces[static_cast<std::size_t>(p)];
            if (piece.kind == TextPiece::Kind::breakMark)
                return Fit{p + 1, Saturated(drawn), false, true, -1};
            if (piece.wordLength > 0 && !isFloat(piece))
                drawn = used + piece.width;
            used += (isFloat(piece) ? 0 : piece.width) + piece.spaceWidth;
            if (piece.breakAfter) {
                if (piece.hyphenWidth > 0)
                    return Fit{p + 1, Saturated(drawn + piece.hyphenWidth), true, false, -1};
                return Fit{p + 1, Saturated(drawn), false, false, -1};
            }
        }
        return Fit{count, Saturated(drawn), false, false, -1};
    }

    // Without wrapping, a line runs to a BR mark or the end.
    Fit unwrapped(int first) const { return toBreakMark(first); }

    // A line also takes the blanks that follow its break point (in other fonts too).
    int withFollowingSpaces(int end) const {
        const auto& pieces = section_.pieces;
        while (end < static_cast<int>(pieces.size())) {
            const TextPiece& piece = pieces[static_cast<std::size_t>(end)];
            if (piece.kind != TextPiece::Kind::word || piece.wordLength > 0)
                break;
            ++end;
        }
        return end;
    }

    void placeFloat(int index, int y) {
        TFloatingObj& object = *section_.objects[static_cast<std::size_t>(index)];
        const int width = object.outerWidth();
        const int x =
            object.align == ObjectAlign::left ? map_.leftIndent(y) : map_.rightSide(y) - width;
        object.drawX = x + object.hspace;
        object.drawY = y + object.vspace;
        map_.addFloat(object.align == ObjectAlign::left ? FloatSide::left : FloatSide::right, x, y,
                      width, object.outerHeight());
        placed_.push_back(index);
    }

    // Floats in a settled line that were not placed while it was fitted.
    void placeFloatsIn(int first, int end, int y) {
        for (int p = first; p < end; ++p) {
            const TextPiece& piece = section_.pieces[static_cast<std::size_t>(p)];
            if (isFloat(piece) && !floatPlaced(piece.object))
                placeFloat(piece.object, y);
        }
    }

  private:
    bool isFloat(const TextPiece& piece) const {
        return piece.kind == TextPiece::Kind::object && piece.object >= 0 &&
               section_.objects[static_cast<std::size_t>(piece.object)]->isFloating();
    }

    Fit toBreakMark(int first) const {
        const auto& pieces = section_.pieces;
        const int count = static_cast<int>(pieces.size());
        long long used = 0;
        long long drawn = 0;
        for (int p = first; p < count; ++p) {
            const TextPiece& piece = pieces[static_cast<std::size_t>(p)];
            if (piece.kind == TextPiece::Kind::breakMark)
                return Fit{p + 1, Saturated(drawn), false, true, -1};
            if (piece.wordLength > 0 && !isFloat(piece))
                drawn = used + piece.width;
            used += (isFloat(piece) ? 0 : piece.width) + piece.spaceWidth;
        }
        return Fit{count, Saturated(drawn), false, false, -1};
    }

    TSection& section_;
    TIndentMap& map_;
    std::vector<int> placed_;
};

int FirstIndentPixels(const TSection& section, int width) {
    if (section.firstIndent.percent)
        return static_cast<int>(static_cast<long long>(width) * section.firstIndent.value / 100);
    return section.firstIndent.value;
}

LineRec EmptyLine(int y, int height) {
    LineRec line;
    line.y = y;
    line.spaceBefore = height;
    return line;
}

}  // namespace

int TSection::layout(LayoutContext& context, int x, int availableWidth, int availableHeight,
                     TIndentMap& map, int top, int& neededWidth) {
    context.sectionDone();
    y = top;
    sectionX = x;
    sectionWidth = availableWidth;
    lines.clear();
    if (!measured)
        MeasureSection(*this, context);
    int needed = SizeObjects(*this, context, availableWidth, availableHeight);

    int lineY = top;
    if (clear != ClearSide::none) {
        const int below = map.clearY(clear, lineY);
        if (below > lineY) {
            lines.push_back(EmptyLine(lineY, below - lineY));
            lineY = below;
        }
    }
    int floatTop = lineY;
    int floatBottom = lineY;
    int rightmost = x;

    if (text.empty() && isPreformatted() && !runs.empty()) {
        // An empty source line of preformatted text is a line of its font's height.
        LineRec line;
        line.y = lineY;
        line.textHeight = runs.front().font.metrics.height;
        line.descent = runs.front().font.metrics.descent;
        line.indent = map.leftIndent(lineY) - x;
        lines.push_back(line);
        lineY = Saturated(static_cast<long long>(lineY) + line.height());
    }

    LineBreaker breaker(*this, map);
    const int count = static_cast<int>(pieces.size());
    const int firstIndent = FirstIndentPixels(*this, availableWidth);
    int next = 0;
    bool firstText = true;
    int guard = 0;
    while (next < count) {
        const int left = std::max(x, map.leftIndent(lineY));
        const int right = wrap ? map.rightSide(lineY) : std::max(left, kNoWrapRight);
        const int indent =
            firstText && (align == TextAlignment::left || align == TextAlignment::justify ||
                          align == TextAlignment::none)
                ? firstIndent
                : 0;
        const int room =
            Saturated(static_cast<long long>(std::min(right, x + availableWidth)) - left - indent);
        Fit fit = wrap ? breaker.fit(next, room) : breaker.unwrapped(next);
        if (fit.floatToPlace >= 0) {
            breaker.placeFloat(fit.floatToPlace, lineY);
            continue;
        }
        if (fit.end < 0) {
            // No break point fits: below a float there may be room; otherwise the word stays
            // whole and overflows.
            const int wider = map.nextWiderY(lineY);
            if (map.floatCovers(lineY) && wider > lineY && ++guard < 100000) {
                lines.push_back(EmptyLine(lineY, wider - lineY));
                lineY = Saturated(wider);
                continue;
            }
            fit = breaker.whole(next);
        }
        fit.end = breaker.withFollowingSpaces(fit.end);
        breaker.placeFloatsIn(next, fit.end, lineY);
        LineCandidate candidate;
        candidate.firstPiece = next;
        candidate.endPiece = fit.end;
        candidate.textWidth = fit.textWidth;
        candidate.softHyphen = fit.softHyphen;
        candidate.last = fit.end >= count || fit.forced;
        candidate.left = left;
        candidate.right = wrap ? std::min(right, x + availableWidth) : right;
        candidate.firstIndent = indent;
        LineRec line;
        line.y = lineY;
        FinishLine(*this, candidate, line);
        lines.push_back(line);
        rightmost = std::max(rightmost,
                             Saturated(static_cast<long long>(x) + line.indent + line.drawWidth));
        lineY = Saturated(static_cast<long long>(lineY) + line.height());
        floatTop = std::min(floatTop, line.y + std::min(0, line.spaceBefore));
        next = fit.end;
        firstText = false;
    }

    for (const auto& object : objects) {
        const int objectTop = object->drawY - object->vspace;
        floatTop = std::min(floatTop, objectTop);
        floatBottom = std::max(floatBottom, objectTop + object->outerHeight());
        rightmost = std::max(rightmost, object->drawX - object->hspace + object->outerWidth());
    }
    for (const auto& control : controls) {
        floatBottom = std::max(floatBottom, control->drawY + control->height());
        rightmost = std::max(rightmost, control->drawX + control->width());
    }
    height = lineY - top;
    drawHeight = std::max(lineY, floatBottom) - top;
    contentTop = top;
    contentBottom = lineY;
    drawTop = std::min(top, floatTop);
    drawBottom = std::max(lineY, floatBottom);
    left = x;
    right = rightmost;
    needed = std::max(needed, rightmost - x);
    neededWidth = needed;
    return height;
}

}  // namespace kelvor::engine
