#pragma once

#include <vector>

#include "engine/document/limits.h"
#include "engine/document/section.h"

namespace kelvor::engine {

// A piece of a laid-out line at its place: text of one font run, or one object or control.
struct LineSegment {
    enum class Kind { text, object, control };
    Kind kind = Kind::text;
    int start = 0;  // characters [start, end)
    int end = 0;
    int x = 0;       // left edge, document coordinates
    int width = 0;   // measured width (justification space not included)
    int run = 0;     // font run of a text piece
    int index = -1;  // object or control index
};

// One past the last character of the line that is drawn: the blanks that end the line and a
// BR mark are not.
int DrawnEnd(const TSection& section, const LineRec& line);

// The line's pieces from left to right, with the places that layout gave them: text is cut at
// font changes, at marks, after each space of a justified line and wherever cut(i) asks a new
// piece to start at character i.
template <typename Cut>
std::vector<LineSegment> LineSegments(const TSection& section, const LineRec& line, Cut cut);

// The same without extra cuts.
std::vector<LineSegment> LineSegments(const TSection& section, const LineRec& line);

// Index of the font run that holds character i.
int RunAt(const TSection& section, int i);

// --- implementation ---

int FindObject(const TSection& section, int charIndex);
int FindControl(const TSection& section, int charIndex);

template <typename Cut>
std::vector<LineSegment> LineSegments(const TSection& section, const LineRec& line, Cut cut) {
    std::vector<LineSegment> segments;
    const int end = DrawnEnd(section, line);
    const bool justified = line.spaceCount > 0;
    long long pen = static_cast<long long>(section.sectionX) + line.indent;
    int spacesSeen = 0;
    int run = RunAt(section, line.start);
    const int runs = static_cast<int>(section.runs.size());
    const auto& text = section.text;
    int i = line.start;
    while (i < end) {
        while (run + 1 < runs && section.runs[static_cast<std::size_t>(run + 1)].start <= i)
            ++run;
        const char16_t c = text[static_cast<std::size_t>(i)];
        if (c == kBreakMark) {
            ++i;
            continue;
        }
        if (c == kObjectMark || c == kControlMark) {
            LineSegment segment;
            segment.start = i;
            segment.end = i + 1;
            segment.x = Saturated(pen);
            if (c == kObjectMark) {
                segment.kind = LineSegment::Kind::object;
                segment.index = FindObject(section, i);
                if (segment.index >= 0) {
                    const TFloatingObj& object =
                        *section.objects[static_cast<std::size_t>(segment.index)];
                    segment.width = object.isFloating() ? 0 : object.outerWidth();
                }
            } else {
                segment.kind = LineSegment::Kind::control;
                segment.index = FindControl(section, i);
                if (segment.index >= 0) {
                    const TFormControlObj& control =
                        *section.controls[static_cast<std::size_t>(segment.index)];
                    segment.width = control.width() + control.spaceLeft + control.spaceRight;
                }
            }
            pen += segment.width;
            segments.push_back(segment);
            ++i;
            continue;
        }
        int j = i;
        while (j < end) {
            const char16_t d = text[static_cast<std::size_t>(j)];
            if (d == kObjectMark || d == kControlMark || d == kBreakMark)
                break;
            if (j > i &&
                ((run + 1 < runs && section.runs[static_cast<std::size_t>(run + 1)].start <= j) ||
                 cut(j)))
                break;
            ++j;
            if (justified && d == kSpace)
                break;
        }
        LineSegment segment;
        segment.start = i;
        segment.end = j;
        segment.x = Saturated(pen);
        segment.run = run;
        const TDocFont& font = section.runs[static_cast<std::size_t>(run)].font;
        segment.width = font.font
                            ? font.font->textWidth(std::u16string_view(text).substr(
                                  static_cast<std::size_t>(i), static_cast<std::size_t>(j - i)))
                            : 0;
        pen += segment.width;
        segments.push_back(segment);
        if (justified && text[static_cast<std::size_t>(j - 1)] == kSpace &&
            spacesSeen < line.spaceCount) {
            pen +=
                line.extra / line.spaceCount + (spacesSeen < line.extra % line.spaceCount ? 1 : 0);
            ++spacesSeen;
        }
        i = j;
    }
    return segments;
}

}  // namespace kelvor::engine
