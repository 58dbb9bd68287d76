#pragma once

#include <optional>
#include <vector>

namespace kelvor::engine {

class TDocument;
class TFlowCell;
class TSection;
struct LineRec;
struct TLinkTarget;

// Character positions of a document as the display counts them: every character of every
// section, in reading order, numbered from 0 (marks for pictures, controls and BR included, as
// the sections hold them). Built once the reader has finished, since the text never changes
// afterwards; the line index is built again after each layout.
//
// Positions, not source offsets, are what survives a new layout: a line is named by the
// position of its first character, so whatever width or font size the next layout has, the
// same text can be found again.
class DocumentPositions {
  public:
    // Sections of the document in reading order. Forgets any line index.
    void index(const TDocument& document);
    // The laid-out lines, sorted by their tops; call after every layout.
    void indexLines();
    void clear();

    int characterCount() const { return characters_; }
    char16_t characterAt(int position) const;

    // The position under (x, y) in document coordinates: the character whose box holds x on
    // the line that holds y; left of a line its first character, right of it the place after
    // its last drawn one. Between lines the first character of the next line below, below
    // every line the end of the text. -1 for a page without lines.
    int positionAt(int x, int y) const;
    // Is (x, y) over the text of a line (not its pictures or its empty ends)?
    bool overText(int x, int y) const;

    // The line whose top is the nearest at or above y: its first position and its top.
    struct LineStart {
        int position = 0;
        int top = 0;
    };
    std::optional<LineStart> lineAtOrAbove(int y) const;
    // The top of the line that holds a position now.
    std::optional<int> lineTop(int position) const;

    // The top of the first line holding a character whose source offset is at or after
    // `sourcePosition` (a named position); none when no laid-out character follows it.
    std::optional<int> topAtSource(int sourcePosition) const;
    // The top of the first line showing a piece of the link (text or picture); none when the
    // link shows nowhere.
    std::optional<int> linkTop(const TLinkTarget& link) const;

    // The source offsets that a selection of positions [start, end) covers: [first, last).
    // None when the range selects nothing.
    struct SourceRange {
        int start = 0;
        int end = 0;
    };
    std::optional<SourceRange> sourceRange(int start, int end) const;

    // The source offset a position's character came from; -1 beyond the text.
    int sourceAt(int position) const;
    // The first position whose character came from `sourcePosition` or after it; the end of
    // the text when none did.
    int positionAtSource(int sourcePosition) const;

  private:
    struct SectionEntry {
        const TSection* section = nullptr;
        int first = 0;  // position of its first character
    };
    struct LineEntry {
        int top = 0;
        int bottom = 0;
        int section = 0;  // index into sections_
        int line = 0;     // index into the section's lines
        int position = 0;
    };

    void addCell(const TFlowCell& cell);
    // The section holding a position, or -1.
    int sectionOf(int position) const;
    const LineRec& lineOf(const LineEntry& entry) const;
    // The lines whose vertical span holds y, best first: the one whose section spans x, else
    // the first in reading order.
    const LineEntry* lineHolding(int x, int y) const;
    // Character index inside a section under x on one of its lines, with the nearest end when
    // x is beside the line; `onText` tells whether x lies on a text piece.
    int characterUnder(const TSection& section, const LineRec& line, int x, bool* onText) const;

    std::vector<SectionEntry> sections_;
    std::vector<LineEntry> lines_;  // by top, then position
    int tallestLine_ = 0;
    int characters_ = 0;
};

}  // namespace kelvor::engine
