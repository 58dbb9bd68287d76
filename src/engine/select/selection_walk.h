#pragma once

namespace kelvor::engine {

class TDocument;
class SelTextCount;

// Walks the selection [start, end) (document positions, as DocumentPositions counts them) over
// the document model in reading order and hands its characters to `sink`: each section the
// part of each of its lines inside the selection (never its closing blank), CR LF after a
// section that the selection runs past, and one more CR LF after a paragraph's block that it
// runs past, so that paragraphs come apart by an empty line. Returns the sink's finish().
// Sections are walked line by line, so the document must have been laid out.
int WalkSelection(const TDocument& document, int start, int end, SelTextCount& sink);

}  // namespace kelvor::engine
