#include "engine/document/font_run.h"

#include <string_view>

namespace kelvor::engine {

int VerticalAlignNumber(std::string_view text) {
    if (text == "top" || text == "text-top")
        return kVerticalTop;
    if (text == "middle")
        return kVerticalMiddle;
    if (text == "baseline")
        return kVerticalBaseline;
    if (text == "bottom")
        return kVerticalBottom;
    if (text == "sub")
        return kVerticalSub;
    if (text == "super")
        return kVerticalSuper;
    return 0;
}

}  // namespace kelvor::engine
