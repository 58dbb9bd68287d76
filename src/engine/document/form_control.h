#pragma once

namespace kelvor::engine {

class PaintContext;

// A form control placed in a section's text. Form controls are built elsewhere; the section
// only needs what places them in a line.
class TFormControlObj {
  public:
    enum class Kind { other, radio, checkbox };

    virtual ~TFormControlObj() = default;
    // The control's size in pixels; a percentage width (0 for none) is taken of the section's
    // width when the section is laid out.
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual int percentWidth() const { return 0; }
    virtual void setLaidOutWidth(int) {}
    // Hidden controls take no room and get no mark in the text.
    virtual bool visible() const { return true; }
    virtual Kind kind() const { return Kind::other; }
    // The style's vertical-align as a small number (1 top, 2 middle, 3 baseline, 4 bottom,
    // 8 sub, 9 super), 0 when not given.
    virtual int verticalAlign() const { return 0; }
    // Draws the control at (x, y), document coordinates, where it has no window of its own
    // (on a printed page).
    virtual void paint(PaintContext&, int /*x*/, int /*y*/) const {}

    // Space around the control.
    int spaceLeft = 0;
    int spaceRight = 0;
    int spaceAbove = 0;
    int spaceBelow = 0;

    int charIndex = 0;  // index of its mark in the section's text
    // After layout: its top-left corner in document coordinates.
    int drawX = 0;
    int drawY = 0;
};

}  // namespace kelvor::engine
