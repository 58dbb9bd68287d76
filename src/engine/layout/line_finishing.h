#pragma once

namespace kelvor::engine {

class TSection;
struct LineRec;

// A line chosen by the line breaker, before it is finished.
struct LineCandidate {
    int firstPiece = 0;
    int endPiece = 0;   // one past its last piece
    int textWidth = 0;  // what is drawn: trailing blanks and BR marks left out, "-" counted
    bool softHyphen = false;
    bool last = false;    // the section's last line, or one that ends at a BR mark
    int left = 0;         // left indent at the line's Y
    int right = 0;        // right side at the line's Y
    int firstIndent = 0;  // the first-line indent, on the first line of text
};

// Finishes a line at its Y: heights from its fonts, line height and objects; X offset from the
// section's alignment; justification; the places of its inline objects and controls.
void FinishLine(TSection& section, const LineCandidate& candidate, LineRec& line);

}  // namespace kelvor::engine
