#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "engine/layout/word_widths.h"

namespace kelvor::engine {

class TDocument;

// What one layout of a document carries along: the document, the client size, the measured
// words and the progress report.
class LayoutContext {
  public:
    LayoutContext(TDocument& document, int clientWidth, int clientHeight)
        : document(document),
          clientWidth(clientWidth),
          clientHeight(clientHeight),
          pass(NextPass()) {}

    TDocument& document;
    int clientWidth;
    int clientHeight;
    WordWidthCache words;
    // Called with the number of sections laid out so far, every 50th section.
    std::function<void(int)> progress;
    int sectionsLaidOut = 0;
    // Tells one layout pass from another: what a table works out during a pass (its row
    // heights) holds for that pass only, as content may change between passes.
    const std::uint64_t pass;

    void sectionDone() {
        ++sectionsLaidOut;
        if (progress && sectionsLaidOut % 50 == 0)
            progress(sectionsLaidOut);
    }

  private:
    static std::uint64_t NextPass() {
        static std::atomic<std::uint64_t> passes{0};
        return ++passes;
    }
};

}  // namespace kelvor::engine
