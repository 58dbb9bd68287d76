#include "tools/kelvor_layout/layout_tree.h"

#include <string>
#include <vector>

#include "engine/document/document.h"
#include "tools/kelvor_layout/dump_canvas.h"

namespace kelvor::tools {

namespace {

using namespace kelvor::engine;

void WriteSection(std::ostream& out, const TSection& section, const std::string& indent) {
    out << indent << (section.isPreformatted() ? "pre" : "section") << " y=" << section.y
        << " h=" << section.height << " x=" << section.sectionX << " w=" << section.sectionWidth
        << '\n';
    for (const LineRec& line : section.lines) {
        const std::u16string text = section.text.substr(static_cast<std::size_t>(line.start),
                                                        static_cast<std::size_t>(line.count));
        out << indent << "  line y=" << line.y << " h=" << line.height()
            << " base=" << line.baseline() << " x=" << section.sectionX + line.indent
            << " w=" << line.drawWidth << ' ' << DumpCanvas::Quoted(text) << '\n';
    }
}

}  // namespace

void WriteLayoutTree(std::ostream& out, const TDocument& document) {
    // Walked with a stack of its own: documents nest deep.
    struct Place {
        const TFlowCell* cell;
        std::size_t next;
    };
    std::vector<Place> stack{{&document, 0}};
    while (!stack.empty()) {
        Place& place = stack.back();
        if (place.next >= place.cell->items.size()) {
            stack.pop_back();
            continue;
        }
        const TFlowItem* item = place.cell->items[place.next++].get();
        const std::string indent(2 * (stack.size() - 1), ' ');
        if (const auto* section = dynamic_cast<const TSection*>(item)) {
            WriteSection(out, *section, indent);
        } else if (const auto* block = dynamic_cast<const TBlock*>(item)) {
            out << indent << "block " << (block->tag.empty() ? "?" : block->tag)
                << " y=" << block->y << " h=" << block->height << " box=" << block->borderLeft
                << ',' << block->borderTop << '-' << block->borderRight << ','
                << block->borderBottom << " content=" << block->contentLeft << '+'
                << block->contentWidth << '\n';
            stack.push_back(Place{&block->cell(), 0});
        } else {
            out << indent << "page y=" << item->y << '\n';
        }
    }
}

}  // namespace kelvor::tools
