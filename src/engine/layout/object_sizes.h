#pragma once

namespace kelvor::engine {

class TSection;
class TImageObj;
class LayoutContext;

// The size of every image, panel and form control of a section laid out `width` wide (the
// available height is the base of percentage heights), copied into the pieces that hold them.
// Returns the widest object with its border and spacing.
int SizeObjects(TSection& section, LayoutContext& context, int width, int availableHeight);

// The size of one image (its own size, border and spacing not included), asking for its
// picture when it has not been asked for yet.
void SizeImage(TImageObj& image, LayoutContext& context, int width, int availableHeight);

}  // namespace kelvor::engine
