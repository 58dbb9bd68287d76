#include "engine/layout/text_measure.h"

#include "engine/document/section.h"
#include "engine/layout/layout_context.h"

namespace kelvor::engine {

namespace {

bool IsMark(char16_t c) {
    return c == kObjectMark || c == kControlMark || c == kBreakMark;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

bool CanBreakAfter(const TSection& section, int i) {
    const auto index = static_cast<std::size_t>(i);
    const char breakClass = section.breaks[index];
    if (breakClass == kBreakNever)
        return false;
    if (breakClass == kBreakAllowed || breakClass == kBreakSoftHyphen)
        return true;
    const char16_t c = section.text[index];
    if (c == kSpace || c == kObjectMark || c == kControlMark || c == u'-' || c == u'?')
        return true;
    return c > 0x2FFF && !IsHighSurrogate(c);
}

void MeasureSection(TSection& section, LayoutContext& context) {
    section.pieces.clear();
    const std::u16string& text = section.text;
    const int size = static_cast<int>(text.size());
    std::size_t run = 0;
    std::size_t nextObject = 0;
    std::size_t nextControl = 0;
    int i = 0;
    while (i < size) {
        while (run + 1 < section.runs.size() && section.runs[run + 1].start <= i)
            ++run;
        const int runEnd =
            run + 1 < section.runs.size() ? std::max(section.runs[run + 1].start, i + 1) : size;
        const TDocFont& font = section.runs[run].font;
        TextPiece piece;
        piece.start = i;
        piece.run = static_cast<int>(run);
        int wordEnd = i;
        const char16_t c = text[static_cast<std::size_t>(i)];
        if (IsMark(c)) {
            wordEnd = i + 1;
            if (c == kBreakMark) {
                piece.kind = TextPiece::Kind::breakMark;
            } else if (c == kObjectMark) {
                piece.kind = TextPiece::Kind::object;
                while (nextObject < section.objects.size() &&
                       section.objects[nextObject]->charIndex < i) {
                    ++nextObject;
                }
                if (nextObject < section.objects.size() &&
                    section.objects[nextObject]->charIndex == i) {
                    piece.object = static_cast<int>(nextObject);
                }
            } else {
                piece.kind = TextPiece::Kind::control;
                while (nextControl < section.controls.size() &&
                       section.controls[nextControl]->charIndex < i) {
                    ++nextControl;
                }
                if (nextControl < section.controls.size() &&
                    section.controls[nextControl]->charIndex == i) {
                    piece.object = static_cast<int>(nextControl);
                }
            }
        } else {
            while (wordEnd < runEnd) {
                const char16_t w = text[static_cast<std::size_t>(wordEnd)];
                if (w == kSpace || IsMark(w))
                    break;
                ++wordEnd;
                if (CanBreakAfter(section, wordEnd - 1))
                    break;
            }
            piece.width = context.words.width(
                font, std::u16string_view(text).substr(static_cast<std::size_t>(i),
                                                       static_cast<std::size_t>(wordEnd - i)));
        }
        int end = wordEnd;
        if (piece.kind != TextPiece::Kind::breakMark) {
            while (end < runEnd && text[static_cast<std::size_t>(end)] == kSpace)
                ++end;
        }
        piece.wordLength = wordEnd - i;
        piece.length = end - i;
        piece.spaceCount = end - wordEnd;
        if (piece.spaceCount > 0) {
            piece.spaceWidth = context.words.width(
                font, std::u16string_view(text).substr(static_cast<std::size_t>(wordEnd),
                                                       static_cast<std::size_t>(end - wordEnd)));
        }
        piece.breakAfter =
            piece.kind == TextPiece::Kind::breakMark || CanBreakAfter(section, end - 1);
        if (piece.kind == TextPiece::Kind::word && piece.spaceCount == 0 && wordEnd > i &&
            section.breaks[static_cast<std::size_t>(wordEnd - 1)] == kBreakSoftHyphen) {
            piece.hyphenWidth = context.words.width(font, u"-");
        }
        section.pieces.push_back(piece);
        i = end;
    }
    section.measured = true;
}

}  // namespace kelvor::engine
