#include "engine/forms/hidden_image_controls.h"

#include "engine/forms/doc_form.h"

namespace kelvor::engine {

bool THiddenFormControlObj::submitLine(int n, std::string& line) const {
    if (n != 0)
        return false;
    line = SubmissionLine(name(), value());
    return true;
}

void TImageFormControlObj::click(int x, int y) {
    if (disabled())
        return;
    click_ = Point{x, y};
    form().submit();
    click_.reset();
}

bool TImageFormControlObj::submitLine(int n, std::string& line) const {
    if (!click_ || n > 1)
        return false;
    const std::string prefix = name().empty() ? std::string() : name() + ".";
    line = n == 0 ? prefix + "x=" + std::to_string(click_->x)
                  : prefix + "y=" + std::to_string(click_->y);
    return true;
}

}  // namespace kelvor::engine
