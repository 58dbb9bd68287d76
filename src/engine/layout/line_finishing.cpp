#include "engine/layout/line_finishing.h"

#include <algorithm>

#include "engine/document/limits.h"
#include "engine/document/section.h"

namespace kelvor::engine {

namespace {

// How an object sits: its alignment, or for a control the vertical-align number (bottom when
// none is given).
ObjectAlign ControlAlign(const TFormControlObj& control) {
    switch (control.verticalAlign()) {
        case kVerticalTop:
            return ObjectAlign::top;
        case kVerticalMiddle:
            return ObjectAlign::middle;
        case kVerticalBaseline:
            return ObjectAlign::baseline;
        default:
            return ObjectAlign::bottom;
    }
}

// Grows the room above and below the text for an object of height h.
void MakeRoom(ObjectAlign align, int h, LineRec& line) {
    switch (align) {
        case ObjectAlign::top:
            line.spaceAfter = std::max(line.spaceAfter, h - line.textHeight);
            break;
        case ObjectAlign::middle: {
            const int excess = h - line.textHeight;
            if (excess > 0) {
                line.spaceBefore = std::max(line.spaceBefore, excess / 2);
                line.spaceAfter = std::max(line.spaceAfter, excess - excess / 2);
            }
            break;
        }
        case ObjectAlign::bottom:
            line.spaceBefore = std::max(line.spaceBefore, h - line.textHeight);
            break;
        case ObjectAlign::baseline:
            line.spaceBefore = std::max(line.spaceBefore, h - (line.textHeight - line.descent));
            break;
        case ObjectAlign::left:
        case ObjectAlign::right:
            break;
    }
}

// The top of an object of height h placed by `align` in the finished line.
int ObjectTop(ObjectAlign align, int h, const LineRec& line) {
    const int textTop = line.y + line.spaceBefore;
    switch (align) {
        case ObjectAlign::top:
            return textTop;
        case ObjectAlign::middle:
            return textTop + (line.textHeight - h) / 2;
        case ObjectAlign::bottom:
            return line.y + line.height() - h;
        default:
            return line.baseline() - h;
    }
}

int ControlTop(const TFormControlObj& control, const LineRec& line) {
    const int bottom = line.y + line.height();
    int top = bottom;
    switch (control.verticalAlign()) {
        case kVerticalTop:
            top = line.y + control.spaceAbove;
            break;
        case kVerticalMiddle:
            top = bottom - (line.height() + control.height()) / 2;
            break;
        case kVerticalBaseline:
            top = line.baseline() - control.height() - control.spaceBelow;
            break;
        case kVerticalBottom:
        case 0:
            top = bottom - control.height() - control.spaceBelow;
            break;
        default:
            top = bottom;
            break;
    }
    if (control.kind() == TFormControlObj::Kind::radio)
        top += 2;
    else if (control.kind() == TFormControlObj::Kind::checkbox)
        top += 1;
    return top;
}

}  // namespace

void FinishLine(TSection& section, const LineCandidate& candidate, LineRec& line) {
    const std::vector<TextPiece>& pieces = section.pieces;
    line.start = pieces[static_cast<std::size_t>(candidate.firstPiece)].start;
    const TextPiece& lastPiece = pieces[static_cast<std::size_t>(candidate.endPiece - 1)];
    line.count = lastPiece.start + lastPiece.length - line.start;
    line.softHyphen = candidate.softHyphen;

    // Heights: the tallest font of the line.
    line.textHeight = 0;
    line.descent = 0;
    for (int p = candidate.firstPiece; p < candidate.endPiece; ++p) {
        const TDocFont& font =
            section.runs[static_cast<std::size_t>(pieces[static_cast<std::size_t>(p)].run)].font;
        line.textHeight = std::max(line.textHeight, font.metrics.height);
        line.descent = std::max(line.descent, font.metrics.descent);
    }
    line.spaceBefore = 0;
    line.spaceAfter = 0;
    if (section.lineHeight > 0) {
        const int extra = section.lineHeight - line.textHeight;
        line.spaceBefore = extra / 2;
        line.spaceAfter = extra - extra / 2;
        // Lines may come closer than their text, not pass each other.
        if (line.height() < 0) {
            line.spaceBefore = -line.textHeight / 2;
            line.spaceAfter = -line.textHeight - line.spaceBefore;
        }
    }
    for (int p = candidate.firstPiece; p < candidate.endPiece; ++p) {
        const TextPiece& piece = pieces[static_cast<std::size_t>(p)];
        if (piece.object < 0)
            continue;
        const auto index = static_cast<std::size_t>(piece.object);
        if (piece.kind == TextPiece::Kind::object && index < section.objects.size()) {
            const TFloatingObj& object = *section.objects[index];
            if (!object.isFloating())
                MakeRoom(object.align, object.outerHeight(), line);
        } else if (piece.kind == TextPiece::Kind::control && index < section.controls.size()) {
            const TFormControlObj& control = *section.controls[index];
            if (control.visible()) {
                MakeRoom(ControlAlign(control),
                         control.height() + control.spaceAbove + control.spaceBelow, line);
            }
        }
    }

    // Where the line starts, and what justification spreads.
    const int width = candidate.textWidth;
    int x = candidate.left;
    line.extra = 0;
    line.spaceCount = 0;
    switch (section.align) {
        case TextAlignment::center:
            x = std::max(candidate.left, (candidate.left + candidate.right - width) / 2);
            break;
        case TextAlignment::right:
            x = std::max(candidate.left, candidate.right - width);
            break;
        case TextAlignment::justify:
        case TextAlignment::left:
        case TextAlignment::none:
            x = candidate.left + candidate.firstIndent;
            break;
    }
    if (section.align == TextAlignment::justify && !candidate.last) {
        // Inner spaces only: the spaces that end the line get nothing.
        int spaces = 0;
        int trailing = 0;
        for (int p = candidate.firstPiece; p < candidate.endPiece; ++p) {
            const TextPiece& piece = pieces[static_cast<std::size_t>(p)];
            if (piece.wordLength > 0 && piece.kind != TextPiece::Kind::breakMark)
                trailing = 0;
            spaces += piece.spaceCount;
            trailing += piece.spaceCount;
        }
        spaces -= trailing;
        const long long spare = static_cast<long long>(candidate.right) - x - width;
        if (spaces > 0 && spare > 0) {
            line.extra = Saturated(spare);
            line.spaceCount = spaces;
        }
    }
    line.indent = Saturated(static_cast<long long>(x) - section.sectionX);
    line.drawWidth = Saturated(static_cast<long long>(width) + line.extra);

    // Places of the inline objects and controls, walking the line as painting will.
    long long pen = x;
    int spacesSeen = 0;
    for (int p = candidate.firstPiece; p < candidate.endPiece; ++p) {
        const TextPiece& piece = pieces[static_cast<std::size_t>(p)];
        if (piece.object >= 0) {
            const auto index = static_cast<std::size_t>(piece.object);
            if (piece.kind == TextPiece::Kind::object && index < section.objects.size()) {
                TFloatingObj& object = *section.objects[index];
                if (!object.isFloating()) {
                    object.drawX = Saturated(pen + object.hspace);
                    object.drawY =
                        ObjectTop(object.align, object.outerHeight(), line) + object.vspace;
                }
            } else if (piece.kind == TextPiece::Kind::control && index < section.controls.size()) {
                TFormControlObj& control = *section.controls[index];
                control.drawX = Saturated(pen + control.spaceLeft);
                control.drawY = ControlTop(control, line);
            }
        }
        pen += piece.width + piece.spaceWidth;
        if (line.spaceCount > 0) {
            for (int s = 0; s < piece.spaceCount && spacesSeen < line.spaceCount; ++s, ++spacesSeen)
                pen += line.extra / line.spaceCount +
                       (spacesSeen < line.extra % line.spaceCount ? 1 : 0);
        }
    }
}

}  // namespace kelvor::engine
