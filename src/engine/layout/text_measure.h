#pragma once

namespace kelvor::engine {

class TSection;
class LayoutContext;

// May a line end after character i of the section? At a space, an object or control mark, a
// "-", a "?", a character above U+2FFF (but not inside a surrogate pair), or where the break
// class allows it; never where the class is "n".
bool CanBreakAfter(const TSection& section, int i);

// Cuts the section's text into pieces and measures them (see TextPiece). Done once per
// section; objects and controls get their widths at each layout (see object_sizes.h).
void MeasureSection(TSection& section, LayoutContext& context);

}  // namespace kelvor::engine
