#pragma once

#include <optional>

namespace kelvor::engine {

// What a table that crosses a page end asks the printing to draw again: its foot rows under
// the cut line (state 5) or its head rows at the top of the next page (state 1). `y` is the
// document Y of the first of those rows and `height` their height.
struct TTablePageRec {
    int state = 0;
    int y = 0;
    int height = 0;
};

// The page being printed, as the items see it while they draw: the document Y at the top of
// the page and the cut line, where the page ends. The cut line starts at the bottom of the
// body; a line or table row that would be cut moves it up to its own top, a forced break to
// its Y, so that the next page starts there.
struct PrintPageState {
    int pageTop = 0;
    int cutLine = 0;
    // The height of a whole page's body, for what would fit on an empty page.
    int bodyHeight = 0;
    // A pass that draws a band again (repeated head or foot rows): nothing moves the cut.
    bool band = false;
    std::optional<TTablePageRec> tablePart;

    // Ends the page at `y` when that is above the cut and below the page's top.
    void cutAt(int y) {
        if (!band && y > pageTop && y < cutLine)
            cutLine = y;
    }
};

}  // namespace kelvor::engine
