#include "engine/select/selection_walk.h"

#include <algorithm>
#include <string_view>

#include "engine/document/block.h"
#include "engine/document/document.h"
#include "engine/document/limits.h"
#include "engine/document/section.h"
#include "engine/document/table.h"
#include "engine/select/text_sinks.h"

namespace kelvor::engine {

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";

// One walk. Positions are counted exactly as DocumentPositions counts them (sections with
// text, blocks that are laid out, table cells row by row), so that the positions the mouse
// gives select the characters painted as selected.
class SelectionWalk {
  public:
    SelectionWalk(long long start, long long end, SelTextCount& sink)
        : start_(start), end_(end), sink_(sink) {}

    void cell(const TFlowCell& cell) {
        for (const auto& item : cell.items) {
            if (stopped_) {
                return;
            }
            if (const auto* section = dynamic_cast<const TSection*>(item.get())) {
                if (!section->text.empty()) {
                    add(*section);
                }
            } else if (const auto* block = dynamic_cast<const TBlock*>(item.get())) {
                if (!block->displayNone && block->cell().depth() <= kMaxBlockDepth) {
                    add(*block);
                }
            } else if (const auto* grid = dynamic_cast<const TTableGrid*>(item.get())) {
                add(*grid);
            }
        }
    }

  private:
    // The item starting here lies wholly after the selection: nothing after it is selected.
    bool stopsHere() {
        if (position_ >= end_) {
            stopped_ = true;
        }
        return stopped_;
    }

    void add(const TSection& section) {
        if (stopsHere()) {
            return;
        }
        const long long first = position_;
        const auto length = static_cast<long long>(section.text.size());
        position_ += length;
        if (first + length <= start_) {
            return;
        }
        const std::u16string_view text(section.text);
        for (const LineRec& line : section.lines) {
            if (line.count <= 0 || line.start < 0 ||
                static_cast<long long>(line.start) + line.count > length) {
                continue;
            }
            const long long lineStart = first + line.start;
            const long long from = std::max(0LL, start_ - lineStart);
            long long to = std::min<long long>(line.count, end_ - lineStart);
            // The blank that closes every section is not part of its text.
            if (line.start + line.count == length && to == line.count) {
                --to;
            }
            if (from < to) {
                sink_.addText(text.substr(static_cast<std::size_t>(line.start + from),
                                          static_cast<std::size_t>(to - from)));
            }
        }
        if (end_ > first + length) {
            sink_.addText(kLineEnd);
        }
    }

    void add(const TBlock& block) {
        if (stopsHere()) {
            return;
        }
        cell(block.cell());
        const long long cellEnd = position_;
        // A block wholly before the selection adds nothing, its paragraph end neither.
        if (stopped_ || cellEnd <= start_) {
            return;
        }
        if (block.tagClass.rfind("p.", 0) == 0 && end_ > cellEnd) {
            sink_.addText(kLineEnd);
        }
    }

    void add(const TTableGrid& grid) {
        // Tables nest at most ten deep, which bounds this recursion as it bounds the
        // positions' own.
        for (const auto& row : grid.rows) {
            for (const TableSlot& slot : row->cells) {
                if (stopped_) {
                    return;
                }
                if (slot.cell && slot.cell->content) {
                    cell(*slot.cell->content);
                }
            }
        }
    }

    const long long start_;
    const long long end_;
    SelTextCount& sink_;
    long long position_ = 0;
    bool stopped_ = false;
};

}  // namespace

int WalkSelection(const TDocument& document, int start, int end, SelTextCount& sink) {
    if (start >= 0 && start < end) {
        SelectionWalk(start, end, sink).cell(document);
    }
    return sink.finish();
}

}  // namespace kelvor::engine
