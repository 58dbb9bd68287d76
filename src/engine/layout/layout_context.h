#pragma once

#include <functional>

#include "engine/layout/word_widths.h"

namespace kelvor::engine {

class TDocument;

// What one layout of a document carries along: the document, the client size, the measured
// words and the progress report.
class LayoutContext {
  public:
    LayoutContext(TDocument& document, int clientWidth, int clientHeight)
        : document(document), clientWidth(clientWidth), clientHeight(clientHeight) {}

    TDocument& document;
    int clientWidth;
    int clientHeight;
    WordWidthCache words;
    // Called with the number of sections laid out so far, every 50th section.
    std::function<void(int)> progress;
    int sectionsLaidOut = 0;

    void sectionDone() {
        ++sectionsLaidOut;
        if (progress && sectionsLaidOut % 50 == 0)
            progress(sectionsLaidOut);
    }
};

}  // namespace kelvor::engine
