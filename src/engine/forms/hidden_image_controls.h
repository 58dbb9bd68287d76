#pragma once

#include <optional>
#include <string>

#include "engine/forms/form_field.h"

namespace kelvor::engine {

// A hidden field: no window, no place in a line, always its line.
class THiddenFormControlObj : public TFormFieldObj {
  public:
    using TFormFieldObj::TFormFieldObj;
    bool visible() const override { return false; }
    void reset() override {}
    bool submitLine(int n, std::string& line) const override;
};

// An image that submits its form where it is clicked. Its picture is an image object in the
// text; this side keeps the click and gives the coordinates' lines.
class TImageFormControlObj : public TFormFieldObj {
  public:
    using TFormFieldObj::TFormFieldObj;
    bool visible() const override { return false; }

    // A click at (x, y) in the picture's own coordinates: the form is submitted with them.
    void click(int x, int y);

    void reset() override { click_.reset(); }
    bool submitLine(int n, std::string& line) const override;
    // Only the image clicked last submits coordinates, and only once.
    void submitted() override { click_.reset(); }

  private:
    struct Point {
        int x;
        int y;
    };
    std::optional<Point> click_;
};

}  // namespace kelvor::engine
